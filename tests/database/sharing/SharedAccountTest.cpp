// The one database account that every program shares: what it may run, and what it cannot take from the
// others (the login of an application account, the account itself).

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <regex>
#include <set>
#include <string>

#include <filesystem>

#include "../domains/DomainTestSupport.h"

using namespace tamo::testing;
namespace fs = std::filesystem;

namespace {

ConnectionValues Sample() { return TestDatabase::Prepare("sharing_account", true); }

std::set<std::string> ProgramProcedures() {
    std::set<std::string> names;
    std::ifstream list(std::string(TAMO_SOURCE_DIR) + "/database/program-procedures");
    for (std::string line; std::getline(list, line);)
        if (!line.empty() && line[0] != '#') names.insert(line);
    return names;
}

// Every procedure that a call text of the editor or the exporters names.
std::set<std::string> ProceduresTheProgramsCall() {
    static const std::regex call(R"(call\s+([A-Za-z_0-9]+)\s*\()");
    std::set<std::string> names;
    for (const char* folder : {"editor", "exporters"}) {
        for (const auto& entry : fs::recursive_directory_iterator(std::string(TAMO_SOURCE_DIR) + "/" + folder)) {
            const std::string extension = entry.path().extension();
            if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h")) continue;
            std::ifstream file(entry.path());
            const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            for (std::sregex_iterator hit(text.begin(), text.end(), call), end; hit != end; ++hit)
                names.insert((*hit)[1]);
        }
    }
    return names;
}

TEST(DatabaseAccount, RunsExactlyTheProceduresOfTheProgramsAndNothingElse) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.connected()) << db.connectError();
    // The routines a session can see are those it holds a privilege on.
    auto routines = db.Run("SELECT ROUTINE_TYPE, ROUTINE_NAME FROM information_schema.ROUTINES "
                           "WHERE ROUTINE_SCHEMA = DATABASE()");
    ASSERT_TRUE(routines.ok) << routines.error;
    std::set<std::string> runnable;
    for (const auto& row : routines.sets.at(0).rows) {
        EXPECT_EQ(row.at(0), std::optional<std::string>("PROCEDURE")) << *row.at(1);
        runnable.insert(*row.at(1));
    }
    const std::set<std::string> listed = ProgramProcedures();
    EXPECT_EQ(runnable, listed);

    for (const std::string& called : ProceduresTheProgramsCall())
        EXPECT_TRUE(listed.count(called)) << called << " is called by a program but the account may not run it";
}

TEST(DatabaseAccount, CannotRunTheHelpersOrChangeAnythingThroughThem) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.connected()) << db.connectError();
    const std::string before = TestDatabase::AdminQuery(Sample().database, "CHECKSUM TABLE data_item, method, node_port, "
                                                        "custom_entry, deployment, account");
    for (const char* statement :
         {"call rename_data_references(1, 'Position', 'Stolen')", "call sys_unclone_entry(1)",
          "call sys_add_node_ports(1, 5)", "call sys_clone_entry(1)", "call sys_install_entries(1)",
          "call account_rows('%', 0)", "call refuse('x')", "call take_guard('accounts')",
          "SELECT domain_path(8)", "SELECT data_item_exists(1, 'Position')", "SELECT method_domain_qualifier(8)",
          "SELECT data_subtree_user(1)", "SELECT session_account()"}) {
        const RunResult result = db.Run(statement);
        EXPECT_FALSE(result.ok) << statement;
        EXPECT_EQ(result.errorNumber, 1370u) << statement << ": " << result.error;
    }
    EXPECT_EQ(TestDatabase::AdminQuery(Sample().database, "CHECKSUM TABLE data_item, method, node_port, custom_entry, "
                                                          "deployment, account"),
              before);
}

// MariaDB lets every account change its own password, so a colleague can lock the programs out; starting the
// server (also one that runs) gives the account its password back.
TEST(DatabaseAccount, APasswordChangedByTheAccountIsRestoredByStart) {
    const ConnectionValues server = TestDatabase::PrepareWithAccount("sharing_lockout", false, "tamo_lockout", "p1");
    {
        TestConnection hostile(server);
        ASSERT_TRUE(hostile.connected()) << hostile.connectError();
        const RunResult changed = hostile.Run("SET PASSWORD = PASSWORD('taken over')");
        ASSERT_TRUE(changed.ok) << changed.error;
    }
    EXPECT_FALSE(TestConnection(server).connected());

    TestDatabase::RunTool("start '" + TestDatabase::ServerDir() + "'");
    TestConnection restored(server);
    ASSERT_TRUE(restored.connected()) << restored.connectError();
    EXPECT_TRUE(restored.Login("admin", "admin"));
    EXPECT_FALSE(restored.Run("SELECT domain_path(1)").ok);
}

TEST(ApplicationAccount, NamesAreComparedExactly) {
    // A database of its own: the accounts it adds would change the account table under the test above, which
    // runs at the same time and checks that nothing changes.
    const ConnectionValues names = TestDatabase::Prepare("sharing_account_names", true);
    TestConnection db(names);
    ASSERT_TRUE(db.connected()) << db.connectError();
    EXPECT_FALSE(db.Login("admin ", "admin"));
    EXPECT_FALSE(db.Login("admin\t", "admin"));

    ASSERT_TRUE(db.Login("admin", "admin"));
    const std::string second = "second" + std::to_string(getpid() % 100000);
    ASSERT_TRUE(Succeeded(db.Run("call acountlistViewNewAcount('" + second + "','" + second + "','')")));
    ASSERT_TRUE(Succeeded(db.Run("call acountlistViewToggleSupermanager('" + second + "')")));
    ASSERT_TRUE(db.Login(second, second));
    for (const char* command : {"call acountlistViewDeleteAcount('admin ')", "call acountlistViewToggleSupermanager('admin ')",
                                "call acountlistViewToggleNewDomain('user ')"})
        EXPECT_TRUE(Refused(db.Run(command), "계정이 없습니다.")) << command;
    EXPECT_TRUE(Refused(db.Run("call userViewEditDomainUserGuest(1, 'data', 'admin ')"),
                        "도메인에 가입하지 않은 사용자입니다."));
    EXPECT_EQ(TestDatabase::AdminQuery(names.database,
                                       "SELECT user_id, is_administrator FROM account WHERE user_id = 'admin'"),
              "admin\t1\n");
}

}  // namespace
