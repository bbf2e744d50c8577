// The method code as users type it and as the method list keeps it, and which data each method type carries.

#include <gtest/gtest.h>

#include "CMethodDomainTreeView.h"
#include "MethodRules.h"

namespace {

TEST(MethodCode, OneToFourHexadecimalDigitsAndNothingElse) {
    const std::pair<const char*, int> cases[] = {
        {"0", 0},       {"1a", 26},   {"00FF", 255}, {"ffff", 65535}, {"1234", 4660},
        {"", -1},       {"0x12", -1}, {"12345", -1}, {"1 2", -1},     {"-1", -1},     {"G", -1},
    };
    for (const auto& [text, expected] : cases) {
        unsigned code = 9999;
        EXPECT_EQ(ParseMethodCode(text, code), expected >= 0) << text;
        if (expected >= 0) {
            EXPECT_EQ(code, static_cast<unsigned>(expected)) << text;
        }
    }
    EXPECT_EQ(MethodCodeDigits("255"), "00FF");
    EXPECT_EQ(MethodCodeDigits("18"), "0012");
    EXPECT_EQ(MethodCodeDigits("65536"), "10000");
    EXPECT_EQ(MethodCodeDigits("abc"), "0000");
}

TEST(MethodTypes, DecideTheDataAndTheImage) {
    struct Case {
        const char* type;
        bool known, input, output;
        int image;
    };
    const Case cases[] = {
        {"CALL", true, true, true, 15},          {"CALLBACK", true, true, true, 15},
        {"SIGNAL", true, true, false, 17},       {"COMMAND", true, true, false, 23},
        {"SIGNALBACK", true, false, true, 17},   {"EVENT", true, false, true, 19},
        {"INFORMATION", true, false, true, 21},  {"BROADCAST", true, false, true, 25},
        {"call", false, false, false, -1},       {"DATAGRAM", false, false, false, -1},
    };
    for (const Case& c : cases) {
        bool input = false, output = false;
        EXPECT_EQ(GetMethodTypeData(c.type, input, output), c.known) << c.type;
        if (c.known) {
            EXPECT_EQ(input, c.input) << c.type;
            EXPECT_EQ(output, c.output) << c.type;
        }
        EXPECT_EQ(CMethodDomainTreeView::GetMethodKindImageIndex(c.type), c.image) << c.type;
    }
}

}  // namespace
