// The data pane while another engineer works on the same design through a session of their own: an edit dialog
// opens on the item as the server holds it, and after an edit or delete, done or refused, the item shows what the
// server holds, or leaves the tree when the server has it no more. An alias keeps its real data by id.

#include <algorithm>

#include "CDataDomainTreeView.h"
#include "DataTreeTestSupport.h"
#include "DialogTestControls.h"
#include "TreePaneTestSupport.h"

using namespace dialog_test;
using tamo::platform::TestDriver;

namespace {

const int IDC_DATA_NAME = 1010, IDC_DATA_TYPE = 1011, IDC_REAL_DOMAIN = 1013, IDC_REAL_DATA = 1014;
const int IDC_MINIMUM = 1015, IDC_DESCRIPTION = 1017;
const int IDC_DOMAIN_NAME = 1007, IDC_DOMAIN_DESCRIPTION = 1010;
const char* const kRemovedText = "서버에서 찾을 수 없는 항목이라 트리에서 지웁니다. 다른 사용자가 삭제했거나 이름을 바꾸었습니다.\n";

class DataTreeSharedDesignTest
    : public tree_test::TreePaneTest<datatree_test::DataTreeTest, CDataDomainTreeView> {
protected:
    DataTreeSharedDesignTest() : TreePaneTest("datatree_pane", "DataDomainView", 133) {}
    void SetUp() override {
        TreePaneTest::SetUp();
        // The messages are read from the driver's record; each is acknowledged.
        driver.SetDefaultMessageBoxAnswer(IDOK);
    }

    // A data domain of the test's own at the top level, opened in the tree.
    HTREEITEM OwnDomain(int& id) {
        id = NewDataDomain(UniqueName());
        pane.OnRefresh();
        HTREEITEM domain = Child(Root(), UniqueName());
        Select(domain);
        return domain;
    }
    void NewData(int domainId, const std::string& name, const std::string& type, int realDataId = 0,
                 const std::string& scmin = "", const std::string& scmax = "") {
        Call(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", domainId, name, type,
                            realDataId, scmin, scmax, "처음"));
    }
    int DataId(int domainId, const std::string& name) {
        return std::stoi(AdminValue("SELECT id FROM data_item WHERE domain_id = " + std::to_string(domainId) +
                                    " AND name = " + datatree_test::SqlText(name)));
    }
    // What the server holds of a data item, and what the item's record says of it, in the same form.
    std::string StoredData(int id) {
        return AdminValue("SELECT CONCAT_WS('|', name, type, scmin, scmax, description, IFNULL(real_data_name, '-')) "
                          "FROM data_item WHERE id = " + std::to_string(id));
    }
    static std::string RecordOf(const TreeNodeData* data) {
        const auto* record = static_cast<const class_metadata_info*>(data->record);
        const std::string realData = record->real_data.empty() || record->real_data == "NULL" ? "-" : record->real_data;
        return record->name + "|" + record->type + "|" + record->scmin + "|" + record->scmax + "|" +
               record->description + "|" + realData;
    }
};

// The colleague renamed the item and changed its limits and description after the level was read: the dialog
// shows what the colleague left, and the user's change of the description alone keeps all of it. An alias whose
// real data the colleague renames while the dialog is open is stored with its real data, by id.
TEST_F(DataTreeSharedDesignTest, AnEditStartsFromTheStoredItemAndTheTreeShowsWhatTheServerHolds) {
    int domainId = 0;
    HTREEITEM domain = OwnDomain(domainId);
    NewData(domainId, "count", "u_scaled16_t", 0, "0.0", "100.0");
    const int countId = DataId(domainId, "count");
    NewData(domainId, "ref", "alias", countId);
    const int refId = DataId(domainId, "ref");
    pane.OnRefresh();
    domain = Child(Root(), UniqueName());
    Select(domain);
    HTREEITEM count = Child(domain, "count");
    HTREEITEM ref = Child(domain, "ref");
    ASSERT_TRUE(count && ref);

    Colleague(db->FormatCall("call metadataViewEditMetadata(%d,'%s','%s','%s',%d,'%s','%s','%s')", domainId, "count",
                             "count2", "scaled16_t", 0, "-5", "50", "동료").str());
    Select(count);
    driver.OnDialog(320, [](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_DATA_NAME), "count2");
        EXPECT_EQ(Selected(d, IDC_DATA_TYPE), "scaled16_t");
        EXPECT_EQ(Text(d, IDC_MINIMUM), "-5");
        EXPECT_EQ(Text(d, IDC_DESCRIPTION), "동료");
        TestDriver::Type(d, IDC_DESCRIPTION, "나");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditData();
    EXPECT_EQ(StoredData(countId), "count2|scaled16_t|-5|50|나|-");
    EXPECT_EQ(RecordOf(Data(count)), StoredData(countId));
    EXPECT_EQ(Tree().GetItemText(count), "count2");
    EXPECT_EQ(Image(count), 14);

    // The alias's record still names "count"; the dialog shows the real data the server holds, and the rename
    // made while it is open does not lose it.
    Select(ref);
    driver.OnDialog(320, [&](CDialog& d) {
        EXPECT_EQ(Selected(d, IDC_REAL_DOMAIN), UniqueName());
        EXPECT_EQ(Selected(d, IDC_REAL_DATA), "count2");
        Colleague(db->FormatCall("call metadataViewEditMetadata(%d,'%s','%s','%s',%d,'%s','%s','%s')", domainId,
                                 "count2", "count3", "scaled16_t", 0, "-5", "50", "나")
                      .str());
        TestDriver::Type(d, IDC_DESCRIPTION, "별칭");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditData();
    EXPECT_EQ(AdminValue("SELECT IFNULL(real_data_name, '-') FROM data_item WHERE id = " + std::to_string(refId)),
              "count3");
    EXPECT_EQ(RecordOf(Data(ref)), StoredData(refId));
}

// A domain renamed by the colleague while its dialog is open: whether the server takes the user's edit or refuses
// it, the item shows the name the server holds afterwards.
TEST_F(DataTreeSharedDesignTest, ADomainShowsTheNameTheServerKeptAfterItsEdit) {
    int domainId = 0;
    HTREEITEM domain = OwnDomain(domainId);
    driver.OnDialog(319, [&](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_DOMAIN_NAME), UniqueName());
        Colleague(db->FormatCall("call domainViewEditDomain(%d,'%s','%s', %d,'%s','%s')", domainId, "data",
                                 UniqueName("_동료"), 0, "1", "동료")
                      .str());
        TestDriver::Type(d, IDC_DOMAIN_DESCRIPTION, "나");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditDomain();
    const std::string stored = AdminValue("SELECT name FROM domain WHERE id = " + std::to_string(domainId));
    EXPECT_EQ(Tree().GetItemText(domain), stored);
    const auto* record = static_cast<const class_domain_info*>(Data(domain)->record);
    EXPECT_EQ(record->name, stored);
    EXPECT_EQ(record->description,
              AdminValue("SELECT description FROM domain WHERE id = " + std::to_string(domainId)));
}

// What the colleague deleted leaves the tree with a message, whether the user edits it (no dialog opens) or
// deletes it (the server's refusal first); an item the colleague renamed is found again by its id after a
// refused delete and stays.
TEST_F(DataTreeSharedDesignTest, WhatTheColleagueDeletedOrRenamedShowsAsTheServerHoldsIt) {
    int domainId = 0;
    HTREEITEM domain = OwnDomain(domainId);
    for (const char* name : {"edited", "deleted", "renamed"}) NewData(domainId, name, "int8_t");
    const int renamedId = DataId(domainId, "renamed");
    const int subId = NewDataDomain("sub", domainId);
    pane.OnRefresh();
    domain = Child(Root(), UniqueName());
    Select(domain);
    ASSERT_TRUE(Child(domain, "sub"));

    Colleague("call metadataViewDeleteMetadata(" + std::to_string(domainId) + ",'edited')");
    Colleague("call metadataViewDeleteMetadata(" + std::to_string(domainId) + ",'deleted')");
    Colleague("call metadataViewEditMetadata(" + std::to_string(domainId) +
              ",'renamed','renamed2','int16_t',0,'','','동료')");
    Colleague("call domainViewDeleteDomain(" + std::to_string(subId) + ",'data')");

    Select(Child(domain, "edited"));
    pane.OnEditData();  // no dialog is scripted: none may open
    EXPECT_EQ(Child(domain, "edited"), nullptr);
    EXPECT_TRUE(Shown(std::string(kRemovedText) + "edited"));

    Select(Child(domain, "deleted"));
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteData();
    EXPECT_EQ(Child(domain, "deleted"), nullptr);
    EXPECT_TRUE(Shown("삭제할 데이타가 없습니다.")) << "the server's reason comes first";
    EXPECT_TRUE(Shown(std::string(kRemovedText) + "deleted"));

    HTREEITEM renamed = Child(domain, "renamed");
    Select(renamed);
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteData();
    EXPECT_EQ(Tree().GetItemText(renamed), "renamed2");
    EXPECT_EQ(RecordOf(Data(renamed)), StoredData(renamedId));
    EXPECT_EQ(Image(renamed), 12);

    Select(Child(domain, "sub"));
    pane.OnEditDomain();
    EXPECT_EQ(Child(domain, "sub"), nullptr);
    EXPECT_TRUE(Shown(std::string(kRemovedText) + "sub"));
}

// An alias whose real data cannot be found (stored data that names a data item no domain has) says so when its
// dialog opens and stores nothing until another real data is chosen: it never loses its real data unseen.
TEST_F(DataTreeSharedDesignTest, AnAliasWhoseRealDataIsGoneIsNotStoredWithoutOne) {
    int domainId = 0;
    HTREEITEM domain = OwnDomain(domainId);
    NewData(domainId, "realdata", "int8_t");
    NewData(domainId, "lost", "alias", DataId(domainId, "realdata"));
    const int lostId = DataId(domainId, "lost");
    tamo::testing::TestDatabase::AdminQuery(
        m_server.database, "UPDATE data_item SET real_data_name = '없는데이타' WHERE id = " + std::to_string(lostId));
    const std::string before = StoredData(lostId);
    pane.OnRefresh();
    domain = Child(Root(), UniqueName());
    Select(domain);
    Select(Child(domain, "lost"));

    driver.OnDialog(320, [](CDialog& d) {
        EXPECT_EQ(Selected(d, IDC_REAL_DATA), "");
        TestDriver::Type(d, IDC_DESCRIPTION, "바꿈");
        TestDriver::Click(d, IDOK);  // refused: the dialog stays open
        TestDriver::Click(d, IDCANCEL);
    });
    pane.OnEditData();
    EXPECT_TRUE(Shown("실제 데이타 없는데이타 을(를) 서버에서 찾을 수 없습니다. 다른 사용자가 삭제했거나 "
                      "옮겼습니다.\n실제 데이타를 다시 고르세요."));
    EXPECT_TRUE(Shown("실제 데이타를 찾을 수 없어 저장하지 않았습니다. 실제 데이타를 고르세요."));
    EXPECT_EQ(StoredData(lostId), before);

    // Choosing a real data in its place stores it.
    driver.OnDialog(320, [](CDialog& d) {
        Choose(d, IDC_REAL_DATA, "realdata");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditData();
    EXPECT_EQ(AdminValue("SELECT real_data_name FROM data_item WHERE id = " + std::to_string(lostId)), "realdata");
}

// A paste after the colleague renamed the copied item: the server copies the item as it is now, and the tree
// shows that copy under its present name.
TEST_F(DataTreeSharedDesignTest, APasteShowsTheCopyUnderTheNameTheOriginalHasNow) {
    int sourceId = 0;
    HTREEITEM source = OwnDomain(sourceId);
    NewData(sourceId, "src", "int8_t");
    const int targetId = NewDataDomain("대상", sourceId);
    pane.OnRefresh();
    source = Child(Root(), UniqueName());
    Select(source);
    HTREEITEM target = Child(source, "대상");
    ASSERT_TRUE(target);
    Select(target);  // a first load forgets a pending copy
    Select(Child(source, "src"));
    pane.OnCopyData();
    Colleague("call metadataViewEditMetadata(" + std::to_string(sourceId) + ",'src','src2','int8_t',0,'','','동료')");

    Select(target);
    pane.OnPasteData();
    EXPECT_EQ(Children(target), std::vector<std::string>{"src2"});
    EXPECT_EQ(AdminValue("SELECT name FROM data_item WHERE domain_id = " + std::to_string(targetId)), "src2");
}

// The colleague renames the real data of an alias field while the field dialog is open: the field, selected and
// changed, keeps its real data under the name the server holds now.
TEST_F(DataTreeSharedDesignTest, AnAliasFieldKeepsItsRealDataRenamedWhileTheDialogIsOpen) {
    int domainId = 0;
    HTREEITEM domain = OwnDomain(domainId);
    NewData(domainId, "X", "int8_t");
    NewData(domainId, "S", "struct");
    Call(db->FormatCall("call metadataViewNewMetafield(%d,'%s','%s',%d,'%s',%d,'%s','%s','%s','%s',%d,'%s')", domainId,
                        "S", "f", 0, "alias", domainId, "X", "", "", "NO", 0, ""));
    pane.OnRefresh();
    domain = Child(Root(), UniqueName());
    Select(domain);
    Select(Child(domain, "S"));

    driver.OnDialog(328, [&](CDialog& d) {
        Colleague("call metadataViewEditMetadata(" + std::to_string(domainId) + ",'X','X2','int8_t',0,'','','')");
        TestDriver::ClickListRow(List(d, 1018), 0);
        EXPECT_EQ(Selected(d, IDC_REAL_DATA), "X2");
        TestDriver::Type(d, 1010, "필드");
        TestDriver::Click(d, 1026);
        TestDriver::Click(d, IDCANCEL);
    });
    pane.OnDataFields();
    EXPECT_EQ(AdminValue("SELECT CONCAT_WS('|', f.member_name, IFNULL(f.real_data_name, '-'), f.description) FROM "
                         "data_field f JOIN data_item d ON d.id = f.data_id WHERE d.domain_id = " +
                         std::to_string(domainId) + " AND d.name = 'S'"),
              "f|X2|필드");
}

// A domain the colleague renamed shows its new name when the user opens its dialog, and the items below it carry
// paths with that name.
TEST_F(DataTreeSharedDesignTest, ARenamedDomainGivesItsNewNameToThePathsBelowIt) {
    int domainId = 0;
    HTREEITEM domain = OwnDomain(domainId);
    NewData(domainId, "item", "int8_t");
    NewDataDomain("sub", domainId);
    pane.OnRefresh();
    domain = Child(Root(), UniqueName());
    Select(domain);
    ASSERT_TRUE(Child(domain, "sub") && Child(domain, "item"));
    const std::string newName = UniqueName("_새");
    Colleague(db->FormatCall("call domainViewEditDomain(%d,'%s','%s', %d,'%s','%s')", domainId, "data", newName, 0, "1",
                             "")
                  .str());

    driver.OnDialog(319, [&](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_DOMAIN_NAME), newName);
        TestDriver::Click(d, IDCANCEL);
    });
    pane.OnEditDomain();
    EXPECT_EQ(Tree().GetItemText(domain), newName);
    EXPECT_EQ(Data(domain)->path, newName + "\\");
    EXPECT_EQ(Data(Child(domain, "sub"))->path, newName + "\\sub\\");
    EXPECT_EQ(Data(Child(domain, "item"))->path, newName + "\\");
}

// An import of several items where the server refuses some (one the colleague deleted after the dialog listed
// it, one whose name the domain holds already): each refusal is told as before, and the domain shows the items
// the server stored. A cancelled import reloads nothing.
TEST_F(DataTreeSharedDesignTest, AnImportWithRefusedItemsShowsTheItemsThatWereCopied) {
    int targetId = 0;
    HTREEITEM target = OwnDomain(targetId);
    NewData(targetId, "dup", "int16_t");
    const std::string sourceName = UniqueName("_원본");
    const int sourceId = NewDataDomain(sourceName);
    for (const char* name : {"a", "dup", "gone", "z"}) NewData(sourceId, name, "int8_t");
    pane.OnRefresh();
    target = Child(Root(), UniqueName());
    Select(target);
    ASSERT_EQ(Children(target), std::vector<std::string>{"dup"});

    driver.OnDialog(415, [&](CDialog& d) {
        Choose(d, 1184, sourceName);
        auto* list = dynamic_cast<CListCtrl*>(d.GetDlgItem(1185));
        ASSERT_TRUE(list);
        ASSERT_EQ(list->GetItemCount(), 4);
        for (int row = 0; row < 4; ++row) TestDriver::ClickListRow(*list, row, row > 0);
        Colleague("call metadataViewDeleteMetadata(" + std::to_string(sourceId) + ",'gone')");
        TestDriver::Click(d, IDOK);
    });
    pane.OnImportData();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "dup \n 위 데이타명이 중복입니다. \n 체크해주세요 (현재 데이타만 복사 실패)",
                              "gone \n 복사할 데이타가 없습니다. \n 체크해주세요 (현재 데이타만 복사 실패)"}));
    const std::string stored = "SELECT name FROM data_item WHERE domain_id = " + std::to_string(targetId);
    std::vector<std::string> shown = Children(target);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(AdminRows(stored + " ORDER BY name"), (std::vector<std::string>{"a", "dup", "z"}));
    EXPECT_EQ(shown, AdminRows(stored + " ORDER BY name"));
    for (HTREEITEM item : {Child(target, "a"), Child(target, "z")}) {
        ASSERT_TRUE(item);
        EXPECT_EQ(static_cast<const class_metadata_info*>(Data(item)->record)->domain_id, targetId);
    }

    // A cancelled import leaves the items as they are, also one the colleague added meanwhile.
    Colleague(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", targetId, "later",
                             "int8_t", 0, "", "", "")
                  .str());
    const std::vector<std::string> before = Children(target);
    driver.OnDialog(415, [](CDialog& d) { TestDriver::Click(d, IDCANCEL); });
    pane.OnImportData();
    EXPECT_EQ(Children(target), before);
}

}  // namespace
