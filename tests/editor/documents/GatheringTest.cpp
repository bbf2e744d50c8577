#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "DocumentsDatabaseTest.h"
#include "DomainListTestSupport.h"
#include "SessionLogin.h"

namespace {

using documents_test::DataItemKeys;
using documents_test::DocumentsDatabaseTest;
using Key = class_xmlexport_lists::DataItemKey;

const int kNavService = 6;

std::vector<int> DataDomainIds(const class_xmlexport_lists& lists) {
    std::vector<int> ids;
    for (const auto& [id, domains] : lists.data_domains) ids.push_back(id);
    return ids;
}

class GatheringTest : public DocumentsDatabaseTest {
protected:
    GatheringTest() : DocumentsDatabaseTest("documents") {}
};

TEST_F(GatheringTest, GathersAMethodDomainClosedOverAliasesAndAliasFields) {
    class_xmldocumentdata data;
    data.load_methoddomain(kNavService);
    const class_xmlexport_lists& lists = data.m_export;

    ASSERT_EQ(lists.method_domains.size(), 1u);
    EXPECT_EQ(lists.method_domains[0].name, "NavService");
    EXPECT_EQ(lists.method_domains[0].standard_port, 10000);
    EXPECT_EQ(lists.methods.size(), 10u);
    ASSERT_EQ(lists.interfaces.size(), 3u);
    EXPECT_EQ(lists.member_methods.size(), 3u);
    EXPECT_EQ(lists.member_methods.at("INavigation").size(), 4u);

    // Course is an alias of CourseOverGround, an alias of 기본형's 각도; 위치 reaches Latitude, Longitude,
    // Float64, 상태 and PosTime (and Seconds) through its alias fields.
    EXPECT_EQ(DataItemKeys(lists), (std::vector<Key>{{1, "Waypoint"},
                                                     {2, "Course"},
                                                     {2, "CourseOverGround"},
                                                     {2, "Latitude"},
                                                     {2, "Longitude"},
                                                     {2, "PosTime"},
                                                     {2, "위치"},
                                                     {3, "Float64"},
                                                     {3, "Seconds"},
                                                     {3, "각도"},
                                                     {3, "상태"}}));
    EXPECT_EQ(DataDomainIds(lists), (std::vector<int>{1, 2, 3}));
    for (const auto& [id, domains] : lists.data_domains) EXPECT_EQ(domains.size(), 1u) << id;

    // The fields of an item that an alias field refers to come before that field; the first use decides.
    std::vector<std::string> members;
    for (const auto& field : lists.fields) members.push_back(field.data_name + "." + field.member_name);
    EXPECT_EQ(members, (std::vector<std::string>{"Waypoint.이름", "Waypoint.번호", "Waypoint.radius", "위치.lat",
                                                 "위치.lon", "위치.고도", "위치.history", "위치.samples", "위치.flags",
                                                 "위치.quality", "위치.speed", "상태.정지", "상태.운항", "상태.정박",
                                                 "위치.status", "위치.time"}));

    // The method records keep the references as stored: an alias stays an alias.
    for (const auto& method : lists.methods) {
        if (method.name == "CourseChanged") {
            EXPECT_EQ(method.out_data, "Course");
        }
    }

    data.clear_export_lists();
    EXPECT_TRUE(lists.methods.empty() && lists.data_items.empty() && lists.fields.empty() &&
                lists.member_methods.empty() && lists.data_domains.empty() && lists.method_domains.empty());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(GatheringTest, AnUnknownDomainGathersNothingAndAnUnreadableOneIsShown) {
    class_xmldocumentdata data;
    data.load_methoddomain(4242);
    EXPECT_TRUE(data.m_export.method_domains.empty());
    EXPECT_TRUE(data.m_export.methods.empty());
    EXPECT_TRUE(Boxes().empty());

    // The private Control as the ordinary user, a guest there: its method's data lies in Secret, which the
    // user may not read.
    db->Close();
    db = CMysqlQuery::GetInstance();
    ASSERT_EQ(db->Connect(tamo::testing::LoginFor(m_server, "user", "user")), "");
    data.load_methoddomain(8);
    EXPECT_EQ(data.m_export.methods.size(), 1u);
    // The data domain's refusal names it; the refused data item is not tested.
    EXPECT_EQ(Boxes(), std::vector<std::string>{"참조하는 데이타 도메인 Secret(id 5)을(를) 읽을 수 없습니다: 비공개 "
                                                "도메인입니다. 도메인에 가입한 사용자만 볼 수 있습니다."});
    ASSERT_EQ(data.m_export.data_items.count({5, "Key"}), 1u);
    EXPECT_TRUE(data.m_export.data_items.at({5, "Key"}).empty());
    EXPECT_TRUE(data.m_export.data_domains.at(5).empty());
}

TEST_F(GatheringTest, TheExportWritesTheGatheredDomain) {
    const std::string text = Export(kNavService, "NavService\\");
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\"?>\n<?xml-stylesheet type=\"text/xsl\" href=\"domainlist.xsl\"?>\n", 0),
              0u);
    EXPECT_NE(text.find("<path>method\\NavService\\</path>"), std::string::npos);
    EXPECT_NE(text.find("<code>0x1001</code>"), std::string::npos);  // CourseChanged, stored as 4097
    EXPECT_NE(text.find("<description>the navigator's heartbeat</description>"), std::string::npos);
    EXPECT_NE(text.find("<real_data>NULL</real_data>"), std::string::npos);
    EXPECT_EQ(text.find("<standard_port>0</standard_port>"), std::string::npos);  // data domains have none
}

// A database of its own in which 각도 is made an alias of Course, closing the chain Course → CourseOverGround →
// 각도 → Course (the procedures refuse such loops; the administrator does not).
class AliasCycleTest : public DocumentsDatabaseTest {
protected:
    AliasCycleTest() : DocumentsDatabaseTest("documents_cycle") {}
};

TEST_F(AliasCycleTest, ACycleOfAliasesEndsAfterOnePass) {
    AdminRows("UPDATE data_item SET type = 'alias', real_domain_id = 2, real_data_name = 'Course' "
              "WHERE domain_id = 3 AND name = '각도'");
    ASSERT_EQ(AdminValue("SELECT type FROM data_item WHERE domain_id = 3 AND name = '각도'"), "alias");

    class_xmldocumentdata data;
    data.load_methoddomain(kNavService);
    const auto& items = data.m_export.data_items;
    for (const Key& key : std::vector<Key>{{2, "Course"}, {2, "CourseOverGround"}, {3, "각도"}}) {
        ASSERT_EQ(items.count(key), 1u) << key.second;
        EXPECT_EQ(items.at(key).size(), 1u) << key.second;
    }
    data.clear_export_lists();
    const std::string text = Export(kNavService);
    EXPECT_NE(text.find("<name>CourseOverGround</name>"), std::string::npos);
}

}  // namespace
