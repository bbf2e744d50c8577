#include "MethodRules.h"

#include <cctype>
#include <cstdio>

#include "CMysqlResult.h"

bool GetMethodTypeData(const std::string& type, bool& hasInput, bool& hasOutput) {
    if (type == "CALL" || type == "CALLBACK") {
        hasInput = hasOutput = true;
    } else if (type == "SIGNAL" || type == "COMMAND") {
        hasInput = true;
        hasOutput = false;
    } else if (type == "EVENT" || type == "INFORMATION" || type == "BROADCAST" || type == "SIGNALBACK") {
        hasInput = false;
        hasOutput = true;
    } else {
        return false;
    }
    return true;
}

bool ParseMethodCode(const std::string& text, unsigned& code) {
    if (text.empty() || text.size() > 4) return false;
    unsigned value = 0;
    for (const char ch : text) {
        if (!std::isxdigit(static_cast<unsigned char>(ch))) return false;
        const int digit = std::isdigit(static_cast<unsigned char>(ch)) ? ch - '0'
                                                                        : std::toupper(static_cast<unsigned char>(ch)) - 'A' + 10;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    code = value;
    return true;
}

std::string MethodCodeDigits(const std::string& decimalCode) {
    char text[16];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(string_to_int(decimalCode.c_str())));
    return text;
}
