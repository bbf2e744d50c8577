// A call over the server's packet limit would end the session: a text too long for the field it goes into
// never reaches the server, and the session goes on on the same connection.

#include <cstdio>
#include <ctime>

#include "SessionTestSupport.h"

namespace {

using session_test::LoginFor;
using session_test::MessageBoxRecorder;
using tamo::testing::ConnectionValues;
using tamo::testing::TestDatabase;

class TextLengthTest : public ::testing::Test {
protected:
    void SetUp() override {
        server = TestDatabase::Prepare("session_lengths", false);
        db = CMysqlQuery::GetInstance();
        db->Close();
        db = CMysqlQuery::GetInstance();
        ASSERT_EQ(db->Connect(LoginFor(server, "admin", "admin")), "");
    }
    void TearDown() override { db->Close(); }

    std::string ConnectionId() { return session_test::ConnectionId(*db); }
    std::string Admin(const std::string& sql) { return session_test::AdminValue(server, sql); }

    ConnectionValues server;
    CMysqlQuery* db = nullptr;
    MessageBoxRecorder boxes;
};

TEST_F(TextLengthTest, ATextLongerThanItsFieldIsRefusedBeforeItIsSent) {
    // Names of this run: the database outlives a run of the test program.
    char run[16];
    std::snprintf(run, sizeof run, "%08ld", static_cast<long>(std::time(nullptr) % 100000000));
    const std::string name128 = [&] {
        std::string name;
        for (int i = 0; i < 120; ++i) name += "가";
        return name + run;
    }();
    const struct {
        const char* what;
        std::string name;
        std::string description;
        std::string refusal;  // empty: the client sends it
    } cases[] = {
        {"a description over the packet limit", std::string("Big") + run, std::string(17 << 20, 'd'),
         "입력한 값이 너무 깁니다: description 항목은 65535바이트까지 쓸 수 있는데 17825792바이트입니다."},
        {"a description one byte too long", std::string("Long") + run, std::string(65536, 'd'),
         "입력한 값이 너무 깁니다: description 항목은 65535바이트까지 쓸 수 있는데 65536바이트입니다."},
        {"a name one character too long", name128 + "x", "",
         "입력한 값이 너무 깁니다: name 항목은 128자까지 쓸 수 있는데 129자입니다."},
        {"a name of 128 characters and a description that fit", name128, std::string(65535, 'd'), ""},
    };
    const std::string connection = ConnectionId();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // A system domain: its name names no file of the generated code, so 128 Korean letters are one.
        const int id = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "system",
                                                     0, c.name, 0, "1", c.description));
        EXPECT_EQ(id > 0, c.refusal.empty()) << db->GetLastErrorText();
        if (!c.refusal.empty()) {
            EXPECT_EQ(db->GetLastErrorText(), c.refusal);
        }
        EXPECT_EQ(ConnectionId(), connection);
        EXPECT_EQ(Admin("SELECT COUNT(*) FROM domain WHERE name = '" + c.name + "'"), c.refusal.empty() ? "1" : "0");
    }
    EXPECT_TRUE(boxes.Texts().empty());
}

}  // namespace
