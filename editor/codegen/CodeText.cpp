#include "CodeText.h"

#include <cctype>
#include <climits>
#include <cstdio>

namespace tamo::codegen {

const std::string& Column(const CodegenRow& row, std::size_t index) {
    static const std::string empty;
    return index < row.size() ? row[index] : empty;
}

std::string Repeat(char ch, std::size_t count) { return std::string(count, ch); }

void Append(std::string& text, std::initializer_list<std::string_view> pieces) {
    for (std::string_view piece : pieces) text += piece;
}

std::string ReplaceText(std::string text, std::string_view from, std::string_view to) {
    if (from.empty()) return text;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string KeepInsideBlockComment(std::string text) { return ReplaceText(std::move(text), "*/", "* /"); }

std::string KeepOnOneLine(std::string text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += ' ';
        } else if (text[i] == '\n') {
            out += ' ';
        } else {
            out += text[i];
        }
    }
    return out;
}

int ReadDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::string FormatMethodCode(int code) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%04X", static_cast<unsigned>(code));
    return buffer;
}

}  // namespace tamo::codegen
