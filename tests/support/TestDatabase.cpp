#include "TestDatabase.h"

#include <fcntl.h>
#include <mysql.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace tamo::testing {

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string RunCommand(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>&1").c_str(), "r"), pclose);
    if (!pipe) throw std::runtime_error("cannot run: " + command);
    std::string output;
    char buffer[512];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe.get())) output.append(buffer, n);
    int status = pclose(pipe.release());
    if (status != 0) throw std::runtime_error(command + " failed:\n" + output);
    return output;
}

// Serialises the creation of one database across the processes of a test run.
class FileLock {
public:
    explicit FileLock(const std::string& path) : fd_(open(path.c_str(), O_CREAT | O_RDWR, 0600)) {
        if (fd_ < 0 || flock(fd_, LOCK_EX) != 0) throw std::runtime_error("cannot lock " + path);
    }
    ~FileLock() {
        flock(fd_, LOCK_UN);
        close(fd_);
    }

private:
    int fd_;
};

}  // namespace

std::string TestDatabase::ServerDir() {
    if (const char* dir = std::getenv("TAMO_TEST_SERVER_DIR")) return dir;
    return TAMO_TEST_SERVER_DIR;
}

std::string TestDatabase::Tool() { return TAMO_DB_TOOL; }

int TestDatabase::ServerPort() {
    std::string port = ReadFile(ServerDir() + "/port");
    if (port.empty()) throw std::runtime_error("the test server is not running in " + ServerDir());
    return std::stoi(port);
}

std::string TestDatabase::AdminQuery(const std::string& database, const std::string& sql) {
    std::string command = "'";
    command.append(Tool()).append("' sql '").append(ServerDir()).append("' ").append(database).append(" -N -e \"");
    for (char c : sql) {
        if (c == '"' || c == '\\' || c == '$' || c == '`') command += '\\';
        command += c;
    }
    command += '"';
    return RunCommand(command);
}

ConnectionValues TestDatabase::Prepare(const std::string& name, bool withSample) {
    return PrepareWithAccount(name, withSample, "tamo", "tamo");
}

ConnectionValues TestDatabase::PrepareWithAccount(const std::string& name, bool withSample,
                                                  const std::string& account, const std::string& password) {
    const std::string database = "t_" + name + (withSample ? "_sample" : "");
    const std::string marker = ServerDir() + "/" + database + ".ready";
    {
        FileLock lock(ServerDir() + "/" + database + ".lock");
        if (access(marker.c_str(), F_OK) != 0) {
            RunCommand("TAMO_DB_ACCOUNT='" + account + "' TAMO_DB_ACCOUNT_PASSWORD='" + password + "' '" + Tool() +
                       "' create '" + ServerDir() + "' " + database + (withSample ? " --sample" : ""));
            std::ofstream(marker) << "ready\n";
        }
    }
    ConnectionValues values;
    values.port = ServerPort();
    values.user = account;
    values.password = password;
    values.database = database;
    return values;
}

void TestDatabase::GrantExecute(const std::string& database, const std::string& procedure) {
    AdminQuery(database, "GRANT EXECUTE ON PROCEDURE `" + database + "`.`" + procedure + "` TO 'tamo'@'%'");
}

std::string TestDatabase::RunTool(const std::string& arguments) { return RunCommand("'" + Tool() + "' " + arguments); }

TestConnection::TestConnection(const ConnectionValues& values) : mysql_(mysql_init(nullptr)) {
    const unsigned long flags = CLIENT_FOUND_ROWS | CLIENT_MULTI_STATEMENTS | CLIENT_MULTI_RESULTS;
    if (!mysql_real_connect(mysql_, values.host.c_str(), values.user.c_str(), values.password.c_str(),
                            values.database.c_str(), values.port, nullptr, flags)) {
        connectError_ = mysql_error(mysql_);
        return;
    }
    mysql_set_character_set(mysql_, "utf8mb4");
    connected_ = true;
}

TestConnection::~TestConnection() { mysql_close(mysql_); }

namespace {

ResultSet ReadSet(MYSQL_RES* result) {
    ResultSet set;
    const unsigned columns = mysql_num_fields(result);
    MYSQL_FIELD* fields = mysql_fetch_fields(result);
    for (unsigned i = 0; i < columns; ++i) {
        std::string table = fields[i].table ? fields[i].table : "";
        set.keys.push_back(table.empty() ? fields[i].name : table + "." + fields[i].name);
    }
    while (MYSQL_ROW row = mysql_fetch_row(result)) {
        unsigned long* lengths = mysql_fetch_lengths(result);
        std::vector<std::optional<std::string>> cells;
        for (unsigned i = 0; i < columns; ++i) {
            if (row[i]) cells.emplace_back(std::string(row[i], lengths[i]));
            else cells.emplace_back(std::nullopt);
        }
        set.rows.push_back(std::move(cells));
    }
    return set;
}

}  // namespace

RunResult TestConnection::Run(const std::string& sql) {
    RunResult run;
    auto fail = [&] {
        run.ok = false;
        run.errorNumber = mysql_errno(mysql_);
        run.error = mysql_error(mysql_);
    };
    if (mysql_real_query(mysql_, sql.data(), sql.size()) != 0) {
        fail();
        return run;
    }
    for (;;) {
        if (MYSQL_RES* result = mysql_store_result(mysql_)) {
            run.sets.push_back(ReadSet(result));
            mysql_free_result(result);
        } else if (mysql_field_count(mysql_) != 0) {
            fail();
            return run;
        }
        int next = mysql_next_result(mysql_);
        if (next > 0) {
            fail();
            return run;
        }
        if (next < 0) return run;
    }
}

std::string TestConnection::Escape(const std::string& text) {
    std::string escaped(text.size() * 2 + 1, '\0');
    escaped.resize(mysql_real_escape_string(mysql_, escaped.data(), text.data(), text.size()));
    return escaped;
}

bool TestConnection::Login(const std::string& user, const std::string& password) {
    RunResult result = Run("Set @tamouser='" + Escape(user) + "'; Set @tamopassword='" + Escape(password) +
                           "'; call loginResult()");
    return result.ok && !result.sets.empty() && !result.sets[0].rows.empty() &&
           result.sets[0].rows[0][0] == std::optional<std::string>("1");
}

}  // namespace tamo::testing
