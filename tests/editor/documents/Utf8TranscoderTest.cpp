#include <gtest/gtest.h>

#include <string>

#include "Utf8Transcoder.h"

using tamo::documents::Utf8Transcoder;

namespace {

TEST(Utf8Transcoder, ValidTextsTravelBothWaysUnchanged) {
    const struct {
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"", u""},
        {"NavService", u"NavService"},
        {"항법 서비스", u"항법 서비스"},
        {"the ship's course & <x>", u"the ship's course & <x>"},
        {"\xF0\x9F\x9A\xA2 ship", u"\U0001F6A2 ship"},  // beyond the basic plane: a surrogate pair
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8Transcoder::ToUtf16(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(Utf8Transcoder::ToUtf8(c.utf16), c.utf8) << c.utf8;
    }
}

TEST(Utf8Transcoder, InvalidInputBecomesReplacementCharacters) {
    const struct {
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"a\x80z", u"a\uFFFDz"},              // stray continuation byte
        {"\xED\x95", u"\uFFFD\uFFFD"},        // cut at the end
        {"\xC0\xAF", u"\uFFFD\uFFFD"},        // overlong "/"
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // an encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"\xFF한", u"\uFFFD한"},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8Transcoder::ToUtf16(c.utf8), c.utf16);

    EXPECT_EQ(Utf8Transcoder::ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf8Transcoder::ToUtf8(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8Transcoder::ToUtf8(static_cast<const char16_t*>(nullptr)), "");
}

}  // namespace
