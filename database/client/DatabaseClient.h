#pragma once

// What every program does the same way on its connection to the design database: the timeouts it sets before
// connecting, and the statement that hands the application account to the server.

#include <string>
#include <string_view>

struct st_mysql;

namespace tamo::database {

// Seconds before a connection attempt (including the server's greeting) gives up.
inline constexpr unsigned CONNECT_TIMEOUT_SECONDS = 5;
// Seconds that any one wait of a call may last: for the next piece of the server's answer, or to hand the call
// to the server. The slowest healthy call of a design ten times the large one waits below one second
// (database/README.md), and a change that waits for a row another session's transaction holds ends with the
// server's own refusal after its lock wait timeout (50 seconds), before this bound.
inline constexpr unsigned WAIT_BOUND_SECONDS = 60;

// Sets the connect timeout and the wait bound (read and write timeouts) on a handle that is not connected yet,
// so that a server that stops answering ends a call with the client library's error instead of a hang.
void SetConnectionTimeouts(st_mysql* mysql, unsigned waitSeconds = WAIT_BOUND_SECONDS);

// Whether the client library's error number says that the connection is gone (the server went away, closed
// it, or did not answer within the wait bound): every later statement on it fails.
bool IsConnectionLost(unsigned errorNumber);

// The text for a call whose connection was lost: that the server did not answer within `waitSeconds` when the
// call waited that long, else that the connection ended, with the client library's text.
std::string LostConnectionText(bool waitedTheBound, unsigned waitSeconds, const std::string& libraryText);

// The refusal of a change that lost a conflict with another session's change (the procedures' conflict_text()).
inline constexpr const char* CONFLICT_TEXT = "다른 사용자의 변경과 겹쳐 처리하지 못했습니다. 다시 해 주세요.";

enum class Conflict {
    none,
    // The server undid the session's whole transaction: a deadlock, a change that a cluster's certification
    // refused, a statement that a cluster interrupted for another node's change, or a procedure's refusal of
    // one of these (SQLSTATE 40001). Nothing of the call was kept.
    undone,
    // The statement waited too long for a row that another session's open transaction holds (or for a
    // table's auto-increment lock); only that statement was undone.
    waited,
};

// What a failed statement's error number and SQLSTATE say about a conflict with another session.
Conflict ConflictOf(unsigned errorNumber, const char* sqlState);

// The text to show for the failed statement on the handle: the conflict refusal where the server lost a
// conflict (its own words are English and name no remedy), else the server's or the client library's text.
const char* StatementErrorText(st_mysql* mysql);

// Sets the session variables @tamouser and @tamopassword of the login protocol. The two values travel as
// bound parameters of a prepared statement, so they never appear in a statement text that the process list
// shows to other sessions (unless the server keeps a general or slow query log, for which it writes the values
// into the text). Empty on success, else the client library's error text.
//
// A connection that the editor opened anew after the server ended its last one also sets @tamoreconnected: its
// dialogs were filled through the connection that is gone, so the server refuses its edits of rows that it has
// not read itself (procedures/005-read-states.sql). Every other login leaves it unset.
enum class LoginConnection { first, reopened };
std::string SetLoginVariables(st_mysql* mysql, std::string_view user, std::string_view password,
                              LoginConnection connection = LoginConnection::first);

}  // namespace tamo::database
