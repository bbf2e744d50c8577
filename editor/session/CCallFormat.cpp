#include "CCallFormat.h"

#include <charconv>
#include <cstdio>

namespace tamo_session_detail {

namespace {

bool IsFlagOrDigit(char c) { return c == '-' || c == '+' || c == ' ' || c == '#' || (c >= '0' && c <= '9') || c == '.'; }

template <typename Number>
void AppendNumber(std::string& out, const std::string& conversionSpec, Number value) {
    const int length = std::snprintf(nullptr, 0, conversionSpec.c_str(), value);
    if (length <= 0) return;
    std::string piece(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(piece.data(), piece.size(), conversionSpec.c_str(), value);
    piece.resize(static_cast<std::size_t>(length));
    out += piece;
}

// Writes one integer conversion ("%5d", "%ld", "%u", ...) as printf writes it for an argument of the type
// that the conversion names.
void AppendInteger(std::string& out, const std::string& conversionSpec, unsigned long long bits) {
    if (conversionSpec == "%d") {
        // The common case, without printf: a tree level formats thousands of these.
        char digits[16];
        const auto written = std::to_chars(digits, digits + sizeof digits, static_cast<int>(bits));
        out.append(digits, written.ptr);
        return;
    }
    const char conversion = conversionSpec.back();
    const bool isSigned = conversion == 'd' || conversion == 'i';
    const std::size_t longs = conversionSpec.size() >= 3 && conversionSpec[conversionSpec.size() - 2] == 'l'
                                  ? (conversionSpec[conversionSpec.size() - 3] == 'l' ? 2 : 1)
                                  : 0;
    if (isSigned) {
        if (longs == 0) AppendNumber(out, conversionSpec, static_cast<int>(bits));
        else if (longs == 1) AppendNumber(out, conversionSpec, static_cast<long>(bits));
        else AppendNumber(out, conversionSpec, static_cast<long long>(bits));
    } else {
        if (longs == 0) AppendNumber(out, conversionSpec, static_cast<unsigned>(bits));
        else if (longs == 1) AppendNumber(out, conversionSpec, static_cast<unsigned long>(bits));
        else AppendNumber(out, conversionSpec, bits);
    }
}

}  // namespace

CString ComposeCallText(std::string_view format, const CallArgument* arguments, std::size_t count) {
    std::string out;
    out.reserve(format.size() + 32);
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // The format was checked when it was compiled: a conversion ends at its letter.
        std::size_t j = i + 1;
        while (j < format.size() && (IsFlagOrDigit(format[j]) || format[j] == 'l')) ++j;
        if (j >= format.size() || next >= count) break;
        const CallArgument& argument = arguments[next++];
        if (format[j] == 's') out += argument.text;
        else AppendInteger(out, std::string(format.substr(i, j + 1 - i)), argument.bits);
        i = j;
    }
    return CString(std::move(out));
}

}  // namespace tamo_session_detail
