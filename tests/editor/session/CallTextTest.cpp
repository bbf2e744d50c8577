// Call texts: formatted as printf formats them, every text argument escaped on the live connection, and
// texts of any content arriving at the server as data.

#include <unistd.h>

#include "SessionTestSupport.h"

namespace {

using session_test::SessionTest;

TEST_F(SessionTest, CallTextsAreFormattedAsPrintfFormatsThem) {
    EXPECT_EQ(db->FormatCall("call acountInfoAccessUser()"), "call acountInfoAccessUser()");
    EXPECT_EQ(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "data", 0, "항법", 10000,
                             CString("1"), std::string("설명")),
              "call domainViewNewDomain('data',0,'항법', 10000,'1','설명')");
    EXPECT_EQ(db->FormatCall("call check_method_code(%d, %ld,'%s' , '%s')", -7, 4097L, "CALL", ""),
              "call check_method_code(-7, 4097,'CALL' , '')");
    EXPECT_EQ(db->FormatCall("call methodViewNewMethod(%d,'%s','%u')", 6, "CALL", 4294967295u),
              "call methodViewNewMethod(6,'CALL','4294967295')");
    EXPECT_EQ(db->FormatCall("call interfaceViewInterfaceList('%d','method','%%')", 6),
              "call interfaceViewInterfaceList('6','method','%')");
    EXPECT_EQ(db->FormatCall("call mainViewDomainAllList('%%%%','data')"), "call mainViewDomainAllList('%%','data')");
    EXPECT_EQ(db->FormatCall("x(%5d|%-4d|%04X|%x)", 42, 7, 10, 255u), "x(   42|7   |000A|ff)");
}

TEST_F(SessionTest, TextArgumentsAreEscapedAndPatternsKeepTheirPercentSigns) {
    EXPECT_EQ(db->FormatCall("call acountlistViewAcountList('%%%s%%')", "o'brien"),
              "call acountlistViewAcountList('%o\\'brien%')");
    EXPECT_EQ(db->FormatCall("call standard_portViewCheckPort('%s/%%')", "80"),
              "call standard_portViewCheckPort('80/%')");
    EXPECT_EQ(db->FormatCall("Set @tamouser='%s'", "admin' -- "), "Set @tamouser='admin\\' -- '");
    EXPECT_EQ(db->FormatCall("call x('%s','%s')", "back\\slash", "\"quoted\"\n"),
              "call x('back\\\\slash','\\\"quoted\\\"\\n')");
    // A text argument is never taken as a format: its percent signs and conversions stay as they are.
    EXPECT_EQ(db->FormatCall("call x('%s', %d)", "100%s %d", 5), "call x('100%s %d', 5)");
}

TEST_F(SessionTest, HostileTextsRoundTripAsData) {
    const std::string texts[] = {"'",
                                 "\\",
                                 "'; drop table account; -- ",
                                 "'); call acountlistViewDeleteAcount('admin'); -- ",
                                 "trailing\\",
                                 "\"double\" and `back`",
                                 "줄\n바꿈\r\t탭",
                                 "\x1a",
                                 "%_%",
                                 "한글'따옴표\\"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        std::vector<std::string> echoed;
        ASSERT_EQ(db->SelectClassNameList(
                      db->FormatCall("BEGIN NOT ATOMIC SELECT 1 AS test; SELECT '%s' AS class_name; END", text),
                      echoed),
                  0)
            << db->GetLastErrorText();
        EXPECT_EQ(echoed, std::vector<std::string>{text});
    }
    // The accounts are untouched.
    std::vector<account_row> accounts;
    ASSERT_EQ(db->SelectAccountRows(db->FormatCall("call acountlistViewAcountList('%%%s%%')", "admin"), accounts), 0);
    ASSERT_EQ(accounts.size(), 1u);
    EXPECT_EQ(accounts[0].user_id, "admin");
}

TEST_F(SessionTest, AHostileNameArrivesWholeAndAHostileDescriptionIsStored) {
    // A data item whose name would end the call text early reaches the procedure as one argument, which refuses
    // it as no name of the generated code and echoes it whole; nothing else runs.
    const std::string name = "Evil'); call domainViewDeleteDomain(3,'data'); -- \\";
    ASSERT_EQ(db->ExecuteProc(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", 1,
                                             name, "int32_t", 0, "", "", "")),
              -1);
    EXPECT_EQ(db->GetLastErrorText().rfind(name + " 는 코드의 이름이 될 수 없습니다", 0), 0u) << db->GetLastErrorText();
    // A description that would end it early is stored and read back by name.
    const std::string plain = "Evil_" + std::to_string(::getpid());
    ASSERT_EQ(db->ExecuteProc(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", 1,
                                             plain, "int32_t", 0, "", "", "it's \"quoted\"'); -- \\")),
              0)
        << db->GetLastErrorText();
    std::vector<class_metadata_info> items;
    ASSERT_EQ(db->SelectMetadataList(1, plain.c_str(), items), 0) << db->GetLastErrorText();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].name, plain);
    EXPECT_EQ(items[0].description, "it's \"quoted\"'); -- \\");
    std::multimap<int, class_domain_info> domains;
    ASSERT_EQ(db->SelectDomainAllList("call mainViewDomainAllList('%%','data')", domains), 0);
    EXPECT_EQ(domains.size(), 5u);
    ASSERT_EQ(db->ExecuteProc(db->FormatCall("call metadataViewDeleteMetadata(%d,'%s')", 1, plain)), 0)
        << db->GetLastErrorText();
}

}  // namespace
