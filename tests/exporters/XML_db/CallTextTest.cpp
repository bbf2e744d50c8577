#include <gtest/gtest.h>

#include "XML_db_core.h"

using tamo::exporters::XML_db_core;

namespace {

TEST(CallText, IdsAreSignedDecimalsAndAnythingElseIsNull) {
    struct Case {
        const char* text;
        bool number;
    };
    for (const Case& c : {Case{"0", true}, Case{"1311", true}, Case{"-5", true}, Case{"+7", true},
                          Case{"007", true}, Case{"", false}, Case{"-", false}, Case{"(null)", false},
                          Case{"1 or 1=1", false}, Case{"12abc", false}, Case{" 12", false}, Case{"1.5", false},
                          Case{"0x10", false}}) {
        EXPECT_EQ(XML_db_core::is_number(c.text), c.number) << c.text;
        EXPECT_EQ(XML_db_core::number(c.text), c.number ? std::string(c.text) : "NULL") << c.text;
    }
}

TEST(CallText, QuotedTextIsEscapedForTheConnection) {
    XML_db_core db;
    EXPECT_EQ(db.quoted("o'brien"), "'o\\'brien'");
    EXPECT_EQ(db.quoted("a\\b\"c"), "'a\\\\b\\\"c'");
    EXPECT_EQ(db.quoted("장치 상태"), "'장치 상태'");
    EXPECT_EQ(db.quoted(""), "''");
}

TEST(CallText, MethodCodesAreWrittenAsFourHexDigits) {
    struct Case {
        const char* stored;
        const char* written;
    };
    for (const Case& c : {Case{"4097", "0x1001"}, Case{"10", "0x000A"}, Case{"0", "0x0000"}, Case{"65535", "0xFFFF"},
                          Case{"(null)", "0x0000"}, Case{"", "0x0000"}, Case{"-1", "0xFFFFFFFF"}})
        EXPECT_EQ(XML_db_core::method_code(c.stored), c.written) << c.stored;
}

}  // namespace
