// The shape of every procedure of data items, fields, methods, interfaces and the document import against the
// sample design: how many result sets, the status value, the column count, and the keys the exporters read.
#include <gtest/gtest.h>

#include "DataCalls.h"

using namespace tamo::testing;
using namespace tamo::testing::data;

namespace {

// No program adds parent interfaces (the sample does, as the server's administrator); the tests call the
// procedure through the database account all the same.
ConnectionValues Sample() {
    static const ConnectionValues values = [] {
        ConnectionValues prepared = TestDatabase::Prepare("data_contract", true);
        TestDatabase::GrantExecute(prepared.database, "interfaceViewNewParentInterface");
        return prepared;
    }();
    return values;
}

struct ReaderCase {
    const char* call;
    size_t columns;
    std::vector<std::string> keys;  // empty: the keys are not read by key
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.call; }

const std::vector<std::string> kMetadataKeys = {
    "a.id", "a.domain_id", "a.name", "a.user_id", "a.type", "b.real_domain_id", "b.real_data_name",
    "a.scmin", "a.scmax", "a.description", "c.real_domain_name", "r.real_data_id"};
const std::vector<std::string> kFieldKeys = {
    "d.domain_id", "d.data_name", "a.member_name", "i.real_domain_id", "b.real_domain_name",
    "i.real_data_name", "a.physical", "a.type", "a.bitsize", "a.scimin", "a.scimax", "a.arraytype",
    "a.arraysize", "a.last_update", "a.description"};
const std::vector<std::string> kMethodKeys = {
    "a.type", "a.code", "a.method_name", "i.in_domain_id", "i.in_data_name", "o.out_domain_id",
    "o.out_data_name", "a.user_id", "a.description", "a.domain_id", "b.in_domain_name", "c.out_domain_name"};
const std::vector<std::string> kInterfaceKeys = {"interface.name", "interface.user_id", "interface.description",
                                                 "interface.domain_id", "interface.seq"};

class Readers : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(Readers, AnswerStatusOneAndOneDataSetOfTheirLayout) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.Login("admin", "admin"));
    auto result = db.Run(GetParam().call);
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(result.sets.size(), 2u);
    EXPECT_EQ(result.sets[0].keys, std::vector<std::string>{"test"});
    EXPECT_EQ(Cell(result.sets[0], 0, 0), "1");
    EXPECT_EQ(result.sets[1].keys.size(), GetParam().columns);
    if (!GetParam().keys.empty()) {
        EXPECT_EQ(result.sets[1].keys, GetParam().keys);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SampleDesign, Readers,
    ::testing::Values(
        // Data items: the editor's pattern and exact forms, the exporters' '%%' form, the generator's '%'.
        ReaderCase{"call metadataViewMetadataList(2,'%%', 'data')", 12, kMetadataKeys},
        ReaderCase{"call metadataViewMetadataList(2, '%%', 'data')", 12, kMetadataKeys},
        ReaderCase{"call metadataViewMetadataList(2,'%','data')", 12, kMetadataKeys},
        ReaderCase{"call metadataViewMetadataList(2,'위치', 'data')", 12, kMetadataKeys},
        ReaderCase{"call metadataViewMetadataList(0,'%%', 'data')", 12, kMetadataKeys},
        ReaderCase{"call metadataViewMetadataListByTypeSort(3,'%%', 'data')", 12, {}},
        ReaderCase{"call metadataViewFirstMetadata(2)", 12, kMetadataKeys},
        ReaderCase{"call metadataViewFirstMetadata(0)", 12, kMetadataKeys},
        ReaderCase{"call metadataViewMetafieldList(2,'위치','data')", 15, kFieldKeys},
        ReaderCase{"call metadataViewMetafieldList(2, '위치', 'data')", 15, kFieldKeys},
        ReaderCase{"call metadataViewMetafieldList(999,'nothing','data')", 15, {}},
        ReaderCase{"call metadataViewNewMetadataRealdomainList(2)", 9, {}},
        ReaderCase{"call metadataViewEditMetadataRealdomainList(2)", 9, {}},
        ReaderCase{"call metadataViewNewMetadataRealmetadataList(3)", 10, {}},
        ReaderCase{"call metadataViewEditMetafieldRealmetadataList(3)", 10, {}},
        // Methods: the editor's, the exporters' (NULL fourth argument) and the generator's ('' fourth) forms.
        ReaderCase{"call methodViewMethodList(6,'method','ALL','%','%')", 12, kMethodKeys},
        ReaderCase{"call methodViewMethodList(6, 'method','ALL',null, '%%')", 12, kMethodKeys},
        ReaderCase{"call methodViewMethodList(6,'method','ALL','','%')", 12, kMethodKeys},
        ReaderCase{"call methodViewMethodList(6,'method','ALL','%','Ping')", 12, kMethodKeys},
        ReaderCase{"call methodViewMethodList(0,'method','ALL','%','%')", 12, {}},
        ReaderCase{"call methodViewNewMethodRealdomainList(6)", 9, {}},
        ReaderCase{"call methodViewNewMethodRealmetadataList(2)", 10, {}},
        ReaderCase{"call check_method_code(6, 1,'CALL' , '')", 1, {}},
        // Interfaces: the id quoted and bare.
        ReaderCase{"call interfaceViewInterfaceList('6','method','%')", 5, kInterfaceKeys},
        ReaderCase{"call interfaceViewInterfaceList(6, 'method','%%')", 5, kInterfaceKeys},
        ReaderCase{"call interfaceViewMemberMethodList(6,'method','INavigation')", 13, {}},
        ReaderCase{"call interfaceViewMemberMethodList(6, 'method','INavigation')", 13, {}},
        ReaderCase{"call interfaceViewMemberMethodList(0,'method','nothing')", 13, {}},
        ReaderCase{"call interfaceViewParentInterfaceList(7,'method','I위치')", 3, {}},
        ReaderCase{"call interfaceViewNewMemberMethodRealmethodList(6,6,'IHeartbeat')", 3, {}}));

TEST(Readers, TheMemberListNamesTheMethodUnderTheExportersKey) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.Login("admin", "admin"));
    auto data = DataOf(db.Run("call interfaceViewMemberMethodList(6, 'method','INavigation')"));
    ASSERT_EQ(data.keys.size(), 13u);
    EXPECT_EQ(data.keys[1], "a.method_name");
}

TEST(AliasCheck, AnswersNoSetWhenAllowedAndOneSetWhenALoopWouldClose) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.Login("admin", "admin"));
    auto allowed = db.Run("call check_child_depth_limit_loop(2, 'Anything', 0)");
    ASSERT_TRUE(allowed.ok) << allowed.error;
    EXPECT_TRUE(allowed.sets.empty());

    // SafeLatitude -> Latitude: Latitude may not refer to SafeLatitude.
    auto safe = DataOf(db.Run("call metadataViewMetadataList(2,'SafeLatitude', 'data')"));
    ASSERT_EQ(safe.rows.size(), 1u);
    auto loop = db.Run("call check_child_depth_limit_loop(2, 'Latitude', " + Cell(safe, 0, 0) + ")");
    ASSERT_TRUE(loop.ok) << loop.error;
    ASSERT_EQ(loop.sets.size(), 1u);
    EXPECT_EQ(loop.sets[0].rows.size(), 1u);
}

// Every changing procedure answers exactly its status set, in the order the editor and the import use them.
TEST(Changes, AnswerOnlyTheirStatusSet) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.Login("admin", "admin"));
    for (const char* call : {
             "call metadataViewNewMetadata(1,'contract_item','struct',0,'','','')",
             "call metadataViewNewMetafield(1,'contract_item','a',0,'int8_t',0,'','','','NO',0,'')",
             "call metadataViewNewMetafield(1,'contract_item','b',0,'int8_t',0,'','','','NO',0,'')",
             "call metadataViewEditMetafield(1,'contract_item','a','a2', 0,'int16_t',0,'','','','FIX',2,'')",
             "call metadataViewEditMetafieldSeq(1,'data','contract_item','a2','b')",
             "call metadataViewDeleteMetafield('1','contract_item','b')",
             "call metadataViewEditMetadata(1,'contract_item','contract_item2','struct',0,'','','')",
             "call methodViewNewMethod(6,'CALL','1000','contract_method',0,'',0,'','')",
             "call methodViewEditMethod(6,'contract_method','SIGNAL','1001','contract_method2',1,'Waypoint',0,'','')",
             "call interfaceViewNewInterface('6','method','contract_if','')",
             "call interfaceViewEditInterface('6','contract_if','contract_if2','')",
             "call interfaceViewNewMemberMethod(6,'contract_if2',6,'contract_method2','')",
             "call interfaceViewDeleteMemberMethod(6,'contract_if2',6,'contract_method2')",
             "call interfaceViewNewParentInterface(6,'contract_if2',6,'IHeartbeat')",
             "call interfaceViewDeleteInterface(6,'contract_if2')",
             "call methodViewDeleteMethod(6,'contract_method2')",
             "call xmldocumentViewimportDomain(500, 0, 'method', 'contract_doc', 12000, 1,'')",
             "call xmldocumentViewimportDomain(501, 0, 'data', 'contract_doc_data', 0, 1,'')",
             "call xmldocumentViewimportData(501,'d','struct','',0,'NULL','','','')",
             "call xmldocumentViewimportDatafield(501,'d','f',0,'int8_t','',0,'NULL','','','NO',0,'')",
             "call xmldocumentViewimportMethod(500,'m','CALL','10',501,'d',0,'','')",
             "call xmldocumentViewimportInterface(500,'i','')",
             "call xmldocumentViewimportInterfacemembermethod(500,'i','m','')"}) {
        SCOPED_TRACE(call);
        ExpectDone(db.Run(call));
    }
    auto item = DataOf(db.Run("call metadataViewMetadataList(1,'contract_item2', 'data')"));
    ASSERT_EQ(item.rows.size(), 1u);
    ExpectDone(db.Run("call metadataViewCopyData(" + Cell(item, 0, 0) + ", 4)"));
    ExpectDone(db.Run("call metadataViewDeleteMetadata(1,'contract_item2')"));
}

}  // namespace
