#include <gtest/gtest.h>

#include "TestDatabase.h"

using tamo::testing::ConnectionValues;
using tamo::testing::TestConnection;
using tamo::testing::TestDatabase;

namespace {

ConnectionValues Sample() { return TestDatabase::Prepare("login", true); }

std::optional<std::string> LoginAnswer(TestConnection& db, const std::string& user, const std::string& password) {
    auto result = db.Run("Set @tamouser='" + db.Escape(user) + "'; Set @tamopassword='" + db.Escape(password) +
                         "'; call loginResult()");
    EXPECT_TRUE(result.ok) << result.error;
    // The two Set statements answer nothing; the call answers exactly its status set.
    EXPECT_EQ(result.sets.size(), 1u);
    if (result.sets.empty() || result.sets[0].rows.size() != 1) return std::nullopt;
    EXPECT_EQ(result.sets[0].keys, std::vector<std::string>{"test"});
    return result.sets[0].rows[0][0];
}

struct LoginCase {
    const char* user;
    const char* password;
    const char* answer;
};

void PrintTo(const LoginCase& c, std::ostream* os) { *os << "'" << c.user << "' / '" << c.password << "'"; }

class LoginAnswers : public ::testing::TestWithParam<LoginCase> {};

TEST_P(LoginAnswers, AnswerExactlyOneOnlyForAValidAccountAndPassword) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.connected()) << db.connectError();
    EXPECT_EQ(LoginAnswer(db, GetParam().user, GetParam().password), std::optional<std::string>(GetParam().answer));
}

INSTANTIATE_TEST_SUITE_P(
    SampleAccounts, LoginAnswers,
    ::testing::Values(LoginCase{"admin", "admin", "1"}, LoginCase{"user", "user", "1"},
                      LoginCase{"admin", "user", "0"}, LoginCase{"user", "", "0"},
                      LoginCase{"nobody", "nobody", "0"}, LoginCase{"", "", "0"},
                      LoginCase{"admin", "admin ", "0"}, LoginCase{"ADMIN", "admin", "0"},
                      LoginCase{"admin", "' OR '1'='1", "0"}, LoginCase{"admin' -- ", "x", "0"}));

TEST(Login, UnsetSessionVariablesAreRefused) {
    TestConnection db(Sample());
    auto result = db.Run("call loginResult()");
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(result.sets.size(), 1u);
    EXPECT_EQ(result.sets[0].rows.at(0).at(0), std::optional<std::string>("0"));
}

TEST(Login, AnAccountWithQuotesAndKoreanTextLogsIn) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.Login("admin", "admin"));
    const std::string name = "o'brien 김";
    const std::string password = "pa'ss\\word 비밀";
    auto created = db.Run("call acountlistViewNewAcount('" + db.Escape(name) + "','" + db.Escape(password) +
                          "','설명')");
    ASSERT_TRUE(created.ok) << created.error;
    EXPECT_TRUE(db.Login(name, password));
    EXPECT_FALSE(db.Login(name, "pa'ss\\word"));
}

TEST(Login, PasswordsAreNotStoredAsPlainText) {
    Sample();
    // The database account cannot read the table at all, so look through the server's administrator.
    const std::string out = TestDatabase::AdminQuery("t_login_sample", "SELECT CONCAT(salt, password_hash) FROM account");
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.find("admin"), std::string::npos);
    EXPECT_EQ(out.find("user"), std::string::npos);
}

TEST(DatabaseAccount, MayOnlyExecuteProcedures) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.connected()) << db.connectError();
    for (const char* statement : {"SELECT * FROM account", "UPDATE account SET is_administrator = 1",
                                  "INSERT INTO account (user_id, salt, password_hash) VALUES ('x','y','z')",
                                  "DELETE FROM account", "CREATE TABLE t (i INT)"}) {
        auto result = db.Run(statement);
        EXPECT_FALSE(result.ok) << statement;
    }
}

}  // namespace
