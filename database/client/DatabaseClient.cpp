#include "DatabaseClient.h"

#include <errmsg.h>
#include <mysql.h>
#include <mysqld_error.h>

#include <array>
#include <memory>

namespace tamo::database {

namespace {

// The process list shows a prepared statement with its placeholders. (Only while the server's general or slow
// query log is on does it write the values into the text, for the log. A compound statement would keep its
// placeholders even then, but its inner statements show the bound value in the list while they are cleaned up.)
constexpr std::string_view LOGIN_STATEMENT = "SET @tamouser = ?, @tamopassword = ?";
constexpr std::string_view REOPENED_LOGIN_STATEMENT = "SET @tamouser = ?, @tamopassword = ?, @tamoreconnected = 1";

struct StatementClose {
    void operator()(MYSQL_STMT* statement) const { mysql_stmt_close(statement); }
};

MYSQL_BIND TextParameter(std::string_view text, unsigned long& length) {
    MYSQL_BIND bind{};
    length = static_cast<unsigned long>(text.size());
    bind.buffer_type = MYSQL_TYPE_STRING;
    bind.buffer = const_cast<char*>(text.data());
    bind.buffer_length = length;
    bind.length = &length;
    return bind;
}

}  // namespace

void SetConnectionTimeouts(MYSQL* mysql, unsigned waitSeconds) {
    mysql_options(mysql, MYSQL_OPT_CONNECT_TIMEOUT, &CONNECT_TIMEOUT_SECONDS);
    mysql_options(mysql, MYSQL_OPT_READ_TIMEOUT, &waitSeconds);
    mysql_options(mysql, MYSQL_OPT_WRITE_TIMEOUT, &waitSeconds);
}

Conflict ConflictOf(unsigned errorNumber, const char* sqlState) {
    if (errorNumber == ER_LOCK_DEADLOCK || errorNumber == ER_QUERY_INTERRUPTED ||
        (sqlState && std::string_view(sqlState) == "40001"))
        return Conflict::undone;
    if (errorNumber == ER_LOCK_WAIT_TIMEOUT || errorNumber == ER_AUTOINC_READ_FAILED) return Conflict::waited;
    return Conflict::none;
}

const char* StatementErrorText(MYSQL* mysql) {
    if (ConflictOf(mysql_errno(mysql), mysql_sqlstate(mysql)) != Conflict::none) return CONFLICT_TEXT;
    return mysql_error(mysql);
}

bool IsConnectionLost(unsigned errorNumber) {
    return errorNumber == CR_SERVER_GONE_ERROR || errorNumber == CR_SERVER_LOST ||
           errorNumber == CR_SERVER_LOST_EXTENDED;
}

std::string LostConnectionText(bool waitedTheBound, unsigned waitSeconds, const std::string& libraryText) {
    if (waitedTheBound) return "서버가 " + std::to_string(waitSeconds) + "초 동안 응답하지 않아 호출을 멈췄습니다.";
    return "서버와의 연결이 끊어졌습니다 (" + libraryText + ").";
}

std::string SetLoginVariables(MYSQL* mysql, std::string_view user, std::string_view password,
                              LoginConnection connection) {
    std::unique_ptr<MYSQL_STMT, StatementClose> statement(mysql_stmt_init(mysql));
    if (!statement) return mysql_error(mysql);
    std::array<unsigned long, 2> lengths{};
    std::array<MYSQL_BIND, 2> parameters{TextParameter(user, lengths[0]), TextParameter(password, lengths[1])};
    const std::string_view text =
        connection == LoginConnection::reopened ? REOPENED_LOGIN_STATEMENT : LOGIN_STATEMENT;
    if (mysql_stmt_prepare(statement.get(), text.data(), text.size()) != 0 ||
        mysql_stmt_bind_param(statement.get(), parameters.data()) ||
        mysql_stmt_execute(statement.get()) != 0) {
        if (ConflictOf(mysql_stmt_errno(statement.get()), mysql_stmt_sqlstate(statement.get())) != Conflict::none)
            return CONFLICT_TEXT;
        return mysql_stmt_error(statement.get());
    }
    return {};
}

}  // namespace tamo::database
