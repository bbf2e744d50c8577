#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "CString.h"
#include "ResourceTable.h"

namespace {

TEST(CStringFormat, FormatsLikePrintfAndTakesTextsDirectly) {
    CString name("데이타");
    CString text;
    text.Format("call a(%d, '%s', %u, %s) 0x%04X %04X %%", -3, name, 7u, std::string("x"), 0xab, 0x1f);
    EXPECT_STREQ(text, "call a(-3, '데이타', 7, x) 0x00AB 001F %");
    text.AppendFormat("[%ld]", 12L);
    EXPECT_EQ(text.Right(4), "[12]");
    const std::string longText(5000, 'z');
    text.Format("%s", longText.c_str());
    EXPECT_EQ(text.GetLength(), 5000);
}

TEST(CStringBasics, LengthsAndPositionsCountBytes) {
    CString text("가나a");  // two three-byte characters and one byte
    EXPECT_EQ(text.GetLength(), 7);
    EXPECT_EQ(text.Find('a'), 6);
    EXPECT_EQ(text.Find("나"), 3);
    EXPECT_EQ(text.Find("나", 4), -1);
    EXPECT_EQ(text.Find('a', 7), -1);
    EXPECT_EQ(text.Find('a', -1), -1);
    EXPECT_EQ(text.Mid(3, 3), "나");
    EXPECT_TRUE(CString().IsEmpty());
}

struct SliceCase {
    const char* operation;
    int first;
    int count;
    const char* expected;
};

void PrintTo(const SliceCase& c, std::ostream* os) { *os << c.operation << "(" << c.first << ", " << c.count << ")"; }

class CStringSlices : public ::testing::TestWithParam<SliceCase> {};

TEST_P(CStringSlices, ClampOutOfRangeArguments) {
    const CString text("abcdef");
    const SliceCase& c = GetParam();
    CString result;
    if (std::strcmp(c.operation, "Mid") == 0) result = text.Mid(c.first, c.count);
    if (std::strcmp(c.operation, "Mid1") == 0) result = text.Mid(c.first);
    if (std::strcmp(c.operation, "Left") == 0) result = text.Left(c.count);
    if (std::strcmp(c.operation, "Right") == 0) result = text.Right(c.count);
    EXPECT_EQ(result, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CStringSlices,
                         ::testing::Values(SliceCase{"Mid", 1, 2, "bc"}, SliceCase{"Mid", -2, 3, "abc"},
                                           SliceCase{"Mid", 4, 10, "ef"}, SliceCase{"Mid", 6, 1, ""},
                                           SliceCase{"Mid", 9, 1, ""}, SliceCase{"Mid", 2, -1, ""},
                                           SliceCase{"Mid1", 2, 0, "cdef"}, SliceCase{"Mid1", 7, 0, ""},
                                           SliceCase{"Left", 0, 2, "ab"}, SliceCase{"Left", 0, 10, "abcdef"},
                                           SliceCase{"Left", 0, -1, ""}, SliceCase{"Right", 0, 2, "ef"},
                                           SliceCase{"Right", 0, 10, "abcdef"}, SliceCase{"Right", 0, -3, ""}));

TEST(CStringEditing, ReplaceRemoveInsertDelete) {
    CString text("a\nb\n\nc");
    EXPECT_EQ(text.Replace("\n", "\r\n"), 3);
    EXPECT_EQ(text, "a\r\nb\r\n\r\nc");
    EXPECT_EQ(text.Remove('\r'), 3);
    EXPECT_EQ(text, "a\nb\n\nc");
    EXPECT_EQ(text.Replace("", "x"), 0);
    EXPECT_EQ(text.Replace('\n', ' '), 3);
    EXPECT_EQ(text, "a b  c");
    text.Insert(1, "나");
    text.Insert(99, '!');
    EXPECT_EQ(text, "a나 b  c!");
    text.Delete(1, 3);
    EXPECT_EQ(text, "a b  c!");
    text.Delete(5, 99);
    EXPECT_EQ(text, "a b  ");
}

struct TrimCase {
    const char* input;
    const char* set;  // nullptr: white space
    const char* both;
    const char* left;
    const char* right;
};

std::string Visible(const char* text) {
    std::string shown;
    for (; *text; ++text) {
        if (*text == '\n')
            shown += "\\n";
        else if (*text == '\r')
            shown += "\\r";
        else if (*text == '\t')
            shown += "\\t";
        else
            shown += *text;
    }
    return shown;
}

void PrintTo(const TrimCase& c, std::ostream* os) {
    *os << "'" << Visible(c.input) << "' by '" << (c.set ? Visible(c.set) : "space") << "'";
}

class CStringTrim : public ::testing::TestWithParam<TrimCase> {};

TEST_P(CStringTrim, TrimsBytesOfTheSetFromEachEnd) {
    const TrimCase& c = GetParam();
    CString both(c.input), left(c.input), right(c.input);
    if (c.set) {
        both.Trim(c.set), left.TrimLeft(c.set), right.TrimRight(c.set);
    } else {
        both.Trim(), left.TrimLeft(), right.TrimRight();
    }
    EXPECT_EQ(both, c.both);
    EXPECT_EQ(left, c.left);
    EXPECT_EQ(right, c.right);
}

INSTANTIATE_TEST_SUITE_P(Cases, CStringTrim,
                         ::testing::Values(TrimCase{" \t a b \r\n", nullptr, "a b", "a b \r\n", " \t a b"},
                                           TrimCase{" \t a b \r\n", " \t\r\n", "a b", "a b \r\n", " \t a b"},
                                           TrimCase{"_if_name_fi", "_if", "name", "name_fi", "_if_name"},
                                           TrimCase{"   ", nullptr, "", "", ""},
                                           TrimCase{" 한글 ", nullptr, "한글", "한글 ", " 한글"}));

std::vector<CString> AllTokens(const CString& text, const char* delimiters) {
    std::vector<CString> tokens;
    int position = 0;
    for (CString token = text.Tokenize(delimiters, position); position != -1;
         token = text.Tokenize(delimiters, position))
        tokens.push_back(token);
    return tokens;
}

TEST(CStringTokenize, RunsOfDelimitersSeparateLikeOneAndEndsYieldNothing) {
    EXPECT_EQ(AllTokens("\n\nfirst\n\n\nsecond\r\nthird\n", "\n"),
              (std::vector<CString>{"first", "second\r", "third"}));
    EXPECT_TRUE(AllTokens("", "\n").empty());
    EXPECT_TRUE(AllTokens("\n\n", "\n").empty());
    EXPECT_EQ(AllTokens("a,b;c", ",;"), (std::vector<CString>{"a", "b", "c"}));
    EXPECT_EQ(AllTokens("whole", ""), (std::vector<CString>{"whole"}));
    int position = 99;
    EXPECT_EQ(CString("abc").Tokenize(",", position), "");
    EXPECT_EQ(position, -1);
}

TEST(CStringCompare, OrdersByteWiseAndFoldsOnlyAsciiCase) {
    EXPECT_LT(CString("B").Compare("a"), 0);
    EXPECT_GT(CString("가").Compare("z"), 0);  // UTF-8 lead bytes sort after ASCII
    EXPECT_EQ(CString("Port").CompareNoCase("pORT"), 0);
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
    EXPECT_NE(CString("가").CompareNoCase("나"), 0);

    const std::set<CString> sorted{"b", "가", "B", "a", "10", "9"};
    EXPECT_EQ(std::vector<CString>(sorted.begin(), sorted.end()),
              (std::vector<CString>{"10", "9", "B", "a", "b", "가"}));
    EXPECT_TRUE(CString("a") == "a");
    EXPECT_TRUE("b" > CString("a"));
    EXPECT_TRUE(CString("a") <= CString("a"));

    CString mixed("Int32_t 정수");
    EXPECT_EQ(CString(mixed).MakeUpper(), "INT32_T 정수");
    EXPECT_EQ(CString(mixed).MakeLower(), "int32_t 정수");
}

TEST(CStringBuffer, WritingThroughTheBufferSetsTheLength) {
    CString text("old");
    char* buffer = text.GetBuffer(127);
    std::strcpy(buffer, "서버 주소");
    text.ReleaseBuffer();
    EXPECT_EQ(text, "서버 주소");
    EXPECT_EQ(text.GetLength(), static_cast<int>(std::strlen("서버 주소")));

    buffer = text.GetBufferSetLength(3);
    std::memcpy(buffer, "xyz", 3);
    text.ReleaseBuffer(2);
    EXPECT_EQ(text, "xy");
}

TEST(CStringConcatenation, JoinsTextsAndCharacters) {
    CString path("root\\");
    path += "data";
    path += '\\';
    path += CString("이름");
    EXPECT_EQ(path, "root\\data\\이름");
    EXPECT_EQ("<" + path.Left(4) + '>', "<root>");
    const char* asC = path;
    EXPECT_STREQ(asC, "root\\data\\이름");
    EXPECT_EQ(std::string(path), "root\\data\\이름");
}

TEST(CStringLoadString, ReadsTheStringTable) {
    auto& table = tamo::platform::ResourceTable::Instance();
    table.Clear();
    ASSERT_TRUE(table.AddString(305, "창"));
    EXPECT_FALSE(table.AddString(305, "again"));
    CString text("unchanged");
    EXPECT_FALSE(text.LoadString(306));
    EXPECT_EQ(text, "unchanged");
    EXPECT_TRUE(text.LoadString(305));
    EXPECT_EQ(text, "창");
    table.Clear();
}

}  // namespace
