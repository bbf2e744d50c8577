#include <gtest/gtest.h>

#include "FormatStdString.h"

namespace {

TEST(FormatStdString, TextsOfAnyLengthAreFormattedWhole) {
    // Around the first buffer of 30 bytes and far beyond it, with the arguments read again on every attempt.
    for (const std::size_t length : {0u, 28u, 29u, 30u, 31u, 59u, 60u, 61u, 1000u}) {
        SCOPED_TRACE(length);
        const std::string text(length, 'x');
        std::string out = "old";
        EXPECT_EQ(FormatStdString(out, "\"%s\" \"%d\"", text.c_str(), 42), static_cast<int>(length + 7));
        EXPECT_EQ(out, "\"" + text + "\" \"42\"");
    }
    std::string out;
    FormatStdString(out, "\"%s\" \"%s\"", "127.0.0.1", "항법 데이타 도메인의 긴 이름과 설명");
    EXPECT_EQ(out, "\"127.0.0.1\" \"항법 데이타 도메인의 긴 이름과 설명\"");
}

}  // namespace
