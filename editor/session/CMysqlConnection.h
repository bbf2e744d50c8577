#pragma once

#include <mysql.h>

// The connection block of the session: the client library's connection structure and whether the server
// accepted the connection. The session allocates the block and hands it to mysql_init, so the library does
// not own its memory.
class CMysqlConnection {
public:
    CMysqlConnection();
    ~CMysqlConnection();
    CMysqlConnection(const CMysqlConnection&) = delete;
    CMysqlConnection& operator=(const CMysqlConnection&) = delete;

    // Clears the flag and closes the connection (once; later calls do nothing).
    void Close();

    MYSQL m_mysql;
    bool m_bConnected = false;

private:
    bool m_bClosed = false;
};
