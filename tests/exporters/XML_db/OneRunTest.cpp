// What one exporter run sends and holds: each distinct statement once, its answer (or its failure) again when
// it is asked again; the rows of a document held as their text while it grows, the document byte for byte as
// the library would write it also when a row holds what the writer leaves to the library.
#include <gtest/gtest.h>

#include <set>

#include "DocumentMemory.h"
#include "ExportFiles.h"
#include "ReferencedDomain.h"
#include "ScriptedDb.h"
#include "component/XML_db.h"
#include "domain/XML_db.h"

using namespace tamo::exporters;
using namespace tamo::exporters::testing;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A data design: top (1) holds `items` (2) and `used` (3); each item of `items` is an alias into `used` and a
// structure with fields, so that every row asks for the paths of 1 and 3 again.
template <typename Db>
void Script(Db& db, int count, const std::string& description = "text") {
    const auto domain = [&db](const std::string& id, const std::string& upper, const std::string& name) {
        db.answers["call domain_table_Info(" + id + ", 'data')"] =
            Answer({"domain_data.id", "domain_data.upper_id", "domain_data.name"}, {{id, upper, name}});
        db.answers["call domainDataInfo(" + id + ", 'data')"] =
            Answer({"domain_data.id", "domain_data.upper_id", "domain_data.name", "domain_data.user_id",
                    "domain_data.public", "domain_data.create_date", "domain_data.last_update",
                    "domain_data.description"},
                   {{id, upper, name, "admin", "1", "2024-01-01", "2024-01-02", "도메인"}});
    };
    domain("1", "0", "top");
    domain("2", "1", "items");
    domain("3", "1", "used");
    Rows items;
    for (int i = 0; i < count; ++i) {
        const std::string name = 's' + std::to_string(i);
        items.push_back({"2", name, i % 2 ? "struct" : "alias", "3", "u", "used"});
        db.Fields("2", name, {{"f1", "alias", "3", "used", "u", "NO", "0"}, {"f2", "int32_t", "(null)", "(null)",
                                                                              "(null)", "FIX", "4"}});
    }
    db.Datas("2", items);
    db.Datas("3", {{"3", "u", "int8_t", "(null)", "(null)", "(null)"}});
    if (!items.empty()) {
        // The scripted lists give every item the same description; one of them may hold what the library
        // lays out its own way.
        ResultSets& list = db.answers["call metadataViewMetadataList(2, '%%', 'data')"];
        ResultSet copy = list.set(1);
        copy.set_cell("a.description", 0, description);
        ResultSets again = StatusOnly("1");
        again.append() = copy;
        list = again;
    }
}

std::string Exported(ScriptedDb<domain::XML_db>& db) {
    ScratchFolder folder;
    db.export_data_domain("2", folder.file("out.xml"));
    return ReadFile(folder.file("out.xml"));
}

// The document built whole and written by the library's serializer, as the export would write it.
std::string WrittenByTheLibrary(const std::string& description) {
    ScriptedDb<domain::XML_db> db(domain::DataFields::structures_and_enumerations);
    Script(db, 3, description);
    db.data_domains() = {{"2", ""}};
    auto document = db.create_document("tamo_system_interface");
    db.add_data_domains(document->getDocumentElement());
    return XML_db_core::serialize_with_library(document.get());
}

bool EachOnce(const std::vector<std::string>& calls) {
    return std::set<std::string>(calls.begin(), calls.end()).size() == calls.size();
}

TEST(OneRun, EachDistinctStatementIsSentOnceAndAnswersAgainAsTheFirstTime) {
    ScriptedDb<domain::XML_db> db(domain::DataFields::structures_and_enumerations);
    Script(db, 3);
    const std::string xml = Exported(db);
    EXPECT_TRUE(EachOnce(db.calls));
    // Three items, then the item of the domain they use.
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/real_domain_path"),
              (std::vector<std::string>{"top::used", "top::used", "top::used", ""}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/datafields/datafield/real_domain_path"),
              (std::vector<std::string>{"top::used", ""}));
    EXPECT_EQ(xml, WrittenByTheLibrary("text"));

    // A path lookup that fails is not asked again either: each path that needs it stays as empty.
    ScriptedDb<domain::XML_db> failing(domain::DataFields::structures_and_enumerations);
    Script(failing, 3);
    failing.failing.insert("call domain_table_Info(3, 'data')");
    const std::string without = Exported(failing);
    EXPECT_TRUE(EachOnce(failing.calls));
    EXPECT_EQ(Values(without, "data_domains/data_domain/datas/data/real_domain_path"), (std::vector<std::string>(4, "")));

    // The component generation asks a domain's row and its children's paths through one procedure.
    ScriptedDb<component::XML_db> component(component::Build::skarrow);
    Script(component, 2);
    component.answers["call componentEntityViewcomponentinfoList(7)"] =
        Answer({"component.id", "component.systemdomain_id", "component.name", "component.seq",
                "component.description"},
               {{"7", "9", "c", "1", ""}});
    component.data_domains() = {{"2", "items"}};
    auto document = component.create_document("tamo_zelk");
    component.add_datadomain_section(document->getDocumentElement());
    EXPECT_TRUE(EachOnce(component.calls));
}

// A refusal that a path walk met first and passed over ends the read of that domain, asked again from the run's
// answers, with the text that names the domain, as when the read asks first.
TEST(OneRun, ARefusalAnsweredAgainNamesTheDomainAsTheFirstAnswerDid) {
    const std::string call = "call domainDataInfo(2, 'data')";
    const std::string id = "2";
    const std::string name = "Pos";
    const std::string named = "참조하는 데이타 도메인 Pos(id 2)을(를) 읽을 수 없습니다: 비공개 도메인입니다.";
    const auto readDomain = [&](component::XML_db& db) {
        return ErrorOf([&] { read_referenced_domain(db, call, {id, "데이타", name}, "query error", "result error"); });
    };
    ScriptedDb<component::XML_db> first(component::Build::skarrow);
    first.refusing[call] = "비공개 도메인입니다.";
    EXPECT_EQ(readDomain(first), named);

    ScriptedDb<component::XML_db> again(component::Build::skarrow);
    again.refusing[call] = "비공개 도메인입니다.";
    EXPECT_EQ(again.data_domain_path("2"), "");
    EXPECT_EQ(readDomain(again), named);
    EXPECT_EQ(again.calls, std::vector<std::string>{call});
}

TEST(OneRun, ARowTheWriterLeavesToTheLibraryIsWrittenByTheLibraryWithoutAskingAgain) {
    for (const char* description : {"line\rbreak", "tab\tand\nline", " \n ", "del\x7F", "c1 \xC2\x85"}) {
        SCOPED_TRACE(description);
        ScriptedDb<domain::XML_db> db(domain::DataFields::structures_and_enumerations);
        Script(db, 3, description);
        EXPECT_EQ(Exported(db), WrittenByTheLibrary(description));
        EXPECT_TRUE(EachOnce(db.calls));
    }
}

TEST(OneRun, ALargeDocumentHoldsItsRowsAsTextNotAsNodes) {
    // The same document built whole afterwards takes the blocks the export took and maps many times more.
    ScriptedDb<domain::XML_db> db(domain::DataFields::structures_and_enumerations);
    Script(db, 4000);
    const std::size_t before = DocumentMemory::instance().mapped();
    const std::string xml = Exported(db);
    ASSERT_GT(xml.size(), 3u << 20);
    const std::size_t exported = DocumentMemory::instance().mapped() - before;

    db.data_domains() = {{"2", ""}};
    auto whole = db.create_document("tamo_system_interface");
    db.add_data_domains(whole->getDocumentElement());
    EXPECT_EQ(db.serialize_document(whole.get()), xml);
    EXPECT_LT(4 * exported, DocumentMemory::instance().mapped() - before);
}

}  // namespace
