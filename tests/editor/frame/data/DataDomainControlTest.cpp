// The data tree's command object against the design database: what each operation sends, and that the
// records change only after the server accepted the change.

#include <regex>

#include "CDataFieldViewDlg.h"
#include "CSearchDomainDlg.h"
#include "CTreeDataDomainControl.h"
#include "DataDialogControls.h"
#include "DataTreeTestSupport.h"
#include "DialogTestControls.h"
#include "class_copy_data_dialog.h"

using tamo::platform::TestDriver;

namespace {

class DataDomainControlTest : public datatree_test::DataTreeTest {
protected:
    DataDomainControlTest() : DataTreeTest("datatree_control") {}

    void NewData(int domainId, const std::string& name, const std::string& type, const std::string& minimum = "",
                 const std::string& maximum = "") {
        Call(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", domainId, name, type, 0,
                            minimum, maximum, ""));
    }
    // The data item as the tree holds it.
    class_metadata_info Data(int domainId, const std::string& name) {
        std::vector<class_metadata_info> rows;
        EXPECT_EQ(db->SelectMetadataList(domainId, name.c_str(), rows), 0);
        return rows.empty() ? class_metadata_info() : rows.front();
    }
    std::vector<std::string> ParentLinks(int domainId) {
        return AdminRows("SELECT parent_id, seq FROM domain_parent WHERE flag = 0 AND domain_id = " +
                         std::to_string(domainId) + " ORDER BY seq");
    }

    CTreeDataDomainControl control;
};

HTREEITEM FindChild(CTreeCtrl& tree, HTREEITEM parent, const std::string& text) {
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
        if (tree.GetItemText(item).str() == text) return item;
    return nullptr;
}

TEST_F(DataDomainControlTest, DomainWithApostropheAndKoreanIsCreatedEditedAndDeleted) {
    const std::string name = UniqueName("_O_Brien_자료");
    class_domain_info root;  // the tree's root record: id 0
    root.name = "root";
    driver.OnDialog(319, [&](CDialog& d) {
        TestDriver::Type(d, 1007, name.c_str());
        TestDriver::Type(d, 1010, "첫 설명");
        TestDriver::Click(d, IDOK);
    });
    const int id = control.NewDomain(&root);
    ASSERT_GT(id, 0);
    EXPECT_EQ(AdminValue("SELECT name, upper_id, public, standard_port, description FROM domain WHERE id = " +
                         std::to_string(id)),
              name + "\t0\t0\t0\t첫 설명");

    std::vector<class_domain_info> rows;
    ASSERT_EQ(db->SelectDomainInfoList(db->FormatCall("call domainDataInfo(%d,'data')", id), "data", rows), 0);
    ASSERT_EQ(rows.size(), 1u);
    class_domain_info record = rows.front();

    // The server refuses a name that is no name of the generated code (an arrow is no letter): the record stays
    // as it was.
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(319, [&](CDialog& d) {
        TestDriver::Type(d, 1007, "a→b");
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(control.EditDomain(&record), -1);
    EXPECT_EQ(record.name, name);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text.str(), db->GetLastErrorText());

    const std::string renamed = name + "2";
    driver.OnDialog(319, [&](CDialog& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(1009), BST_UNCHECKED);
        TestDriver::Type(d, 1007, renamed.c_str());
        TestDriver::Click(d, 1009);
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(control.EditDomain(&record), 0);
    EXPECT_EQ(record.name, renamed);
    EXPECT_EQ(record.is_public, 1);
    EXPECT_EQ(record.description, "첫 설명");
    EXPECT_TRUE(std::regex_match(record.last_update, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)")));
    EXPECT_EQ(AdminValue("SELECT name, public FROM domain WHERE id = " + std::to_string(id)), renamed + "\t1");

    EXPECT_EQ(control.DeleteDomain(&record), 0);
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE id = " + std::to_string(id)), "0");
}

TEST_F(DataDomainControlTest, DataEditsReachTheRecordOnlyAfterSuccess) {
    // A domain name that begins with a number: the record's real domain must not be read out of it.
    // Such a name stands from before the server refused it as no name of the generated code.
    const std::string domainName = "7" + UniqueName();
    const int domain = NewDataDomain(UniqueName());
    AdminRows("UPDATE domain SET name = '" + domainName + "' WHERE id = " + std::to_string(domain));
    NewData(domain, "Taken", "int8_t");
    driver.OnDialog(320, [](CDialog& d) {
        TestDriver::Type(d, 1010, "Range");
        dialog_test::Choose(d, 1011, "scaled16_t");
        TestDriver::Click(d, IDOK);
    });
    CString created;
    ASSERT_EQ(control.NewMetadata(domain, created), 0);
    EXPECT_EQ(created, "Range");
    class_metadata_info range = Data(domain, "Range");
    EXPECT_EQ(range.scmin, "-100.0");

    driver.OnDialog(320, [](CDialog& d) {
        TestDriver::Type(d, 1015, "-2.5");
        TestDriver::Type(d, 1016, "2.5");
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(control.EditMetadata(&range), 0);
    EXPECT_EQ(range.scmin, "-2.5");
    EXPECT_EQ(range.scmax, "2.5");
    EXPECT_EQ(Data(domain, "Range").scmax, "2.5");

    // A name that exists: the server refuses, the record keeps its values.
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(320, [](CDialog& d) {
        TestDriver::Type(d, 1010, "Taken");
        TestDriver::Type(d, 1015, "-9");
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(control.EditMetadata(&range), -1);
    EXPECT_EQ(range.name, "Range");
    EXPECT_EQ(range.scmin, "-2.5");

    driver.OnDialog(320, [&](CDialog& d) {
        TestDriver::Type(d, 1010, "Range_별칭");
        dialog_test::Choose(d, 1011, "alias");
        dialog_test::Choose(d, 1013, domainName);
        dialog_test::Choose(d, 1014, "Taken");
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(control.EditMetadata(&range), 0);
    EXPECT_EQ(range.name, "Range_별칭");
    EXPECT_EQ(range.type, "alias");
    EXPECT_EQ(range.real_domain_id, domain);
    EXPECT_EQ(range.real_domain_name, domainName);
    EXPECT_EQ(range.real_data, "Taken");
    EXPECT_EQ(range.real_data_id, Data(domain, "Taken").id);
    EXPECT_EQ(Data(domain, "Range_별칭").real_data, "Taken");

    EXPECT_EQ(control.DeleteMetadata(&range), 0);
    EXPECT_EQ(Data(domain, "Range_별칭").id, 0);
}

// An edit that changes nothing keeps the real domain of an alias, also when another domain that the dialogs
// offer has the same name: the data dialog and the field dialog find it by its id.
TEST_F(DataDomainControlTest, AnUnchangedEditKeepsARealDomainThatSharesItsName) {
    const int first = NewDataDomain("Common", NewDataDomain(UniqueName("_가")));
    const int second = NewDataDomain("Common", NewDataDomain(UniqueName("_나")));
    const int domain = NewDataDomain(UniqueName("_다"));
    for (int parent : {first, second}) {
        NewData(parent, "X", "int8_t");
        Call(db->FormatCall("call domainViewNewParentDomain(%d,'data', %d, 0)", domain, parent));
    }
    Call(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", domain, "A", "alias",
                        Data(second, "X").id, "", "", ""));
    NewData(domain, "S", "struct");
    Call(db->FormatCall("call metadataViewNewMetafield(%d,'%s','%s',%d,'%s',%d,'%s','%s','%s','%s',%d,'%s')", domain,
                        "S", "f", 0, "alias", second, "X", "", "", "NO", 0, ""));
    const auto rows = [&] {
        return AdminRows("SELECT i.name, COALESCE(i.real_domain_id, 0), COALESCE(f.member_name, ''), "
                         "COALESCE(f.real_domain_id, 0) FROM data_item i LEFT JOIN data_field f ON f.data_id = i.id "
                         "WHERE i.domain_id = " + std::to_string(domain) + " ORDER BY i.name");
    };
    const std::vector<std::string> before = rows();
    ASSERT_EQ(before, (std::vector<std::string>{"A\t" + std::to_string(second) + "\t\t0",
                                                "S\t0\tf\t" + std::to_string(second)}));

    class_metadata_info alias = Data(domain, "A");
    driver.OnDialog(320, [&](CDialog& d) {
        EXPECT_EQ(static_cast<int>(GetComboSelectionData(dialog_test::Combo(d, 1013))), second);
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(control.EditMetadata(&alias), 0);
    EXPECT_EQ(alias.real_domain_id, second);

    CDataFieldViewDlg fields;
    fields.m_nDomainId = domain;
    fields.m_strStructName = "S";
    driver.OnDialog(328, [&](CDialog& d) {
        TestDriver::ClickListRow(dynamic_cast<CDataFieldViewDlg&>(d).m_listFields, 0);
        EXPECT_EQ(static_cast<int>(GetComboSelectionData(dialog_test::Combo(d, 1013))), second);
        TestDriver::Click(d, 1026);  // 수정
        TestDriver::Click(d, IDCANCEL);
    });
    fields.DoModal();
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

// Each failed copy is told and the next item goes on: a duplicate name as such, an item that another user
// deleted while the dialog listed it in the server's words.
TEST_F(DataDomainControlTest, CopyReportsEachFailureWithItsReasonAndGoesOn) {
    const std::string sourceName = UniqueName("_source");
    const int source = NewDataDomain(sourceName);
    const int target = NewDataDomain(UniqueName("_target"));
    for (const char* name : {"a", "b", "c", "d"}) NewData(source, name, "int8_t");
    NewData(target, "b", "int16_t");
    class_domain_info targetRecord;
    targetRecord.id = target;
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.OnDialog(415, [&](CDialog& d) {
        auto& copy = dynamic_cast<class_copy_data_dialog&>(d);
        dialog_test::Choose(d, 1184, sourceName);
        ASSERT_EQ(copy.m_listRows.GetItemCount(), 4);
        for (int row = 0; row < 4; ++row) TestDriver::ClickListRow(copy.m_listRows, row, row > 0);
        tamo::testing::TestConnection colleague(m_server);
        ASSERT_TRUE(colleague.Login("admin", "admin"));
        ASSERT_TRUE(colleague.Run("call metadataViewDeleteMetadata(" + std::to_string(source) + ",'c')").ok);
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(control.CopyMetadata(&targetRecord), 2);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "b \n 위 데이타명이 중복입니다. \n 체크해주세요 (현재 데이타만 복사 실패)",
                              "c \n 복사할 데이타가 없습니다. \n 체크해주세요 (현재 데이타만 복사 실패)"}));
    EXPECT_EQ(AdminRows("SELECT name, type FROM data_item WHERE domain_id = " + std::to_string(target) + " ORDER BY name"),
              (std::vector<std::string>{"a\tint8_t", "b\tint16_t", "d\tint8_t"}));

    driver.OnDialog(415, [](CDialog& d) { TestDriver::Click(d, IDCANCEL); });
    EXPECT_EQ(control.CopyMetadata(&targetRecord), -1);
}

TEST_F(DataDomainControlTest, ParentLinksChangeByTheDifferenceOnly) {
    const int child = NewDataDomain(UniqueName("_x"));
    const int first = NewDataDomain(UniqueName("_a"));
    const int looping = NewDataDomain(UniqueName("_b"));
    const int second = NewDataDomain(UniqueName("_c"));
    Call(db->FormatCall("call domainViewNewParentDomain(%d,'data', %d, 0)", child, first));
    Call(db->FormatCall("call domainViewNewParentDomain(%d,'data', %d, 0)", looping, child));
    const std::vector<std::string> before = ParentLinks(child);
    ASSERT_EQ(before.size(), 1u);

    auto tick = [&](const std::vector<std::string>& names) {
        return [this, names](CDialog& d) {
            CTreeCtrl& tree = dynamic_cast<CSearchDomainDlg&>(d).m_ctrlTree;
            for (const std::string& name : names) {
                HTREEITEM item = FindChild(tree, tree.GetRootItem(), UniqueName(name));
                ASSERT_TRUE(item) << name;
                tree.SetCheck(item, TRUE);
            }
            TestDriver::Click(d, IDOK);
        };
    };

    // Cancelling changes nothing and is no failure.
    driver.OnDialog(338, [](CDialog& d) { TestDriver::Click(d, IDCANCEL); });
    EXPECT_EQ(control.EditParentDomains(child), 0);
    EXPECT_EQ(ParentLinks(child), before);

    // The looping domain comes first in the tree and is refused: the existing link is still there and the
    // domain after it is not linked.
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(338, tick({"_b", "_c"}));
    EXPECT_EQ(control.EditParentDomains(child), -1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"부모 도메인 관계가 순환하게 되어 연결할 수 없습니다."});
    EXPECT_EQ(ParentLinks(child), before);

    // A link that stays is not made anew; ticking the domain itself makes no link.
    driver.OnDialog(338, tick({"_c", "_x"}));
    EXPECT_EQ(control.EditParentDomains(child), 0);
    const std::vector<std::string> after = ParentLinks(child);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1].substr(0, after[1].find('\t')), std::to_string(second));

    // Unticking removes the link.
    driver.OnDialog(338, [&](CDialog& d) {
        CTreeCtrl& tree = dynamic_cast<CSearchDomainDlg&>(d).m_ctrlTree;
        tree.SetCheck(FindChild(tree, tree.GetRootItem(), UniqueName("_a")), FALSE);
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(control.EditParentDomains(child), 0);
    EXPECT_EQ(ParentLinks(child), std::vector<std::string>{after[1]});
}

}  // namespace
