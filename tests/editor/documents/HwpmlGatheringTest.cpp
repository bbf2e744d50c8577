// What the HWPML documents read of the sample design: the method domain NavService and the interfaces of the
// component 조타 제어기, also with an alias cycle and with same-named interfaces of two method domains.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "DocumentsDatabaseTest.h"
#include "DomainListTestSupport.h"
#include "SessionLogin.h"
#include "class_hmldocumentdata.h"
#include "class_sdd_document_data.h"

namespace {

using documents_test::DataItemKeys;
using documents_test::DocumentsDatabaseTest;
using documents_test::ReadFile;
using documents_test::WellFormed;
using Key = class_xmlexport_lists::DataItemKey;

const int kNavService = 6;

std::vector<std::string> MethodNames(const std::vector<class_method_info>& methods) {
    std::vector<std::string> names;
    for (const auto& method : methods) names.push_back(method.name);
    return names;
}

class HwpmlGatheringTest : public DocumentsDatabaseTest {
protected:
    HwpmlGatheringTest() : DocumentsDatabaseTest("documents") {}
    explicit HwpmlGatheringTest(std::string database) : DocumentsDatabaseTest(std::move(database)) {}

    // The saved document of the method domain, without the whitespace between elements ("" when not written).
    std::string MethodDomainDocument(int id) {
        class_hmldocumentdata data;
        data.m_strOutputPath = FilePath("domain.hml");
        data.gather_method_domain(id);
        const int result = data.build_document();
        data.clear();
        EXPECT_EQ(result, 0);
        EXPECT_TRUE(WellFormed(data.m_strOutputPath));
        return result == 0 ? documents_test::WithoutSpaceBetweenElements(ReadFile(data.m_strOutputPath)) : "";
    }

    int HelmId() { return std::stoi(AdminValue("SELECT id FROM component WHERE name = '조타 제어기'")); }
};

// The private Control as the ordinary user, a guest there: the data of its method lies in Secret, which the user
// may not read; the box names Secret.
TEST_F(HwpmlGatheringTest, DataOfADomainTheAccountMayNotReadIsShownByItsDomain) {
    db->Close();
    db = CMysqlQuery::GetInstance();
    ASSERT_EQ(db->Connect(tamo::testing::LoginFor(m_server, "user", "user")), "");
    class_hmldocumentdata data;
    data.gather_method_domain(8);
    EXPECT_EQ(data.m_lists.methods.size(), 1u);
    const std::vector<std::string> boxes = Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.front(), "참조하는 데이타 도메인 Secret(id 5)을(를) 읽을 수 없습니다: 비공개 도메인입니다. 도메인에 "
                             "가입한 사용자만 볼 수 있습니다.");
}

TEST_F(HwpmlGatheringTest, TheMethodDomainIsReadWithTheDataItsMethodsCarryAlongTheirAliases) {
    class_hmldocumentdata data;
    data.gather_method_domain(kNavService);
    const class_xmlexport_lists& lists = data.m_lists;
    EXPECT_EQ(lists.methods.size(), 10u);
    // Course → CourseOverGround → 각도 and PosTime → Seconds; the targets of alias fields are not printed, so
    // they are not read, nor the domain records, the interfaces and their members.
    EXPECT_EQ(DataItemKeys(lists), (std::vector<Key>{{1, "Waypoint"},
                                                     {2, "Course"},
                                                     {2, "CourseOverGround"},
                                                     {2, "PosTime"},
                                                     {2, "위치"},
                                                     {3, "Seconds"},
                                                     {3, "각도"}}));
    EXPECT_TRUE(lists.method_domains.empty() && lists.interfaces.empty() && lists.member_methods.empty() &&
                lists.data_domains.empty());
    data.clear();
    EXPECT_TRUE(data.m_lists.methods.empty() && data.m_lists.data_items.empty() && data.m_lists.fields.empty());

    const std::string text = MethodDomainDocument(kNavService);
    // GetPosition: the input's fields, then the output's.
    const std::size_t getPosition = text.find("<CHAR>1) GetPosition</CHAR>");
    ASSERT_NE(getPosition, std::string::npos);
    const std::size_t table = text.find("<TABLE ", getPosition);
    EXPECT_NE(text.find("RowCount=\"14\"", table), std::string::npos);
    EXPECT_LT(text.find("<CHAR>이름</CHAR>", table), text.find("<CHAR>lat</CHAR>", table));
    // CourseChanged declares Pos::Course as it is stored; 각도 at the end of its chain has no fields.
    EXPECT_NE(text.find("<CHAR>     . 출력 : Pos::Course</CHAR></TEXT></P><P><TEXT/></P><P/>"),
              std::string::npos);
    EXPECT_NE(text.find("<CHAR>- code : 0x1001</CHAR>"), std::string::npos);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(HwpmlGatheringTest, TheComponentsProxyAndStubInterfacesAreReadOnceEach) {
    class_sdd_document_data data;
    data.gather_interfaces(HelmId());
    ASSERT_EQ(data.m_memberMethods.size(), 2u);
    auto at = data.m_memberMethods.begin();
    EXPECT_EQ(at->first, (class_sdd_document_data::InterfaceKey{"IHeartbeat", 6}));
    EXPECT_EQ(MethodNames(at->second), (std::vector<std::string>{"Heartbeat", "Ping"}));
    ++at;
    EXPECT_EQ(at->first, (class_sdd_document_data::InterfaceKey{"I위치", 7}));
    EXPECT_EQ(MethodNames(at->second), (std::vector<std::string>{"위치조회", "각도변경"}));
    EXPECT_EQ(at->second[0].code, "0x0100");
    EXPECT_TRUE(Boxes().empty());

    class_sdd_document_data unknown;
    unknown.gather_interfaces(424242);
    EXPECT_TRUE(unknown.m_memberMethods.empty());
}

// A database of its own: 각도 is made an alias of Course (Course → CourseOverGround → 각도 → Course), and
// 조타 제어기 also uses an IHeartbeat of 위치서비스.
class HwpmlChangedDesignTest : public HwpmlGatheringTest {
protected:
    HwpmlChangedDesignTest() : HwpmlGatheringTest("documents_hwpml") {}
};

TEST_F(HwpmlChangedDesignTest, AnAliasCycleEndsAndTheFieldsComeFromTheLastItemBeforeIt) {
    AdminRows("UPDATE data_item SET type = 'alias', real_domain_id = 2, real_data_name = 'Course' "
              "WHERE domain_id = 3 AND name = '각도'");
    const std::string text = MethodDomainDocument(kNavService);
    EXPECT_NE(text.find("<CHAR>     . 출력 : Pos::Course</CHAR>"), std::string::npos);
    EXPECT_NE(text.find("<CHAR>10) CourseChanged</CHAR>"), std::string::npos);
}

TEST_F(HwpmlChangedDesignTest, SameNamedInterfacesOfTwoMethodDomainsAreBothListed) {
    const int helm = HelmId();
    if (AdminValue("SELECT COUNT(*) FROM method_interface WHERE domain_id = 7 AND name = 'IHeartbeat'") == "0") {
        ASSERT_EQ(db->ExecuteProc("call interfaceViewNewInterface('7','method','IHeartbeat','')"), 0)
            << db->GetLastErrorText();
        ASSERT_EQ(db->ExecuteProc("call interfaceViewNewMemberMethod(7,'IHeartbeat',7,'각도변경','')"), 0)
            << db->GetLastErrorText();
    }
    // The component's parent system is locked, so the class goes in as the administrator puts it.
    AdminRows("INSERT IGNORE INTO component_class (component_id, kind, method_domain_id, interface_name, class_name) "
              "VALUES (" + std::to_string(helm) + ", 'proxy', 7, 'IHeartbeat', 'class_Heartbeat7')");

    class_sdd_document_data data;
    data.gather_interfaces(helm);
    std::vector<class_sdd_document_data::InterfaceKey> keys;
    for (const auto& [key, methods] : data.m_memberMethods) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<class_sdd_document_data::InterfaceKey>{
                        {"IHeartbeat", 6}, {"IHeartbeat", 7}, {"I위치", 7}}));
    EXPECT_EQ(MethodNames(data.m_memberMethods.at({"IHeartbeat", 7})), std::vector<std::string>{"각도변경"});
    data.m_nOutputKind = SDD_SUMMARY;
    data.m_strOutputPath = FilePath("sdd.hml");
    EXPECT_EQ(data.build_document(), 0);
    EXPECT_NE(ReadFile(data.m_strOutputPath).find("RowCount=\"6\""), std::string::npos);
    EXPECT_TRUE(Boxes().empty());
}

// A database of its own: 위치 표시기 of Ship also has a proxy class of an interface in a private method domain that
// the ordinary user may not read; the user reads the component (a member of Ship) and is told which domain it
// may not read.
class SddPrivateInterfaceTest : public HwpmlGatheringTest {
protected:
    SddPrivateInterfaceTest() : HwpmlGatheringTest("documents_sdd_private") {}
};

TEST_F(SddPrivateInterfaceTest, AnInterfaceOfADomainTheAccountMayNotReadIsShownByItsDomain) {
    if (AdminValue("SELECT COUNT(*) FROM domain WHERE name = 'HiddenService'") == "0") {
        AdminRows("INSERT INTO domain (kind, upper_id, name, user_id, public, standard_port, description) "
                  "VALUES ('method', 0, 'HiddenService', 'admin', 0, 20000, '')");
        AdminRows("INSERT INTO method_interface (domain_id, name, user_id, description) "
                  "SELECT id, 'IHidden', 'admin', '' FROM domain WHERE name = 'HiddenService'");
        AdminRows("INSERT INTO component_class (component_id, kind, method_domain_id, interface_name, class_name) "
                  "SELECT c.id, 'proxy', d.id, 'IHidden', 'class_Hidden' FROM component c "
                  "JOIN domain d ON d.name = 'HiddenService' WHERE c.name = '위치 표시기'");
    }
    const std::string hidden = AdminValue("SELECT id FROM domain WHERE name = 'HiddenService'");
    db->Close();
    db = CMysqlQuery::GetInstance();
    ASSERT_EQ(db->Connect(tamo::testing::LoginFor(m_server, "user", "user")), "");
    class_sdd_document_data data;
    data.gather_interfaces(std::stoi(AdminValue("SELECT id FROM component WHERE name = '위치 표시기'")));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"참조하는 메서드 도메인 HiddenService(id " + hidden +
                                                ")을(를) 읽을 수 없습니다: 비공개 도메인입니다. 도메인에 가입한 "
                                                "사용자만 볼 수 있습니다."});
}

}  // namespace
