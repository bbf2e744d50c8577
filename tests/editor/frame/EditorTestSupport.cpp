#include "EditorTestSupport.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "CMysqlQuery.h"
#include "CTamoZELK_MDIDoc.h"
#include "EditorResources.h"
#include "FrameTestDatabase.h"
#include "LoginDialogIds.h"
#include "class_explan_dialog_data.h"

namespace frame_test {

namespace {

std::filesystem::path g_folder;
std::filesystem::path g_testFolder;  // where the test started: the artifacts go there

void RemovePrivateFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(g_folder, ignored);
}

// The application reads and writes ./login.cfg: each test process works in a folder of its own.
bool MoveToPrivateFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tamo-frame-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return false;
    g_testFolder = std::filesystem::current_path();
    g_folder = pattern;
    std::atexit(RemovePrivateFolder);
    return chdir(pattern.c_str()) == 0;
}

}  // namespace

CTamoZELK_MDIApp& EditorApp() {
    static const bool moved = MoveToPrivateFolder();
    static CTamoZELK_MDIApp application;
    (void)moved;
    return application;
}

std::string ArtifactFile(const std::string& name) {
    EditorApp();
    const std::filesystem::path folder = g_testFolder / "artifacts";
    std::filesystem::create_directories(folder);
    return (folder / name).string();
}

std::string HelpTopicText(int topic) {
    std::string text;
    class_explan_dialog_data().get_explanation(text, static_cast<unsigned>(topic));
    return text;
}

void EditorTest::SetUp() {
    std::string error;
    ASSERT_TRUE(tamo::res::LoadEditorResources(&error)) << error;
    EditorApp();
    m_server = SampleDatabase("frame_editor");
}

void EditorTest::TearDown() {
    CTamoZELK_MDIApp& app = EditorApp();
    if (CWnd* main = app.m_pMainWnd; main && main->GetSafeHwnd()) main->DestroyWindow();
    app.m_pMainWnd = nullptr;
    tamo::platform::TestDriver::PumpPostedMessages();
    CMysqlQuery::GetInstance()->Close();
}

void EditorTest::AnswerLogin(const std::string& user, const std::string& password,
                             const std::string& databasePassword) {
    const tamo::testing::ConnectionValues server = m_server;
    const std::string dbPassword = databasePassword.empty() ? server.password : databasePassword;
    driver.OnDialog(IDD_LOGIN, [server, user, password, dbPassword](CDialog& dialog) {
        using tamo::platform::TestDriver;
        TestDriver::Type(dialog, IDC_SERVER_EDIT, server.host.c_str());
        TestDriver::Type(dialog, IDC_PORT_EDIT, std::to_string(server.port).c_str());
        TestDriver::Type(dialog, IDC_DB_NAME_EDIT, server.database.c_str());
        TestDriver::Type(dialog, IDC_DB_ID_EDIT, server.user.c_str());
        TestDriver::Type(dialog, IDC_DB_PASSWORD_EDIT, dbPassword.c_str());
        TestDriver::Type(dialog, IDC_USER_ID_EDIT, user.c_str());
        TestDriver::Type(dialog, IDC_USER_PASSWORD_EDIT, password.c_str());
        TestDriver::Click(dialog, IDOK);
    });
}

void EditorTest::AnswerLoginCancel() {
    driver.OnDialog(IDD_LOGIN, [](CDialog& dialog) { tamo::platform::TestDriver::Click(dialog, IDCANCEL); });
}

CMainFrame* EditorTest::StartEditor(const std::string& user, const std::string& password) {
    AnswerLogin(user, password);
    EXPECT_TRUE(EditorApp().InitInstance());
    CMainFrame* frame = MainFrame();
    EXPECT_NE(frame, nullptr);
    if (frame) tamo::platform::TestDriver::ShowTopLevel(*frame);
    return frame;
}

CMainFrame* EditorTest::MainFrame() const { return dynamic_cast<CMainFrame*>(EditorApp().m_pMainWnd); }

void EditorTest::NewAccount(const std::string& user, const std::string& password) {
    tamo::testing::TestConnection admin(m_server);
    ASSERT_TRUE(admin.Login("admin", "admin"));
    // An account left by an earlier run of the same test on this server is used as it is.
    admin.Run("call acountlistViewNewAcount('" + admin.Escape(user) + "','" + admin.Escape(password) + "','" +
              admin.Escape(user) + "')");
}

std::vector<std::string> EditorTest::BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : driver.MessageBoxes()) texts.push_back(box.text.str());
    return texts;
}

std::string EditorTest::ShownHelpText() const {
    CMDIChildWnd* help = MainFrame()->FindHelpFrame();
    auto* document = help ? dynamic_cast<CTamoZELK_MDIDoc*>(help->GetActiveDocument()) : nullptr;
    return document ? document->GetExplanationText() : std::string();
}

}  // namespace frame_test
