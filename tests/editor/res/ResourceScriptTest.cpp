#include <gtest/gtest.h>

#include "AfxRes.h"
#include "EditorResources.h"
#include "ResourceScript.h"
#include "WinUser.h"

using tamo::platform::DialogTemplate;
using tamo::platform::ImageResource;
using tamo::platform::MenuItemTemplate;
using tamo::platform::ResourceTable;
using tamo::res::ResourceScript;

namespace {

const char* const kScript = R"rc(
// A script with every kind of statement.
#define IDD_SAMPLE 395
#define IDC_NAME 1001

STRINGTABLE
BEGIN
    124 "표준"
    125, "사용자 지정..."
    126 "with ""quotes"" and \n a line feed"
END

IDD_SAMPLE DIALOGEX 0, 0, 200, 120
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "도메인"
FONT 9, "굴림", 400, 0, 0x81
BEGIN
    LTEXT           "이름 :", IDC_STATIC, 7, 9, 40, 8
    EDITTEXT        IDC_NAME, 50, 7, 140, 13, ES_AUTOHSCROLL | NOT WS_TABSTOP
    COMBOBOX        1062, 50, 25, 140, 80, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL
    AUTORADIOBUTTON "Proxy", 1096, 7, 45, 50, 10, WS_GROUP
    CONTROL         "", 1211, "SysTreeView32", TVS_HASBUTTONS | TVS_HASLINES | WS_BORDER, 7, 60, 100, 40
    GROUPBOX        "입력", IDC_STATIC, 2, 2, 196, 100
    DEFPUSHBUTTON   "확인", IDOK, 90, 102, 50, 14
    PUSHBUTTON      "취소", IDCANCEL, 145, 102, 50, 14, BS_DEFPUSHBUTTON
END

IDD_SAMPLE DLGINIT
BEGIN
    1062, "YES"
    1062, "NO"
END

431 MENU
BEGIN
    POPUP "차일드뷰"
    BEGIN
        MENUITEM "다시 그리기", 33070
        MENUITEM SEPARATOR
        POPUP "Deprecated"
        BEGIN
            MENUITEM "HML 문서 생성", 32900, GRAYED
        END
    END
END

128 TOOLBAR 16, 15
BEGIN
    BUTTON ID_FILE_NEW
    SEPARATOR
    BUTTON ID_APP_ABOUT
END

311 BITMAP "images/strip.xpm"
)rc";

class ResourceScriptTest : public ::testing::Test {
protected:
    void SetUp() override { table.Clear(); }

    bool Load(const char* text, std::string* error) {
        const auto files = [](const std::string& name) -> std::optional<std::string> {
            if (name == "images/strip.xpm") return std::string("XPM bytes");
            return std::nullopt;
        };
        return ResourceScript::Load("test.rc", text, files, table, error);
    }

    ResourceTable table;
};

TEST_F(ResourceScriptTest, ReadsEveryKindOfStatement) {
    std::string error;
    ASSERT_TRUE(Load(kScript, &error)) << error;

    EXPECT_STREQ(*table.FindString(124), "표준");
    EXPECT_STREQ(*table.FindString(125), "사용자 지정...");
    EXPECT_STREQ(*table.FindString(126), "with \"quotes\" and \n a line feed");

    const DialogTemplate* dialog = table.FindDialog(395);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->caption, "도메인");
    EXPECT_EQ(dialog->fontFace, "굴림");
    EXPECT_EQ(dialog->fontPointSize, 9);
    EXPECT_EQ(dialog->cx, 200);
    EXPECT_EQ(dialog->cy, 120);
    EXPECT_EQ(dialog->style & DS_MODALFRAME, static_cast<DWORD>(DS_MODALFRAME));
    ASSERT_EQ(dialog->controls.size(), 8u);

    const auto& label = dialog->controls[0];
    EXPECT_EQ(label.className, "Static");
    EXPECT_EQ(label.id, IDC_STATIC);
    EXPECT_EQ(label.style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP));
    const auto& edit = dialog->controls[1];
    EXPECT_EQ(edit.id, 1001);
    EXPECT_EQ(edit.style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL));
    EXPECT_EQ((edit.x), 50);
    EXPECT_EQ((edit.cy), 13);
    const auto& combo = dialog->controls[2];
    EXPECT_EQ(combo.style & 3u, static_cast<DWORD>(CBS_DROPDOWNLIST));
    EXPECT_TRUE(combo.style & CBS_SORT);
    const auto& radio = dialog->controls[3];
    EXPECT_EQ(radio.style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON));
    EXPECT_TRUE(radio.style & WS_GROUP);
    const auto& tree = dialog->controls[4];
    EXPECT_EQ(tree.className, "SysTreeView32");
    EXPECT_EQ(tree.style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | WS_BORDER));
    EXPECT_EQ(dialog->controls[6].style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(dialog->controls[7].style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    ASSERT_EQ(dialog->initEntries.size(), 2u);
    EXPECT_EQ(dialog->initEntries[1].controlId, 1062);
    EXPECT_EQ(dialog->initEntries[1].text, "NO");

    const auto* menu = table.FindMenu(431);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->items.size(), 1u);
    const MenuItemTemplate& popup = menu->items[0];
    EXPECT_EQ(popup.kind, MenuItemTemplate::Popup);
    EXPECT_EQ(popup.text, "차일드뷰");
    ASSERT_EQ(popup.children.size(), 3u);
    EXPECT_EQ(popup.children[0].id, 33070u);
    EXPECT_EQ(popup.children[1].kind, MenuItemTemplate::Separator);
    EXPECT_TRUE(popup.children[2].children.at(0).grayed);

    const auto* toolbar = table.FindToolbar(128);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->buttonHeight, 15);
    EXPECT_EQ(toolbar->commands, (std::vector<UINT>{ID_FILE_NEW, ID_SEPARATOR, ID_APP_ABOUT}));

    const auto* bitmap = table.FindImage(ImageResource::Bitmap, 311);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->bytes, "XPM bytes");
    EXPECT_EQ(table.FindImage(ImageResource::Icon, 311), nullptr);
}

struct BadScript {
    const char* script;
    const char* error;
};

void PrintTo(const BadScript& bad, std::ostream* os) { *os << bad.error; }

class ResourceScriptErrors : public ResourceScriptTest, public ::testing::WithParamInterface<BadScript> {};

TEST_P(ResourceScriptErrors, NameTheScriptLineAndProblem) {
    std::string error;
    EXPECT_FALSE(Load(GetParam().script, &error));
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResourceScriptErrors,
    ::testing::Values(BadScript{"\n1 DIALOG 0,0,10,10\nBEGIN\n  EDITTEXT IDC_NOPE, 1, 1, 5, 5\nEND",
                                "test.rc:4: unknown symbol IDC_NOPE"},
                      BadScript{"STRINGTABLE\nBEGIN\n 1 \"a\"\n 1 \"b\"\nEND", "test.rc:4: string 1 is defined twice"},
                      BadScript{"1 MENU\nBEGIN\n MENUITEM \"x\", 5\n", "test.rc:4: missing END"},
                      BadScript{"1 BITMAP \"missing.xpm\"", "test.rc:1: image file missing.xpm not found"},
                      BadScript{"1 DLGINIT\nBEGIN\n 5, \"x\"\nEND",
                                "test.rc:1: DLGINIT for dialog 1 comes before the dialog"},
                      BadScript{"STRINGTABLE\nBEGIN\n 1 \"open\nEND", "test.rc:3: unterminated string"},
                      BadScript{"1 ACCELERATORS\nBEGIN\nEND", "test.rc:1: unknown resource kind ACCELERATORS"},
                      BadScript{"1 DIALOG 0,0,10,10\nBEGIN\n  SLIDER 1, 1, 1, 5, 5\nEND",
                                "test.rc:3: unknown control statement SLIDER"}));

TEST(EditorResources, TheBuiltInScriptsLoad) {
    std::string error;
    ASSERT_TRUE(tamo::res::LoadEditorResources(&error)) << error;
    EXPECT_TRUE(tamo::res::LoadEditorResources());
    auto& table = ResourceTable::Instance();
    const DialogTemplate* login = table.FindDialog(310);
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(login->caption, "서버 접속");
    EXPECT_NE(table.FindImage(ImageResource::Icon, 128), nullptr);
}

}  // namespace
