#pragma once

// What every program does the same way on its connection to the design database: the timeouts it sets before
// connecting, and the statement that hands the application account to the server.

#include <string>
#include <string_view>

struct st_mysql;

namespace tamo::database {

// Seconds before a connection attempt (including the server's greeting) gives up.
inline constexpr unsigned CONNECT_TIMEOUT_SECONDS = 5;
// Seconds one read or write of the connection may wait. Reads are generous: the server answers a call only
// when the procedure has finished, and the largest exports run long procedures.
inline constexpr unsigned READ_TIMEOUT_SECONDS = 600;
inline constexpr unsigned WRITE_TIMEOUT_SECONDS = 60;

// Sets the connect, read and write timeouts on a handle that is not connected yet, so that a server that
// stops answering ends a call with the client library's error instead of a hang.
void SetConnectionTimeouts(st_mysql* mysql);

// Sets the session variables @tamouser and @tamopassword of the login protocol. The two values travel as
// bound parameters of a prepared statement, so they never appear in a statement text that the process list
// shows to other sessions (unless the server keeps a general or slow query log, for which it writes the values
// into the text). Empty on success, else the client library's error text.
std::string SetLoginVariables(st_mysql* mysql, std::string_view user, std::string_view password);

}  // namespace tamo::database
