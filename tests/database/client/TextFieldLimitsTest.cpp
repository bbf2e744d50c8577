// The lengths the client refuses a call's texts above: its tables are the server's columns and parameters, every
// text parameter of every procedure the programs call has its field, and a call is refused exactly when one of
// its texts is longer than that field.

#include <gtest/gtest.h>

#include <unistd.h>

#include <ctime>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "ResultCells.h"
#include "SchemaTables.h"
#include "TestDatabase.h"
#include "TextFieldLimits.h"

namespace {

using tamo::database::FieldColumns;
using tamo::database::RefuseOverlongTexts;
using tamo::database::TEXT_LIMIT_BYTES;
using tamo::database::TextFieldLimit;
using tamo::testing::ConnectionValues;
using tamo::testing::TestDatabase;
namespace schema = tamo::database::schema;

ConnectionValues Server() { return TestDatabase::Prepare("client_limits", false); }

std::set<std::string> Lines(const std::string& text) {
    std::set<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.insert(line);
    return lines;
}

std::string ProgramProcedureList() {
    std::ifstream file(std::string(TAMO_SOURCE_DIR) + "/database/program-procedures");
    std::string names;
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#') names += (names.empty() ? "'" : ",'") + line + "'";
    return names;
}

TEST(TextFieldLimits, TheColumnsAreTheServersColumns) {
    const ConnectionValues server = Server();
    const std::set<std::string> onServer = Lines(TestDatabase::AdminQuery(
        server.database,
        "SELECT CONCAT(TABLE_NAME, '.', COLUMN_NAME, ' ', IF(DATA_TYPE IN ('varchar', 'char'), "
        "CONCAT(CHARACTER_MAXIMUM_LENGTH, ' characters'), CONCAT(CHARACTER_OCTET_LENGTH, ' bytes'))) "
        "FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = DATABASE() "
        "AND DATA_TYPE IN ('varchar', 'char', 'tinytext', 'text', 'mediumtext') AND TABLE_NAME IN "
        "(SELECT TABLE_NAME FROM information_schema.TABLES WHERE TABLE_SCHEMA = DATABASE() "
        "AND TABLE_TYPE = 'BASE TABLE')"));
    std::set<std::string> generated;
    for (const schema::TextColumn& column : schema::TextColumns())
        generated.insert(std::string(column.table) + "." + std::string(column.column) + " " +
                         std::to_string(column.length) + (column.characters ? " characters" : " bytes"));
    EXPECT_FALSE(generated.empty());
    EXPECT_EQ(generated, onServer);
}

TEST(TextFieldLimits, TheParametersAreTheServersParameters) {
    const ConnectionValues server = Server();
    const std::set<std::string> onServer = Lines(TestDatabase::AdminQuery(
        server.database,
        "SELECT CONCAT(SPECIFIC_NAME, ' ', ORDINAL_POSITION - 1, ' ', PARAMETER_NAME, ' ', "
        "IF(DATA_TYPE IN ('varchar', 'char'), CHARACTER_MAXIMUM_LENGTH, 0)) "
        "FROM information_schema.PARAMETERS WHERE SPECIFIC_SCHEMA = DATABASE() AND ROUTINE_TYPE = 'PROCEDURE' "
        "AND DATA_TYPE IN ('varchar', 'char', 'tinytext', 'text', 'mediumtext', 'longtext', 'tinyblob', 'blob', "
        "'mediumblob', 'longblob', 'varbinary', 'binary') AND SPECIFIC_NAME IN (" +
            ProgramProcedureList() + ")"));
    std::set<std::string> generated;
    for (const schema::TextParameter& parameter : schema::TextParameters())
        generated.insert(std::string(parameter.procedure) + " " + std::to_string(parameter.position) + " " +
                         std::string(parameter.name) + " " +
                         std::to_string(parameter.declared_characters ? parameter.declared_length : 0));
    EXPECT_GT(generated.size(), 100u);
    EXPECT_EQ(generated, onServer);
}

// A new text parameter needs a decision about its field; a column or procedure that went away leaves no entry.
TEST(TextFieldLimits, EveryTextParameterHasItsFieldAndEveryFieldItsColumn) {
    const auto field = [](std::string_view name) {
        return name.starts_with("b_") || name.starts_with("p_") ? name.substr(2) : name;
    };
    for (const schema::TextParameter& parameter : schema::TextParameters()) {
        bool named = false;
        for (const auto& entry : FieldColumns())
            named |= entry.field == field(parameter.name) &&
                     (entry.procedure.empty() || entry.procedure == parameter.procedure);
        EXPECT_TRUE(named) << parameter.procedure << " " << parameter.name << ": no entry in TextFieldLimits.cpp";
    }
    for (const auto& entry : FieldColumns()) {
        if (!entry.column.empty()) {
            bool exists = false;
            for (const schema::TextColumn& column : schema::TextColumns())
                exists |= std::string(column.table) + "." + std::string(column.column) == entry.column;
            EXPECT_TRUE(exists) << entry.field << ": no column " << entry.column;
        }
        if (!entry.procedure.empty()) {
            bool exists = false;
            for (const schema::TextParameter& parameter : schema::TextParameters())
                exists |= parameter.procedure == entry.procedure && field(parameter.name) == entry.field;
            EXPECT_TRUE(exists) << entry.procedure << " has no text parameter " << entry.field;
        }
    }
}

// What the client lets through of a text that goes into no column is what the server's text rule takes: a
// password, which the server keeps only as its hash.
TEST(TextFieldLimits, TheLimitOfTextsWithoutAColumnIsTheServersTextRule) {
    tamo::testing::TestConnection connection(Server());
    ASSERT_TRUE(connection.connected()) << connection.connectError();
    ASSERT_TRUE(connection.Login("admin", "admin"));
    const std::string account = "limit" + std::to_string(::getpid()) + "_" + std::to_string(std::time(nullptr));
    const auto call = [&](size_t length) {
        return "call acountlistViewNewAcount('" + account + "','" + std::string(length, 'w') + "','')";
    };
    EXPECT_EQ(RefuseOverlongTexts(call(TEXT_LIMIT_BYTES)), "");
    const tamo::testing::RunResult fitting = connection.Run(call(TEXT_LIMIT_BYTES));
    EXPECT_TRUE(fitting.ok) << fitting.error;
    EXPECT_EQ(RefuseOverlongTexts(call(TEXT_LIMIT_BYTES + 1)),
              "입력한 값이 너무 깁니다: password 항목은 65535바이트까지 쓸 수 있는데 65536바이트입니다.");
    tamo::testing::ExpectRefusal(connection.Run(call(TEXT_LIMIT_BYTES + 1)), "입력한 값이 너무 깁니다.");
}

std::string Repeated(const std::string& piece, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i) text += piece;
    return text;
}

TEST(TextFieldLimits, ACallIsRefusedExactlyWhenATextIsLongerThanItsField) {
    const std::string name128 = Repeated("가", 128);
    const struct {
        const char* what;
        std::string call;
        std::string refusal;  // empty: the call may be sent
    } cases[] = {
        {"a name of 128 characters fits, however many bytes they take",
         "call domainViewNewDomain('data',0,'" + name128 + "', 0,'1','')", ""},
        {"a name of 129 characters does not",
         "call domainViewNewDomain('data',0,'" + name128 + "x', 0,'1','')",
         "입력한 값이 너무 깁니다: name 항목은 128자까지 쓸 수 있는데 129자입니다."},
        {"a description is counted in bytes",
         "call domainViewNewDomain('data',0,'D', 0,'1','" + Repeated("가", 21846) + "')",
         "입력한 값이 너무 깁니다: description 항목은 65535바이트까지 쓸 수 있는데 65538바이트입니다."},
        {"an account's description has its own column",
         "call acountlistViewNewAcount('kim','pw','" + std::string(1025, 'd') + "')",
         "입력한 값이 너무 깁니다: description 항목은 1024자까지 쓸 수 있는데 1025자입니다."},
        {"an escaped character counts once",
         "call domainViewNewDomain('data',0,'" + Repeated("\\'", 128) + "', 0,'1','')", ""},
        {"a doubled quote counts once",
         "call domainViewNewDomain('data',0,'" + Repeated("''", 129) + "', 0,'1','')",
         "입력한 값이 너무 깁니다: name 항목은 128자까지 쓸 수 있는데 129자입니다."},
        {"a node's type is shorter than a data item's",
         "call nodeNewNodes(1,'n','computer_and_more','', 0)",
         "입력한 값이 너무 깁니다: type 항목은 16자까지 쓸 수 있는데 17자입니다."},
        {"a data type is not", "call metadataViewNewMetadata(1,'n','computer_and_more',0,'','','')", ""},
        {"an IP address", "call networkNewip(1,'192.168.100.1000','','','','','','')",
         "입력한 값이 너무 깁니다: ip 항목은 15자까지 쓸 수 있는데 16자입니다."},
        {"a pattern around a word counts its percent signs",
         "call select_search_data_name('%" + std::string(TEXT_LIMIT_BYTES - 1, 'w') + "%')",
         "입력한 값이 너무 깁니다: word 항목은 65535바이트까지 쓸 수 있는데 65536바이트입니다."},
        {"an id written in quotes is no text of a field",
         "call interfaceViewInterfaceList('" + std::string(20, '1') + "','method','%')", ""},
        {"a procedure the client does not know takes the server's text rule",
         "call noSuchProcedure(1, '" + std::string(TEXT_LIMIT_BYTES + 1, 'x') + "')",
         "입력한 값이 너무 깁니다: 2번째 값 항목은 65535바이트까지 쓸 수 있는데 65536바이트입니다."},
        {"a statement that is no call is not looked at", "SELECT '" + std::string(TEXT_LIMIT_BYTES + 1, 'x') + "'",
         ""},
        {"the word call is read in any case", "CALL domainViewNewDomain('data',0,'" + name128 + "x', 0,'1','')",
         "입력한 값이 너무 깁니다: name 항목은 128자까지 쓸 수 있는데 129자입니다."},
    };
    for (const auto& c : cases) EXPECT_EQ(RefuseOverlongTexts(c.call), c.refusal) << c.what;
    EXPECT_EQ(TextFieldLimit("xmldocumentViewimportDatafield", 9).field, "scmax");
    EXPECT_EQ(TextFieldLimit("xmldocumentViewimportDatafield", 9).length, 64u);
}

}  // namespace
