#include "FrameTestDatabase.h"

#include "CMysqlQuery.h"

namespace frame_test {

tamo::testing::ConnectionValues SampleDatabase(const std::string& name) {
    return tamo::testing::TestDatabase::Prepare(name, true);
}

CLoginValues LoginFor(const tamo::testing::ConnectionValues& server, const std::string& user,
                      const std::string& password) {
    CLoginValues login;
    login.SetField(LOGIN_SERVER, server.host);
    login.SetField(LOGIN_PORT, std::to_string(server.port));
    login.SetField(LOGIN_DB_NAME, server.database);
    login.SetField(LOGIN_DB_ID, server.user);
    login.SetField(LOGIN_DB_PASSWORD, server.password);
    login.SetField(LOGIN_USER_ID, user);
    login.SetField(LOGIN_USER_PASSWORD, password);
    return login;
}

std::string ConnectSession(const tamo::testing::ConnectionValues& server, const std::string& user,
                           const std::string& password) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    db->Close();
    return CMysqlQuery::GetInstance()->Connect(LoginFor(server, user, password)).str();
}

}  // namespace frame_test
