// The import when its connection to the server is lost (here: a statement that does not answer within the
// session's wait bound) says so in its own words, and a text too long for its field is refused without ending
// the session.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DocumentsDatabaseTest.h"
#include "SessionLogin.h"

namespace {

using documents_test::DocumentsDatabaseTest;

const int kMerge = class_xmldocumentdata::MODE_MERGE;
const int kReplace = class_xmldocumentdata::MODE_REPLACE;

// A method domain with one method and one interface of it.
std::string MethodDomainDocument(int id) {
    const std::string domain = std::to_string(id);
    return "<?xml version=\"1.0\"?><domainlist><methoddomain><row><path>method\\Lost\\</path><id>" + domain +
           "</id><upper_id>0</upper_id><name>Lost" + domain +
           "</name><public>1</public><standard_port>0</standard_port><description/></row><method><row><domain_id>" +
           domain +
           "</domain_id><name>Sent</name><type>EVENT</type><code>0x0001</code><in_domain_id>0</in_domain_id>"
           "<in_data/><out_domain_id>0</out_domain_id><out_data/><description/></row></method><interface><row>"
           "<domain_id>" +
           domain +
           "</domain_id><name>Waiting</name><description/><membermethod><row><method_name>Sent</method_name></row>"
           "</membermethod></row></interface></methoddomain><datadomain/></domainlist>";
}

// A data domain with a structure of two fields, the first with the given description.
std::string DataDomainDocument(int id, const std::string& description) {
    const std::string domain = std::to_string(id);
    const auto field = [&](const std::string& name, const std::string& text) {
        return "<row><domain_id>" + domain + "</domain_id><data_name>Item</data_name><member_name>" + name +
               "</member_name><type>int32_t</type><bitsize>0</bitsize><arraytype>NO</arraytype>"
               "<arraysize>0</arraysize><description>" +
               text + "</description></row>";
    };
    return "<?xml version=\"1.0\"?><domainlist><methoddomain/><datadomain><row><id>" + domain +
           "</id><upper_id>0</upper_id><name>LostData" + domain +
           "</name><public>1</public><description/></row><data><row><domain_id>" + domain +
           "</domain_id><name>Item</name><type>struct</type><description/></row><datafield>" +
           field("first", description) + field("second", "") + "</datafield></data></datadomain></domainlist>";
}

class ImportLostConnectionTest : public DocumentsDatabaseTest {
protected:
    ImportLostConnectionTest() : DocumentsDatabaseTest("documents_lost") {}

    void TearDown() override {
        db->SetWaitBound(tamo::database::WAIT_BOUND_SECONDS);
        DocumentsDatabaseTest::TearDown();
    }

    // The interface statement keeps the import waiting past the session's wait bound.
    void MakeInterfacesWaitPastTheBound() {
        AdminRows("CREATE OR REPLACE PROCEDURE xmldocumentViewimportInterface(p_domain_id INT, b_name LONGBLOB, "
                  "b_description LONGBLOB) SELECT SLEEP(4) AS test");
        tamo::testing::TestDatabase::GrantExecute(m_server.database, "xmldocumentViewimportInterface");
        db->Close();
        db = CMysqlQuery::GetInstance();
        db->SetWaitBound(2);
        ASSERT_EQ(db->Connect(tamo::testing::LoginFor(m_server, "admin", "admin")), "");
    }

    // The session goes on after the import without a word.
    void ExpectTheSessionWorks() {
        std::vector<account_row> rows;
        EXPECT_EQ(db->SelectAccountRows("call acountViewUserinfo()", rows), 0) << db->GetLastErrorText();
    }
};

TEST_F(ImportLostConnectionTest, ALostConnectionStopsTheImportWhichSaysSoInItsOwnWords) {
    MakeInterfacesWaitPastTheBound();
    ClearBoxes();
    EXPECT_EQ(Import(MethodDomainDocument(960), kMerge), -1);
    EXPECT_EQ(Boxes(), std::vector<std::string>{
                           "서버와의 연결이 끊어져 가져오기를 멈췄습니다. 그때까지 데이타베이스에 쓴 것: 메소드 도메인 1, "
                           "데이타 도메인 0, 데이타 0, 필드 0, 메소드 1, 인터페이스 0. 연결이 끊어질 때 보내던 인터페이스 한 "
                           "줄은 쓰였는지 알 수 없습니다."});
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM method WHERE domain_id = 960 AND name = 'Sent'"), "1");
    ExpectTheSessionWorks();

    const std::string before = DesignSnapshot();
    ClearBoxes();
    EXPECT_EQ(Import(MethodDomainDocument(961), kReplace), -1);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"서버와의 연결이 끊어져 가져오기를 멈췄습니다. 서버가 모든 변경을 "
                                                "되돌렸습니다. 데이타베이스는 바뀌지 않았습니다."});
    EXPECT_EQ(DesignSnapshot(), before);
    ExpectTheSessionWorks();
    EXPECT_EQ(Boxes().size(), 1u);
}

// A description over the server's packet limit would end the session: the client refuses its row, naming the
// field, and the import goes on as for any refused row.
TEST_F(ImportLostConnectionTest, ATextOverThePacketLimitIsRefusedAsARowAndTheSessionGoesOn) {
    const std::string refusal =
        "입력한 값이 너무 깁니다: description 항목은 65535바이트까지 쓸 수 있는데 17825792바이트입니다.";
    const std::string huge(17 << 20, 'd');
    ClearBoxes();
    EXPECT_EQ(Import(DataDomainDocument(962, huge), kMerge), -1);
    EXPECT_EQ(Boxes(), std::vector<std::string>{refusal});
    EXPECT_EQ(AdminValue("SELECT GROUP_CONCAT(f.member_name) FROM data_field f JOIN data_item i ON i.id = f.data_id "
                         "WHERE i.domain_id = 962"),
              "second");

    const std::string before = DesignSnapshot();
    ClearBoxes();
    EXPECT_EQ(Import(DataDomainDocument(963, huge), kReplace), -1);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{
                           refusal, "가져오기를 멈추고 모든 변경을 되돌렸습니다. 데이타베이스는 바뀌지 않았습니다."}));
    EXPECT_EQ(DesignSnapshot(), before);
    ExpectTheSessionWorks();
}

}  // namespace
