#include "FrameTestDatabase.h"

#include "CMysqlQuery.h"

namespace frame_test {

tamo::testing::ConnectionValues SampleDatabase(const std::string& name) {
    return tamo::testing::TestDatabase::Prepare(name, true);
}

std::string ConnectSession(const tamo::testing::ConnectionValues& server, const std::string& user,
                           const std::string& password) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    db->Close();
    return CMysqlQuery::GetInstance()->Connect(LoginFor(server, user, password)).str();
}

}  // namespace frame_test
