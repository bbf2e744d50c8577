#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DocumentsDatabaseTest.h"

namespace {

using documents_test::DocumentsDatabaseTest;

const int kNavService = 6;
const int kMerge = class_xmldocumentdata::MODE_MERGE;
const int kReplace = class_xmldocumentdata::MODE_REPLACE;
const char* const kNothingChanged = "가져오기를 멈추고 모든 변경을 되돌렸습니다. 데이타베이스는 바뀌지 않았습니다.";

std::string Row(const std::vector<std::pair<std::string, std::string>>& fields) {
    std::string row = "<row>";
    for (const auto& [name, value] : fields) row += "<" + name + ">" + value + "</" + name + ">";
    return row + "</row>";
}

std::string MethodDomainRow(int id, const std::string& name, int port) {
    return Row({{"path", "method\\" + name + "\\"}, {"id", std::to_string(id)}, {"upper_id", "0"}, {"name", name},
                {"public", "1"}, {"standard_port", std::to_string(port)}, {"description", "가져온 도메인"}});
}

std::string MethodRow(int domainId, const std::string& name, const std::string& code, int outDomain = 0,
                      const std::string& outData = "", const std::string& type = "EVENT") {
    return Row({{"domain_id", std::to_string(domainId)}, {"name", name}, {"type", type}, {"code", code},
                {"in_domain_id", "0"}, {"in_domain_name", ""}, {"in_data", ""},
                {"out_domain_id", std::to_string(outDomain)}, {"out_domain_name", "x"}, {"out_data", outData},
                {"description", ""}});
}

std::string InterfaceRow(int domainId, const std::string& name, const std::vector<std::string>& members) {
    std::string memberRows;
    for (const auto& member : members) memberRows += "<row><method_name>" + member + "</method_name></row>";
    return "<row><domain_id>" + std::to_string(domainId) + "</domain_id><name>" + name +
           "</name><description/><membermethod>" + memberRows + "</membermethod></row>";
}

std::string DataRow(int domainId, const std::string& name, const std::string& type, int realDomain,
                    const std::string& realData, const std::string& description = "") {
    return Row({{"domain_id", std::to_string(domainId)}, {"name", name}, {"type", type}, {"physical", ""},
                {"real_domain_id", std::to_string(realDomain)}, {"real_domain_name", "ignored"},
                {"real_data", realData}, {"scmin", ""}, {"scmax", ""}, {"description", description}});
}

std::string FieldRow(int domainId, const std::string& dataName, const std::string& member, const std::string& type,
                     const std::string& physical = "") {
    return Row({{"domain_id", std::to_string(domainId)}, {"data_name", dataName}, {"member_name", member},
                {"real_domain_id", "0"}, {"real_domain_name", "NULL"}, {"real_data", "NULL"}, {"type", type},
                {"physical", physical}, {"bitsize", "0"}, {"scmin", ""}, {"scmax", ""}, {"arraytype", "NO"},
                {"arraysize", "0"}, {"description", ""}});
}

std::string DataDomainRow(int id, const std::string& name, const std::string& description = "") {
    return Row({{"id", std::to_string(id)}, {"upper_id", "0"}, {"name", name}, {"public", "1"},
                {"description", description}});
}

std::string Document(const std::string& methodDomainRows, const std::string& methods, const std::string& interfaces,
                     const std::string& dataDomainRows, const std::string& data, const std::string& fields) {
    return "<?xml version=\"1.0\"?><domainlist><methoddomain>" + methodDomainRows + "<method>" + methods +
           "</method><interface>" + interfaces + "</interface></methoddomain><datadomain>" + dataDomainRows +
           "<data>" + data + "<datafield>" + fields + "</datafield></data></datadomain></domainlist>";
}

// ---- The round trip on the sample ------------------------------------------------------------------------------

class RoundTripTest : public DocumentsDatabaseTest {
protected:
    RoundTripTest() : DocumentsDatabaseTest("documents_roundtrip") {}
};

TEST_F(RoundTripTest, ExportImportExportGivesTheSameDocumentInEitherMode) {
    // A field's physical quantity (only a document import sets one) travels with the document.
    AdminRows("UPDATE data_field SET physical = 'm' WHERE member_name = '고도'");
    const std::string first = Export(kNavService, "NavService\\");
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first.find("<member_name>고도</member_name>"), std::string::npos);
    EXPECT_NE(first.find("<physical>m</physical>"), std::string::npos);

    // Data that other domains use, and interfaces that components use, refuse their deletion (shown); the
    // import then writes over them.
    EXPECT_EQ(Import(first, kReplace), 0);
    for (const auto& box : Boxes()) EXPECT_EQ(box.find("error()"), std::string::npos) << box;
    EXPECT_EQ(Export(kNavService, "NavService\\"), first);

    ClearBoxes();
    EXPECT_EQ(Import(first, kMerge), 0);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Export(kNavService, "NavService\\"), first);

    EXPECT_EQ(AdminValue("SELECT physical FROM data_field WHERE member_name = '고도'"), "m");
    // "NULL" stands for no reference in the document and stays none in the database.
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM data_item WHERE name = 'NULL' OR real_data_name = 'NULL'"), "0");
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM data_field WHERE real_data_name = 'NULL'"), "0");
}

// Names that an older database may hold with "%" and "\" in them travel as themselves: the gathering reads the
// item a method names and no other, and the import finds it again with its fields.
class StandingNamesTest : public DocumentsDatabaseTest {
protected:
    StandingNamesTest() : DocumentsDatabaseTest("documents_names") {}
};

TEST_F(StandingNamesTest, ItemsWithPercentAndBackslashGoOutAndComeBackExactly) {
    AdminRows("INSERT INTO data_item (domain_id, name, user_id, type, description) VALUES "
              "(2, 'n_P%', 'admin', 'struct', ''), (2, 'n_PX', 'admin', 'struct', ''), "
              "(2, 'n_back\\\\slash%s', 'admin', 'struct', '')");
    AdminRows("INSERT INTO data_field (data_id, seq, member_name, type, description) "
              "SELECT id, 1, CONCAT('of_', name), 'int8_t', '' FROM data_item WHERE domain_id = 2 AND name LIKE 'n\\_%'");
    AdminRows("INSERT INTO method (domain_id, name, type, code, in_domain_id, in_data_name, user_id, description) "
              "VALUES (6, 'n_m1', 'SIGNAL', 60001, 2, 'n_P%', 'admin', ''), "
              "(6, 'n_m2', 'SIGNAL', 60002, 2, 'n_back\\\\slash%s', 'admin', '')");
    const std::string document = Export(kNavService, "NavService\\");
    ASSERT_FALSE(document.empty());
    EXPECT_EQ(document.find("n_PX"), std::string::npos);
    for (const char* field : {"<member_name>of_n_P%</member_name>", "<member_name>of_n_back\\slash%s</member_name>"}) {
        const auto first = document.find(field);
        EXPECT_NE(first, std::string::npos) << field;
        EXPECT_EQ(document.find(field, first + 1), std::string::npos) << field;
    }

    EXPECT_EQ(Import(document, kMerge), 0);
    EXPECT_TRUE(Boxes().empty()) << Boxes().front();
    EXPECT_EQ(Export(kNavService, "NavService\\"), document);
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM data_field f JOIN data_item d ON d.id = f.data_id "
                         "WHERE d.domain_id = 2 AND d.name LIKE 'n\\_%'"),
              "3");
}

// ---- Merge mode ------------------------------------------------------------------------------------------------

// The import tests of this file and of the windows share a database: each uses domain ids of its own.
class MergeImportTest : public DocumentsDatabaseTest {
protected:
    MergeImportTest() : DocumentsDatabaseTest("documents_import") {}
};

TEST_F(MergeImportTest, WritesEveryRowUnderItsOwnIds) {
    const std::string document = Document(
        MethodDomainRow(900, "Imported", 12345),
        MethodRow(900, "Hex", "0x000A", 901, "Speed") + MethodRow(900, "Plain", "10") +
            MethodRow(900, "Quote_s", "0x0100"),
        InterfaceRow(900, "IImported", {"Hex", "Plain"}) + InterfaceRow(900, "INone", {}),
        DataDomainRow(901, "ImportedData", "it's \\ data"),
        DataRow(901, "Speed", "struct", 0, "NULL", "the ship's speed") + DataRow(901, "Knots", "alias", 901, "Speed"),
        FieldRow(901, "Speed", "value", "int32_t", "m/s") + FieldRow(901, "Speed", "unit", "char_t"));
    EXPECT_EQ(Import(document, kMerge), 0);
    EXPECT_TRUE(Boxes().empty());

    EXPECT_EQ(AdminRows("SELECT id, kind, name, standard_port, description FROM domain WHERE id IN (900, 901)"),
              (std::vector<std::string>{"900\tmethod\tImported\t12345\t가져온 도메인",
                                        "901\tdata\tImportedData\t0\tit's \\\\ data"}));
    EXPECT_EQ(AdminRows("SELECT name, code, out_domain_id, out_data_name FROM method WHERE domain_id = 900 "
                        "ORDER BY code"),
              (std::vector<std::string>{"Hex\t10\t901\tSpeed", "Plain\t16\tNULL\tNULL", "Quote_s\t256\tNULL\tNULL"}));
    EXPECT_EQ(AdminRows("SELECT i.name, m.name FROM method_interface i LEFT JOIN interface_member im "
                        "ON im.interface_id = i.id LEFT JOIN method m ON m.id = im.method_id "
                        "WHERE i.domain_id = 900 ORDER BY i.name, im.seq"),
              (std::vector<std::string>{"IImported\tHex", "IImported\tPlain", "INone\tNULL"}));
    EXPECT_EQ(AdminRows("SELECT name, type, real_domain_id, real_data_name, description FROM data_item "
                        "WHERE domain_id = 901 ORDER BY name"),
              (std::vector<std::string>{"Knots\talias\t901\tSpeed\t", "Speed\tstruct\tNULL\tNULL\tthe ship's speed"}));
    EXPECT_EQ(AdminRows("SELECT f.member_name, f.physical FROM data_field f JOIN data_item d ON d.id = f.data_id "
                        "WHERE d.domain_id = 901 ORDER BY f.seq"),
              (std::vector<std::string>{"value\tm/s", "unit\t"}));

    // The same keys again update what the first import created.
    const std::string changed = Document(MethodDomainRow(900, "Renamed", 12346), MethodRow(900, "Hex", "0x0B"), "",
                                         "", "", "");
    EXPECT_EQ(Import(changed, kMerge), 0);
    EXPECT_EQ(AdminValue("SELECT CONCAT(name, ' ', standard_port) FROM domain WHERE id = 900"), "Renamed 12346");
    EXPECT_EQ(AdminValue("SELECT code FROM method WHERE domain_id = 900 AND name = 'Hex'"), "11");
}

TEST_F(MergeImportTest, AFailureIsShownAndReportedAndTheStepGoesOnAsItsRuleSays) {
    const std::string document = Document(
        MethodDomainRow(902, "Failing", 12400), MethodRow(902, "M", "1"),
        InterfaceRow(902, "IFailing", {"Missing", "M"}), DataDomainRow(903, "FailingData"),
        // The first data item has no type: the rest of the data items are skipped; the fields go on.
        DataRow(903, "NoType", "", 0, "") + DataRow(903, "Skipped", "int8_t", 0, ""),
        FieldRow(903, "NoType", "f", "int8_t") + FieldRow(903, "Other", "g", "int8_t"));
    EXPECT_EQ(Import(document, kMerge), -1);
    const std::vector<std::string> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0], "데이타 타입이 비어 있습니다.");
    EXPECT_EQ(boxes[3], "추가할 메서드가 없습니다.");  // the member method that names no method
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM data_item WHERE domain_id = 903"), "0");
    // What did not fail was written: the method and its membership.
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM interface_member im JOIN method_interface i ON i.id = im.interface_id "
                         "WHERE i.domain_id = 902"),
              "1");

    // A method that fails (here: no type) ends the import before the interfaces.
    ClearBoxes();
    EXPECT_EQ(Import(Document(MethodDomainRow(902, "Failing", 12400), MethodRow(902, "Bad", "0x0002", 0, "", ""),
                              InterfaceRow(902, "INotWritten", {}), "", "", ""),
                     kMerge),
              -1);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"메서드 타입을 선택하세요.", "import method error()"}));
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM method_interface WHERE domain_id = 902 AND name = 'INotWritten'"), "0");
}

TEST_F(MergeImportTest, AFileThatCannotBeReadOrParsedImportsNothing) {
    class_xmldocumentdata data;
    data.m_strImportPath = FilePath("missing.xml");
    EXPECT_EQ(data.load_xmlfile(), -1);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"파일을 읽어 오는데 실패했습니다"});

    ClearBoxes();
    EXPECT_EQ(Import("<domainlist><methoddomain>" + MethodDomainRow(904, "Broken", 1) + "</domainlist>", kReplace),
              -1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].rfind("XML 문서의 형식이 올바르지 않습니다\n줄 1, ", 0), 0u) << Boxes()[0];
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE id = 904"), "0");
}

// ---- Replace mode ----------------------------------------------------------------------------------------------

// Numbers that would wrap into other values: a domain id of 4294967302 would name domain 6, a bit size of
// 99999999999 be stored as 1215752191, an array size of " 4294967297" as 1.
TEST_F(MergeImportTest, ARowWhoseNumberItsFieldCannotHoldIsRefusedByRowAndField) {
    const std::string wrapsToSix = Row({{"id", "4294967302"}, {"upper_id", "0"}, {"name", "Wrapped"}});
    EXPECT_EQ(Import(Document(MethodDomainRow(930, "Numbers", 12600) + wrapsToSix, MethodRow(930, "m", "1"), "", "",
                              "", ""),
                     kMerge),
              -1);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"문서의 methoddomain/row 2번째 row: id 값 '4294967302'이(가) "
                                                 "범위(-2147483648~2147483647)를 벗어났습니다.",
                                                 "methoddomainkey값 error()"}));
    // The first row went in before the stop, as merge mode writes; nothing reached domain 6.
    EXPECT_EQ(AdminValue("SELECT name FROM domain WHERE id = 930"), "Numbers");
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM method WHERE domain_id = 930"), "0");
    EXPECT_EQ(AdminValue("SELECT name FROM domain WHERE id = 6"), "NavService");

    ClearBoxes();
    const std::string wide = Row({{"domain_id", "931"}, {"data_name", "Speed"}, {"member_name", "wide"},
                                  {"type", "int8_t"}, {"bitsize", "99999999999"}});
    const std::string wrapped = Row({{"domain_id", "931"}, {"data_name", "Speed"}, {"member_name", "many"},
                                     {"type", "int8_t"}, {"arraytype", "FIX"}, {"arraysize", " 4294967297"}});
    EXPECT_EQ(Import(Document("", "", "", DataDomainRow(931, "NumberData"), DataRow(931, "Speed", "struct", 0, "NULL"),
                              wide + FieldRow(931, "Speed", "fits", "int8_t") + wrapped),
                     kMerge),
              -1);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{
                           "문서의 datadomain/data/datafield/row 1번째 row: bitsize 값 '99999999999'이(가) "
                           "범위(-2147483648~2147483647)를 벗어났습니다.",
                           "문서의 datadomain/data/datafield/row 3번째 row: arraysize 값 ' 4294967297'이(가) "
                           "범위(-2147483648~2147483647)를 벗어났습니다."}));
    EXPECT_EQ(AdminRows("SELECT f.member_name FROM data_field f JOIN data_item d ON d.id = f.data_id "
                        "WHERE d.domain_id = 931"),
              std::vector<std::string>{"fits"});
}

class ReplaceImportTest : public DocumentsDatabaseTest {
protected:
    ReplaceImportTest() : DocumentsDatabaseTest("documents_import") {}
};

// Compares whole states of its database: no other test changes it.
class ReplaceRollbackTest : public DocumentsDatabaseTest {
protected:
    ReplaceRollbackTest() : DocumentsDatabaseTest("documents_rollback") {}
};

TEST_F(ReplaceRollbackTest, AStopAnywhereLeavesTheDatabaseExactlyAsItWas) {
    const std::string exported = Export(kNavService);
    ASSERT_FALSE(exported.empty());
    const std::string before = DesignSnapshot();

    // The domain's deletions run before each of these, and the writing stops at the broken row: a method whose
    // code is taken, a method with a side its type does not carry, a data item without a type, a member method
    // that names no method.
    const struct {
        const char* what;
        std::string after;      // inserted after this text of the document ...
        std::string row;        // ... this row
        std::string message;    // the message of the failure
        std::string reason{};   // the server's reason shown before it, where the test looks at it
    } stops[] = {
        {"method", "<method>", MethodRow(kNavService, "Clash", "0x0001"), "import method error()"},
        {"method with an input its type does not carry", "<method>",
         Row({{"domain_id", "6"}, {"name", "EventWithInput"}, {"type", "EVENT"}, {"code", "0x0F00"},
              {"in_domain_id", "2"}, {"in_domain_name", "Pos"}, {"in_data", "위치"}, {"out_domain_id", "0"},
              {"out_domain_name", ""}, {"out_data", ""}, {"description", ""}}),
         "import method error()", "EVENT 메서드는 입력 데이타를 가질 수 없습니다."},
        {"data item", "<data>", DataRow(2, "NoType", "", 0, ""), "데이타 타입이 비어 있습니다."},
        {"member method", "<membermethod>", "<row><method_name>Missing</method_name></row>", "추가할 메서드가 없습니다."},
        {"number that wraps", "<datafield>",
         Row({{"domain_id", "2"}, {"data_name", "위치"}, {"member_name", "wrapped"}, {"type", "int8_t"},
              {"arraytype", "FIX"}, {"arraysize", "4294967297"}}),
         "문서의 datadomain/data/datafield/row 1번째 row: arraysize 값 '4294967297'이(가) "
         "범위(-2147483648~2147483647)를 벗어났습니다."},
    };
    for (const auto& stop : stops) {
        ClearBoxes();
        std::string document = exported;
        const auto at = document.find(stop.after);
        ASSERT_NE(at, std::string::npos) << stop.what;
        document.insert(at + stop.after.size(), stop.row);
        EXPECT_EQ(Import(document, kReplace), -1) << stop.what;
        const std::vector<std::string> boxes = Boxes();
        ASSERT_GE(boxes.size(), 2u) << stop.what;
        EXPECT_EQ(boxes[boxes.size() - 2], stop.message) << stop.what;
        if (!stop.reason.empty()) {
            ASSERT_GE(boxes.size(), 3u) << stop.what;
            EXPECT_EQ(boxes[boxes.size() - 3], stop.reason) << stop.what;
        }
        EXPECT_EQ(boxes.back(), kNothingChanged) << stop.what;
        EXPECT_EQ(DesignSnapshot(), before) << stop.what;
    }
}

// New domain ids that the import cannot take: the top of the id range, and the first id past the limit that
// leaves the id counter room for the domains created later. Its own database: the test creates a domain.
class DomainIdImportTest : public DocumentsDatabaseTest {
protected:
    DomainIdImportTest() : DocumentsDatabaseTest("documents_domain_ids") {}
};

TEST_F(DomainIdImportTest, AnIdTheCounterCouldNotServeStopsTheImportAndCreationGoesOn) {
    const std::string exported = Export(kNavService);
    ASSERT_FALSE(exported.empty());
    for (const int id : {2147483647, 1000000001}) {
        SCOPED_TRACE(id);
        const std::string refusal = "문서의 새 도메인 id는 1부터 1000000000까지 쓸 수 있습니다: " + std::to_string(id);

        // Replace mode: the sample's domain was replaced and written again before the refused row, and all of
        // it is rolled back.
        const std::string before = DesignSnapshot();
        ClearBoxes();
        std::string document = exported;
        document.insert(document.find("<method>"), MethodDomainRow(id, "Huge", 12700));
        EXPECT_EQ(Import(document, kReplace), -1);
        const std::vector<std::string> boxes = Boxes();  // the refused deletions of used items come first
        ASSERT_GE(boxes.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(boxes.end() - 3, boxes.end()),
                  (std::vector<std::string>{refusal, "methoddomainkey값 error()", kNothingChanged}));
        EXPECT_EQ(DesignSnapshot(), before);

        // Merge mode: the row before it stays, the import ends there (no method is written).
        ClearBoxes();
        EXPECT_EQ(Import(Document(MethodDomainRow(940, "BeforeHuge", 12701) + MethodDomainRow(id, "Huge", 12702),
                                  MethodRow(940, "m", "1") + MethodRow(id, "m", "1"), "", "", "", ""),
                         kMerge),
                  -1);
        EXPECT_EQ(Boxes(), (std::vector<std::string>{refusal, "methoddomainkey값 error()"}));
        EXPECT_EQ(AdminValue("SELECT name FROM domain WHERE id = 940"), "BeforeHuge");
        EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE id = " + std::to_string(id)), "0");
        EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM method WHERE domain_id IN (940, " + std::to_string(id) + ")"), "0");
    }

    // Creation goes on with ids below the limit.
    const int created =
        db->QueryNewId(db->FormatCall("call domainViewNewDomain('method', 0, '%s', 12703, '1', '')", "AfterHuge"));
    EXPECT_GT(created, 0) << db->GetLastErrorText();
    EXPECT_LT(created, 1000000000);
    EXPECT_EQ(AdminValue("SELECT name FROM domain WHERE id = " + std::to_string(created)), "AfterHuge");
}

TEST_F(ReplaceImportTest, EachMethodDomainRowDeletesOnlyWhatItsDomainHolds) {
    const std::string two = Document(MethodDomainRow(910, "First", 12500) + MethodDomainRow(911, "Second", 12501),
                                     MethodRow(910, "A", "1") + MethodRow(911, "B", "1"),
                                     InterfaceRow(910, "IA", {"A"}) + InterfaceRow(911, "IB", {"B"}), "", "", "");
    ASSERT_EQ(Import(two, kMerge), 0);
    ASSERT_EQ(AdminValue("SELECT COUNT(*) FROM method WHERE domain_id IN (910, 911)"), "2");

    // Replacing with a document that renames A: the old A goes, B is deleted once and comes back.
    std::string replaced = two;
    replaced.replace(replaced.find("<name>A</name>"), 14, "<name>A2</name>");
    replaced.replace(replaced.find("<method_name>A</method_name>"), 28, "<method_name>A2</method_name>");
    EXPECT_EQ(Import(replaced, kReplace), 0);
    EXPECT_TRUE(Boxes().empty()) << Boxes().front();
    EXPECT_EQ(AdminRows("SELECT name FROM method WHERE domain_id IN (910, 911) ORDER BY name"),
              (std::vector<std::string>{"A2", "B"}));

    // A row whose domain the database does not hold deletes nothing and creates the domain.
    EXPECT_EQ(Import(Document(MethodDomainRow(912, "New", 12502), "", "", "", "", ""), kReplace), 0);
    EXPECT_EQ(AdminValue("SELECT name FROM domain WHERE id = 912"), "New");
}

}  // namespace
