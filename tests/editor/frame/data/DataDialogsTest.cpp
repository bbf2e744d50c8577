// The data tree's dialogs against the sample design: the domain dialog, the domain chooser, the new-data,
// field and constant dialogs and the data copy dialog, each run modally and driven as a user would.

#include <algorithm>

#include "CConstViewDlg.h"
#include "CDataFieldViewDlg.h"
#include "CNewDomainDlg.h"
#include "CNewMetadataDlg.h"
#include "CSearchDomainDlg.h"
#include "DataTreeTestSupport.h"
#include "DialogTestControls.h"
#include "TreeItems.h"
#include "class_copy_data_dialog.h"

using namespace dialog_test;
using frame_test::ChildWithText;
using tamo::platform::TestDriver;

namespace {

class DataDialogsTest : public datatree_test::DataTreeTest {
protected:
    DataDialogsTest() : DataTreeTest("datatree_dialogs") {}
};

// Only the entries that the sample design gives (other tests of the suite add their own domains).
std::vector<std::string> Only(const std::vector<std::string>& entries, const std::vector<std::string>& wanted) {
    std::vector<std::string> kept;
    for (const std::string& entry : entries)
        if (std::find(wanted.begin(), wanted.end(), entry) != wanted.end()) kept.push_back(entry);
    return kept;
}

std::multimap<int, class_domain_info> AllDataDomains(CMysqlQuery* db) {
    std::multimap<int, class_domain_info> domains;
    EXPECT_EQ(db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','data')"), domains), 0);
    return domains;
}

class_domain_info DomainWithId(int id) {
    class_domain_info domain;
    domain.id = id;
    return domain;
}

const int IDC_DOMAIN_NAME = 1007, IDC_PORT = 1008, IDC_PORT_WARNING = 1198;

// ---- The domain dialog ------------------------------------------------------------------------------------

TEST_F(DataDialogsTest, DataDomainHasNoPortAndEditKeepsItsName) {
    CNewDomainDlg dialog;
    dialog.m_nDomainId = 1;
    dialog.m_strName = "Nav";
    dialog.m_strKind = "data";
    driver.OnDialog(319, [](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_PORT), "");
        EXPECT_FALSE(Enabled(d, IDC_PORT));
        EXPECT_EQ(Text(d, IDC_DOMAIN_NAME), "Nav");
        TestDriver::Click(d, IDOK);  // its own name under its own parent is no duplicate
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_strName, "Nav");
    EXPECT_EQ(string_to_int(dialog.m_strPort), 0);
}

TEST_F(DataDialogsTest, NewMethodDomainIsOfferedTheFirstFreePort) {
    // The sample's method domains use 10000, 10001 and 10002; no standard protocol lies at or above 10000.
    CNewDomainDlg dialog;
    dialog.m_strPort = "";
    dialog.m_strKind = "method";
    driver.OnDialog(319, [](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_PORT), "10003");
        TestDriver::Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(DataDialogsTest, EditedMethodDomainKeepsAStandardPortAndIsWarned) {
    const std::string name = UniqueName("Web_서비스");
    const int id = db->QueryNewId(
        db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "method", 0, name, 80, "1", ""));
    ASSERT_GT(id, 0) << db->GetLastErrorText();
    CNewDomainDlg dialog;
    dialog.m_nDomainId = id;
    dialog.m_strName = name.c_str();
    dialog.m_strPort = "80";
    dialog.m_strKind = "method";
    driver.OnDialog(319, [&](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_PORT), "80");
        const std::string warning = Text(d, IDC_PORT_WARNING).str();
        EXPECT_EQ(warning.rfind("                      < 경고 표준 Protocol Port 사용 >\n\n  80/", 0), 0u) << warning;
        EXPECT_NE(warning.find("\n " + name + " 도메인 PORT와 같습니다."), std::string::npos) << warning;
        // A free port takes the warning away.
        TestDriver::Type(d, IDC_PORT, "23456");
        EXPECT_EQ(Text(d, IDC_PORT_WARNING), "");
        TestDriver::Click(d, IDCANCEL);
    });
    dialog.DoModal();
}

TEST_F(DataDialogsTest, OutOfRangePortAndDuplicateNameKeepTheDialogOpen) {
    CNewDomainDlg dialog;
    dialog.m_strPort = "";
    dialog.m_strKind = "method";
    driver.AnswerMessageBox(IDOK);
    driver.AnswerMessageBox(IDOK);
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(319, [](CDialog& d) {
        TestDriver::Type(d, IDC_DOMAIN_NAME, "NavService");
        TestDriver::Type(d, IDC_PORT, "70000");  // shown at once
        TestDriver::Click(d, IDOK);              // and again on OK
        EXPECT_TRUE(d.IsModalRunning());
        TestDriver::Type(d, IDC_PORT, "12345");
        TestDriver::Click(d, IDOK);  // a method domain of that name exists at the top level
        EXPECT_TRUE(d.IsModalRunning());
        TestDriver::Type(d, IDC_DOMAIN_NAME, "NavService2");
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"표준 포트값의 범위는 0~65536 사이의 값이어야 합니다.",
                                                    "표준 포트값의 범위는 0~65536 사이의 값이어야 합니다.",
                                                    "Path에 도메인 이름이 중복 입니다. 다시 입력해주세요"}));
    EXPECT_EQ(dialog.m_strPort, "12345");
    EXPECT_EQ(dialog.m_strName, "NavService2");
}

// The port proposal has two stops of its own, each shown on a design database of its own: the highest port, when
// every port from 10000 is taken, and the first candidate that the server cannot check.
class PortProposalStopTest : public datatree_test::DataTreeTest {
protected:
    explicit PortProposalStopTest(std::string database) : DataTreeTest(std::move(database)) {}

    // The port that the dialog of a new method domain proposes.
    std::string ProposedPort() {
        CNewDomainDlg dialog;
        dialog.m_strPort = "";
        dialog.m_strKind = "method";
        std::string port;
        driver.OnDialog(319, [&port](CDialog& d) {
            port = Text(d, IDC_PORT).str();
            TestDriver::Click(d, IDCANCEL);
        });
        dialog.DoModal();
        return port;
    }
};

class EveryPortTakenTest : public PortProposalStopTest {
protected:
    EveryPortTakenTest() : PortProposalStopTest("datatree_every_port_taken") {}
};

class PortCheckFailsTest : public PortProposalStopTest {
protected:
    PortCheckFailsTest() : PortProposalStopTest("datatree_port_check_fails") {}
};

TEST_F(EveryPortTakenTest, TheProposalStopsAtTheHighestPort) {
    AdminRows("INSERT IGNORE INTO standard_port (port_protocol, port, protocol, service) "
              "SELECT CONCAT(seq, '/tcp'), seq, 'tcp', '시험' FROM seq_10000_to_65535");
    EXPECT_EQ(ProposedPort(), "65535");
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(PortCheckFailsTest, TheProposalStopsAtTheFirstCandidateTheServerCannotCheck) {
    AdminRows("DROP PROCEDURE IF EXISTS standard_portViewCheckPort");
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(ProposedPort(), "10000");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"error(void CNewDomainDlg::OnEnChangeStandardportEdit()"});
}

// ---- The domain chooser -----------------------------------------------------------------------------------

TEST_F(DataDialogsTest, ChooserTicksThePreselectionAndReturnsTheTicksInTreeOrder) {
    CSearchDomainDlg dialog;
    dialog.m_strKind = "data";
    dialog.m_mapDomainList = AllDataDomains(db);
    dialog.m_vecSelection = {DomainWithId(4), DomainWithId(2)};  // 센서 below Pos below Nav
    driver.OnDialog(338, [](CDialog& d) {
        auto& chooser = dynamic_cast<CSearchDomainDlg&>(d);
        CTreeCtrl& tree = chooser.m_ctrlTree;
        HTREEITEM root = tree.GetRootItem();
        EXPECT_EQ(tree.GetItemText(root), "dataDomain");
        HTREEITEM nav = ChildWithText(tree, root, "Nav");
        HTREEITEM pos = ChildWithText(tree, nav, "Pos");
        HTREEITEM sensor = ChildWithText(tree, pos, "센서");
        ASSERT_TRUE(nav && pos && sensor);
        EXPECT_FALSE(tree.GetCheck(nav));
        EXPECT_TRUE(tree.GetCheck(pos));
        EXPECT_TRUE(tree.GetCheck(sensor));
        HTREEITEM basic = ChildWithText(tree, root, "기본형");
        ASSERT_TRUE(basic);
        tree.SetCheck(basic, TRUE);
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    std::vector<std::string> names;
    for (const class_domain_info& domain : dialog.m_vecSelection) names.push_back(domain.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Pos", "센서", "기본형"}));
    dialog.DeleteOwnedItems();
    EXPECT_TRUE(dialog.m_vecItemRecords.empty());
}

TEST_F(DataDialogsTest, ChooserStateIconClickInvertsEveryDescendant) {
    CSearchDomainDlg dialog;
    dialog.m_strKind = "data";
    dialog.m_mapDomainList = AllDataDomains(db);
    dialog.m_vecSelection = {DomainWithId(2)};
    driver.OnDialog(338, [](CDialog& d) {
        CTreeCtrl& tree = dynamic_cast<CSearchDomainDlg&>(d).m_ctrlTree;
        HTREEITEM nav = ChildWithText(tree, tree.GetRootItem(), "Nav");
        HTREEITEM pos = ChildWithText(tree, nav, "Pos");
        HTREEITEM sensor = ChildWithText(tree, pos, "센서");
        ASSERT_TRUE(nav && pos && sensor);
        TestDriver::ClickTreeCheckBox(tree, nav);
        EXPECT_TRUE(tree.GetCheck(nav));
        EXPECT_FALSE(tree.GetCheck(pos));
        EXPECT_TRUE(tree.GetCheck(sensor));
        TestDriver::Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(DataDialogsTest, ChooserShowsLoopingRowsOnce) {
    CSearchDomainDlg dialog;
    dialog.m_strKind = "data";
    class_domain_info a = DomainWithId(30), b = DomainWithId(31);
    a.name = "A", b.name = "B";
    dialog.m_mapDomainList = {{0, a}, {30, b}, {31, a}};  // B's row names A as its child again
    driver.OnDialog(338, [](CDialog& d) {
        CTreeCtrl& tree = dynamic_cast<CSearchDomainDlg&>(d).m_ctrlTree;
        EXPECT_EQ(tree.GetCount(), 3u);
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.m_vecSelection.empty());
}

TEST_F(DataDialogsTest, ChooserNewDomainRebuildsTheTreeWithThePreselection) {
    const std::string created = UniqueName("_새_도메인");
    CSearchDomainDlg dialog;
    dialog.m_strKind = "data";
    dialog.m_mapDomainList = AllDataDomains(db);
    dialog.m_vecSelection = {DomainWithId(2)};
    driver.OnDialog(319, [&](CDialog& d) {
        EXPECT_FALSE(Enabled(d, IDC_PORT));
        TestDriver::Type(d, IDC_DOMAIN_NAME, created.c_str());
        TestDriver::Click(d, IDOK);
    });
    driver.OnDialog(338, [&](CDialog& d) {
        CTreeCtrl& tree = dynamic_cast<CSearchDomainDlg&>(d).m_ctrlTree;
        HTREEITEM pos = ChildWithText(tree, ChildWithText(tree, tree.GetRootItem(), "Nav"), "Pos");
        ASSERT_TRUE(pos);
        tree.SetCheck(pos, FALSE);
        TestDriver::Click(d, 1115);
        HTREEITEM fresh = ChildWithText(tree, tree.GetRootItem(), created);
        ASSERT_TRUE(fresh);
        EXPECT_FALSE(tree.GetCheck(fresh));
        EXPECT_TRUE(tree.GetCheck(ChildWithText(tree, ChildWithText(tree, tree.GetRootItem(), "Nav"), "Pos")));
        TestDriver::Click(d, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE kind = 'data' AND upper_id = 0 AND name = " +
                         datatree_test::SqlText(created)),
              "1");
}

// ---- The new-data dialog ----------------------------------------------------------------------------------

const int IDC_DATA_NAME = 1010, IDC_DATA_TYPE = 1011, IDC_REAL_DOMAIN = 1013, IDC_REAL_DATA = 1014;
const int IDC_MINIMUM = 1015, IDC_MAXIMUM = 1016;

TEST_F(DataDialogsTest, NewDataTypePresets) {
    struct Case {
        const char* type;
        const char* minimum;
        const char* maximum;
        bool rangeEnabled;
        bool aliasEnabled;
    };
    const Case cases[] = {
        {"u_scaled16_t", "0.0", "100.0", true, false},
        {"int16_t", "", "", false, false},
        {"scaled8_t", "-100.0", "100.0", true, false},
        {"alias", "", "", false, true},
        {"struct", "", "", false, false},
    };
    CNewMetadataDlg dialog;
    dialog.m_nDomainId = 2;
    driver.OnDialog(320, [&](CDialog& d) {
        EXPECT_EQ(ComboEntries(d, IDC_DATA_TYPE).size(), 35u);
        EXPECT_FALSE(Enabled(d, IDC_REAL_DOMAIN));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.type);
            Choose(d, IDC_DATA_TYPE, c.type);
            EXPECT_EQ(Text(d, IDC_MINIMUM), c.minimum);
            EXPECT_EQ(Text(d, IDC_MAXIMUM), c.maximum);
            EXPECT_EQ(Enabled(d, IDC_MINIMUM), c.rangeEnabled);
            EXPECT_EQ(Enabled(d, IDC_REAL_DOMAIN), c.aliasEnabled);
            EXPECT_EQ(Enabled(d, 1058), c.aliasEnabled);
        }
        TestDriver::Click(d, IDCANCEL);
    });
    dialog.DoModal();
}

TEST_F(DataDialogsTest, NewAliasChoosesItsRealDataAndNeedsAName) {
    CNewMetadataDlg dialog;
    dialog.m_nDomainId = 2;  // Pos, whose parent data domain is 기본형
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(320, [](CDialog& d) {
        Choose(d, IDC_DATA_TYPE, "alias");
        EXPECT_EQ(ComboEntries(d, IDC_REAL_DOMAIN), (std::vector<std::string>{"Pos", "기본형"}));
        Choose(d, IDC_REAL_DOMAIN, "기본형");
        Choose(d, IDC_REAL_DATA, "각도");
        TestDriver::Click(d, IDOK);  // without a name
        EXPECT_TRUE(d.IsModalRunning());
        EXPECT_EQ(Selected(d, IDC_REAL_DATA), "각도");
        TestDriver::Type(d, IDC_DATA_NAME, "Heading_각");
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"데이타 이름을 입력하세요"});
    EXPECT_EQ(dialog.m_strName, "Heading_각");
    EXPECT_EQ(dialog.m_strType, "alias");
    EXPECT_EQ(dialog.m_nRealDomainId, 3);
    EXPECT_EQ(std::to_string(dialog.m_nRealDataId),
              AdminValue("SELECT id FROM data_item WHERE domain_id = 3 AND name = '각도'"));
}

TEST_F(DataDialogsTest, EditDataShowsTheStoredValuesAndRefusesACycle) {
    CNewMetadataDlg scaled;
    scaled.m_nEditMode = 1;
    scaled.m_nDomainId = 3;
    scaled.m_strName = "Scaled8";
    scaled.m_strType = "scaled8_t";
    scaled.m_strMin = "-5.5";
    scaled.m_strMax = "5.5";
    driver.OnDialog(320, [](CDialog& d) {
        EXPECT_EQ(Selected(d, IDC_DATA_TYPE), "scaled8_t");
        EXPECT_EQ(Text(d, IDC_MINIMUM), "-5.5");
        EXPECT_EQ(Text(d, IDC_MAXIMUM), "5.5");
        TestDriver::Click(d, IDCANCEL);
    });
    scaled.DoModal();

    // SafeLatitude is an alias of Latitude: Latitude may not become an alias of it.
    CNewMetadataDlg alias;
    alias.m_nEditMode = 1;
    alias.m_nDomainId = 2;
    alias.m_strName = "Latitude";
    alias.m_strType = "alias";
    alias.m_strRealDomain = "기본형";
    alias.m_strRealData = "각도";
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(320, [](CDialog& d) {
        EXPECT_EQ(Selected(d, IDC_REAL_DOMAIN), "기본형");
        EXPECT_EQ(Selected(d, IDC_REAL_DATA), "각도");
        Choose(d, IDC_REAL_DOMAIN, "Pos");
        Choose(d, IDC_REAL_DATA, "SafeLatitude");
        TestDriver::Click(d, IDOK);
        EXPECT_TRUE(d.IsModalRunning());
        TestDriver::Click(d, IDCANCEL);
    });
    EXPECT_EQ(alias.DoModal(), IDCANCEL);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"선택한  alias 타입 real_data는 순환 구조를 발생합니다."});
}

// ---- The field dialog -------------------------------------------------------------------------------------

const int IDC_FIELD_LIST = 1018, IDC_UP = 1019, IDC_DOWN = 1020, IDC_ADD = 1022, IDC_EDIT = 1026;
const int IDC_DELETE = 1027, IDC_FIELD_NAME = 1029, IDC_BIT_SIZE = 1025, IDC_ARRAY_TYPE = 1024;

TEST_F(DataDialogsTest, FieldDialogAddsEditsAndDeletesFields) {
    const int domain = NewDataDomain(UniqueName());
    Call(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", domain, "Base", "int8_t", 0, "",
                        "", ""));
    Call(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", domain, "구조_체", "struct", 0,
                        "", "", ""));
    const std::string owner =
        "(SELECT id FROM data_item WHERE domain_id = " + std::to_string(domain) + " AND type = 'struct')";
    CDataFieldViewDlg dialog;
    dialog.m_nDomainId = domain;
    dialog.m_strStructName = "구조_체";
    driver.AnswerMessageBox(IDOK);  // the delete question
    driver.OnDialog(328, [&](CDialog& d) {
        CListCtrl& list = dynamic_cast<CDataFieldViewDlg&>(d).m_listFields;
        EXPECT_EQ(ComboEntries(d, IDC_DATA_TYPE).size(), 31u);
        EXPECT_EQ(Selected(d, IDC_ARRAY_TYPE), "NO");

        TestDriver::Type(d, IDC_FIELD_NAME, "count");
        Choose(d, IDC_DATA_TYPE, "u_scaled32_t");
        EXPECT_EQ(Text(d, 1030), "0.0");
        EXPECT_EQ(Text(d, 1023), "100.0");
        TestDriver::Click(d, IDC_ADD);  // bit size left empty

        TestDriver::Type(d, IDC_FIELD_NAME, "base");
        Choose(d, IDC_DATA_TYPE, "alias");
        Choose(d, IDC_REAL_DOMAIN, UniqueName());
        Choose(d, IDC_REAL_DATA, "Base");
        Choose(d, IDC_ARRAY_TYPE, "FIX");
        TestDriver::Type(d, 1021, "4");
        TestDriver::Click(d, IDC_ADD);

        // A plain field after an alias was chosen refers to no domain.
        TestDriver::Type(d, IDC_FIELD_NAME, "plain");
        Choose(d, IDC_DATA_TYPE, "int32_t");
        TestDriver::Type(d, 1021, "");
        Choose(d, IDC_ARRAY_TYPE, "NO");
        TestDriver::Type(d, IDC_BIT_SIZE, "12");
        TestDriver::Click(d, IDC_ADD);
        EXPECT_EQ(ListNames(list), (std::vector<std::string>{"count", "base", "plain"}));

        TestDriver::ClickListRow(list, 1);
        EXPECT_EQ(Text(d, IDC_FIELD_NAME), "base");
        EXPECT_EQ(Selected(d, IDC_REAL_DATA), "Base");
        EXPECT_EQ(Text(d, 1021), "4");
        TestDriver::Type(d, IDC_FIELD_NAME, "base2");
        TestDriver::Click(d, IDC_EDIT);
        EXPECT_EQ(ListNames(list), (std::vector<std::string>{"count", "base2", "plain"}));

        TestDriver::ClickListRow(list, 0);
        TestDriver::Click(d, IDC_DELETE);
        EXPECT_EQ(ListNames(list), (std::vector<std::string>{"base2", "plain"}));
        EXPECT_EQ(Text(d, IDC_FIELD_NAME), "");
        TestDriver::Click(d, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(AdminRows("SELECT member_name, type, bitsize, COALESCE(real_domain_id, 0), COALESCE(real_data_name, ''), "
                        "arraytype, arraysize FROM data_field WHERE data_id = " + owner + " ORDER BY seq"),
              (std::vector<std::string>{"base2\talias\t0\t" + std::to_string(domain) + "\tBase\tFIX\t4",
                                        "plain\tint32_t\t12\t0\t\tNO\t0"}));
}

TEST_F(DataDialogsTest, FieldDialogMovesNothingPastTheEnds) {
    const int domain = NewDataDomain(UniqueName());
    Call(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", domain, "S", "struct", 0, "", "",
                        ""));
    for (const char* name : {"a", "b", "c"})
        Call(db->FormatCall("call metadataViewNewMetafield(%d,'%s','%s',%d,'%s',%d,'%s','%s','%s','%s',%d,'%s')",
                            domain, "S", name, 0, "int8_t", 0, "", "", "", "NO", 0, ""));
    CDataFieldViewDlg dialog;
    dialog.m_nDomainId = domain;
    dialog.m_strStructName = "S";
    driver.OnDialog(328, [&](CDialog& d) {
        CListCtrl& list = dynamic_cast<CDataFieldViewDlg&>(d).m_listFields;
        TestDriver::ClickListRow(list, 0);
        TestDriver::Click(d, IDC_UP);
        TestDriver::ClickListRow(list, 2);
        TestDriver::Click(d, IDC_DOWN);
        EXPECT_EQ(ListNames(list), (std::vector<std::string>{"a", "b", "c"}));
        TestDriver::ClickListRow(list, 0);
        TestDriver::Click(d, IDC_DOWN);
        EXPECT_EQ(ListNames(list), (std::vector<std::string>{"b", "a", "c"}));
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
        TestDriver::ClickListRow(list, 2);
        TestDriver::Click(d, IDC_UP);
        EXPECT_EQ(ListNames(list), (std::vector<std::string>{"b", "c", "a"}));
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
        TestDriver::Click(d, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(DataDialogsTest, FieldDialogShowsAFailedMoveDownAndKeepsTheList) {
    const int domain = NewDataDomain(UniqueName());
    Call(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", domain, "S", "struct", 0, "", "",
                        ""));
    for (const char* name : {"a", "b"})
        Call(db->FormatCall("call metadataViewNewMetafield(%d,'%s','%s',%d,'%s',%d,'%s','%s','%s','%s',%d,'%s')",
                            domain, "S", name, 0, "int8_t", 0, "", "", "", "NO", 0, ""));
    CDataFieldViewDlg dialog;
    dialog.m_nDomainId = domain;
    dialog.m_strStructName = "S";
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(328, [&](CDialog& d) {
        CListCtrl& list = dynamic_cast<CDataFieldViewDlg&>(d).m_listFields;
        TestDriver::ClickListRow(list, 0);
        // Another session deletes the field below: the server refuses the move.
        Call(db->FormatCall("call metadataViewDeleteMetafield('%d','%s','%s')", domain, "S", "b"));
        TestDriver::Click(d, IDC_DOWN);
        EXPECT_EQ(ListNames(list), (std::vector<std::string>{"a", "b"}));
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);
        TestDriver::Click(d, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"순서를 바꿀 필드가 없습니다."});
}

// ---- The constant dialog ----------------------------------------------------------------------------------

TEST_F(DataDialogsTest, ConstantDialogStoresConstantsAsConstFields) {
    const int domain = NewDataDomain(UniqueName());
    Call(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", domain, "Mode", "enum16_t", 0,
                        "", "", ""));
    CConstViewDlg dialog;
    dialog.m_nDomainId = domain;
    dialog.m_strEnumName = "Mode";
    driver.AnswerMessageBox(IDOK);  // the empty name
    driver.AnswerMessageBox(IDOK);  // the delete question
    driver.OnDialog(337, [&](CDialog& d) {
        CListCtrl& list = dynamic_cast<CConstViewDlg&>(d).m_listConstants;
        TestDriver::Type(d, 1053, "7");
        TestDriver::Click(d, 1055);  // no name: nothing is sent
        EXPECT_EQ(list.GetItemCount(), 0);
        for (const char* name : {"켜짐", "꺼짐_", "대기"}) {
            TestDriver::Type(d, 1052, name);
            TestDriver::Click(d, 1055);
        }
        TestDriver::ClickListRow(list, 2);
        TestDriver::Click(d, 1051);  // the last one moves nowhere
        TestDriver::Click(d, 1050);
        EXPECT_EQ(ListNames(list), (std::vector<std::string>{"켜짐", "대기", "꺼짐_"}));
        TestDriver::ClickListRow(list, 0);
        EXPECT_EQ(Text(d, 1052), "켜짐");
        TestDriver::Type(d, 1052, "ON");
        TestDriver::Type(d, 1053, "0x10");
        TestDriver::Type(d, 1010, "설명");
        TestDriver::Click(d, 1057);
        TestDriver::ClickListRow(list, 1);
        TestDriver::Click(d, 1056);
        EXPECT_EQ(ListNames(list), (std::vector<std::string>{"ON", "꺼짐_"}));
        TestDriver::Click(d, IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"상수명을 입력하셔야 합니다", "선택된 메타데이터를 삭제하시겠습니까?"}));
    EXPECT_EQ(AdminRows("SELECT f.member_name, f.type, f.bitsize, COALESCE(f.real_domain_id, 0), "
                        "COALESCE(f.real_data_name, ''), f.scmin, f.scmax, f.arraytype, f.arraysize, f.description "
                        "FROM data_field f JOIN data_item i ON i.id = f.data_id WHERE i.domain_id = " +
                        std::to_string(domain) + " ORDER BY f.seq"),
              (std::vector<std::string>{"ON\tconst\t0\t0\t\t0x10\t\tNO\t0\t설명", "꺼짐_\tconst\t0\t0\t\t7\t\tNO\t0\t"}));
}

// A value that the generated header could not give the enumeration is refused before anything is sent; what the
// dialog cannot know (another session narrowed the type meanwhile) the server refuses with the same words.
TEST_F(DataDialogsTest, ConstantDialogRefusesValuesTheTypeCannotHold) {
    const int domain = NewDataDomain(UniqueName());
    Call(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", domain, "Level", "enum16_t", 0,
                        "", "", ""));
    const std::string rows = "SELECT f.member_name, f.scmin FROM data_field f JOIN data_item i ON i.id = f.data_id "
                             "WHERE i.domain_id = " + std::to_string(domain) + " ORDER BY f.seq";
    auto refusal = [](const char* name, const char* type, const char* maximum) {
        return std::string("상수 ") + name + "의 값은 " + type + "에 담을 수 있는 0부터 " + maximum +
               "까지의 정수(10진수 또는 0x로 시작하는 16진수)여야 합니다.";
    };
    CConstViewDlg dialog;
    dialog.m_nDomainId = domain;
    dialog.m_strEnumName = "Level";
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.OnDialog(337, [&](CDialog& d) {
        CListCtrl& list = dynamic_cast<CConstViewDlg&>(d).m_listConstants;
        TestDriver::Type(d, 1052, "LOW");
        for (const char* value : {"abc", "65536", "010", ""}) {
            TestDriver::Type(d, 1053, value);
            EXPECT_EQ(CallsOf([&] { TestDriver::Click(d, 1055); }), 0) << value;  // refused before it is sent
        }
        EXPECT_TRUE(AdminRows(rows).empty());
        TestDriver::Type(d, 1053, "0xFFFF");
        TestDriver::Click(d, 1055);
        EXPECT_EQ(AdminRows(rows), std::vector<std::string>{"LOW\t0xFFFF"});

        TestDriver::ClickListRow(list, 0);
        TestDriver::Type(d, 1053, "1.5");
        EXPECT_EQ(CallsOf([&] { TestDriver::Click(d, 1057); }), 0);
        EXPECT_EQ(AdminRows(rows), std::vector<std::string>{"LOW\t0xFFFF"});

        // Another session makes the enumeration 8 bits wide (its constant is removed first, as the server asks).
        Call(db->FormatCall("call metadataViewDeleteMetafield('%d','%s','%s')", domain, "Level", "LOW"));
        Call(db->FormatCall("call metadataViewEditMetadata(%d,'%s','%s','%s',%d,'%s','%s','%s')", domain, "Level",
                            "Level", "enum8_t", 0, "", "", ""));
        TestDriver::Type(d, 1052, "HIGH");
        TestDriver::Type(d, 1053, "300");
        TestDriver::Click(d, 1055);
        EXPECT_TRUE(AdminRows(rows).empty());
        TestDriver::Click(d, IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{refusal("LOW", "enum16_t", "65535"),
                                                    refusal("LOW", "enum16_t", "65535"),
                                                    refusal("LOW", "enum16_t", "65535"),
                                                    refusal("LOW", "enum16_t", "65535"),
                                                    refusal("LOW", "enum16_t", "65535"),
                                                    refusal("HIGH", "enum8_t", "255")}));
}

// ---- The data copy dialog ---------------------------------------------------------------------------------

TEST_F(DataDialogsTest, CopyDialogListsDomainsByLevelAndReturnsSelectedRows) {
    class_copy_data_dialog dialog;
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(415, [](CDialog& d) {
        auto& copy = dynamic_cast<class_copy_data_dialog&>(d);
        EXPECT_EQ(Only(ComboEntries(d, 1184), {"Nav", "-Pos", "--센서", "Secret", "기본형"}),
                  (std::vector<std::string>{"Nav", "-Pos", "--센서", "Secret", "기본형"}));
        TestDriver::Click(d, IDOK);  // no domain chosen
        EXPECT_TRUE(d.IsModalRunning());
        Choose(d, 1184, "--센서");
        EXPECT_EQ(ListNames(copy.m_listRows), std::vector<std::string>{"SensorReading"});
        Choose(d, 1184, "Nav");
        EXPECT_EQ(ListNames(copy.m_listRows), std::vector<std::string>{"Waypoint"});
        EXPECT_EQ(copy.m_listRows.GetItemText(0, 2), "struct");
        TestDriver::Click(d, IDOK);  // no row: an empty choice
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Domain 선택이 않되었습니다."});
    EXPECT_TRUE(dialog.m_vecChosenData.empty());

    class_copy_data_dialog second;
    driver.OnDialog(415, [](CDialog& d) {
        auto& copy = dynamic_cast<class_copy_data_dialog&>(d);
        Choose(d, 1184, "기본형");
        const std::vector<std::string> names = ListNames(copy.m_listRows);
        ASSERT_GT(names.size(), 3u);
        TestDriver::ClickListRow(copy.m_listRows, 3);
        TestDriver::ClickListRow(copy.m_listRows, 1, true);
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(second.DoModal(), IDOK);
    // In list order, whatever the order of the clicks.
    ASSERT_EQ(second.m_vecChosenData.size(), 2u);
    EXPECT_EQ(second.m_vecChosenData[0]->name, second.m_vecRows[1].name);
    EXPECT_EQ(second.m_vecChosenData[1]->name, second.m_vecRows[3].name);
    EXPECT_EQ(second.m_vecChosenData[0]->domain_id, 3);
    second.free_item_data();
}

}  // namespace
