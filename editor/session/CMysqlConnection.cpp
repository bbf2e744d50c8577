#include "CMysqlConnection.h"

CMysqlConnection::CMysqlConnection() { mysql_init(&m_mysql); }

CMysqlConnection::~CMysqlConnection() { Close(); }

void CMysqlConnection::Close() {
    m_bConnected = false;
    if (m_bClosed) return;
    m_bClosed = true;
    mysql_close(&m_mysql);
}
