#include <gtest/gtest.h>

#include <cstdarg>
#include <cstring>
#include <string>

#include "PlatformCore.h"

namespace {

TEST(CoreNumbers, KeepTheWindowsValuesThatCallersRelyOn) {
    EXPECT_EQ(WM_USER + 123, 1147);
    EXPECT_EQ(WM_USER + 127, 1151);
    EXPECT_EQ(ID_APP_ABOUT, 57664);
    EXPECT_EQ(ID_FILE_PRINT_SETUP, 57606);
    EXPECT_EQ(AFX_IDW_PANE_FIRST, 59648);
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TVS_HASBUTTONS |
                                 TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS),
              0x56000027u);
    EXPECT_EQ(RGB(255, 0, 255), 0x00FF00FFu);
    EXPECT_EQ(GetGValue(RGB(1, 2, 3)), 2);
    // Pointers travel in message parameters and item data.
    static_assert(sizeof(LPARAM) == sizeof(void*) && sizeof(WPARAM) == sizeof(void*));
    static_assert(sizeof(DWORD_PTR) == sizeof(void*) && sizeof(LRESULT) == sizeof(void*));
    int value = 0;
    const LPARAM carried = reinterpret_cast<LPARAM>(&value);
    EXPECT_EQ(reinterpret_cast<int*>(carried), &value);
}

TEST(CoreGeometry, RectangleOperations) {
    CRect rect(10, 20, 110, 70);
    EXPECT_EQ(rect.Width(), 100);
    EXPECT_EQ(rect.Height(), 50);
    EXPECT_EQ(rect.CenterPoint(), CPoint(60, 45));
    EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(rect.PtInRect(CPoint(110, 20)));  // right and bottom are outside
    rect.InflateRect(1);
    EXPECT_EQ(rect, CRect(9, 19, 111, 71));
    rect.DeflateRect(1, 1);
    rect.OffsetRect(-10, -20);
    EXPECT_EQ(rect.TopLeft(), CPoint(0, 0));
    EXPECT_EQ(rect.Size(), CSize(100, 50));

    CRect overlap;
    EXPECT_TRUE(overlap.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_EQ(overlap, CRect(5, 5, 10, 10));
    EXPECT_FALSE(overlap.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_TRUE(overlap.IsRectNull());
    CRect both;
    EXPECT_TRUE(both.UnionRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 30)));
    EXPECT_EQ(both, CRect(0, 0, 20, 30));
    CRect flipped(10, 10, 0, 0);
    EXPECT_TRUE(flipped.IsRectEmpty());
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(0, 0, 10, 10));
    EXPECT_EQ(CPoint(1, 2) + CPoint(3, 4), CPoint(4, 6));
}

int CallVsnprintf(char* buffer, size_t count, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int length = _vsnprintf(buffer, count, format, args);
    va_end(args);
    return length;
}

int CallVsnprintfS(char* buffer, size_t size, size_t count, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int length = _vsnprintf_s(buffer, size, count, format, args);
    va_end(args);
    return length;
}

TEST(CoreCrt, VsnprintfReportsTruncationWithMinusOne) {
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(CallVsnprintf(buffer, 8, "%s", "abc"), 3);
    EXPECT_STREQ(buffer, "abc");
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(CallVsnprintf(buffer, 4, "%d", 1234), 4);  // fits exactly: no terminator
    EXPECT_EQ(std::string(buffer, 5), "1234#");
    EXPECT_EQ(CallVsnprintf(buffer, 4, "%s", "abcdef"), -1);
    EXPECT_EQ(std::string(buffer, 4), "abcd");

    EXPECT_EQ(CallVsnprintfS(buffer, 8, _TRUNCATE, "%s", "0123456789"), -1);
    EXPECT_STREQ(buffer, "0123456");
    EXPECT_EQ(CallVsnprintfS(buffer, 8, _TRUNCATE, "%s", "0123456"), 7);
    EXPECT_EQ(CallVsnprintfS(buffer, 8, 3, "%s", "abcdef"), -1);
    EXPECT_STREQ(buffer, "abc");

    // The doubling loop of the callers: grow until the text fits.
    std::string grown;
    for (size_t size = 4;; size *= 2) {
        std::string attempt(size, '\0');
        if (CallVsnprintfS(attempt.data(), size, _TRUNCATE, "%s-%d", "abcdefghij", 42) >= 0) {
            grown = attempt.c_str();
            break;
        }
    }
    EXPECT_EQ(grown, "abcdefghij-42");

    char small[4];
    EXPECT_EQ(sprintf_s(small, "%d", 12345), -1);
    EXPECT_STREQ(small, "");
    EXPECT_EQ(sprintf_s(small, "%d", 123), 3);
    int port = 0;
    EXPECT_EQ(sscanf_s("3306", "%d", &port), 1);
    EXPECT_EQ(port, 3306);
    EXPECT_EQ(_stricmp("ABC", "abc"), 0);
}

TEST(CoreCrt, LocalTimeIsPlausible) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_GE(now.wYear, 2024);
    EXPECT_GE(now.wMonth, 1);
    EXPECT_LE(now.wMonth, 12);
    EXPECT_LE(now.wHour, 23);
}

struct CutCase {
    const char* text;
    size_t maxBytes;
    size_t expected;
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << "'" << c.text << "' within " << c.maxBytes; }

class Utf8Cut : public ::testing::TestWithParam<CutCase> {};

TEST_P(Utf8Cut, NeverSplitsACharacter) {
    EXPECT_EQ(tamo::platform::Utf8PrefixLength(GetParam().text, GetParam().maxBytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8Cut,
                         ::testing::Values(CutCase{"abc", 5, 3}, CutCase{"abc", 2, 2}, CutCase{"가나", 3, 3},
                                           CutCase{"가나", 4, 3}, CutCase{"가나", 5, 3}, CutCase{"가나", 6, 6},
                                           CutCase{"a가", 2, 1}, CutCase{"가", 0, 0}, CutCase{"😀x", 3, 0}));

TEST(CodePageLength, CountsOneForAsciiAndTwoForEveryOtherCharacter) {
    using tamo::platform::CodePageLength;
    EXPECT_EQ(CodePageLength(""), 0u);
    EXPECT_EQ(CodePageLength("INavigation"), 11u);
    EXPECT_EQ(CodePageLength("I위치"), 5u);
    EXPECT_EQ(CodePageLength("항법 관리자"), 11u);
    EXPECT_EQ(CodePageLength("é😀"), 4u);
}

}  // namespace
