#pragma once

// The seven login values as one block of fixed fields: the layout of the settings file, held by the login
// dialog for the whole run and read by the session's Connect and by the exporter launcher.

#include <string_view>

#include "WinDef.h"

enum LoginField {
    LOGIN_SERVER = 0,         // server address (edit 1000)
    LOGIN_PORT = 1,           // port as text (edit 1001)
    LOGIN_DB_NAME = 2,        // database name (edit 1007)
    LOGIN_DB_ID = 3,          // database account (edit 1002)
    LOGIN_DB_PASSWORD = 4,    // its password (edit 1003)
    LOGIN_USER_ID = 5,        // application account (edit 1004)
    LOGIN_USER_PASSWORD = 6,  // its password (edit 1005)
    LOGIN_FIELD_COUNT = 7
};

class CLoginValues {
public:
    static constexpr int FIELD_SIZE = 128;
    static constexpr int BLOCK_SIZE = FIELD_SIZE * LOGIN_FIELD_COUNT;  // 896 bytes

    CLoginValues() { Clear(); }

    // The field's text, NUL-terminated within its 128 bytes.
    LPCTSTR GetField(LoginField field) const { return m_fields[field]; }
    // Stores `text`, cut at a character boundary to at most 127 bytes; the rest of the field is zero.
    void SetField(LoginField field, std::string_view text);

    // Every byte zero.
    void Clear();
    // The values of a first run: server "127.0.0.1", every other field empty.
    void SetDefaults();
    // Cuts a field that has no terminator within its 128 bytes at a character boundary within 127 bytes.
    void TerminateFields();

    // The whole block, as the settings file holds it.
    char* Block() { return &m_fields[0][0]; }
    const char* Block() const { return &m_fields[0][0]; }

    LPCTSTR ServerAddress() const { return GetField(LOGIN_SERVER); }
    LPCTSTR Port() const { return GetField(LOGIN_PORT); }
    LPCTSTR DatabaseName() const { return GetField(LOGIN_DB_NAME); }
    LPCTSTR DatabaseId() const { return GetField(LOGIN_DB_ID); }
    LPCTSTR DatabasePassword() const { return GetField(LOGIN_DB_PASSWORD); }
    LPCTSTR UserId() const { return GetField(LOGIN_USER_ID); }
    LPCTSTR UserPassword() const { return GetField(LOGIN_USER_PASSWORD); }

private:
    char m_fields[LOGIN_FIELD_COUNT][FIELD_SIZE];
};
