#pragma once

#include <optional>
#include <string>
#include <vector>

struct st_mysql;

namespace tamo::testing {

// How to reach a design database of the private test server.
struct ConnectionValues {
    std::string host = "127.0.0.1";
    int port = 0;
    std::string user;      // the database account
    std::string password;  // its password
    std::string database;
};

// Design databases of the test server that the CTest fixture starts for the whole run.
// Prepare creates the database the first time any process of the run asks for that name, and hands the same
// database to every later caller: the tests of one suite share one database, and suites that use different
// names are isolated from each other, also when ctest runs them in parallel.
class TestDatabase {
public:
    static ConnectionValues Prepare(const std::string& name, bool withSample);
    // As Prepare, with a database account of its own (made by tamo-db create like the usual one).
    static ConnectionValues PrepareWithAccount(const std::string& name, bool withSample, const std::string& account,
                                               const std::string& password);

    // The data directory of the running test server, and the tamo-db tool.
    static std::string ServerDir();
    static std::string Tool();
    static int ServerPort();

    // Runs SQL as the server's administrator in the database (tab-separated rows, no headings); for tests
    // that look past the procedures, which the database account cannot do.
    static std::string AdminQuery(const std::string& database, const std::string& sql);
    // Lets the database account of the test databases execute a routine that it may not run otherwise (one
    // that a test adds, or one that no program calls).
    static void GrantExecute(const std::string& database, const std::string& procedure);
    // Runs the tamo-db tool with these arguments (the server directory is not added); its output.
    static std::string RunTool(const std::string& arguments);
};

// One result set as the client library reports it: field keys ("table.name", or the bare name of an
// expression) and rows, NULL cells as std::nullopt.
struct ResultSet {
    std::vector<std::string> keys;
    std::vector<std::vector<std::optional<std::string>>> rows;
};

struct RunResult {
    bool ok = true;
    unsigned errorNumber = 0;
    std::string error;            // the server's text of the failure
    std::vector<ResultSet> sets;  // every result set the statement answered before it ended or failed
};

// A plain client connection (multi statements, multi results, utf8mb4) that reads every result of a
// statement, for tests that look at what the server answers.
class TestConnection {
public:
    explicit TestConnection(const ConnectionValues& values);
    ~TestConnection();
    TestConnection(const TestConnection&) = delete;
    TestConnection& operator=(const TestConnection&) = delete;

    bool connected() const { return connected_; }
    const std::string& connectError() const { return connectError_; }

    // Sends the statement text and drains all of its results.
    RunResult Run(const std::string& sql);
    // Sets @tamouser and @tamopassword (escaped) and runs loginResult(); true when it answered exactly 1.
    bool Login(const std::string& user, const std::string& password);
    // Text escaped for use inside single quotes on this connection.
    std::string Escape(const std::string& text);

    st_mysql* handle() { return mysql_; }

private:
    st_mysql* mysql_ = nullptr;
    bool connected_ = false;
    std::string connectError_;
};

}  // namespace tamo::testing
