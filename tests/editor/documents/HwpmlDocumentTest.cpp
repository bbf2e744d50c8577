// The HWPML documents built from lists filled by hand: the skeleton, the method-domain document and the design
// description, read back from the saved file.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "DomainListTestSupport.h"
#include "SessionMessageBox.h"
#include "class_hmldocumentdata.h"
#include "class_sdd_document_data.h"

using documents_test::ReadFile;
using documents_test::RecordedBoxes;
using documents_test::WellFormed;
using documents_test::WithoutSpaceBetweenElements;
using documents_test::WriteFile;

namespace {

namespace fs = std::filesystem;

// The parts of `text` from each `open` to the next `close` (inclusive).
std::vector<std::string> Parts(const std::string& text, const std::string& open, const std::string& close) {
    std::vector<std::string> parts;
    for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
        const std::size_t end = text.find(close, at);
        if (end == std::string::npos) break;
        parts.push_back(text.substr(at, end + close.size() - at));
    }
    return parts;
}

std::string Attribute(const std::string& element, const std::string& name) {
    std::smatch match;
    if (!std::regex_search(element, match, std::regex(" " + name + "=\"([^\"]*)\""))) return "(none)";
    return match[1];
}

// A table read back: per row its cell texts, and per row the height of its first cell.
struct Table {
    std::string element;  // the TABLE tag with its attributes
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> heights;
};

std::string CellText(const std::string& cell) {
    const auto chars = Parts(cell, "<CHAR>", "</CHAR>");
    return chars.empty() ? "" : chars[0].substr(6, chars[0].size() - 13);
}

std::vector<Table> Tables(const std::string& text) {
    std::vector<Table> tables;
    for (const std::string& part : Parts(text, "<TABLE ", "</TABLE>")) {
        Table table;
        table.element = part.substr(0, part.find('>') + 1);
        for (const std::string& row : Parts(part, "<ROW>", "</ROW>")) {
            std::vector<std::string> cells;
            const auto parts = Parts(row, "<CELL ", "</CELL>");
            for (const std::string& cell : parts) cells.push_back(CellText(cell));
            table.heights.push_back(parts.empty() ? "" : Attribute(parts[0], "Height"));
            table.rows.push_back(cells);
        }
        tables.push_back(table);
    }
    return tables;
}

// The texts of the body paragraphs that hold one line (not the tables' paragraphs).
std::vector<std::string> Lines(const std::string& text) {
    std::string body = text.substr(text.find("<SECTION"));
    for (std::size_t at = body.find("<TABLE "); at != std::string::npos; at = body.find("<TABLE ", at))
        body.erase(at, body.find("</TABLE>", at) + 8 - at);
    std::vector<std::string> lines;
    for (const std::string& paragraph : Parts(body, "<P><TEXT><CHAR", "</TEXT></P>")) lines.push_back(CellText(paragraph));
    return lines;
}

class_method_info Method(const std::string& name, const std::string& type, const std::string& code,
                         const std::string& description = "") {
    class_method_info method;
    method.name = name;
    method.type = type;
    method.code = code;
    method.description = description;
    return method;
}

void SetInput(class_method_info& method, int id, const std::string& domain, const std::string& data) {
    method.in_domain_id = id;
    method.in_domain_name = domain;
    method.in_data = data;
}

void SetOutput(class_method_info& method, int id, const std::string& domain, const std::string& data) {
    method.out_domain_id = id;
    method.out_domain_name = domain;
    method.out_data = data;
}

// A data item as the gathering stores it: one row, an alias naming its target or a plain item.
void AddItem(class_xmlexport_lists& lists, int id, const std::string& name, int targetId = 0,
             const std::string& target = "") {
    class_metadata_info item;
    item.domain_id = id;
    item.name = name;
    item.type = target.empty() ? "struct" : "alias";
    item.real_domain_id = targetId;
    item.real_data = target;
    lists.data_items[{id, name}] = {item};
}

void AddField(class_xmlexport_lists& lists, int id, const std::string& data, const std::string& member,
              const std::string& physical = "", const std::string& description = "") {
    class_datafield_info field;
    field.domain_id = id;
    field.data_name = data;
    field.member_name = member;
    field.physical = physical;
    field.description = description;
    lists.fields.push_back(field);
}

class HwpmlDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() / ("tamo-hwpml-" + std::to_string(::getpid()) + "-" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        RecordedBoxes().clear();
        SetSessionMessageBoxHandler(documents_test::RecordSessionBox);
    }
    void TearDown() override {
        SetSessionMessageBoxHandler(nullptr);
        fs::remove_all(m_folder);
    }

    std::string Path(const std::string& name) const { return (m_folder / name).string(); }

    // Builds the document into the file and answers its text without the whitespace between elements.
    std::string Build(HwpmlBuilder& document, const std::string& name) {
        document.m_strOutputPath = Path(name);
        EXPECT_EQ(document.build_document(), 0);
        EXPECT_TRUE(WellFormed(document.m_strOutputPath));
        return WithoutSpaceBetweenElements(ReadFile(document.m_strOutputPath));
    }

    fs::path m_folder;
};

TEST_F(HwpmlDocumentTest, ADomainWithoutMethodsIsTheSkeletonWithBothTitlesAndAnEmptyTable) {
    class_hmldocumentdata document;
    const std::string text = Build(document, "empty.hml");
    documents_test::ExpectMatchesGoldenElements("empty_method_domain.hml", ReadFile(Path("empty.hml")));
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>", 0), 0u);

    const std::vector<Table> tables = Tables(text);
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(Attribute(tables[0].element, "RowCount"), "1");
    EXPECT_EQ(tables[0].rows, (std::vector<std::vector<std::string>>{{"메서드타입", "코드", "메서드", "설명"}}));
    EXPECT_EQ(Lines(text), (std::vector<std::string>{"(2) 운용스테이션 운용 메시지 식별", "(3) 메시지 상세 정의"}));
    EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(HwpmlDocumentTest, MethodBlocksShowTheDeclaredDataAndTheFieldsOfTheAliasTarget) {
    class_hmldocumentdata document;
    class_xmlexport_lists& lists = document.m_lists;
    // Carry: input and output Pos::Course, an alias of Heading, an alias of 기본::Angle.
    class_method_info carry = Method("Carry", "CALL", "255");
    SetInput(carry, 2, "Pos", "Course");
    SetOutput(carry, 2, "Pos", "Course");
    // Loop: an alias chain that comes back to its start; Nothing: no data at all.
    class_method_info loop = Method("Loop", "EVENT", "4097", "돌고 도는 별칭");
    SetInput(loop, 2, "Pos", "A");
    lists.methods = {carry, loop, Method("Nothing", "SIGNAL", "x")};
    AddItem(lists, 2, "Course", 2, "Heading");
    AddItem(lists, 2, "Heading", 1, "Angle");
    AddItem(lists, 1, "Angle");
    AddItem(lists, 2, "A", 2, "B");
    AddItem(lists, 2, "B", 2, "A");
    AddField(lists, 1, "Angle", "deg", "도", "각도");
    AddField(lists, 1, "Angle", "min", "분");
    AddField(lists, 1, "Angle", "deg", "도", "각도");  // the item was read twice
    AddField(lists, 2, "Heading", "unused");
    AddField(lists, 2, "B", "b1");
    const std::string text = Build(document, "methods.hml");

    const std::vector<Table> tables = Tables(text);
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(Attribute(tables[0].element, "RowCount"), "4");
    EXPECT_EQ(tables[0].rows, (std::vector<std::vector<std::string>>{{"메서드타입", "코드", "메서드", "설명"},
                                                                     {"CALL", "0x00FF", "Carry", ""},
                                                                     {"EVENT", "0x1001", "Loop", "돌고 도는 별칭"},
                                                                     {"SIGNAL", "0x0000", "Nothing", ""}}));
    EXPECT_EQ(Attribute(tables[1].element, "RowCount"), "3");
    EXPECT_EQ(Attribute(tables[1].element, "ColCount"), "5");
    EXPECT_EQ(tables[1].rows, (std::vector<std::vector<std::string>>{
                                  {"Field#", "데이터 명", "Type", "Units", "Interpretation"},
                                  {"1", "deg", "도", "N/A", "각도"},
                                  {"2", "min", "분", "N/A", ""}}));
    EXPECT_EQ(tables[1].heights, (std::vector<std::string>{"282", "282", "282"}));
    EXPECT_EQ(tables[2].rows.back(), (std::vector<std::string>{"1", "b1", "", "N/A", ""}));

    const std::vector<std::string> lines = Lines(text);
    const std::vector<std::string> carryBlock(lines.begin() + 2, lines.begin() + 10);
    EXPECT_EQ(carryBlock, (std::vector<std::string>{"1) Carry", "- Message 정의 : ", "- code : 0x00FF", "- type : CALL",
                                                    "- Frequency : 비주기", "- Data 구조체 ", "     . 입력 : Pos::Course",
                                                    "     . 출력 : Pos::Course"}));
    EXPECT_EQ(lines[lines.size() - 2], "     . 입력 :  해당사항 없음");
    EXPECT_EQ(lines.back(), "     . 출력 :  해당사항 없음");
    // Nothing's field paragraph holds only its empty TEXT, followed by the empty spacing paragraph.
    EXPECT_NE(text.find("해당사항 없음</CHAR></TEXT></P><P><TEXT/></P><P/></SECTION>"), std::string::npos);
}

TEST_F(HwpmlDocumentTest, CellsCarryTheirAttributesInOrderAndAnEmptyCellKeepsItsStructure) {
    // An empty text leaves the CHAR without content.
    class_hmldocumentdata document;
    document.m_lists.methods = {Method("Quiet", "DATAGRAM", "1")};
    const std::string text = Build(document, "cells.hml");
    EXPECT_NE(text.find("<TABLE BorderFill=\"1\" CellSpacing=\"0\" ColCount=\"4\" PageBreak=\"Cell\" "
                        "RepeatHeader=\"true\" RowCount=\"2\">"),
              std::string::npos);
    EXPECT_NE(text.find("<CELL BorderFill=\"1\" ColAddr=\"3\" ColSpan=\"1\" Dirty=\"false\" Editable=\"false\" "
                        "HasMargin=\"false\" Header=\"false\" Height=\"282\" Protect=\"false\" RowAddr=\"1\" "
                        "RowSpan=\"1\" Width=\"10433\"><PARALIST><P><TEXT><CHAR></CHAR></TEXT></P></PARALIST></CELL>"),
              std::string::npos);
}

TEST_F(HwpmlDocumentTest, AFailedSaveIsShownWithThePathAndReportedAsFailure) {
    class_hmldocumentdata document;
    document.m_strOutputPath = Path("no-such-folder/out.hml");
    EXPECT_EQ(document.build_document(), -1);
    ASSERT_EQ(RecordedBoxes().size(), 1u);
    EXPECT_NE(RecordedBoxes()[0].find(document.m_strOutputPath), std::string::npos) << RecordedBoxes()[0];

    // A file that stands stays as it was.
    WriteFile(Path("kept.hml"), "old");
    fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec);
    document.m_strOutputPath = Path("kept.hml");
    const int result = document.build_document();
    fs::permissions(m_folder, fs::perms::owner_all);
    if (::geteuid() != 0) {
        EXPECT_EQ(result, -1);
        EXPECT_EQ(ReadFile(Path("kept.hml")), "old");
    }
}

// The design description's member methods: every method type once in one interface, a same-named interface of
// another method domain and one more interface.
class SddDocumentTest : public HwpmlDocumentTest {
protected:
    void Fill(class_sdd_document_data& document, SddOutputKind kind) {
        document.m_nOutputKind = kind;
        document.m_strComponentName = "조타 제어기";
        document.m_memberMethods[{"INav", 7}] = {Method("Other", "DATAGRAM", "0x0002")};
        document.m_memberMethods[{"INav", 6}] = {
            Method("Get", "CALL", "0x0001", "묻는다"), Method("Moved", "EVENT", "0x0020"),
            Method("Info", "INFORMATION", "0x0021"),   Method("Set", "SIGNAL", "0x0010"),
            Method("Dgram", "DATAGRAM", "0x0011"),     Method("Reset", "COMMAND", "0x0012"),
            Method("Back", "CALLBACK", "0x0002"),      Method("Ack", "SIGNALBACK", "0x0031"),
            Method("Beat", "BROADCAST", "0x0030")};
        document.m_memberMethods[{"IAlpha", 9}] = {};
    }
};

TEST_F(SddDocumentTest, TheDetailedKindListsTheGeneratedMemberFunctionsUnderEachMethod) {
    class_sdd_document_data document;
    Fill(document, SDD_DETAILED);
    const std::string text = Build(document, "detailed.hml");
    const std::vector<Table> tables = Tables(text);
    ASSERT_EQ(tables.size(), 1u);
    const std::vector<std::vector<std::string>>& rows = tables[0].rows;
    // 10 methods, 2 object rows each, and 2 + 4 + 4 + 2 + 1 + 4 + 1 handler rows.
    EXPECT_EQ(document.count_function_rows(), 10 * 3 + 18);
    EXPECT_EQ(static_cast<int>(rows.size()), document.count_function_rows() + 1);
    EXPECT_EQ(Attribute(tables[0].element, "RowCount"), std::to_string(rows.size()));
    EXPECT_EQ(Lines(text), std::vector<std::string>{"조타 제어기 Component Interface 함수 목록(CSU 함수 목록)"});

    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(Rows(rows.begin() + 1, rows.begin() + 6),
              (Rows{{"CALL", "0x0001", "Get", "묻는다"},
                    {"void", "", "in_object_create()", ""},
                    {"void", "", "on_object_destroy()", ""},
                    {"tamo_err_t", "0x0001", "on_Getcall", "묻는다"},
                    {"void", "0x0001", "on_Getcall_cancel", "묻는다"}}));
    EXPECT_EQ(tables[0].heights[1], "282");
    EXPECT_EQ(tables[0].heights[2], "0");
    std::vector<std::string> functions;
    for (const auto& row : rows) functions.push_back(row[2]);
    const std::vector<std::string> expected[] = {
        {"Moved", "in_object_create()", "on_object_destroy()", "on_Moved", "on_Moved_disconnected()",
         "on_Moved_shutdown()", "on_Moved_connect()"},
        {"Info", "in_object_create()", "on_object_destroy()", "on_Info_sync()", "on_Info_disconnected()",
         "on_Info_shutdown()", "on_Info_connect()"},
        {"Set", "in_object_create()", "on_object_destroy()", "on_Set", "on_Setcall_cancel"},
        {"Dgram", "in_object_create()", "on_object_destroy()", "on_Dgram"},
        {"Reset", "in_object_create()", "on_object_destroy()", "on_Reset_disconnected()", "on_Reset_sync()",
         "on_Reset_connect()", "on_Reset_shutdown()"},
        {"Back", "in_object_create()", "on_object_destroy()", "Ack"},
        {"Beat", "in_object_create()", "on_object_destroy()", "Other"},
    };
    for (const auto& run : expected) {
        const auto at = std::search(functions.begin(), functions.end(), run.begin(), run.end());
        EXPECT_NE(at, functions.end()) << run.front();
    }
    // The same-named interface of the other method domain follows; its methods are not lost.
    EXPECT_EQ(functions.back(), "on_Other");
    EXPECT_EQ(RecordedBoxes(), (std::vector<std::string>{"class_sdd_document_data_417\n(CALLBACK method 타입 지원 불가)",
                                                 "class_sdd_document_data_417\n(SIGNALBACK method 타입 지원 불가)",
                                                 "class_sdd_document_data_417\n(tamo method 타입 분류 실패)"}));
}

TEST_F(SddDocumentTest, TheSummaryKindListsOnlyTheMethodsAndRefusesNothing) {
    class_sdd_document_data document;
    Fill(document, SDD_SUMMARY);
    const std::vector<Table> tables = Tables(Build(document, "summary.hml"));
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(document.count_function_rows(), 10);
    EXPECT_EQ(Attribute(tables[0].element, "RowCount"), "11");
    ASSERT_EQ(tables[0].rows.size(), 11u);
    std::vector<std::string> methods;
    for (std::size_t i = 1; i < tables[0].rows.size(); ++i) methods.push_back(tables[0].rows[i][2]);
    EXPECT_EQ(methods, (std::vector<std::string>{"Get", "Moved", "Info", "Set", "Dgram", "Reset", "Back", "Ack",
                                                 "Beat", "Other"}));
    EXPECT_TRUE(RecordedBoxes().empty());

    class_sdd_document_data empty;
    empty.m_nOutputKind = SDD_DETAILED;
    const std::vector<Table> none = Tables(Build(empty, "none.hml"));
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(Attribute(none[0].element, "RowCount"), "1");
    EXPECT_EQ(none[0].rows.size(), 1u);
}

}  // namespace
