// The values an enumeration's constant may take: integer literals that the generated header can give the
// enumeration's type.

#include <gtest/gtest.h>

#include "EnumConstantRules.h"

namespace {

TEST(EnumConstantRules, AcceptDecimalAndHexadecimalIntegersTheTypeHolds) {
    struct Case {
        const char* type;
        const char* value;
        bool fits;
    };
    const Case cases[] = {
        {"enum8_t", "0", true},          {"enum8_t", "255", true},        {"enum8_t", "256", false},
        {"enum8_t", "0xFF", true},       {"enum8_t", "0X0ff", true},      {"enum8_t", "0x100", false},
        {"enum16_t", "0x0200", true},    {"enum16_t", "65536", false},    {"enum32_t", "4294967295", true},
        {"enum32_t", "0x100000000", false},
        {"enum64_t", "18446744073709551615", true},                       {"enum64_t", "18446744073709551616", false},
        {"enum64_t", "0x0000FFFFFFFFFFFFFFFF", true},                     {"enum64_t", "0x1FFFFFFFFFFFFFFFF", false},
        // What the compiler would not take as the number the user meant, or at all.
        {"enum8_t", "abc", false},       {"enum8_t", "", false},          {"enum8_t", "010", false},
        {"enum8_t", "-1", false},        {"enum8_t", "+1", false},        {"enum8_t", " 1", false},
        {"enum8_t", "1 ", false},        {"enum8_t", "0x", false},        {"enum8_t", "0xG", false},
        {"enum8_t", "1u", false},        {"enum8_t", "1\n", false},       {"enum8_t", "１", false},
        // Members of other items are no constants.
        {"struct", "abc", true},         {"int8_t", "", true},
    };
    for (const Case& c : cases) {
        const std::string refusal = EnumConstantRefusal(c.type, "C", c.value);
        EXPECT_EQ(refusal.empty(), c.fits) << c.type << " " << c.value;
    }
    EXPECT_EQ(EnumConstantRefusal("enum16_t", "AUTO", "x"),
              "상수 AUTO의 값은 enum16_t에 담을 수 있는 0부터 65535까지의 정수(10진수 또는 0x로 시작하는 16진수)여야 "
              "합니다.");
    EXPECT_EQ(EnumConstantNumber("0x0100"), 256u);
    EXPECT_EQ(EnumConstantNumber("131072"), 131072u);
}

}  // namespace
