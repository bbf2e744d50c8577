// What the data, method and interface procedures answer and keep: orders, NULL rules, qualifiers, renames that
// carry their references along, copies, and the merge of a document.
#include <gtest/gtest.h>

#include <algorithm>

#include "DataCalls.h"

using namespace tamo::testing;
using namespace tamo::testing::data;

namespace {

ConnectionValues Sample() { return TestDatabase::Prepare("data_behaviour", true); }

class Design : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db_.connected()) << db_.connectError();
        ASSERT_TRUE(db_.Login("admin", "admin"));
    }
    ResultSet Read(const std::string& call) { return DataOf(db_.Run(call)); }
    void Change(const std::string& call) {
        SCOPED_TRACE(call);
        ExpectDone(db_.Run(call));
    }
    std::string DataId(int domain, const std::string& name) {
        auto item = Read("call metadataViewMetadataList(" + std::to_string(domain) + ",'" + db_.Escape(name) +
                         "', 'data')");
        return item.rows.size() == 1 ? Cell(item, 0, 0) : "0";
    }
    TestConnection db_{Sample()};
};

size_t IndexOf(const std::vector<std::string>& names, const std::string& name) {
    return static_cast<size_t>(std::find(names.begin(), names.end(), name) - names.begin());
}

TEST_F(Design, DataComeAfterTheDataOfTheirDomainThatTheyUse) {
    // Course was made an alias of CourseOverGround, which was created after it.
    auto names = Column(Read("call metadataViewMetadataList(2,'%%', 'data')"), 2);
    ASSERT_EQ(names.size(), 7u);
    EXPECT_LT(IndexOf(names, "CourseOverGround"), IndexOf(names, "Course"));
    EXPECT_LT(IndexOf(names, "Latitude"), IndexOf(names, "SafeLatitude"));
    for (const char* used : {"Latitude", "Longitude", "PosTime"}) EXPECT_LT(IndexOf(names, used), IndexOf(names, "위치"));

    auto byType = Column(Read("call metadataViewMetadataListByTypeSort(3,'%%', 'data')"), 4);
    ASSERT_EQ(byType.size(), 33u);
    EXPECT_EQ(byType.front(), "enum8_t");
    EXPECT_EQ(byType.back(), "packed_server_addr_t");
}

TEST_F(Design, TheFirstItemIsTheFirstRowOfTheWholeList) {
    // In domain 610 the item made first uses the second, so the whole list starts with the second; 999 does not
    // exist.
    Change("call xmldocumentViewimportDomain(610, 0, 'data', 'beh_first_item', 0, 1,'')");
    Change("call xmldocumentViewimportData(610,'made_first','alias','',610,'made_second','','','')");
    Change("call xmldocumentViewimportData(610,'made_second','struct','',0,'NULL','','','')");
    for (int domain : {1, 2, 3, 5, 610, 999}) {
        SCOPED_TRACE(domain);
        auto whole = Read("call metadataViewMetadataList(" + std::to_string(domain) + ",'%%', 'data')");
        auto first = Read("call metadataViewFirstMetadata(" + std::to_string(domain) + ")");
        ASSERT_EQ(first.rows.size(), std::min<size_t>(whole.rows.size(), 1));
        if (!whole.rows.empty()) {
            EXPECT_EQ(first.rows[0], whole.rows[0]);
        }
    }
    EXPECT_EQ(Cell(Read("call metadataViewFirstMetadata(610)"), 0, 2), "made_second");
}

TEST_F(Design, MissingReferencesAreNullAndMemberTextsEmpty) {
    auto ping = Read("call methodViewMethodList(6,'method','ALL','%','Ping')");
    ASSERT_EQ(ping.rows.size(), 1u);
    for (size_t column : {3, 4, 5, 6, 10, 11}) EXPECT_EQ(Cell(ping, 0, column), "NULL") << column;
    auto get = Read("call methodViewMethodList(6,'method','ALL','%','GetPosition')");
    ASSERT_EQ(get.rows.size(), 1u);
    EXPECT_EQ((std::vector<std::string>{Cell(get, 0, 1), Cell(get, 0, 3), Cell(get, 0, 4), Cell(get, 0, 10),
                                        Cell(get, 0, 5), Cell(get, 0, 6), Cell(get, 0, 11)}),
              (std::vector<std::string>{"1", "1", "Waypoint", "Nav", "2", "위치", "Pos"}));

    auto members = Read("call interfaceViewMemberMethodList(6,'method','IHeartbeat')");
    ASSERT_EQ(Column(members, 1), (std::vector<std::string>{"Heartbeat", "Ping"}));
    EXPECT_EQ(Cell(members, 1, 4), "NULL");
    EXPECT_EQ(Cell(members, 1, 7), "NULL");
    for (size_t column : {5, 6, 8, 9}) EXPECT_EQ(Cell(members, 1, column), "") << column;

    auto position = Read("call metadataViewMetadataList(2,'위치', 'data')");
    for (size_t column : {5, 6, 10, 11}) EXPECT_EQ(Cell(position, 0, column), "NULL") << column;
    auto latitude = Read("call metadataViewMetadataList(2,'Latitude', 'data')");
    EXPECT_EQ(Cell(latitude, 0, 5), "3");
    EXPECT_EQ(Cell(latitude, 0, 6), "각도");
    EXPECT_EQ(Cell(latitude, 0, 10), "기본형");
    EXPECT_EQ(Cell(latitude, 0, 11), DataId(3, "각도"));
}

TEST_F(Design, FieldsAndConstantsComeInMemberOrder) {
    auto fields = Read("call metadataViewMetafieldList(2,'위치','data')");
    EXPECT_EQ(Column(fields, 2), (std::vector<std::string>{"lat", "lon", "고도", "history", "samples", "flags",
                                                           "quality", "speed", "status", "time"}));
    EXPECT_EQ((std::vector<std::string>{Cell(fields, 0, 3), Cell(fields, 0, 4), Cell(fields, 0, 5)}),
              (std::vector<std::string>{"2", "Pos", "Latitude"}));
    for (size_t column : {3, 4, 5}) EXPECT_EQ(Cell(fields, 2, column), "NULL") << column;
    EXPECT_EQ((std::vector<std::string>{Cell(fields, 3, 11), Cell(fields, 3, 12)}),
              (std::vector<std::string>{"FIX", "8"}));
    EXPECT_EQ(Cell(fields, 4, 11), "VARIABLE");
    EXPECT_EQ(Cell(fields, 5, 8), "4");

    // The sample moved NONE below FIRE.
    auto constants = Read("call metadataViewMetafieldList(3,'Alarm32','data')");
    EXPECT_EQ(Column(constants, 2), (std::vector<std::string>{"FIRE", "NONE", "FLOOD"}));
    EXPECT_EQ(Column(constants, 9), (std::vector<std::string>{"65536", "0", "131072"}));

    Change("call metadataViewNewMetadata(1,'beh_fields','struct',0,'','','')");
    for (const char* name : {"a", "b", "c"}) {
        Change(std::string("call metadataViewNewMetafield(1,'beh_fields','") + name +
               "',0,'int8_t',0,'','','','NO',0,'')");
    }
    Change("call metadataViewEditMetafield(1,'beh_fields','b','b2', 0,'int32_t',0,'','','','NO',0,'')");
    Change("call metadataViewEditMetafieldSeq(1,'data','beh_fields','c','a')");
    EXPECT_EQ(Column(Read("call metadataViewMetafieldList(1,'beh_fields','data')"), 2),
              (std::vector<std::string>{"c", "b2", "a"}));
}

TEST_F(Design, MembersAndParentsCarryTheQualifierOfTheirDomain) {
    auto members = Read("call interfaceViewMemberMethodList(6,'method','INavigation')");
    EXPECT_EQ(Column(members, 1),
              (std::vector<std::string>{"GetPosition", "PositionChanged", "NavInfo", "CourseChanged"}));
    EXPECT_EQ(Column(members, 0), std::vector<std::string>(4, "::Tamo::Method::NavService"));
    EXPECT_EQ(Cell(members, 3, 3), "4097");
    EXPECT_EQ(Column(Read("call interfaceViewMemberMethodList(7,'method','I위치')"), 0),
              std::vector<std::string>(2, "::Tamo::Method::NavService::위치서비스"));

    auto parents = Read("call interfaceViewParentInterfaceList(7,'method','I위치')");
    ASSERT_EQ(parents.rows.size(), 1u);
    EXPECT_EQ(parents.rows[0], (std::vector<std::optional<std::string>>{"::Tamo::Method::NavService", "INavigation", "6"}));
    // Other tests add methods to NavService: look only at the sample's methods.
    auto candidates = Column(Read("call interfaceViewNewMemberMethodRealmethodList(6,6,'IHeartbeat')"), 1);
    for (const char* member : {"Heartbeat", "Ping"}) EXPECT_EQ(IndexOf(candidates, member), candidates.size());
    ASSERT_GE(candidates.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(candidates.begin(), candidates.begin() + 8),
              (std::vector<std::string>{"AckWaypoint", "CourseChanged", "GetPosition", "NavInfo",
                                        "PositionCallback", "PositionChanged", "ResetNav", "SetWaypoint"}));
}

TEST_F(Design, RenamesCarryTheirReferencesAlong) {
    Change("call metadataViewNewMetadata(1,'beh_target','int8_t',0,'','','')");
    Change("call metadataViewNewMetadata(1,'beh_alias','alias'," + DataId(1, "beh_target") + ",'','','')");
    Change("call metadataViewNewMetadata(1,'beh_struct','struct',0,'','','')");
    Change("call metadataViewNewMetafield(1,'beh_struct','f',0,'alias',1,'beh_target','','','NO',0,'')");
    Change("call methodViewNewMethod(6,'SIGNAL','900','beh_method',1,'beh_target',0,'','')");
    Change("call interfaceViewNewInterface('6','method','beh_if','')");
    Change("call interfaceViewNewMemberMethod(6,'beh_if',6,'beh_method','')");

    Change("call metadataViewEditMetadata(1,'beh_target','beh_renamed','int8_t',0,'','','')");
    EXPECT_EQ(Cell(Read("call metadataViewMetadataList(1,'beh_alias', 'data')"), 0, 6), "beh_renamed");
    EXPECT_EQ(Cell(Read("call metadataViewMetafieldList(1,'beh_struct','data')"), 0, 5), "beh_renamed");
    EXPECT_EQ(Cell(Read("call methodViewMethodList(6,'method','ALL','%','beh_method')"), 0, 4), "beh_renamed");

    Change("call methodViewEditMethod(6,'beh_method','SIGNAL','901','beh_method2',1,'beh_renamed',0,'','')");
    Change("call interfaceViewEditInterface('6','beh_if','beh_if2','')");
    EXPECT_EQ(Column(Read("call interfaceViewMemberMethodList(6,'method','beh_if2')"), 1),
              std::vector<std::string>{"beh_method2"});

    // Deleting the interface takes its member links with it; the method stays.
    Change("call interfaceViewDeleteInterface(6,'beh_if2')");
    EXPECT_EQ(Read("call interfaceViewMemberMethodList(6,'method','beh_if2')").rows.size(), 0u);
    EXPECT_EQ(Read("call methodViewMethodList(6,'method','ALL','%','beh_method2')").rows.size(), 1u);
}

TEST_F(Design, ACopyTakesTheFieldsInTheirOrder) {
    Change("call metadataViewCopyData(" + DataId(2, "위치") + ", 1)");
    auto original = Read("call metadataViewMetafieldList(2,'위치','data')");
    auto copy = Read("call metadataViewMetafieldList(1,'위치','data')");
    ASSERT_EQ(copy.rows.size(), original.rows.size());
    for (size_t row = 0; row < copy.rows.size(); ++row) {
        for (size_t column = 2; column < 13; ++column) EXPECT_EQ(Cell(copy, row, column), Cell(original, row, column));
    }
}

TEST_F(Design, TheCodeCheckNamesTheOtherMethodsOfTheCode) {
    EXPECT_EQ(Column(Read("call check_method_code(6, 4097,'EVENT' , '')"), 0),
              std::vector<std::string>{"CourseChanged (EVENT, 0x1001)"});
    EXPECT_EQ(Read("call check_method_code(6, 4097,'EVENT' , 'CourseChanged')").rows.size(), 0u);
    EXPECT_EQ(Read("call check_method_code(6, 4098,'EVENT' , '')").rows.size(), 0u);
}

TEST_F(Design, RealDomainsAreTheDomainAndItsParentsOrTheUsedDataDomains) {
    EXPECT_EQ(Column(Read("call metadataViewNewMetadataRealdomainList(4)"), 3),
              (std::vector<std::string>{"센서", "Pos"}));
    EXPECT_EQ(Column(Read("call methodViewNewMethodRealdomainList(7)"), 3),
              (std::vector<std::string>{"Pos", "기본형"}));
    // user is a guest of Control but not admitted to the private Secret that Control uses.
    ASSERT_TRUE(db_.Login("user", "user"));
    EXPECT_EQ(Read("call methodViewMethodList(8,'method','ALL','%','%')").rows.size(), 1u);
    EXPECT_EQ(Read("call methodViewNewMethodRealdomainList(8)").rows.size(), 0u);
}

TEST_F(Design, MembersChangeWhatTheirGradeAllows) {
    ASSERT_TRUE(db_.Login("user", "user"));
    Change("call metadataViewNewMetadata(1,'beh_by_user','int8_t',0,'','','')");
    Change("call methodViewNewMethod(6,'SIGNAL','910','beh_by_user',1,'beh_by_user',0,'','')");
    EXPECT_EQ(Cell(Read("call methodViewMethodList(6,'method','ALL','%','beh_by_user')"), 0, 7), "user");
}

TEST_F(Design, ADocumentMergesByItsKeys) {
    Change("call xmldocumentViewimportDomain(600, 6, 'method', 'beh_doc', 12345, 1,'문서')");
    Change("call xmldocumentViewimportDomain(600, 0, 'method', 'beh_doc2', 12346, 0,'문서 2')");
    auto domain = Read("call domainMethodInfo(600,'method')");
    ASSERT_EQ(domain.rows.size(), 1u);
    EXPECT_EQ((std::vector<std::string>{Cell(domain, 0, 1), Cell(domain, 0, 2), Cell(domain, 0, 4),
                                        Cell(domain, 0, 5)}),
              (std::vector<std::string>{"6", "beh_doc2", "0", "12346"}));
    // A parent that the database does not hold: the domain goes to the top level.
    Change("call xmldocumentViewimportDomain(601, 999, 'data', 'beh_doc_data', 0, 1,'')");
    EXPECT_EQ(Cell(Read("call domainDataInfo(601,'data')"), 0, 1), "0");

    // An alias may name data that the document brings later.
    Change("call xmldocumentViewimportData(601,'first','alias','',601,'second','','','')");
    Change("call xmldocumentViewimportData(601,'second','struct','',0,'NULL','','','둘째')");
    Change("call xmldocumentViewimportData(601,'second','struct','',0,'NULL','','','둘째 수정')");
    auto data = Read("call metadataViewMetadataList(601,'%%', 'data')");
    EXPECT_EQ(Column(data, 2), (std::vector<std::string>{"second", "first"}));
    EXPECT_EQ(Cell(data, 0, 9), "둘째 수정");
    EXPECT_EQ(Cell(data, 1, 11), Cell(data, 0, 0));

    Change("call xmldocumentViewimportDatafield(601,'second','x',0,'int8_t','',0,'NULL','','','NO',0,'')");
    Change("call xmldocumentViewimportDatafield(601,'second','y',0,'int8_t','',0,'NULL','','','NO',0,'')");
    Change("call xmldocumentViewimportDatafield(601,'second','x',3,'u_int8_t','',0,'NULL','','','FIX',2,'')");
    auto fields = Read("call metadataViewMetafieldList(601,'second','data')");
    EXPECT_EQ(Column(fields, 2), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(Cell(fields, 0, 7), "u_int8_t");

    Change("call xmldocumentViewimportMethod(600,'m','CALL','10',601,'second',0,'','')");
    Change("call xmldocumentViewimportMethod(600,'m','CALL','10',601,'second',601,'first','다시')");
    Change("call xmldocumentViewimportInterface(600,'i','')");
    Change("call xmldocumentViewimportInterfacemembermethod(600,'i','m','')");
    Change("call xmldocumentViewimportInterfacemembermethod(600,'i','m','')");
    auto methods = Read("call methodViewMethodList(600,'method','ALL','%','%')");
    ASSERT_EQ(methods.rows.size(), 1u);
    EXPECT_EQ(Cell(methods, 0, 6), "first");
    EXPECT_EQ(Column(Read("call interfaceViewMemberMethodList(600,'method','i')"), 1), std::vector<std::string>{"m"});
}

// A member's text is kept whole up to its column's 128 characters (of any width) and refused beyond, from the
// member dialog and from a document alike.
TEST_F(Design, AMemberTextIsKeptWholeOrRefused) {
    Change("call xmldocumentViewimportDomain(603, 0, 'method', 'beh_member_text', 12347, 1,'')");
    int code = 0;
    for (const char* method : {"wide", "lengthy", "longer", "doc"})
        Change(std::string("call xmldocumentViewimportMethod(603,'") + method + "','EVENT','" +
               std::to_string(++code) + "',0,'',0,'','')");
    Change("call xmldocumentViewimportInterface(603,'i','')");
    std::string wide;
    for (int i = 0; i < 128; ++i) wide += "가";
    Change("call interfaceViewNewMemberMethod(603, 'i', 603, 'wide', '" + wide + "')");
    for (const auto& [call, length] : std::vector<std::pair<std::string, std::size_t>>{
             {"call interfaceViewNewMemberMethod(603, 'i', 603, 'lengthy', '", 129},
             {"call interfaceViewNewMemberMethod(603, 'i', 603, 'longer', '", 300},
             {"call xmldocumentViewimportInterfacemembermethod(603, 'i', 'doc', '", 129}}) {
        SCOPED_TRACE(call);
        ExpectRefusal(db_.Run(call + std::string(length, 't') + "')"), "입력한 값이 너무 깁니다.");
    }
    EXPECT_EQ(TestDatabase::AdminQuery(Sample().database,
                                       "SELECT CONCAT(m.name, ':', x.member_text) FROM interface_member x "
                                       "JOIN method m ON m.id = x.method_id WHERE m.domain_id = 603"),
              "wide:" + wide + "\n");
}

TEST_F(Design, AnImportInsideATransactionCommitsNothingOfItsOwn) {
    ASSERT_TRUE(db_.Run("START TRANSACTION").ok);
    Change("call xmldocumentViewimportData(1,'beh_rolled_back','int8_t','',0,'NULL','','','')");
    Change("call metadataViewEditMetadata(1,'beh_rolled_back','beh_rolled_back2','int8_t',0,'','','')");
    ASSERT_TRUE(db_.Run("ROLLBACK").ok);
    EXPECT_EQ(DataId(1, "beh_rolled_back2"), "0");

    // A refusal inside the transaction takes back only its own change.
    ASSERT_TRUE(db_.Run("START TRANSACTION").ok);
    Change("call xmldocumentViewimportData(1,'beh_kept','int8_t','',0,'NULL','','','')");
    ExpectRefusal(db_.Run("call metadataViewEditMetadata(1,'beh_kept','Waypoint','int8_t',0,'','','')"),
                  "같은 이름의 데이타가 이미 있습니다.");
    ASSERT_TRUE(db_.Run("COMMIT").ok);
    EXPECT_NE(DataId(1, "beh_kept"), "0");
}

}  // namespace
