#include "AccountDialogsTestSupport.h"

#include "ApplicationLogin.h"
#include "CLoginValues.h"
#include "CWinApp.h"
#include "EditorResources.h"
#include "SessionLogin.h"
#include "SessionMessageBox.h"

namespace account_test {

namespace {

// The application of these tests: its login loop only counts (the editor's own is tested with the frame).
class CountingApplication : public CWinApp, public ApplicationLogin {
public:
    CountingApplication() : CWinApp("TamoZELK_MDI") {}
    BOOL Login() override {
        ++m_loginLoops;
        return FALSE;
    }
    int m_loginLoops = 0;
};

CountingApplication& Application() {
    static CountingApplication application;
    return application;
}

int ApplicationBox(LPCTSTR text, UINT type) { return AfxMessageBox(text, type); }

}  // namespace

void AccountDialogTest::SetUp() {
    std::string error;
    ASSERT_TRUE(tamo::res::LoadEditorResources(&error)) << error;
    Application().m_loginLoops = 0;
    SetSessionMessageBoxHandler(ApplicationBox);
    m_server = tamo::testing::TestDatabase::Prepare("session_accounts", true);
    LogIn("admin", "admin");
}

void AccountDialogTest::TearDown() {
    CMysqlQuery::GetInstance()->Close();
    SetSessionMessageBoxHandler(nullptr);
}

void AccountDialogTest::LogIn(const std::string& user, const std::string& password) {
    const CLoginValues login = tamo::testing::LoginFor(m_server, user, password);
    CMysqlQuery::GetInstance()->Close();
    db = CMysqlQuery::GetInstance();
    ASSERT_EQ(db->Connect(login), "");
}

void AccountDialogTest::NewAccount(const std::string& user, const std::string& password,
                                   const std::string& description) {
    tamo::testing::TestConnection admin(m_server);
    ASSERT_TRUE(admin.Login("admin", "admin"));
    admin.Run("call acountlistViewNewAcount('" + admin.Escape(user) + "','" + admin.Escape(password) + "','" +
              admin.Escape(description) + "')");
}

std::string AccountDialogTest::AdminValue(const std::string& sql) const {
    std::string value = tamo::testing::TestDatabase::AdminQuery(m_server.database, sql);
    while (!value.empty() && value.back() == '\n') value.pop_back();
    return value;
}

std::vector<std::string> AccountDialogTest::Column(CListCtrl& list, int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column).str());
    return texts;
}

int AccountDialogTest::RowOf(CListCtrl& list, const std::string& text) {
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetItemText(row, 0) == text.c_str()) return row;
    return -1;
}

std::vector<std::string> AccountDialogTest::BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : driver.MessageBoxes()) texts.push_back(box.text.str());
    return texts;
}

std::vector<bool> AccountDialogTest::BoxOwners() const {
    std::vector<bool> owners;
    for (const auto& box : driver.MessageBoxes()) owners.push_back(box.owner != nullptr);
    return owners;
}

int AccountDialogTest::LoginLoops() { return Application().m_loginLoops; }

}  // namespace account_test
