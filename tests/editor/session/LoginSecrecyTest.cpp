// What other sessions of the shared database account can learn or break of the editor's login: the password
// never shows in the process list, and a server that stops answering ends the login with an error.

#include <chrono>

#include "ProcessListWatch.h"
#include "SessionTestSupport.h"
#include "SilentServer.h"

namespace {

using session_test::LoginFor;
using tamo::testing::ConnectionValues;
using tamo::testing::TestDatabase;

TEST(LoginSecrecy, ThePasswordNeverShowsInTheProcessList) {
    const ConnectionValues server = TestDatabase::Prepare("session_secrecy", false);
    const std::string password = "pw-only-the-login-knows-7f3a";
    tamo::testing::ProcessListWatch::AddAccount(server, "secretive", password);
    tamo::testing::ProcessListWatch watch(server, password);
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    // At least 200 logins, and as many more (within bounds) as the watch needs to read the list 200 times.
    for (int login = 0; login < 200 || (watch.Polls() < 200 && login < 5000); ++login) {
        ASSERT_EQ(db->Connect(LoginFor(server, "secretive", password)), "") << login;
        db->Close();
    }
    EXPECT_EQ(watch.Stop(), 0);
}

TEST(LoginSecrecy, AServerThatNeverAnswersEndsTheLoginWithAnError) {
    tamo::testing::SilentServer silent;
    ConnectionValues server;
    server.port = silent.Port();
    server.user = server.password = server.database = "tamo";
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const auto started = std::chrono::steady_clock::now();
    const CString error = db->Connect(LoginFor(server, "admin", "admin"));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(15));
    EXPECT_NE(error.Find("Lost connection"), -1) << error.GetString();
    EXPECT_FALSE(db->IsConnected());
    db->Close();
}

}  // namespace
