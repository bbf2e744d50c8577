// The component dialog, the component class dialog in its three modes, and the object id dialog, driven as a
// user would against the sample design.

#include <algorithm>

#include "CNewComponentDlg.h"
#include "CNewComponentInterfaceDlg.h"
#include "CNewObjectId.h"
#include "CSearchDomainDlg.h"
#include "CodeNameRules.h"
#include "ComponentNameRules.h"
#include "SystemDialogsTestSupport.h"

using namespace dialog_test;
using tamo::platform::TestDriver;

namespace {

class ComponentDialogsTest : public system_dialogs_test::SystemDialogsTest {
protected:
    int ClassId(const std::string& component, const std::string& className) const {
        return SampleId("SELECT id FROM component_class WHERE class_name = " + datatree_test::SqlText(className) +
                        " AND component_id = " + std::to_string(ComponentId(component)));
    }
    // The dialog opened to edit the sample's proxy class class_Navigation of 항법 관리자 (INavigation of NavService).
    void EditNavigationClass(CNewComponentInterfaceDlg& dialog) const {
        dialog.m_bEditClassMode = TRUE;
        dialog.m_nComponentId = ComponentId("항법 관리자");
        dialog.m_nId = ClassId("항법 관리자", "class_Navigation");
        dialog.m_strKind = "proxy";
        dialog.m_nMethodDomainId = DomainId("method", "NavService");
        dialog.m_strMethodDomainName = "NavService";
        dialog.m_strInterfaceName = "INavigation";
        dialog.m_strClassName = "class_Navigation";
    }
};

const int IDC_COMPONENT_NAME = 1076, IDC_COMPONENT_DESCRIPTION = 1077;
const int IDC_SEARCH = 1072, IDC_METHOD_DOMAIN = 1078, IDC_INTERFACE = 1079, IDC_NEW_INTERFACE = 1116,
          IDC_OBJECT_NAME = 1208, IDC_CLASS_NAME = 1209, IDC_ENTERED_OBJECTS = 1225;
const int IDC_OBJECT_ID = 1114, IDC_PUBLIC = 1217;

const char* const kClassLocked = "*수정 불가*\n 외부 시스템과 연결된 Class 입니다. 현재 외수 시스템은 Lock 상태 입니다.";
const char* const kObjectLocked =
    "*수정 불가*\n 외부 시스템과 연결된 Object 입니다. 현재 외부 시스템은 Lock 상태 입니다.";

// ---- The component dialog ---------------------------------------------------------------------------------

TEST_F(ComponentDialogsTest, TheKindWordsAreRefusedAsNamesInAnyCase) {
    CNewComponentDlg dialog;
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.OnDialog(348, [](CDialog& d) {
        for (const char* name : {"Proxy", "STUB", "stub"}) {
            TestDriver::Type(d, IDC_COMPONENT_NAME, name);
            TestDriver::Click(d, IDOK);
            EXPECT_TRUE(d.IsModalRunning()) << name;
        }
        TestDriver::Type(d, IDC_COMPONENT_NAME, "stub 제어기");
        TestDriver::Type(d, IDC_COMPONENT_DESCRIPTION, "첫 줄\r\n둘째 줄");
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>(3, "proxy, stub 명은 사용 할 수 없습니다"));
    EXPECT_EQ(dialog.m_strName, "stub 제어기");
    EXPECT_EQ(dialog.m_strDescription, "첫 줄\r\n둘째 줄");
}

TEST_F(ComponentDialogsTest, AComponentOnALockedSubSystemIsShownReadOnly) {
    struct Case {
        const char* component;
        const char* domain;
        bool locked;
    };
    driver.SetDefaultMessageBoxAnswer(IDOK);
    for (const Case& c : {Case{"조타 제어기", "조타실", true}, Case{"항법 관리자", "Ship", false}}) {
        CNewComponentDlg dialog;
        dialog.m_nSystemDomainId = DomainId("system", c.domain);
        dialog.m_nComponentId = ComponentId(c.component);
        dialog.m_strName = c.component;
        driver.OnDialog(348, [&](CDialog& d) {
            EXPECT_EQ(Text(d, IDC_COMPONENT_NAME), c.component);
            EXPECT_EQ(Enabled(d, IDC_COMPONENT_NAME), !c.locked);
            EXPECT_EQ(Enabled(d, IDC_COMPONENT_DESCRIPTION), !c.locked);
            EXPECT_EQ(Enabled(d, IDOK), !c.locked);
            TestDriver::Click(d, IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "*수정 불가*\n외부 시스템과 연결된 컴포넌트 입니다. 상위 시스템은 Lock 상태 입니다."}));
}

// ---- The component class dialog ---------------------------------------------------------------------------

struct ModeCase {
    const char* name;
    BOOL objectMode;
    BOOL editClassMode;
    const char* component;
    const char* kind;
    const char* className;
    const char* methodDomain;
    const char* interfaceName;
    const char* objectName;
    // What the dialog shows.
    const char* okText;
    const char* cancelText;
    bool choiceEnabled;
    bool objectEnabled;
    const char* box;
};

TEST_F(ComponentDialogsTest, EachModeEnablesItsControlsNamesItsButtonsAndAsksItsLock) {
    const ModeCase cases[] = {
        {"new class", FALSE, FALSE, "항법 관리자", "proxy", "", "", "", "", "입력", "종료", true, true, nullptr},
        {"edited class", FALSE, TRUE, "항법 관리자", "proxy", "class_Navigation", "NavService", "INavigation", "",
         "수정", "취소", true, false, nullptr},
        // In object mode only the object's lock counts: the class is locked, the new object is not.
        {"new object", TRUE, FALSE, "조타 제어기", "stub", "class_위치", "위치서비스", "I위치", "", "확인", "취소",
         false, true, nullptr},
        {"edited object", TRUE, FALSE, "항법 관리자", "proxy", "class_Navigation", "NavService", "INavigation",
         "object_proxy_nav", "수정", "취소", false, true, nullptr},
        {"locked class", FALSE, TRUE, "조타 제어기", "stub", "class_위치", "위치서비스", "I위치", "", "수정", "취소",
         false, false, kClassLocked},
        {"locked object", TRUE, FALSE, "조타 제어기", "stub", "class_위치", "위치서비스", "I위치", "object_stub_위치",
         "수정", "취소", false, false, kObjectLocked},
    };
    driver.SetDefaultMessageBoxAnswer(IDOK);
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const size_t boxesBefore = driver.MessageBoxes().size();
        CNewComponentInterfaceDlg dialog;
        dialog.m_bObjectMode = c.objectMode;
        dialog.m_bEditClassMode = c.editClassMode;
        dialog.m_nComponentId = ComponentId(c.component);
        dialog.m_strKind = c.kind;
        if (*c.className != '\0') {
            dialog.m_nId = ClassId(c.component, c.className);
            dialog.m_nMethodDomainId = DomainId("method", c.methodDomain);
        }
        dialog.m_strMethodDomainName = c.methodDomain;
        dialog.m_strInterfaceName = c.interfaceName;
        dialog.m_strClassName = c.className;
        dialog.m_strObjectName = c.objectName;
        driver.OnDialog(367, [&](CDialog& d) {
            EXPECT_EQ(Text(d, IDOK), c.okText);
            EXPECT_EQ(Text(d, IDCANCEL), c.cancelText);
            for (int id : {IDC_METHOD_DOMAIN, IDC_SEARCH, IDC_INTERFACE, IDC_CLASS_NAME})
                EXPECT_EQ(Enabled(d, id), c.choiceEnabled) << id;
            EXPECT_EQ(Enabled(d, IDC_OBJECT_NAME), c.objectEnabled);
            EXPECT_EQ(Selected(d, IDC_METHOD_DOMAIN), c.methodDomain);
            EXPECT_EQ(Selected(d, IDC_INTERFACE), c.interfaceName);
            EXPECT_EQ(Text(d, IDC_CLASS_NAME), c.className);
            if (c.objectMode) {
                EXPECT_EQ(Text(d, IDC_OBJECT_NAME), c.objectName);
            }
            EXPECT_EQ(List(d, IDC_ENTERED_OBJECTS).GetColumnCount(), 1);
            TestDriver::Click(d, IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        const std::vector<std::string> all = BoxTexts();
        const std::vector<std::string> boxes(all.begin() + static_cast<long>(boxesBefore), all.end());
        EXPECT_EQ(boxes, c.box ? std::vector<std::string>{c.box} : std::vector<std::string>{});
    }
}

TEST_F(ComponentDialogsTest, AnEditedClassNeedsAClassNameAndReturnsTheNewBinding) {
    CNewComponentInterfaceDlg dialog;
    EditNavigationClass(dialog);
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(367, [](CDialog& d) {
        TestDriver::Type(d, IDC_CLASS_NAME, " \t ");
        TestDriver::Click(d, IDOK);
        EXPECT_TRUE(d.IsModalRunning());
        Choose(d, IDC_INTERFACE, "IWaypoint");
        EXPECT_EQ(Text(d, IDC_CLASS_NAME), "class_IWaypoint");
        TestDriver::Type(d, IDC_CLASS_NAME, "class_Waypoint2");
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"class 명을 입력해 주세요"}));
    EXPECT_EQ(dialog.m_nMethodDomainId, DomainId("method", "NavService"));
    EXPECT_EQ(dialog.m_strMethodDomainName, "NavService");
    EXPECT_EQ(dialog.m_strInterfaceName, "IWaypoint");
    EXPECT_EQ(dialog.m_strClassName, "class_Waypoint2");
}

// A class name is a C++ class and two files: the OK check refuses what the generated code cannot carry, with the
// rule's text, before anything is sent; the class's own name passes as it stands.
TEST_F(ComponentDialogsTest, AClassNameTheCodeCannotCarryIsRefused) {
    CNewComponentInterfaceDlg dialog;
    EditNavigationClass(dialog);
    driver.AnswerMessageBox(IDOK);
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(367, [](CDialog& d) {
        for (const char* name : {"class", "my class"}) {
            TestDriver::Type(d, IDC_CLASS_NAME, name);
            TestDriver::Click(d, IDOK);
            EXPECT_TRUE(d.IsModalRunning());
        }
        TestDriver::Type(d, IDC_CLASS_NAME, "class_Navigation");
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{CodeNameRefusal(CodeNameScope::Class, "class"),
                                                    CodeNameRefusal(CodeNameScope::Class, "my class")}));
    EXPECT_EQ(dialog.m_strClassName, "class_Navigation");
}

TEST_F(ComponentDialogsTest, NewClassModeInsertsEachClassAndListsItNewestFirst) {
    const int domain = NewSystemDomain(UniqueName());
    const int component = NewComponent(domain, "컴포넌트");
    const std::string methodDomainName = UniqueName("_M");
    const int methodDomain = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')",
                                                           "method", 0, methodDomainName, 0, "1", ""));
    ASSERT_GT(methodDomain, 0) << db->GetLastErrorText();
    for (const char* name : {"nav_if", "info_if"})
        Call(db->FormatCall("call interfaceViewNewInterface('%d', 'method', '%s', '%s')", methodDomain, name, ""));

    CNewComponentInterfaceDlg dialog;
    dialog.m_strKind = "proxy";
    dialog.m_nComponentId = component;
    dialog.m_nSystemDomainId = domain;
    driver.OnDialogOf<CSearchDomainDlg>(338, [&](CSearchDomainDlg& chooser) {
        CTreeCtrl& tree = chooser.m_ctrlTree;
        for (HTREEITEM item = tree.GetChildItem(tree.GetRootItem()); item; item = tree.GetNextSiblingItem(item))
            if (tree.GetItemText(item).str() == methodDomainName) tree.SetCheck(item, TRUE);
        TestDriver::Click(chooser, IDOK);
    });
    driver.AnswerMessageBox(IDOK);
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(367, [&](CDialog& d) {
        EXPECT_TRUE(Enabled(d, IDC_NEW_INTERFACE));
        TestDriver::Click(d, IDC_SEARCH);
        EXPECT_EQ(ComboEntries(d, IDC_METHOD_DOMAIN), std::vector<std::string>{methodDomainName});
        EXPECT_EQ(Text(d, IDC_CLASS_NAME), DefaultClassName(Selected(d, IDC_INTERFACE)));
        EXPECT_EQ(Text(d, IDC_OBJECT_NAME), "object_proxy_");

        Choose(d, IDC_INTERFACE, "nav_if");
        EXPECT_EQ(Text(d, IDC_CLASS_NAME), "class_nav");
        TestDriver::Type(d, IDC_OBJECT_NAME, "obj_a");
        TestDriver::Click(d, IDOK);
        EXPECT_EQ(Text(d, IDC_OBJECT_NAME), "");
        TestDriver::Click(d, IDOK);  // no object name

        Choose(d, IDC_INTERFACE, "info_if");
        EXPECT_EQ(Text(d, IDC_CLASS_NAME), "class_nfo");
        EXPECT_EQ(Text(d, IDC_OBJECT_NAME), "object_proxy_");
        TestDriver::Type(d, IDC_OBJECT_NAME, "obj_b");
        TestDriver::Click(d, IDOK);

        Choose(d, IDC_INTERFACE, "nav_if");
        EXPECT_EQ(ComboEntries(d, IDC_CLASS_NAME), std::vector<std::string>{"class_nav"});
        TestDriver::Type(d, IDC_CLASS_NAME, "   ");
        TestDriver::Click(d, IDOK);  // no class name
        TestDriver::Type(d, IDC_CLASS_NAME, "class_nav2");
        TestDriver::Type(d, IDC_OBJECT_NAME, "obj_c");
        TestDriver::Click(d, IDOK);

        EXPECT_TRUE(d.IsModalRunning());
        EXPECT_EQ(ListNames(List(d, IDC_ENTERED_OBJECTS)),
                  (std::vector<std::string>{" - nav_if : class_nav2 : obj_c", " - info_if : class_nfo : obj_b",
                                            " - nav_if : class_nav : obj_a"}));
        TestDriver::Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"객체 명을 입력 해주세요", "class 명을 입력해 주세요"}));
    std::vector<class_proxy_interface_relation_info> classes;
    ASSERT_EQ(db->SelectProxyInterfaceList(db->FormatCall("call proxyInterfaceViewList(%d)", component), classes), 0);
    std::vector<std::string> names;
    for (const auto& item : classes) names.push_back(item.interface_name + " " + item.class_name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"info_if class_nfo", "nav_if class_nav", "nav_if class_nav2"}));
}

TEST_F(ComponentDialogsTest, NewInterfaceMakesTheInterfaceThroughTheMethodTreeAndReloadsTheInterfaces) {
    const std::string methodDomainName = UniqueName("_M");
    const int methodDomain = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')",
                                                           "method", 0, methodDomainName, 0, "1", ""));
    ASSERT_GT(methodDomain, 0) << db->GetLastErrorText();
    CNewComponentInterfaceDlg dialog;
    dialog.m_strKind = "stub";
    dialog.m_nComponentId = ComponentId("항법 관리자");
    dialog.m_nMethodDomainId = methodDomain;
    dialog.m_strMethodDomainName = methodDomainName.c_str();
    driver.OnDialog(331, [](CDialog& named) {  // the method tree's interface dialog
        TestDriver::Type(named, 1031, "made_if");
        TestDriver::Click(named, IDOK);
    });
    driver.OnDialog(367, [](CDialog& d) {
        EXPECT_TRUE(ComboEntries(d, IDC_INTERFACE).empty());
        TestDriver::Click(d, IDC_NEW_INTERFACE);
        EXPECT_EQ(ComboEntries(d, IDC_INTERFACE), std::vector<std::string>{"made_if"});
        TestDriver::Click(d, IDCANCEL);
    });
    dialog.DoModal();
}

// ---- The object id dialog ---------------------------------------------------------------------------------

TEST_F(ComponentDialogsTest, OnlyAnIdThatSortsAfterZeroIsShown) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"0", ""}, {"-5", ""}, {" 7", ""}, {"101", "101"}, {"00", "00"}, {"x", "x"},
    };
    for (const auto& [stored, shown] : cases) {
        CNewObjectId dialog;
        dialog.SetInitialObjectId(stored);
        EXPECT_EQ(dialog.m_strObjectId, shown) << "\"" << stored << "\"";
    }
}

TEST_F(ComponentDialogsTest, ALockedDomainFixesThePublicFlagAndThePublicId) {
    struct Case {
        const char* object;
        const char* component;
        int isPublic;
        bool publicEnabled;
        bool idEnabled;
    };
    for (const Case& c : {Case{"object_stub_위치", "조타 제어기", 1, false, false},
                          Case{"object_proxy_hb", "조타 제어기", 0, false, true},
                          Case{"object_proxy_nav", "항법 관리자", 0, true, true}}) {
        CNewObjectId dialog;
        dialog.SetInitialObjectId("301");
        dialog.m_nPublic = c.isPublic;
        dialog.m_nLockId = DeploymentId(c.component);
        driver.OnDialog(372, [&](CDialog& d) {
            EXPECT_EQ(Text(d, IDC_OBJECT_ID), "301");
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_PUBLIC), static_cast<UINT>(c.isPublic));
            EXPECT_EQ(Enabled(d, IDC_PUBLIC), c.publicEnabled);
            EXPECT_EQ(Enabled(d, IDC_OBJECT_ID), c.idEnabled);
            if (c.publicEnabled) {
                TestDriver::Type(d, IDC_OBJECT_ID, "555");
                TestDriver::Click(d, IDC_PUBLIC);
            }
            TestDriver::Click(d, IDOK);
        });
        ASSERT_EQ(dialog.DoModal(), IDOK) << c.object;
        EXPECT_EQ(dialog.m_strObjectId, c.publicEnabled ? "555" : "301") << c.object;
        EXPECT_EQ(dialog.m_nPublic, c.publicEnabled ? 1 : c.isPublic) << c.object;
    }
}

}  // namespace
