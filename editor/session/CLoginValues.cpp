#include "CLoginValues.h"

#include <cstring>

#include "Utf8.h"

void CLoginValues::SetField(LoginField field, std::string_view text) {
    char value[FIELD_SIZE] = {};
    std::memcpy(value, text.data(), tamo::platform::Utf8PrefixLength(text, FIELD_SIZE - 1));
    std::memcpy(m_fields[field], value, FIELD_SIZE);
}

void CLoginValues::Clear() { std::memset(m_fields, 0, sizeof m_fields); }

void CLoginValues::SetDefaults() {
    Clear();
    SetField(LOGIN_SERVER, "127.0.0.1");
}

void CLoginValues::TerminateFields() {
    for (int field = 0; field < LOGIN_FIELD_COUNT; ++field) {
        const char* text = m_fields[field];
        if (std::memchr(text, '\0', FIELD_SIZE)) continue;
        SetField(static_cast<LoginField>(field), std::string_view(text, FIELD_SIZE - 1));
    }
}
