// Reading cells and writing numbers as the C runtime does, without its cost: integers are read as sscanf's
// "%d" reads them, and the plain "%d" of a call text is written as printf writes it.

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

#include "CMysqlQuery.h"
#include "CMysqlResult.h"

namespace {

int ScanfReads(const char* text) {
    int value = 0;
    std::sscanf(text, "%d", &value);
    return value;
}

TEST(CellReading, IntegersReadAsScanfReadsThem) {
    for (const char* text : {"0", "42", "-17", "+8", "  7", "\t\n-3x", "12abc", "abc", "", "-", "+", " +", "0x1F",
                             "007", "-0", "2147483647", "2147483648", "-2147483648", "-2147483649", "4294967295",
                             "99999999999", "-99999999999", "9223372036854775807", "9223372036854775808",
                             "-9223372036854775809", "123456789012345678901234567890", "3.9", "1e5", "٣"}) {
        SCOPED_TRACE(std::string("\"") + text + "\"");
        EXPECT_EQ(string_to_int(text), ScanfReads(text));
    }
    EXPECT_EQ(string_to_int(nullptr), 0);
}

TEST(CellReading, APlainNumberOfACallIsWrittenAsPrintfWritesIt) {
    // No connection is needed for numbers: only texts are escaped on the connection.
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    for (int value : {0, 7, -7, 10, 1000000, INT_MAX, INT_MIN}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "call x(%d, %5d, %-3d|)", value, value, value);
        EXPECT_EQ(db->FormatCall("call x(%d, %5d, %-3d|)", value, value, value), CString(expected));
    }
    EXPECT_EQ(db->FormatCall("call x(%d)", 4294967296LL + 5), CString("call x(5)"));
}

}  // namespace
