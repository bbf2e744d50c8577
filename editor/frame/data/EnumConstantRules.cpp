#include "EnumConstantRules.h"

#include <limits>

namespace {

int HexDigit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

// The digits in the base, or nothing when one is no digit of it or the number needs more than 64 bits.
std::optional<std::uint64_t> Digits(const std::string& digits, unsigned base) {
    if (digits.empty()) return std::nullopt;
    constexpr std::uint64_t kMaximum = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t number = 0;
    for (const char ch : digits) {
        const int digit = HexDigit(ch);
        if (digit < 0 || static_cast<unsigned>(digit) >= base) return std::nullopt;
        if (number > (kMaximum - static_cast<unsigned>(digit)) / base) return std::nullopt;
        number = number * base + static_cast<unsigned>(digit);
    }
    return number;
}

}  // namespace

std::optional<std::uint64_t> EnumTypeMaximum(const std::string& type) {
    if (type == "enum8_t") return 0xFFu;
    if (type == "enum16_t") return 0xFFFFu;
    if (type == "enum32_t") return 0xFFFFFFFFu;
    if (type == "enum64_t") return std::numeric_limits<std::uint64_t>::max();
    return std::nullopt;
}

std::optional<std::uint64_t> EnumConstantNumber(const std::string& value) {
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) return Digits(value.substr(2), 16);
    if (value.size() > 1 && value[0] == '0') return std::nullopt;
    return Digits(value, 10);
}

std::string EnumConstantRefusal(const std::string& type, const std::string& constantName, const std::string& value) {
    const std::optional<std::uint64_t> maximum = EnumTypeMaximum(type);
    if (!maximum) return std::string();
    const std::optional<std::uint64_t> number = EnumConstantNumber(value);
    if (number && *number <= *maximum) return std::string();
    return "상수 " + constantName + "의 값은 " + type + "에 담을 수 있는 0부터 " + std::to_string(*maximum) +
           "까지의 정수(10진수 또는 0x로 시작하는 16진수)여야 합니다.";
}
