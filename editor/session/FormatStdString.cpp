#include "FormatStdString.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

int FormatStdString(std::string& out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vector<char> buffer(30);
    int length = 0;
    for (;;) {
        // Each attempt formats from its own copy of the arguments.
        va_list attempt;
        va_copy(attempt, args);
        length = std::vsnprintf(buffer.data(), buffer.size(), format, attempt);
        va_end(attempt);
        if (length < 0 || static_cast<std::size_t>(length) < buffer.size()) break;
        buffer.resize(buffer.size() * 2);
    }
    va_end(args);
    out = length < 0 ? std::string() : std::string(buffer.data());
    return length;
}
