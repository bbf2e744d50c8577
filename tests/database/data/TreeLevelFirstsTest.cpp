// The first rows the data and method trees show of lists they do not show whole: each procedure answers the
// first row(s) of the list it stands for, in its columns and keys, and refuses as that list does.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "DataCalls.h"

using namespace tamo::testing;
using namespace tamo::testing::data;

namespace {

ConnectionValues Sample() {
    static const ConnectionValues values = [] {
        ConnectionValues prepared = TestDatabase::Prepare("tree_level_firsts", true);
        TestDatabase::GrantExecute(prepared.database, "interfaceViewNewParentInterface");
        return prepared;
    }();
    return values;
}

using Row = std::vector<std::optional<std::string>>;

class TreeLevelFirsts : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db_.connected()) << db_.connectError();
        ASSERT_TRUE(db_.Login("admin", "admin"));
    }
    ResultSet Read(const std::string& call) {
        SCOPED_TRACE(call);
        return DataOf(db_.Run(call));
    }
    void Change(const std::string& call) {
        SCOPED_TRACE(call);
        ExpectDone(db_.Run(call));
    }
    int NewDomain(const std::string& kind, const std::string& name) {
        auto made = Read("call domainViewNewDomain('" + kind + "', 0, '" + name + "', 0, '1', '')");
        return made.rows.empty() ? 0 : std::stoi(Cell(made, 0, 0));
    }
    // The first row of the set alone (none of an empty set), with its keys.
    static ResultSet FirstOf(const ResultSet& whole) {
        ResultSet first{whole.keys, {}};
        if (!whole.rows.empty()) first.rows.push_back(whole.rows.front());
        return first;
    }
    static void ExpectSame(const ResultSet& answered, const ResultSet& expected) {
        EXPECT_EQ(answered.keys, expected.keys);
        EXPECT_EQ(answered.rows, expected.rows);
    }
    static std::string Id(int id) { return std::to_string(id); }
    std::string Quoted(const std::optional<std::string>& text) { return "'" + db_.Escape(text.value_or("")) + "'"; }

    TestConnection db_{Sample()};
};

TEST_F(TreeLevelFirsts, EachAnswersTheFirstRowsOfItsList) {
    // A method domain whose first interface by name has a parent in the domain, so that the list puts it after
    // the interfaces without one, one of which has no members; methods whose codes run against their names.
    const int methods = NewDomain("method", "firsts_methods");
    ASSERT_NE(methods, 0);
    Change("call methodViewNewMethod(" + Id(methods) + ",'CALL','7','a_late',0,'',0,'','')");
    Change("call methodViewNewMethod(" + Id(methods) + ",'EVENT','3','z_early',0,'',0,'','')");
    Change("call interfaceViewNewInterface('" + Id(methods) + "','method','a_child','')");
    Change("call interfaceViewNewInterface('" + Id(methods) + "','method','m_base','')");
    Change("call interfaceViewNewInterface('" + Id(methods) + "','method','n_empty','')");
    Change("call interfaceViewNewParentInterface(" + Id(methods) + ",'a_child'," + Id(methods) + ",'m_base')");
    for (const char* member : {"z_early", "a_late"}) {
        Change("call interfaceViewNewMemberMethod(" + Id(methods) + ",'m_base'," + Id(methods) + ",'" + member + "','')");
        Change("call interfaceViewNewMemberMethod(" + Id(methods) + ",'a_child'," + Id(methods) + ",'" + member + "','')");
    }
    // A data domain with a structure without fields and an enumeration with constants.
    const int data = NewDomain("data", "firsts_data");
    ASSERT_NE(data, 0);
    Change("call metadataViewNewMetadata(" + Id(data) + ",'bare','struct',0,'','','')");
    Change("call metadataViewNewMetadata(" + Id(data) + ",'mode','enum8_t',0,'','','')");
    Change("call metadataViewNewMetafield(" + Id(data) + ", 'mode', 'ON', 0, 'enum8_t', 0, '', '1', '', 'NO', 0, '')");
    Change("call metadataViewNewMetafield(" + Id(data) + ", 'mode', 'OFF', 0, 'enum8_t', 0, '', '0', '', 'NO', 0, '')");

    for (int domain : {6, 7, 8, methods, 0, 999}) {
        SCOPED_TRACE("method domain " + Id(domain));
        const ResultSet interfaces = Read("call interfaceViewInterfaceList(" + Id(domain) + ", 'method','%%')");
        ExpectSame(Read("call interfaceViewFirstInterface(" + Id(domain) + ")"), FirstOf(interfaces));
        ExpectSame(Read("call methodViewFirstMethod(" + Id(domain) + ")"),
                   FirstOf(Read("call methodViewMethodList(" + Id(domain) + ",'method','ALL','%%','%%')")));

        std::map<std::string, Row> firstMembers;
        ResultSet firstMemberOfFirst;
        for (size_t row = 0; row < interfaces.rows.size(); ++row) {
            const std::string name = Cell(interfaces, row, 0);
            const ResultSet members = Read("call interfaceViewMemberMethodList(" + Id(domain) + ",'method'," +
                                           Quoted(interfaces.rows[row][0]) + ")");
            if (row == 0) firstMemberOfFirst = FirstOf(members);
            if (members.rows.empty()) continue;
            Row first = members.rows.front();
            first.push_back(name);
            firstMembers.emplace(name, first);
        }
        if (!interfaces.rows.empty())
            ExpectSame(Read("call interfaceViewFirstInterfaceMember(" + Id(domain) + ")"), firstMemberOfFirst);
        const ResultSet answered = Read("call interfaceViewFirstMemberMethods(" + Id(domain) + ")");
        std::map<std::string, Row> answeredByName;
        for (const Row& row : answered.rows) answeredByName.emplace(row.back().value_or(""), row);
        EXPECT_EQ(answeredByName, firstMembers);
        EXPECT_EQ(answered.rows.size(), firstMembers.size());
    }
    EXPECT_EQ(Cell(Read("call interfaceViewFirstInterface(" + Id(methods) + ")"), 0, 0), "m_base");
    EXPECT_EQ(Cell(Read("call methodViewFirstMethod(" + Id(methods) + ")"), 0, 2), "z_early");

    for (int domain : {1, 2, 3, 4, 5, data, 0, 999}) {
        SCOPED_TRACE("data domain " + Id(domain));
        const ResultSet items = Read("call metadataViewMetadataList(" + Id(domain) + ",'%%', 'data')");
        std::map<std::string, Row> expected;
        ResultSet fieldKeys;
        for (size_t row = 0; row < items.rows.size(); ++row) {
            const ResultSet fields = Read("call metadataViewMetafieldList(" + Id(domain) + "," +
                                          Quoted(items.rows[row][2]) + ",'data')");
            fieldKeys.keys = fields.keys;
            if (!fields.rows.empty()) expected.emplace(Cell(items, row, 2), fields.rows.front());
        }
        const ResultSet answered = Read("call metadataViewFirstMetafields(" + Id(domain) + ")");
        if (!items.rows.empty()) {
            EXPECT_EQ(answered.keys, fieldKeys.keys);
        }
        std::map<std::string, Row> answeredByName;
        for (const Row& row : answered.rows) answeredByName.emplace(row[1].value_or(""), row);
        EXPECT_EQ(answeredByName, expected);
        EXPECT_EQ(answered.rows.size(), expected.size());
    }
}

TEST_F(TreeLevelFirsts, APrivateDomainIsRefusedAsItsListRefusesIt) {
    struct Case {
        const char* user;  // no member of the private domain
        const char* list;
        const char* first;
    };
    for (const Case& c : {Case{"kim", "call interfaceViewInterfaceList(8, 'method','%%')", "call interfaceViewFirstInterface(8)"},
                          Case{"kim", "call interfaceViewInterfaceList(8, 'method','%%')", "call interfaceViewFirstInterfaceMember(8)"},
                          Case{"kim", "call interfaceViewInterfaceList(8, 'method','%%')", "call interfaceViewFirstMemberMethods(8)"},
                          Case{"kim", "call methodViewMethodList(8,'method','ALL','%%','%%')", "call methodViewFirstMethod(8)"},
                          Case{"user", "call metadataViewMetadataList(5,'%%', 'data')", "call metadataViewFirstMetafields(5)"}}) {
        SCOPED_TRACE(c.first);
        ASSERT_TRUE(db_.Login(c.user, c.user));
        const RunResult list = db_.Run(c.list);
        ASSERT_FALSE(list.ok);
        ExpectRefusal(db_.Run(c.first), list.error);
    }
}

}  // namespace
