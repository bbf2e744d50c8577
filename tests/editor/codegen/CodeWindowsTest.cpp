// The windows of code generation on the sample design: the header preview and its save, saving all domain
// headers into a chosen folder, and the source code dialog in single mode (opened for an interface or for a
// proxy or stub class) and in component mode.

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <type_traits>
#include <vector>

#include "CCodeControl.h"
#include "CCodeview.h"
#include "CSourceCodeDlg.h"
#include "CodeWindowsTestSupport.h"
#include "Colleague.h"
#include "CompileCheck.h"
#include "CodegenTestSession.h"
#include "GoldenFile.h"
#include "SessionLogin.h"
#include "ShellApi.h"
#include "class_component_info.h"
#include "class_domain_info.h"
#include "class_interface_info.h"
#include "class_proxy_interface_relation_info.h"
#include "class_stub_interface_relation_info.h"

using namespace tamo::codegen::testing;
using tamo::platform::TestDriver;
namespace fs = std::filesystem;

namespace {

const int IDC_CODE_TEXT = 1037;
const int IDC_SAVE_CODE = 1087;
const int IDC_CLASS_NAME = 1094;
const int IDC_OUTPUT_PATH = 1095;
const int IDC_PROXY = 1096;
const int IDC_STUB = 1097;
const int IDC_BROWSE_PATH = 1098;

class CodeWindows : public CodeWindowsTest {
protected:
    explicit CodeWindows(std::string database = "codegen_windows") : CodeWindowsTest(std::move(database)) {}

    static std::string Text(CWnd& dialog, int id) {
        CString text;
        dialog.GetDlgItemText(id, text);
        return text.str();
    }
    static bool Enabled(CWnd& dialog, int id) { return dialog.GetDlgItem(id)->IsWindowEnabled(); }
    static bool Checked(CWnd& dialog, int id) { return dialog.IsDlgButtonChecked(id) == BST_CHECKED; }

    // A component of a system domain of its own with one proxy or stub class on an interface of the method
    // domain; answers the component's id.
    int NewComponentWithClass(bool proxy, const std::string& interfaceName, const std::string& className,
                              int methodDomainId = 6) {
        const std::string name = std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                                 "_" + className + "_" + std::to_string(::getpid()) + "_" + std::to_string(++m_made);
        const int domain = db->QueryNewId(
            db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "system", 0, name, 0, "1", ""));
        EXPECT_GT(domain, 0) << db->GetLastErrorText();
        const int component = db->QueryInt(db->FormatCall("call componentsNewcomponent(%d,'%s','%s')", domain, "c", ""));
        EXPECT_GT(component, 0) << db->GetLastErrorText();
        const CString call =
            proxy ? db->FormatCall("call insertProxyInserfaceRelation(%d, %d, %d, '%s','%s', '%s')", domain, component,
                                   methodDomainId, interfaceName, className, "o")
                  : db->FormatCall("call insertStubInserfaceRelation(%d, %d, %d, '%s','%s', '%s')", domain, component,
                                   methodDomainId, interfaceName, className, "o");
        EXPECT_EQ(db->ExecuteProc(call), 0) << db->GetLastErrorText();
        return component;
    }
    // The component's classes of the side as the system tree holds them.
    template <class Relation>
    std::vector<Relation> ClassesOf(int component) {
        std::vector<Relation> classes;
        if constexpr (std::is_same_v<Relation, class_proxy_interface_relation_info>)
            EXPECT_EQ(db->SelectProxyInterfaceList(db->FormatCall("call proxyInterfaceViewList(%d)", component), classes), 0);
        else
            EXPECT_EQ(db->SelectStubInterfaceList(db->FormatCall("call stubInterfaceViewList(%d)", component), classes), 0);
        return classes;
    }
    // Runs the calls in a second session, as another user of the design database.
    void Colleague(const std::vector<std::string>& calls) { tamo::testing::RunAsColleague(m_server, calls); }

    CCodeControl control;
    int m_made = 0;
};

// The tests that change the design, on a database of their own: the others compare what the whole sample gives.
class CodeWindowsOfAChangedDesign : public CodeWindows {
protected:
    CodeWindowsOfAChangedDesign() : CodeWindows("codegen_windows_changed") {}
};

class_domain_info Domain(int id, const std::string& name) {
    class_domain_info domain;
    domain.id = id;
    domain.name = name;
    return domain;
}

}  // namespace

// The preview shows the data header for a data domain item (kind 2) and the method header for any other kind,
// each as the generator writes it, with CR LF in the edit control.
TEST_F(CodeWindows, PreviewShowsTheHeaderOfTheItemsKind) {
    struct Case {
        int kind;
        class_domain_info domain;
        std::string golden;
    };
    const Case cases[] = {
        {2, Domain(2, "Pos"), "sample/data_2.h.txt"},
        {1, Domain(6, "NavService"), "sample/method_6.h.txt"},
        {8, Domain(7, "위치서비스"), "sample/method_7.h.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        driver.OnDialogOf<CCodeview>(360, [&](CCodeview& view) {
            CString title;
            view.GetWindowText(title);
            EXPECT_EQ(title, "코드미리보기");
            EXPECT_EQ(WithoutTimes(view.m_strCode.str()), SampleGolden(c.golden));
            EXPECT_EQ(Text(view, IDC_CODE_TEXT), WithCrLf(view.m_strCode.str()));
            TestDriver::PressCloseBox(view);
        });
        control.ShowCodeView(c.kind, c.domain);
    }
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts().front();
}

// "저장" writes the generated text, not what the user typed over it, proposes ".h" with the four filters, and
// reports a file that cannot be opened instead of writing through it; the preview stays open throughout.
TEST_F(CodeWindows, PreviewSavesTheGeneratedText) {
    const std::string folder = Folder("preview");
    const std::string saved = folder + "/Pos.h";
    std::string shown;
    driver.OnDialogOf<CCodeview>(360, [&](CCodeview& view) {
        shown = view.m_strCode.str();
        TestDriver::Type(view, IDC_CODE_TEXT, "typed over");

        driver.AnswerFileDialog("");  // cancelled: nothing happens
        TestDriver::Click(view, IDC_SAVE_CODE);
        EXPECT_TRUE(BoxTexts().empty());

        driver.AnswerFileDialog(saved.c_str());
        TestDriver::Click(view, IDC_SAVE_CODE);
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(driver.MessageBoxes()[0].text, "저장을 완료하였습니다.");
        EXPECT_EQ(driver.MessageBoxes()[0].caption, "");
        EXPECT_EQ(driver.MessageBoxes()[0].owner, view.GetSafeHwnd());

        driver.AnswerFileDialog((folder + "/missing/Pos.h").c_str());
        TestDriver::Click(view, IDC_SAVE_CODE);
        // Reported with the path and the reason, and not called saved.
        EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"저장을 완료하였습니다.", "err(fwite) : " + folder +
                                                                               "/missing/Pos.h\n" + std::strerror(ENOENT)}));

        EXPECT_TRUE(view.IsModalRunning());
        TestDriver::PressCloseBox(view);
    });
    control.ShowCodeView(2, Domain(2, "Pos"));

    EXPECT_EQ(ReadFile(saved), shown);
    EXPECT_EQ(WithoutTimes(shown), SampleGolden("sample/data_2.h.txt"));
    EXPECT_FALSE(fs::exists(folder + "/missing"));
    ASSERT_EQ(driver.FileDialogs().size(), 3u);
    const auto& dialog = driver.FileDialogs()[1];
    EXPECT_FALSE(dialog.open);
    EXPECT_EQ(dialog.initialName, ".h");
    EXPECT_EQ(dialog.filter, "c/c++ header(*.h)|*.h|c++ header(*.hpp)|*.hpp|c++ source(*.cpp)|*.cpp|all(*.*)|*.*||");
    EXPECT_EQ(dialog.flags, 0u);
}

// "All DomainHeader 코드 저장": nothing when the folder browser is cancelled; otherwise every method and data
// domain's header below Tamo/Method and Tamo/Data of the chosen folder, by the server's domain paths.
TEST_F(CodeWindows, SaveAllDomainHeadersWritesTheFolderTree) {
    driver.AnswerFolderDialog("");
    control.SaveAllDomainHeaders();
    EXPECT_TRUE(BoxTexts().empty());

    const std::string folder = Folder("save_all");
    driver.AnswerFolderDialog(folder.c_str());
    control.SaveAllDomainHeaders();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"저장을 완료했습니다"});
    ASSERT_EQ(driver.FolderDialogs().size(), 2u);
    EXPECT_EQ(driver.FolderDialogs()[1].title, "디렉토리를 선택하세요");
    EXPECT_EQ(driver.FolderDialogs()[1].flags, static_cast<UINT>(BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE));

    EXPECT_EQ(FilesBelow(folder),
              (std::vector<std::string>{"Tamo/Data/Nav/Nav.h", "Tamo/Data/Nav/Pos/Pos.h", "Tamo/Data/Nav/Pos/센서/센서.h",
                                        "Tamo/Data/Secret/Secret.h", "Tamo/Data/기본형/기본형.h",
                                        "Tamo/Method/Control/Control.h", "Tamo/Method/NavService/NavService.h",
                                        "Tamo/Method/NavService/위치서비스/위치서비스.h"}));
    EXPECT_EQ(WithoutTimes(ReadFile(folder + "/Tamo/Data/Nav/Pos/Pos.h")), SampleGolden("sample/data_2.h.txt"));
    EXPECT_EQ(WithoutTimes(ReadFile(folder + "/Tamo/Method/NavService/위치서비스/위치서비스.h")),
              SampleGolden("sample/method_7.h.txt"));
}

// Opened for an interface, the dialog lets the user choose the side and name the class; it refuses a missing
// class name and path (both messages in one press), takes the folder from "검색", writes the class files and
// stays open. A folder that does not exist is reported per file, and the files are not called made.
TEST_F(CodeWindows, SourceDialogForAnInterface) {
    const std::string folder = Folder("interface");
    class_interface_info iface;
    iface.domain_id = 7;
    iface.name = "I위치";
    driver.OnDialogOf<CSourceCodeDlg>(363, [&](CSourceCodeDlg& dialog) {
        CString title;
        dialog.GetWindowText(title);
        EXPECT_EQ(title, "SourceCodeView");
        EXPECT_TRUE(Checked(dialog, IDC_PROXY));
        EXPECT_FALSE(Checked(dialog, IDC_STUB));
        for (const int id : {IDC_PROXY, IDC_STUB, IDC_CLASS_NAME}) EXPECT_TRUE(Enabled(dialog, id)) << id;
        EXPECT_EQ(Text(dialog, IDC_CLASS_NAME), "");

        TestDriver::Click(dialog, IDOK);
        EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"클래스 명을 입력 하세요", "Path을 선택하세요"}));
        TestDriver::Type(dialog, IDC_CLASS_NAME, "I위치_Stub");
        TestDriver::Click(dialog, IDOK);
        EXPECT_EQ(BoxTexts().back(), "Path을 선택하세요");
        EXPECT_EQ(BoxTexts().size(), 3u);

        driver.AnswerFolderDialog(folder.c_str());
        TestDriver::Click(dialog, IDC_BROWSE_PATH);
        EXPECT_EQ(Text(dialog, IDC_OUTPUT_PATH), folder);
        TestDriver::Click(dialog, IDC_STUB);
        TestDriver::Click(dialog, IDOK);
        EXPECT_EQ(BoxTexts().back(), "Stub 파일생성이 완료되었습니다.");
        EXPECT_EQ(BoxTexts().size(), 4u);

        const std::string missing = folder + "/missing";
        TestDriver::Type(dialog, IDC_OUTPUT_PATH, missing.c_str());
        TestDriver::Click(dialog, IDOK);
        EXPECT_EQ(BoxTexts(4), (std::vector<std::string>{
                                   missing + "/I위치_Stub.h Stub파일 생성에 실패했습니다!\n" + std::strerror(ENOENT),
                                   missing + "/I위치_Stub.cpp Stub파일 생성에 실패했습니다!\n" + std::strerror(ENOENT)}));

        EXPECT_TRUE(dialog.IsModalRunning());
        TestDriver::Click(dialog, IDCANCEL);
    });
    control.ShowSourceCode(iface, "위치서비스");

    ASSERT_EQ(driver.FolderDialogs().size(), 1u);
    EXPECT_EQ(driver.FolderDialogs()[0].initialFolder, "/");
    EXPECT_EQ(FilesBelow(folder), (std::vector<std::string>{"I위치_Stub.cpp", "I위치_Stub.h"}));
    EXPECT_EQ(ReadFile(folder + "/I위치_Stub.h"), SampleGolden("sample/I위치_Stub.h.txt"));
    EXPECT_EQ(ReadFile(folder + "/I위치_Stub.cpp"), SampleGolden("sample/I위치_Stub.cpp.txt"));
}

// Opened for a proxy or a stub class of a component, side and class name are fixed; the path is still asked.
TEST_F(CodeWindowsOfAChangedDesign, SourceDialogForAClassFixesSideAndName) {
    struct Case {
        const char* side;
        const char* interfaceName;
        std::string className;
    };
    const Case cases[] = {{"Proxy", "INavigation", "INavigation_Proxy"}, {"Stub", "IWaypoint", "IWaypoint_Stub"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.side);
        const std::string folder = Folder(std::string("class_") + c.side);
        const std::size_t boxesBefore = driver.MessageBoxes().size();
        driver.OnDialogOf<CSourceCodeDlg>(363, [&](CSourceCodeDlg& dialog) {
            const bool proxy = std::string(c.side) == "Proxy";
            EXPECT_EQ(Checked(dialog, IDC_PROXY), proxy);
            EXPECT_EQ(Checked(dialog, IDC_STUB), !proxy);
            for (const int id : {IDC_PROXY, IDC_STUB, IDC_CLASS_NAME}) EXPECT_FALSE(Enabled(dialog, id)) << id;
            EXPECT_EQ(Text(dialog, IDC_CLASS_NAME), c.className);

            TestDriver::Click(dialog, IDOK);
            TestDriver::Type(dialog, IDC_OUTPUT_PATH, folder.c_str());
            TestDriver::Click(dialog, IDOK);
            EXPECT_EQ(BoxTexts(boxesBefore),
                      (std::vector<std::string>{"Path을 선택하세요", proxy ? "Proxy 파일생성 완료되었습니다."
                                                                           : "Stub 파일생성이 완료되었습니다."}));
            TestDriver::Click(dialog, IDCANCEL);
        });
        const bool proxy = std::string(c.side) == "Proxy";
        const int component = NewComponentWithClass(proxy, c.interfaceName, c.className);
        if (proxy)
            control.ShowProxySourceCode(ClassesOf<class_proxy_interface_relation_info>(component).at(0));
        else
            control.ShowStubSourceCode(ClassesOf<class_stub_interface_relation_info>(component).at(0));
        EXPECT_EQ(ReadFile(folder + "/" + c.className + ".h"), SampleGolden("sample/" + c.className + ".h.txt"));
        EXPECT_EQ(ReadFile(folder + "/" + c.className + ".cpp"), SampleGolden("sample/" + c.className + ".cpp.txt"));
    }
}

// Component mode: "ALL" fixes side and class; an empty path is refused before anything is written; otherwise
// every proxy and stub class goes below Proxy/ and Stub/ of the component's folder, followed by the headers of
// the method domains of their interfaces (ancestors included) and of every data domain their methods use, each
// where the includes of the generated sources look for it (Tamo/Data/Nav/Pos/Pos.h).
TEST_F(CodeWindows, SourceDialogForAComponent) {
    class_component_info component;
    component.component_id = std::stoi(AdminValue("SELECT id FROM component WHERE name = '항법 관리자'"));
    component.name = "항법 관리자";
    const std::string base = Folder("component");
    // Where the component's files would land if the empty path were taken.
    const fs::path belowRoot = "/항법 관리자";
    const bool wasBelowRoot = fs::exists(belowRoot);
    driver.OnDialogOf<CSourceCodeDlg>(363, [&](CSourceCodeDlg& dialog) {
        EXPECT_EQ(Text(dialog, IDC_CLASS_NAME), "ALL");
        for (const int id : {IDC_PROXY, IDC_STUB, IDC_CLASS_NAME}) EXPECT_FALSE(Enabled(dialog, id)) << id;

        TestDriver::Click(dialog, IDOK);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Path을 선택하세요"});
        EXPECT_EQ(Text(dialog, IDC_OUTPUT_PATH), "");
        if (!wasBelowRoot && fs::exists(belowRoot)) {
            ADD_FAILURE() << "the empty path wrote below the file-system root";
            fs::remove_all(belowRoot);
        }

        TestDriver::Type(dialog, IDC_OUTPUT_PATH, base.c_str());
        TestDriver::Click(dialog, IDOK);
        EXPECT_EQ(BoxTexts(1),
                  (std::vector<std::string>{"Proxy 파일생성 완료되었습니다.", "Stub 파일생성이 완료되었습니다."}));
        // The field shows the last folder used.
        EXPECT_EQ(Text(dialog, IDC_OUTPUT_PATH), base + "/항법 관리자/Stub/");
        EXPECT_TRUE(dialog.IsModalRunning());
        TestDriver::Click(dialog, IDCANCEL);
    });
    control.ShowAllSourceCode(component);

    const std::vector<std::string> files = FilesBelow(base);
    for (const char* file : {"Proxy/class_Navigation.cpp", "Proxy/class_Navigation.h", "Stub/class_Waypoint.cpp",
                             "Stub/class_Waypoint.h", "Tamo/Method/NavService/NavService.h", "Tamo/Data/Nav/Nav.h",
                             "Tamo/Data/Nav/Pos/Pos.h"}) {
        EXPECT_NE(std::find(files.begin(), files.end(), std::string("항법 관리자/") + file), files.end()) << file;
    }
    for (const std::string& file : files) {
        EXPECT_TRUE(file.rfind("항법 관리자/Proxy/", 0) == 0 || file.rfind("항법 관리자/Stub/", 0) == 0 ||
                    file.rfind("항법 관리자/Tamo/Data/", 0) == 0 || file == "항법 관리자/Tamo/Method/NavService/NavService.h")
            << file;
    }
    EXPECT_EQ(WithoutTimes(ReadFile(base + "/항법 관리자/Tamo/Method/NavService/NavService.h")),
              SampleGolden("sample/method_6.h.txt"));
    EXPECT_EQ(WithoutTimes(ReadFile(base + "/항법 관리자/Tamo/Data/Nav/Pos/Pos.h")), SampleGolden("sample/data_2.h.txt"));
    const std::string proxyHeader = ReadFile(base + "/항법 관리자/Proxy/class_Navigation.h");
    EXPECT_EQ(proxyHeader.rfind("#include <Tamo/Method/NavService/NavService.h>", 0), 0u) << proxyHeader;
}

// Component mode writes every header that the files it writes include: each class source of every component of
// the sample compiles with the component's folder alone on the include path, with g++ and clang++.
TEST_F(CodeWindows, EachComponentFolderCompilesOnItsOwn) {
    for (const char* name : {"항법 관리자", "위치 표시기", "조타 제어기", "기관 감시기"}) {
        SCOPED_TRACE(name);
        class_component_info component;
        component.component_id = std::stoi(AdminValue(std::string("SELECT id FROM component WHERE name = '") + name + "'"));
        component.name = name;
        const std::string base = Folder("alone");
        // Each class written says so once.
        const int classes = std::stoi(AdminValue("SELECT COUNT(*) FROM component_class WHERE component_id = " +
                                                 std::to_string(component.component_id)));
        for (int i = 0; i < classes; ++i) driver.AnswerMessageBox(IDOK);
        driver.OnDialogOf<CSourceCodeDlg>(363, [&](CSourceCodeDlg& dialog) {
            TestDriver::Type(dialog, IDC_OUTPUT_PATH, base.c_str());
            TestDriver::Click(dialog, IDOK);
            TestDriver::Click(dialog, IDCANCEL);
        });
        control.ShowAllSourceCode(component);
        const std::string folder = base + "/" + name;
        int sources = 0;
        for (const std::string& file : FilesBelow(folder)) {
            if (file.size() < 4 || file.compare(file.size() - 4, 4, ".cpp") != 0) continue;
            ++sources;
            for (const std::string& compiler : TestCompilers()) {
                const CompileResult result = RunCompilerNamed(compiler, {"-fsyntax-only", folder + "/" + file},
                                                              {folder, folder + "/Proxy", folder + "/Stub"});
                EXPECT_TRUE(result.ok) << file << " (" << compiler << ")\n" << result.output;
            }
        }
        EXPECT_GT(sources, 0);
    }
}

// Folders and files that cannot be made are reported where they fail, and the following steps still run: a
// component folder blocked by a file stops both class steps at their folders; a Proxy folder that is a file
// fails each proxy file, and the stub classes and the headers of the domains they use are still written.
TEST_F(CodeWindows, ComponentModeGoesOnAfterAFailure) {
    class_component_info component;
    component.component_id = std::stoi(AdminValue("SELECT id FROM component WHERE name = '항법 관리자'"));
    component.name = "항법 관리자";
    struct Case {
        std::string blocker;
        std::vector<std::string> boxes;
        std::vector<std::string> written;
    };
    const std::string base = Folder("component_blocked");
    const std::string component_folder = base + "/항법 관리자";
    const Case cases[] = {
        {component_folder,
         {component_folder + "/Proxy/ Proxy 디렉토리 생성 실패\n" + std::strerror(ENOTDIR),
          component_folder + "/Stub/ stub 디렉토리 생성 실패\n" + std::strerror(ENOTDIR)},
         {}},
        {component_folder + "/Proxy",
         {component_folder + "/Proxy/class_Navigation.h Proxy파일 생성에 실패했습니다!\n" + std::strerror(ENOTDIR),
          component_folder + "/Proxy/class_Navigation.cpp Proxy파일 생성에 실패했습니다!\n" + std::strerror(ENOTDIR),
          "Stub 파일생성이 완료되었습니다."},
         {"Stub/class_Waypoint.h", "Stub/class_Waypoint.cpp", "Tamo/Method/NavService/NavService.h"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blocker);
        fs::remove_all(base);
        WriteFile(c.blocker, "a file where a folder belongs");
        const std::size_t boxesBefore = driver.MessageBoxes().size();
        driver.OnDialogOf<CSourceCodeDlg>(363, [&](CSourceCodeDlg& dialog) {
            TestDriver::Type(dialog, IDC_OUTPUT_PATH, base.c_str());
            TestDriver::Click(dialog, IDOK);
            TestDriver::Click(dialog, IDCANCEL);
        });
        control.ShowAllSourceCode(component);
        EXPECT_EQ(BoxTexts(boxesBefore), c.boxes);
        for (const std::string& file : c.written) EXPECT_TRUE(fs::is_regular_file(component_folder + "/" + file)) << file;
    }
}

// The generators work from what the server holds when they run, not from the record the tree read: after another
// user renamed the method domain and the interface, a class's files include the domain's header under its new
// name and derive from the interface's new name; a class, an interface or a domain that is gone is refused with
// nothing written or shown as made.
TEST_F(CodeWindowsOfAChangedDesign, SourcesFollowWhatAnotherUserChanged) {
    const std::string suffix = std::to_string(::getpid());
    const std::string oldDomain = "Old_m" + suffix, newDomain = "New_m" + suffix;
    const int method = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "method",
                                                     0, oldDomain, 0, "1", ""));
    ASSERT_GT(method, 0) << db->GetLastErrorText();
    for (const char* name : {"OldFace", "GoneFace"})
        ASSERT_EQ(db->ExecuteProc(db->FormatCall("call interfaceViewNewInterface(%d,'%s','%s','%s')", method, "method",
                                                 name, "")),
                  0)
            << db->GetLastErrorText();
    const int component = NewComponentWithClass(true, "OldFace", "Cls", method);
    const class_proxy_interface_relation_info shown = ClassesOf<class_proxy_interface_relation_info>(component).at(0);
    const std::string id = std::to_string(method);
    Colleague({"call domainViewEditDomain(" + id + ",'method','" + newDomain + "', 0,'1','')",
               "call interfaceViewEditInterface(" + id + ",'OldFace','NewFace','')"});

    const std::string folder = Folder("followed");
    driver.OnDialogOf<CSourceCodeDlg>(363, [&](CSourceCodeDlg& dialog) {
        TestDriver::Type(dialog, IDC_OUTPUT_PATH, folder.c_str());
        TestDriver::Click(dialog, IDOK);
        TestDriver::Click(dialog, IDCANCEL);
    });
    control.ShowProxySourceCode(shown);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Proxy 파일생성 완료되었습니다."});
    const std::string header = ReadFile(folder + "/Cls.h");
    EXPECT_NE(header.find("#include <Tamo/Method/" + newDomain + "/" + newDomain + ".h>"), std::string::npos) << header;
    EXPECT_NE(header.find("NewFace"), std::string::npos) << header;
    EXPECT_EQ(header.find(oldDomain), std::string::npos) << header;
    EXPECT_EQ(header.find("OldFace"), std::string::npos) << header;

    // The class deleted: no dialog (a dialog without a script fails the test).
    Colleague({"call proxyInterfaceRalationDeleteInterface(" + std::to_string(shown.id) + ")"});
    control.ShowProxySourceCode(shown);
    EXPECT_EQ(BoxTexts(1), std::vector<std::string>{"Proxy Class가 없습니다. 다른 사용자가 지웠습니다."});
    const std::size_t boxes = BoxTexts().size();

    // The interface deleted while its dialog is open: nothing written, nothing called made.
    class_interface_info iface;
    iface.domain_id = method;
    iface.name = "GoneFace";
    const std::string goneFolder = Folder("gone");
    driver.OnDialogOf<CSourceCodeDlg>(363, [&](CSourceCodeDlg& dialog) {
        TestDriver::Type(dialog, IDC_CLASS_NAME, "Gone");
        TestDriver::Type(dialog, IDC_OUTPUT_PATH, goneFolder.c_str());
        Colleague({"call interfaceViewDeleteInterface(" + id + ",'GoneFace')"});
        TestDriver::Click(dialog, IDOK);
        TestDriver::Click(dialog, IDCANCEL);
    });
    control.ShowSourceCode(iface, oldDomain.c_str());
    EXPECT_EQ(BoxTexts(boxes),
              std::vector<std::string>{"인터페이스가 없습니다. 다른 사용자가 지웠거나 이름을 바꿨습니다: GoneFace"});
    EXPECT_TRUE(FilesBelow(goneFolder).empty());

    // Component mode: the folder takes the component's current name; a deleted component opens no dialog.
    const int whole = NewComponentWithClass(false, "IWaypoint", "Whole");
    const std::string wholeDomain = AdminValue("SELECT systemdomain_id FROM component WHERE id = " + std::to_string(whole));
    class_component_info staleComponent;
    staleComponent.component_id = whole;
    staleComponent.name = "c";
    Colleague({"call ComponentViewEditComponent(" + std::to_string(whole) + "," + wholeDomain + ",'새 부품','')"});
    const std::string base = Folder("whole");
    driver.OnDialogOf<CSourceCodeDlg>(363, [&](CSourceCodeDlg& dialog) {
        TestDriver::Type(dialog, IDC_OUTPUT_PATH, base.c_str());
        TestDriver::Click(dialog, IDOK);
        TestDriver::Click(dialog, IDCANCEL);
    });
    control.ShowAllSourceCode(staleComponent);
    const std::vector<std::string> files = FilesBelow(base);
    EXPECT_NE(std::find(files.begin(), files.end(), "새 부품/Stub/Whole.h"), files.end()) << files.front();
    Colleague({"call componentViewDeletecomponent(" + std::to_string(whole) + "," + wholeDomain + ")"});
    const std::size_t shownBefore = BoxTexts().size();
    control.ShowAllSourceCode(staleComponent);
    EXPECT_EQ(BoxTexts(shownBefore), std::vector<std::string>{"컴포넌트가 없습니다. 다른 사용자가 지웠습니다."});
}


// "도메인헤더 코드" previews the domain as the server holds it: a domain another user renamed under its new name
// (guard included); one made private to this user, or deleted, is refused with one message and no preview.
TEST_F(CodeWindowsOfAChangedDesign, PreviewShowsTheDomainAsItStandsAndNothingForOneThatIsGone) {
    const std::string suffix = std::to_string(::getpid());
    const std::string oldName = "Old_d" + suffix, newName = "New_d" + suffix;
    const class_domain_info stale = Domain(
        db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "data", 0, oldName, 0,
                                      "1", "")),
        oldName);
    ASSERT_GT(stale.id, 0) << db->GetLastErrorText();
    ASSERT_EQ(db->ExecuteProc(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", stale.id,
                                             "count", "int32_t", 0, "", "", "")),
              0);
    const std::string id = std::to_string(stale.id);
    Colleague({"call domainViewEditDomain(" + id + ",'data','" + newName + "', 0,'1','')"});
    driver.OnDialogOf<CCodeview>(360, [&](CCodeview& view) {
        const std::string code = view.m_strCode.str();
        EXPECT_NE(code.find(newName + "_h\n#define Define__"), std::string::npos) << code;
        EXPECT_EQ(code.find(oldName), std::string::npos) << code;
        TestDriver::PressCloseBox(view);
    });
    control.ShowCodeView(2, stale);
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts().front();

    // Without a script for the preview, a preview shown fails the test.
    Colleague({"call domainViewEditDomain(" + id + ",'data','" + newName + "', 0,'0','')"});
    db->Close();
    db = CMysqlQuery::GetInstance();
    ASSERT_EQ(db->Connect(tamo::testing::LoginFor(m_server, "user", "user")), "");
    control.ShowCodeView(2, stale);
    Colleague({"call domainViewDeleteDomain(" + id + ",'data')"});
    control.ShowCodeView(2, stale);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"비공개 도메인입니다. 도메인에 가입한 사용자만 볼 수 있습니다.",
                                                    "도메인이 없습니다. 다른 사용자가 지웠습니다."}));
}
