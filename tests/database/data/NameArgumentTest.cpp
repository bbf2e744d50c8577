// A call that names one item finds that item only: the name argument of a list is never a pattern. Names that
// stand already in a database with "%", "_" or "\" in them are found exactly; no new name may hold "%".
#include <gtest/gtest.h>

#include <algorithm>

#include "DataCalls.h"

using namespace tamo::testing;
using namespace tamo::testing::data;

namespace {

const char* const kNoPercent = "이름에는 % 를 쓸 수 없습니다.";

// Names that no procedure lets in any more, as an older database may hold them, entered as the server's
// administrator, each beside a name that it would match as a pattern. Every test process enters them; the first
// one to come writes them.
ConnectionValues Design(const std::string& name) {
    ConnectionValues prepared = TestDatabase::Prepare(name, true);
    TestDatabase::AdminQuery(prepared.database,
                             "INSERT IGNORE INTO data_item (domain_id, name, user_id, type, description) VALUES "
                             "(1, 'n_P%', 'admin', 'struct', 'standing'), (1, 'n_PX', 'admin', 'struct', ''), "
                             "(1, 'n_back\\\\slash%s', 'admin', 'struct', ''), "
                             "(1, 'n_back\\\\slashXs', 'admin', 'struct', ''), "
                             "(1, 'n_a_b', 'admin', 'int8_t', ''), (1, 'n_axb', 'admin', 'int8_t', '');"
                             "INSERT IGNORE INTO data_field (data_id, seq, member_name, type, description) "
                             "SELECT id, 1, 'only_field', 'int8_t', '' FROM data_item "
                             "WHERE domain_id = 1 AND name = 'n_back\\\\slash%s';"
                             "INSERT IGNORE INTO data_field (data_id, seq, member_name, type, description) "
                             "SELECT id, 1, 'other_field', 'int8_t', '' FROM data_item "
                             "WHERE domain_id = 1 AND name = 'n_back\\\\slashXs';"
                             "INSERT IGNORE INTO method (domain_id, name, type, code, user_id, description) VALUES "
                             "(6, 'n_a%', 'EVENT', 60001, 'admin', ''), (6, 'n_ab', 'EVENT', 60002, 'admin', '');"
                             "INSERT IGNORE INTO method_interface (domain_id, name, user_id, description) VALUES "
                             "(6, 'n_I%', 'admin', ''), (6, 'n_IX', 'admin', '');"
                             "INSERT IGNORE INTO interface_member (interface_id, method_id) "
                             "SELECT i.id, m.id FROM method_interface i JOIN method m ON m.domain_id = 6 "
                             "WHERE i.domain_id = 6 AND i.name = 'n_I%' AND m.name = 'n_a%'");
    return prepared;
}

// The lookups and the refusals compare whole tables; the changes of names that stand run in a database of their
// own.
const char* const kNames = "data_names";
const char* const kChangedNames = "data_names_changed";

class Names : public ::testing::Test {
protected:
    explicit Names(const char* database = kNames) : server_(Design(database)), db_(server_) {}
    void SetUp() override {
        ASSERT_TRUE(db_.connected()) << db_.connectError();
        ASSERT_TRUE(db_.Login("admin", "admin"));
    }
    std::string Text(const std::string& text) { return '\'' + db_.Escape(text) + '\''; }
    std::string Admin(const std::string& sql) { return TestDatabase::AdminQuery(server_.database, sql); }
    std::string AdminValue(const std::string& sql) {
        std::string value = Admin(sql);
        while (!value.empty() && (value.back() == '\n' || value.back() == '\r')) value.pop_back();
        return value;
    }
    ConnectionValues server_;
    TestConnection db_;
};

class StandingNames : public Names {
protected:
    StandingNames() : Names(kChangedNames) {}
};

TEST_F(Names, ACallNamingOneItemFindsThatItemOnly) {
    struct Lookup {
        std::string call;
        size_t column;
        std::vector<std::string> names;
    };
    const std::string backslash = "n_back\\slash%s";
    const Lookup lookups[] = {
        {"call metadataViewMetadataList(1," + Text("n_P%") + ",'data')", 2, {"n_P%"}},
        {"call metadataViewMetadataList(1," + Text("n_a_b") + ",'data')", 2, {"n_a_b"}},
        {"call metadataViewMetadataList(1," + Text(backslash) + ",'data')", 2, {backslash}},
        {"call metadataViewMetadataListByTypeSort(1," + Text("n_P%") + ",'data')", 2, {"n_P%"}},
        {"call metadataViewMetafieldList(1," + Text(backslash) + ",'data')", 2, {"only_field"}},
        {"call methodViewMethodList(6,'method','ALL','%'," + Text("n_a%") + ")", 2, {"n_a%"}},
        {"call interfaceViewInterfaceList(6,'method'," + Text("n_I%") + ")", 0, {"n_I%"}},
        {"call interfaceViewMemberMethodList(6,'method'," + Text("n_I%") + ")", 1, {"n_a%"}},
        // What a pattern would have matched instead finds nothing.
        {"call metadataViewMetadataList(1,'n_P_','data')", 2, {}},
        {"call methodViewMethodList(6,'method','ALL','%','n_a_')", 2, {}},
    };
    for (const Lookup& lookup : lookups)
        EXPECT_EQ(Column(DataOf(db_.Run(lookup.call)), lookup.column), lookup.names) << lookup.call;

    // "%" signs alone still list every item, as the trees and the exporters ask.
    for (const char* every : {"%", "%%"}) {
        const auto items = Column(DataOf(db_.Run("call metadataViewMetadataList(1,'" + std::string(every) +
                                                 "','data')")), 2);
        for (const std::string name : {"n_P%", "n_PX", "n_a_b", "n_axb", "Waypoint"})
            EXPECT_EQ(std::count(items.begin(), items.end(), name), 1) << every << " " << name;
        const auto methods =
            Column(DataOf(db_.Run("call methodViewMethodList(6,'method','ALL','%','" + std::string(every) + "')")), 2);
        EXPECT_EQ(std::count(methods.begin(), methods.end(), "n_ab"), 1) << every;
    }
}

// Every kind of name, when it is created, renamed or brought by a document.
TEST_F(Names, ANewNameWithAPercentSignIsRefused) {
    const char* const tables = "CHECKSUM TABLE domain, data_item, data_field, method, method_interface, node, "
                               "component, component_class, class_object, custom_entry";
    const std::string before = Admin(tables);
    // In Ship (9): a computer, and a component with a proxy and a stub class, each with an object.
    const std::string node = AdminValue("SELECT id FROM node WHERE domain_id = 9 AND name = '항해 컴퓨터'");
    const std::string component = AdminValue("SELECT id FROM component WHERE systemdomain_id = 9 AND name = '항법 관리자'");
    const std::string proxy = AdminValue("SELECT id FROM component_class WHERE component_id = " + component +
                                         " AND kind = 'proxy' AND class_name = 'class_Navigation'");
    const std::string stub = AdminValue("SELECT id FROM component_class WHERE component_id = " + component +
                                        " AND kind = 'stub' AND class_name = 'class_Waypoint'");
    const std::string calls[] = {
        "call domainViewNewDomain('data', 0, 'n%d', 0, '1', '')",
        "call domainViewEditDomain(3, 'data', '기본형%', 0, '1', '')",
        "call xmldocumentViewimportDomain(990, 0, 'data', 'n%d', 0, 1, '')",
        "call metadataViewNewMetadata(1, 'n%', 'struct', 0, '', '', '')",
        "call metadataViewEditMetadata(1, 'n_PX', 'n_PX%', 'struct', 0, '', '', '')",
        "call xmldocumentViewimportData(1, 'n%i', 'struct', '', 0, '', '', '', '')",
        "call metadataViewNewMetafield(1, 'n_PX', 'f%', 0, 'int8_t', 0, '', '', '', 'NO', 0, '')",
        "call metadataViewEditMetafield(1, 'n_back\\\\slash%s', 'only_field', 'only%', 0, 'int8_t', 0, '', '', '', "
        "'NO', 0, '')",
        "call xmldocumentViewimportDatafield(1, 'n_PX', 'f%', 0, 'int8_t', '', 0, '', '', '', 'NO', 0, '')",
        "call methodViewNewMethod(6, 'EVENT', 60010, 'm%', 0, '', 0, '', '')",
        "call methodViewEditMethod(6, 'n_ab', 'EVENT', 60002, 'n_ab%', 0, '', 0, '', '')",
        "call xmldocumentViewimportMethod(6, 'm%i', 'EVENT', '60011', 0, '', 0, '', '')",
        "call interfaceViewNewInterface(6, 'method', 'i%', '')",
        "call interfaceViewEditInterface(6, 'n_IX', 'n_IX%', '')",
        "call xmldocumentViewimportInterface(6, 'i%i', '')",
        "call nodeNewNodes(9, 'n%', 'computer', '', 0)",
        "call componentsNewcomponent(9, 'c%', '')",
        "call NodeViewEditNode(" + node + ", 9, 'n%', 'computer', '', 0, 0)",
        "call ComponentViewEditComponent(" + component + ", 9, 'c%', '')",
        // Class names, new and renamed, and through the class dialog's class with an object.
        "call proxyInterfaceRalationViewNewInterface(" + component + ", 6, 'IHeartbeat', 'class%')",
        "call stubInterfaceRalationViewNewInterface(" + component + ", 6, 'IHeartbeat', 'class%')",
        "call proxyInterfaceRalationViewEditInterface(" + proxy + ", 6, 'INavigation', 'class_Navigation%')",
        "call stubInterfaceRalationViewEditInterface(" + stub + ", 6, 'IWaypoint', 'class_Waypoint%')",
        "call insertProxyInserfaceRelation(9, " + component + ", 6, 'IHeartbeat', 'class%', 'object')",
        "call insertStubInserfaceRelation(9, " + component + ", 6, 'IHeartbeat', 'class%', 'object')",
        // Object names, new and renamed; the class dialog's object joins a class that stands.
        "call proxyInterfaceObjectViewNewObjectName(" + proxy + ", 'o%', " + component + ")",
        "call stubInterfaceObjectViewNewObjectName(" + stub + ", 'o%', " + component + ")",
        "call proxyInterfaceObjectViewEditObjectName(" + proxy + ", 'object_proxy_nav', " + component + ", 'o%')",
        "call stubInterfaceObjectViewEditObjectName(" + stub + ", 'object_stub_wp', " + component + ", 'o%')",
        "call insertProxyInserfaceRelation(9, " + component + ", 6, 'INavigation', 'class_Navigation', 'o%')",
        "call insertStubInserfaceRelation(9, " + component + ", 6, 'IWaypoint', 'class_Waypoint', 'o%')",
    };
    for (const std::string& call : calls) {
        SCOPED_TRACE(call);
        ExpectRefusal(db_.Run(call), kNoPercent);
    }
    EXPECT_EQ(Admin(tables), before);
}

// A name that stands already keeps working: its item can be changed and brought again by a document under it.
TEST_F(StandingNames, CanStillBeChangedAndImported) {
    ExpectDone(db_.Run("call metadataViewEditMetadata(1, 'n_P%', 'n_P%', 'struct', 0, '', '', 'changed')"));
    ExpectDone(db_.Run("call xmldocumentViewimportData(1, 'n_P%', 'struct', '', 0, '', '', '', 'imported')"));
    ExpectDone(db_.Run("call xmldocumentViewimportDatafield(1, " + Text("n_back\\slash%s") +
                       ", 'only_field', 8, 'int8_t', '', 0, '', '', '', 'NO', 0, 'imported')"));
    ExpectDone(db_.Run("call methodViewEditMethod(6, 'n_a%', 'EVENT', 60001, 'n_a%', 0, '', 0, '', 'changed')"));
    ExpectDone(db_.Run("call interfaceViewEditInterface(6, 'n_I%', 'n_I%', 'changed')"));
    EXPECT_EQ(Column(DataOf(db_.Run("call metadataViewMetadataList(1,'n_P%','data')")), 9),
              std::vector<std::string>{"imported"});
    const auto fields = DataOf(db_.Run("call metadataViewMetafieldList(1," + Text("n_back\\slash%s") + ",'data')"));
    EXPECT_EQ(Column(fields, 8), std::vector<std::string>{"8"});
    EXPECT_EQ(Admin("SELECT COUNT(*) FROM data_field f JOIN data_item d ON d.id = f.data_id "
                    "WHERE d.name = 'n_back\\\\slashXs' AND f.bitsize = 0"),
              "1\n");
}

}  // namespace
