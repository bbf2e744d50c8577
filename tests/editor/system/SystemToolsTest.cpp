// The system tree's tool commands in the whole editor on the sample design: the diagram windows and their names,
// the exporters started for a domain and a component (and what the user learns when that fails), the code
// generation of a component and of its classes, and the dialogs that the commands open.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "CCmdTarget.h"
#include "CInterfaceMemberViewDlg.h"
#include "CNodeViewDlg.h"
#include "CSourceCodeDlg.h"
#include "CUserViewDlg.h"
#include "CompileCheck.h"
#include "SystemToolsTestSupport.h"
#include "class_ini_dialog.h"
#include "class_network_link_dialog.h"
#include "class_port_disign_dialog.h"

using tamo::platform::TestDriver;
namespace fs = std::filesystem;

namespace {

using Command = void (CSystemDomainTreeView::*)();

class SystemToolsTest : public systemtools_test::SystemToolsTest {};

// ---- Diagrams -------------------------------------------------------------------------------------------------

TEST_F(SystemToolsTest, EachDiagramCommandOpensAWindowNamedByItsRuleAndDrawsItsKind) {
    struct Case {
        std::vector<std::string> item;
        Command command;
        std::string name;
        int kind;
    };
    const Case cases[] = {
        {{"Ship", "Components"}, &CSystemDomainTreeView::OnDomainComponentDiagram, "Ship\\Components", 3},
        {{"Ship", "Components", "항법 관리자", "proxy", "INavigation"}, &CSystemDomainTreeView::OnProxyClassDiagram,
         "Ship\\항법 관리자\\proxy\\INavigation", 0},
        {{"Ship", "Components", "항법 관리자", "stub", "IWaypoint"}, &CSystemDomainTreeView::OnStubClassDiagram,
         "Ship\\항법 관리자\\stub\\IWaypoint", 1},
        {{"Ship", "Components", "항법 관리자"}, &CSystemDomainTreeView::OnComponentDiagram, "Ship\\항법 관리자", 2},
        {{"Ship", "Nodes", "항해 컴퓨터", "항법 관리자"}, &CSystemDomainTreeView::OnInstalledComponentDiagram,
         "Ship\\항해 컴퓨터\\항법 관리자", 4},
        {{"Ship", "Nodes", "항해 컴퓨터"}, &CSystemDomainTreeView::OnNodeDiagram, "Ship\\항해 컴퓨터", 5},
        {{"Ship", "Nodes"}, &CSystemDomainTreeView::OnSystemDiagram, "Ship\\Nodes", 8},
        // The deployed components: the item texts from the clicked folder up to the top-level domain.
        {{"Ship", "Nodes"}, &CSystemDomainTreeView::OnDeployDiagram, "Nodes\\Ship\\_deploy_component", 9},
        {{"Ship", "조타실", "Nodes"}, &CSystemDomainTreeView::OnDeployDiagram, "Nodes\\조타실\\Ship\\_deploy_component", 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(SelectPath(c.item));
        const int windows = WindowCount();
        (Pane().*c.command)();
        TestDriver::PumpPostedMessages();
        EXPECT_EQ(WindowCount(), windows + 1);
        ASSERT_NE(ActiveDocument(), nullptr);
        EXPECT_EQ(ActiveDocument()->GetDiagramName(), c.name);
        CString title;
        ActiveWindow()->GetWindowText(title);
        EXPECT_EQ(title.str(), c.name);
        // The builder of the kind drew it (it leaves its kind in the view).
        EXPECT_EQ(ActiveDiagramKind(), c.kind);
    }
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts().front();
}

TEST_F(SystemToolsTest, OnlyAComputerNodeHasANodeDiagram) {
    for (const char* node : {"주 라우터", "스위치 A", "조타실 시스템", "기관 센서"}) {
        SCOPED_TRACE(node);
        ASSERT_TRUE(SelectPath({"Ship", "Nodes", node}));
        const int windows = WindowCount();
        Pane().OnNodeDiagram();
        EXPECT_EQ(WindowCount(), windows);
    }
}

TEST_F(SystemToolsTest, ChoosingAnOpenDiagramAgainActivatesItWithoutDrawingAgain) {
    ASSERT_TRUE(SelectPath({"Ship", "Components", "항법 관리자"}));
    Pane().OnComponentDiagram();
    CMDIChildWnd* first = ActiveWindow();
    ASSERT_NE(ActiveDocument(), nullptr);
    const std::vector<CUmlEntity*> elements = ActiveDocument()->GetElements();
    ASSERT_EQ(frame->ActivateDocumentFrame("도움말"), 0);
    ASSERT_NE(ActiveWindow(), first);

    const int windows = WindowCount();
    Pane().OnComponentDiagram();
    EXPECT_EQ(WindowCount(), windows);
    EXPECT_EQ(ActiveWindow(), first);
    EXPECT_EQ(ActiveDocument()->GetElements(), elements);
}

// ---- Exporters ------------------------------------------------------------------------------------------------

// A stand-in exporter: writes its arguments, one per line, next to the tools folder; fails as the exporters do
// while a file "fail" stands there, else writes the output file.
const char* const kFakeExporter = R"(#!/bin/sh
here="$(dirname "$0")/.."
printf '%s\n' "$@" > "$here/arguments.txt"
if [ -e "$here/fail" ]; then
  echo "connected"
  echo "err : login error"
  exit 1
fi
echo '<exported/>' > "$9"
)";

class SystemExportTest : public SystemToolsTest {
protected:
    void SetUp() override {
        SystemToolsTest::SetUp();
        if (HasFatalFailure()) return;
        // The editor works in a private folder of the test process; the exporters are looked for below it.
        m_folder = fs::current_path();
        fs::create_directories(m_folder / "tools");
        for (const char* tool : {"quorrin", "skarrow"}) {
            std::ofstream(m_folder / "tools" / tool) << kFakeExporter;
            fs::permissions(m_folder / "tools" / tool, fs::perms::owner_all);
        }
        driver.SetRunProcesses(true);
    }
    void TearDown() override {
        fs::remove_all(m_folder / "tools");
        fs::remove(m_folder / "arguments.txt");
        fs::remove(m_folder / "fail");
        SystemToolsTest::TearDown();
    }

    std::vector<std::string> Arguments() const {
        std::ifstream file(m_folder / "arguments.txt");
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);) lines.push_back(line);
        return lines;
    }
    std::vector<std::string> ExpectedArguments(int id, const std::string& output) const {
        return {m_server.host,  std::to_string(m_server.port), m_server.user, m_server.password, m_server.database,
                "admin",        "admin",                       std::to_string(id), output};
    }

    fs::path m_folder;
};

TEST_F(SystemExportTest, ADomainStartsQuorrinAndAComponentSkarrowWithTheExporterCommandLine) {
    const int componentId = std::stoi(AdminValue("SELECT id FROM component WHERE name = '항법 관리자'"));
    struct Case {
        std::vector<std::string> item;
        Command command;
        std::string initialName;
        std::string tool;
        int id;
    };
    const Case cases[] = {
        {{"Ship"}, &CSystemDomainTreeView::OnSystemDomainXmlExport, "Ship.xml", "tools\\quorrin.exe", 9},
        {{"Ship", "Components", "항법 관리자"}, &CSystemDomainTreeView::OnComponentXmlExport, "항법 관리자.xml",
         "tools\\skarrow.exe", componentId},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        ASSERT_TRUE(SelectPath(c.item));
        const std::string output = (m_folder / ("출력 " + c.initialName)).string();
        driver.AnswerFileDialog(output.c_str());
        const size_t processes = driver.Processes().size();
        (Pane().*c.command)();

        ASSERT_FALSE(driver.FileDialogs().empty());
        EXPECT_EQ(driver.FileDialogs().back().initialName, c.initialName);
        ASSERT_EQ(driver.Processes().size(), processes + 1);
        EXPECT_EQ(driver.Processes().back().file, c.tool.c_str());
        EXPECT_EQ(Arguments(), ExpectedArguments(c.id, output));
        ASSERT_FALSE(driver.ShellOpens().empty());
        EXPECT_EQ(driver.ShellOpens().back().file.str(), output);
    }
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts().front();
}

TEST_F(SystemExportTest, CancelStartsNothingAndAMissingOrFailingExporterIsReportedWithoutOpeningTheOldFile) {
    ASSERT_TRUE(SelectPath({"Ship", "Components", "항법 관리자"}));
    driver.AnswerFileDialog("");
    Pane().OnComponentXmlExport();
    EXPECT_TRUE(driver.Processes().empty());

    const fs::path output = m_folder / "old.xml";
    std::ofstream(output) << "<old/>";
    std::ofstream(m_folder / "fail") << "";
    driver.AnswerFileDialog(output.string().c_str());
    driver.AnswerMessageBox(IDOK);
    Pane().OnComponentXmlExport();
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{"tools/skarrow : XML 파일을 만들지 못했습니다.\nerr : login error"});

    ASSERT_TRUE(SelectPath({"Ship"}));
    fs::remove(m_folder / "tools" / "quorrin");
    driver.AnswerFileDialog(output.string().c_str());
    driver.AnswerMessageBox(IDOK);
    Pane().OnSystemDomainXmlExport();
    EXPECT_EQ(BoxTextsFrom(1),
              std::vector<std::string>{"XML 출력 프로그램을 시작할 수 없습니다 : tools/quorrin"});

    EXPECT_TRUE(driver.ShellOpens().empty());
    std::stringstream kept;
    kept << std::ifstream(output).rdbuf();
    EXPECT_EQ(kept.str(), "<old/>");
}

TEST_F(SystemExportTest, TheBuiltExportersWriteTheDomainAndTheComponent) {
    const fs::path built = TAMO_TOOLS_DIR;
    if (!fs::exists(built / "quorrin") || !fs::exists(built / "skarrow")) GTEST_SKIP() << "the exporters are not built";
    for (const char* tool : {"quorrin", "skarrow"}) {
        fs::remove(m_folder / "tools" / tool);
        fs::create_symlink(built / tool, m_folder / "tools" / tool);
    }
    struct Case {
        std::vector<std::string> item;
        Command command;
        std::vector<std::string> written;
    };
    const Case cases[] = {
        {{"Ship"}, &CSystemDomainTreeView::OnSystemDomainXmlExport, {"tamo_system_interface", "항해 컴퓨터"}},
        {{"Ship", "Components", "항법 관리자"}, &CSystemDomainTreeView::OnComponentXmlExport,
         {"tamo_zelk", "class_Navigation"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written.front());
        ASSERT_TRUE(SelectPath(c.item));
        const fs::path output = m_folder / (c.written.front() + ".xml");
        driver.AnswerFileDialog(output.string().c_str());
        (Pane().*c.command)();
        EXPECT_TRUE(BoxTexts().empty()) << BoxTexts().front();
        ASSERT_FALSE(driver.ShellOpens().empty());
        EXPECT_EQ(driver.ShellOpens().back().file.str(), output.string());
        std::stringstream written;
        written << std::ifstream(output).rdbuf();
        for (const std::string& text : c.written) EXPECT_NE(written.str().find(text), std::string::npos) << text;
    }
}

// ---- Code ---------------------------------------------------------------------------------------------------

const int IDC_OUTPUT_PATH = 1095;

// Answers the source code dialog with the folder and closes it after the files are written.
void GenerateInto(TestDriver& driver, const std::string& folder) {
    driver.OnDialogOf<CSourceCodeDlg>(CSourceCodeDlg::IDD, [folder](CSourceCodeDlg& dialog) {
        TestDriver::Type(dialog, IDC_OUTPUT_PATH, folder.c_str());
        TestDriver::Click(dialog, IDOK);
        TestDriver::Click(dialog, IDCANCEL);
    });
}

TEST_F(SystemToolsTest, TheCodeCommandsWriteSourcesThatCompile) {
    using namespace tamo::codegen::testing;
    driver.SetDefaultMessageBoxAnswer(IDOK);
    const std::string base = FreshFolder("system_tools_code");

    ASSERT_TRUE(SelectPath({"Ship", "Components", "항법 관리자"}));
    GenerateInto(driver, base);
    Pane().OnComponentSourceCode();
    const std::string component = base + "/항법 관리자";

    // The class sources go into a folder the user chose (so it exists).
    const std::string classes = base + "/classes";
    fs::create_directories(classes);
    ASSERT_TRUE(SelectPath({"Ship", "Components", "항법 관리자", "proxy", "INavigation"}));
    GenerateInto(driver, classes);
    Pane().OnProxySourceCode();
    ASSERT_TRUE(SelectPath({"Ship", "Components", "항법 관리자", "stub", "IWaypoint"}));
    GenerateInto(driver, classes);
    Pane().OnStubSourceCode();

    const std::vector<std::string> sources = {component + "/Proxy/class_Navigation.cpp",
                                              component + "/Stub/class_Waypoint.cpp", classes + "/class_Navigation.cpp",
                                              classes + "/class_Waypoint.cpp"};
    for (const std::string& source : sources) {
        SCOPED_TRACE(source);
        ASSERT_TRUE(fs::exists(source));
        // The class sources include their domains' headers, which the component's generation wrote.
        const CompileResult result = CheckSyntax(source, {component, fs::path(source).parent_path().string()});
        EXPECT_TRUE(result.ok) << result.output;
    }
    for (const std::string& box : BoxTexts()) EXPECT_NE(box.find("완료"), std::string::npos) << box;
}

// ---- Dialogs ------------------------------------------------------------------------------------------------

TEST_F(SystemToolsTest, TheDialogCommandsOpenTheirDialogForTheClickedItem) {
    const int nodeId = std::stoi(AdminValue("SELECT id FROM node WHERE name = '항해 컴퓨터'"));
    struct Case {
        std::vector<std::string> item;
        Command command;
        UINT dialog;
        int helpTopic;  // -1: the command shows none
        std::function<void(CDialog&)> check;
    };
    const Case cases[] = {
        {{"Ship"}, &CSystemDomainTreeView::OnDomainAccounts, CUserViewDlg::IDD, 31,
         [](CDialog& d) {
             auto& dialog = dynamic_cast<CUserViewDlg&>(d);
             EXPECT_EQ(dialog.m_strKind, "system");
             ASSERT_NE(dialog.m_pDomain, nullptr);
             EXPECT_EQ(dialog.m_pDomain->id, 9);
         }},
        {{"Ship"}, &CSystemDomainTreeView::OnDomainPorts, class_port_disign_dialog::IDD, 32,
         [](CDialog& d) { EXPECT_EQ(dynamic_cast<class_port_disign_dialog&>(d).m_DomainInfo.id, 9); }},
        {{"Ship", "Nodes"}, &CSystemDomainTreeView::OnNetworkLinks, class_network_link_dialog::IDD, 35,
         [](CDialog& d) { EXPECT_EQ(dynamic_cast<class_network_link_dialog&>(d).m_DomainInfo.id, 9); }},
        {{"Ship", "Nodes", "항해 컴퓨터"}, &CSystemDomainTreeView::OnRegisteredIps, CNodeViewDlg::IDD, 37,
         [nodeId](CDialog& d) { EXPECT_EQ(dynamic_cast<CNodeViewDlg&>(d).m_nNodeId, nodeId); }},
        {{"Ship", "Nodes", "항해 컴퓨터", "항법 관리자"}, &CSystemDomainTreeView::OnConnectionIni, class_ini_dialog::IDD,
         -1,
         [](CDialog& d) {
             const std::string text = dynamic_cast<class_ini_dialog&>(d).GetSettingsText();
             EXPECT_NE(text.find("Type = proxy\n"), std::string::npos) << text;
             EXPECT_NE(text.find("Type = stub\n"), std::string::npos) << text;
         }},
        {{"Ship", "Components", "항법 관리자", "proxy", "INavigation"}, &CSystemDomainTreeView::OnProxyMemberFunctions,
         CInterfaceMemberViewDlg::IDD, -1,
         [](CDialog& d) {
             auto& dialog = dynamic_cast<CInterfaceMemberViewDlg&>(d);
             ASSERT_NE(dialog.m_pInterface, nullptr);
             EXPECT_EQ(dialog.m_pInterface->domain_id, 6);
             EXPECT_EQ(dialog.m_pInterface->name, "INavigation");
         }},
        {{"Ship", "Components", "항법 관리자", "stub", "IWaypoint"}, &CSystemDomainTreeView::OnStubMemberFunctions,
         CInterfaceMemberViewDlg::IDD, -1,
         [](CDialog& d) { EXPECT_EQ(dynamic_cast<CInterfaceMemberViewDlg&>(d).m_pInterface->name, "IWaypoint"); }},
    };
    CMDIChildWnd* help = frame->FindHelpFrame();
    ASSERT_NE(help, nullptr);
    auto* helpDocument = dynamic_cast<CTamoZELK_MDIDoc*>(help->GetActiveDocument());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        ASSERT_TRUE(SelectPath(c.item));
        const std::string before = helpDocument->GetExplanationText();
        bool shown = false;
        driver.OnDialog(c.dialog, [&](CDialog& dialog) {
            shown = true;
            c.check(dialog);
            TestDriver::PressCloseBox(dialog);
        });
        (Pane().*c.command)();
        EXPECT_TRUE(shown);
        EXPECT_EQ(helpDocument->GetExplanationText(), c.helpTopic < 0 ? before : frame_test::HelpTopicText(c.helpTopic));
    }
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts().front();
}

TEST_F(SystemToolsTest, ThePortsOfADomainThatALockedSubSystemUsesAreRefused) {
    ASSERT_TRUE(SelectPath({"Ship", "조타실"}));
    driver.AnswerMessageBox(IDOK);
    Pane().OnDomainPorts();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"상위 도메인의 Subsystem Node에 Lock이 설정되어있어,\n 수정할 수 없습니다."});
}

TEST_F(SystemToolsTest, EveryToolCommandIsEnabled) {
    const UINT commands[] = {32956, 32988, 32979, 33022, 32984, 32907, 32923, 32897, 32899, 32901, 32872,
                             32994, 33073, 33072, 33010, 33012, 33015, 33017, 33019, 33021, 32990, 33048};
    for (const UINT id : commands) {
        CCmdUI state;
        state.m_nID = id;
        state.DoUpdate(&Pane(), TRUE);
        EXPECT_TRUE(state.m_bEnabled) << id;
    }
}

// ---- Design description -------------------------------------------------------------------------------------

TEST_F(SystemToolsTest, TheDesignDescriptionOfTheClickedComponentIsWrittenAndTold) {
    const int IDD_SDD_CHOICE = 426;
    const int IDC_SDD_SUMMARY = 1210;
    ASSERT_TRUE(SelectPath({"Ship", "Components", "항법 관리자"}));
    // Cancelled: nothing is written and nothing told.
    driver.OnDialog(IDD_SDD_CHOICE, [](CDialog& dialog) { TestDriver::Click(dialog, IDCANCEL); });
    Pane().OnSddDocument();
    EXPECT_TRUE(BoxTexts().empty());

    const fs::path output = fs::path(tamo::codegen::testing::FreshFolder("system_tools_sdd")) / "항법";
    driver.OnDialog(IDD_SDD_CHOICE, [IDC_SDD_SUMMARY](CDialog& dialog) {
        TestDriver::Click(dialog, IDC_SDD_SUMMARY);
        TestDriver::Click(dialog, IDOK);
    });
    driver.AnswerFileDialog(output.string().c_str());
    driver.AnswerMessageBox(IDOK);
    Pane().OnSddDocument();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"SDD 파일을 생성 했습니다."});
    std::stringstream written;
    written << std::ifstream(output.string() + ".hml").rdbuf();
    EXPECT_NE(written.str().find("항법 관리자 Component Interface 함수 목록(CSU 함수 목록)"), std::string::npos);
}

}  // namespace
