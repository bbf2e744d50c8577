// The method tree's command object on the sample design: domains, interfaces and methods created, edited and
// deleted through their dialogs (names with an apostrophe and Korean text), the method code typed in hexadecimal,
// the interface lock, the data domains a method domain uses, and the import of methods with clashing names and
// codes.

#include "CTreeMethodDomainControl.h"
#include "CTreeCtrl.h"
#include "DialogTestControls.h"
#include "MethodTreeTestSupport.h"

using tamo::platform::TestDriver;
using namespace dialog_test;
using namespace methodtree_test;

namespace {

class MethodDomainControlTest : public MethodTreeTest {
protected:
    MethodDomainControlTest() : MethodTreeTest("methodtree_control") {}

    class_method_info StoredMethod(int domainId, const std::string& name) {
        std::vector<class_method_info> methods;
        EXPECT_EQ(db->SelectMethodList(db->FormatCall("call methodViewMethodList(%d,'method','ALL','%%','%s')",
                                                      domainId, name),
                                       methods),
                  0);
        return methods.empty() ? class_method_info() : methods.front();
    }
    class_interface_info Interface(int domainId, const std::string& name) {
        class_interface_info iface;
        iface.domain_id = domainId;
        iface.name = name;
        return iface;
    }

    CTreeMethodDomainControl control;
};

HTREEITEM ChildNamed(CTreeCtrl& tree, HTREEITEM parent, const char* text) {
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
        if (tree.GetItemText(item) == text) return item;
    return nullptr;
}

TEST_F(MethodDomainControlTest, DomainsKeepTheirNamesAndShowWhyADeleteIsRefused) {
    class_domain_info root;
    driver.OnDialog(319, [](CDialog& d) {
        TestDriver::Type(d, 1007, "도메인_하나");
        TestDriver::Click(d, IDOK);
    });
    const std::string name = "도메인_하나";
    class_domain_info domain;
    domain.id = control.NewDomain(&root);
    ASSERT_GT(domain.id, 0);
    domain.name = name;
    domain.standard_port = static_cast<uint16_t>(std::stoi(AdminValue(
        "SELECT standard_port FROM domain WHERE id = " + std::to_string(domain.id))));
    EXPECT_GE(domain.standard_port, 10000);  // proposed by the dialog

    driver.OnDialog(319, [](CDialog& d) {
        TestDriver::Type(d, 1007, "도메인_둘");
        TestDriver::Type(d, 1008, "12345");
        TestDriver::Click(d, IDOK);
    });
    driver.SetDefaultMessageBoxAnswer(IDOK);  // the port warnings, if 12345 is somebody's
    ASSERT_EQ(control.EditDomain(&domain), 0);
    EXPECT_EQ(domain.name, "도메인_둘");
    EXPECT_EQ(domain.standard_port, 12345);
    EXPECT_EQ(AdminValue("SELECT CONCAT(name, ' ', standard_port) FROM domain WHERE id = " + std::to_string(domain.id)),
              "도메인_둘 12345");

    ASSERT_EQ(control.DeleteDomain(&domain), 0);
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE id = " + std::to_string(domain.id)), "0");

    // 위치서비스's interface is bound by a class of a system: the server says so below the fixed text.
    class_domain_info bound;
    bound.id = kPositionService;
    EXPECT_EQ(control.DeleteDomain(&bound), -1);
    EXPECT_EQ(BoxTexts().back(), "error(DeleteDataDomain())\n" + db->GetLastErrorText());
    EXPECT_FALSE(db->GetLastErrorText().empty());
}

TEST_F(MethodDomainControlTest, MethodCodesAreTypedInHexadecimalAndKeptInDecimal) {
    const int domain = NewMethodDomain(UniqueName());
    driver.OnDialog(334, [](CDialog& d) {
        Choose(d, 1011, "SIGNAL");  // Pos comes up with its data
        Choose(d, 1034, "위치");
        TestDriver::Type(d, 1038, "새_메서드");
        TestDriver::Type(d, 1037, "2a");
        TestDriver::Type(d, 1010, "설명'글");
        TestDriver::Click(d, IDOK);
    });
    std::string name;
    ASSERT_EQ(control.NewMethod(domain, name), 0);
    EXPECT_EQ(name, "새_메서드");
    class_method_info method = StoredMethod(domain, name);
    EXPECT_EQ(method.code, "42");
    EXPECT_EQ(method.in_data, "위치");
    EXPECT_EQ(method.out_domain_id, 0);

    // The edit shows the code as four hexadecimal digits; 00FF goes to the server as 255.
    driver.OnDialog(334, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1037), "002A");
        EXPECT_EQ(Selected(d, 1034), "위치");
        TestDriver::Type(d, 1037, "00FF");
        TestDriver::Type(d, 1038, "고친_메서드");
        TestDriver::Click(d, 1040);  // no input any more
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(control.EditMethod(&method), 0);
    EXPECT_EQ(method.code, "255");
    EXPECT_EQ(method.name, "고친_메서드");
    EXPECT_EQ(method.in_domain_id, 0);
    EXPECT_EQ(method.in_data, "");
    EXPECT_EQ(StoredMethods(domain), std::vector<std::string>{"고친_메서드 255"});
    EXPECT_EQ(StoredMethod(domain, "고친_메서드").in_domain_id, 0);

    ASSERT_EQ(control.DeleteMethod(&method), 0);
    EXPECT_TRUE(StoredMethods(domain).empty());
}

// The rows of the domain's methods as the server keeps them, ids aside.
std::string MethodRowsQuery(int domainId) {
    return "SELECT name, type, code, COALESCE(in_domain_id, 0), COALESCE(in_data_name, ''), "
           "COALESCE(out_domain_id, 0), COALESCE(out_data_name, ''), user_id, description FROM method "
           "WHERE domain_id = " + std::to_string(domainId) + " ORDER BY name";
}

// An edit holds the type's rules as the new method did: a side that the type does not carry stays closed with
// its Null box disabled, so an unchanged edit stores the method as it was. A method that a server without the
// rules stored with such a side (set up here as the server's administrator) loses that side, and nothing else.
TEST_F(MethodDomainControlTest, AnEditKeepsTheSidesTheTypeCarries) {
    const int domain = NewMethodDomain(UniqueName());
    struct Case {
        const char* type;
        int inDomain;
        const char* inData;
        int outDomain;
        const char* outData;
        const char* forbidden;  // the side that a former server let in, as an UPDATE of the row
        int closedNullBox;
    };
    const Case cases[] = {
        {"EVENT", 0, "", kPos, "위치", "in_domain_id = 2, in_data_name = 'Latitude'", 1040},
        {"INFORMATION", 0, "", kPos, "위치", "in_domain_id = 3, in_data_name = 'Seconds'", 1040},
        {"SIGNAL", kPos, "위치", 0, "", "out_domain_id = 2, out_data_name = 'Latitude'", 1041},
        {"COMMAND", kPos, "위치", 0, "", "out_domain_id = 3, out_data_name = 'Seconds'", 1041},
    };
    int code = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        const std::string name = std::string("m_") + c.type;
        NewMethod(domain, name, c.type, code++, c.inDomain, c.inData, c.outDomain, c.outData);
        const std::vector<std::string> made = AdminRows(MethodRowsQuery(domain));
        class_method_info method = StoredMethod(domain, name);
        const int closedLists = c.closedNullBox == 1040 ? 1033 : 1035;
        auto unchanged = [&](CDialog& d) {
            EXPECT_EQ(d.IsDlgButtonChecked(c.closedNullBox), static_cast<UINT>(BST_CHECKED));
            EXPECT_FALSE(Enabled(d, c.closedNullBox));  // the user cannot give the side data
            EXPECT_FALSE(Enabled(d, closedLists));
            EXPECT_FALSE(Enabled(d, closedLists + 1));
            EXPECT_EQ(Combo(d, closedLists + 1).GetCurSel(), CB_ERR);
            TestDriver::Click(d, IDOK);
        };
        driver.OnDialog(334, unchanged);
        ASSERT_EQ(control.EditMethod(&method), 0);
        EXPECT_EQ(AdminRows(MethodRowsQuery(domain)), made);

        AdminRows("UPDATE method SET " + std::string(c.forbidden) + " WHERE domain_id = " + std::to_string(domain) +
                  " AND name = '" + name + "'");
        method = StoredMethod(domain, name);
        driver.OnDialog(334, unchanged);
        ASSERT_EQ(control.EditMethod(&method), 0);
        EXPECT_EQ(AdminRows(MethodRowsQuery(domain)), made);
        EXPECT_EQ(c.closedNullBox == 1040 ? method.in_data : method.out_data, "");
    }
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts().front();
}

// Copied, pasted and imported methods go in through the server, which refuses a side that the type does not
// carry: such a method, left by a former server, is not copied, the user is told why, and the target stays.
TEST_F(MethodDomainControlTest, ACopyCannotGiveAMethodASideItsTypeForbids) {
    const int source = NewMethodDomain(UniqueName("_원본"));
    const int target = NewMethodDomain(UniqueName("_대상"));
    NewMethod(source, "ev", "EVENT", 1, 0, "", kPos, "위치");
    NewMethod(target, "kept", "CALL", 9);
    AdminRows("UPDATE method SET in_domain_id = 2, in_data_name = 'Latitude' WHERE domain_id = " +
              std::to_string(source));
    const std::vector<std::string> before = AdminRows(MethodRowsQuery(target));
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(control.InsertCopiedMethods(target, {StoredMethod(source, "ev")}), -1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"EVENT 메서드는 입력 데이타를 가질 수 없습니다."});
    EXPECT_EQ(AdminRows(MethodRowsQuery(target)), before);
}

TEST_F(MethodDomainControlTest, InterfacesAreRenamedAndALockedOneIsNotDeleted) {
    const int domain = NewMethodDomain(UniqueName());
    driver.OnDialog(331, [](CDialog& d) {
        TestDriver::Type(d, 1031, "I_원래");
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(control.NewInterface(domain), 0);
    class_interface_info iface = Interface(domain, "I_원래");
    driver.OnDialog(331, [](CDialog& d) {
        TestDriver::Type(d, 1031, "I_새이름");
        TestDriver::Type(d, 1010, "한글'설명");
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(control.EditInterface(&iface), 0);
    EXPECT_EQ(iface.name, "I_새이름");
    EXPECT_EQ(AdminValue("SELECT description FROM method_interface WHERE domain_id = " + std::to_string(domain)),
              "한글'설명");
    ASSERT_EQ(control.DeleteInterface(&iface), 0);
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM method_interface WHERE domain_id = " + std::to_string(domain)), "0");

    class_interface_info locked = Interface(kPositionService, "I위치");
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(control.DeleteInterface(&locked), -1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"*System Domain에서 System과 연결된 Interface 입니다.*\n 현재 "
                                                   "System이 Lock 상태 이므로 삭제 할 수 없습니다."});
}

TEST_F(MethodDomainControlTest, DataDomainLinksChangeByTheirDifference) {
    const int domain = NewMethodDomain(UniqueName());
    const std::string links = "SELECT GROUP_CONCAT(parent_id ORDER BY parent_id) FROM domain_parent WHERE flag = 1 "
                              "AND domain_id = " + std::to_string(domain);
    ASSERT_EQ(AdminValue(links), "2,3");
    driver.OnDialog(338, [](CDialog& d) {
        auto& tree = *dynamic_cast<CTreeCtrl*>(d.GetDlgItem(1057));
        HTREEITEM root = tree.GetRootItem();
        TestDriver::ClickTreeCheckBox(tree, ChildNamed(tree, root, "기본형"));  // untick
        TestDriver::ClickTreeCheckBox(tree, ChildNamed(tree, root, "Secret"));  // tick
        TestDriver::Click(d, IDOK);
    });
    std::vector<class_domain_info> used;
    ASSERT_EQ(control.EditDataInheritance(domain, used), 0);
    EXPECT_EQ(AdminValue(links), "2,5");
    ASSERT_EQ(used.size(), 2u);
    EXPECT_EQ(used[0].name, "Pos");
    EXPECT_EQ(used[1].name, "Secret");

    driver.OnDialog(338, [](CDialog& d) { TestDriver::Click(d, IDCANCEL); });
    EXPECT_EQ(control.EditDataInheritance(domain, used), -1);
    EXPECT_EQ(AdminValue(links), "2,5");
}

TEST_F(MethodDomainControlTest, ImportResolvesClashesOrInsertsNothing) {
    const std::string sourceName = UniqueName("_원본");
    const int source = NewMethodDomain(sourceName);
    const int target = NewMethodDomain(UniqueName("_대상"));
    NewMethod(source, "a", "CALL", 1);
    NewMethod(source, "b", "EVENT", 2);
    NewMethod(target, "a", "CALL", 5);
    NewMethod(target, "c", "SIGNAL", 2);
    class_domain_info targetRecord;
    targetRecord.id = target;

    auto chooseBoth = [sourceName](CDialog& d) {
        Choose(d, 1186, sourceName);
        TestDriver::ClickListRow(List(d, 1187), 0);
        TestDriver::ClickListRow(List(d, 1187), 1, true);
        TestDriver::Click(d, IDOK);
    };

    // The name clash of "a" is not resolved: nothing goes in.
    driver.OnDialog(416, chooseBoth);
    driver.AnswerMessageBox(IDCANCEL);
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(control.CopyMethods(&targetRecord), -1);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Method Name값이 중복 되었습니다 변경 하시겠습니까?",
                                                    "error(check_overlap_methodname())"}));
    EXPECT_EQ(StoredMethods(target), (std::vector<std::string>{"c 2", "a 5"}));

    // "a" is renamed, and "b" takes a new code typed in hexadecimal.
    driver.OnDialog(416, chooseBoth);
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(395, [](CDialog& d) {
        TestDriver::Type(d, 1148, "a_2");
        TestDriver::Click(d, 1167);
        TestDriver::Click(d, IDOK);
    });
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(395, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1148), "0002");
        TestDriver::Type(d, 1148, "00FF");
        TestDriver::Click(d, 1167);
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(control.CopyMethods(&targetRecord), 0);
    EXPECT_EQ(StoredMethods(target), (std::vector<std::string>{"a_2 1", "c 2", "a 5", "b 255"}));
    EXPECT_EQ(BoxTexts().back(), "Method code값이 중복 되었습니다 변경 하시겠습니까?");
}

// "Methods 가져오기" copies the chosen methods as the server holds them when OK is pressed: a method another user
// changed meanwhile goes in as it now stands, one it deleted or renamed is left out with a message.
TEST_F(MethodDomainControlTest, ImportCopiesWhatTheServerHoldsWhenItRuns) {
    const std::string sourceName = UniqueName("_원본");
    const int source = NewMethodDomain(sourceName);
    const int target = NewMethodDomain(UniqueName("_대상"));
    for (const auto& [name, code] : std::vector<std::pair<const char*, int>>{{"a", 1}, {"b", 2}, {"d", 3}})
        NewMethod(source, name, "EVENT", code);
    class_domain_info targetRecord;
    targetRecord.id = target;
    const std::string id = std::to_string(source);
    driver.OnDialog(416, [&](CDialog& d) {
        Choose(d, 1186, sourceName);
        for (int row = 0; row < 3; ++row) TestDriver::ClickListRow(List(d, 1187), row, row > 0);
        tamo::testing::TestConnection colleague(m_server);
        ASSERT_TRUE(colleague.Login("admin", "admin"));
        for (const std::string& call : {"call methodViewEditMethod(" + id + ",'b','EVENT',7,'b',0,'',0,'','새 설명')",
                                       "call methodViewDeleteMethod(" + id + ",'d')"})
            ASSERT_TRUE(colleague.Run(call).ok) << call;
        TestDriver::Click(d, IDOK);
    });
    driver.SetDefaultMessageBoxAnswer(IDOK);
    EXPECT_EQ(control.CopyMethods(&targetRecord), 0);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"복사할 메서드가 없습니다. 다른 사용자가 지웠거나 이름을 바꿨습니다: d"});
    EXPECT_EQ(StoredMethods(target), (std::vector<std::string>{"a 1", "b 7"}));
    EXPECT_EQ(StoredMethod(target, "b").description, "새 설명");
}

// A lock check that fails may hide a lock: the interface stays.
class BrokenLockCheckTest : public MethodTreeTest {
protected:
    BrokenLockCheckTest() : MethodTreeTest("methodtree_broken_lock") {}
};

TEST_F(BrokenLockCheckTest, RefusesTheDelete) {
    AdminRows("DROP PROCEDURE IF EXISTS check_system_lock_interface; "
              "CREATE PROCEDURE check_system_lock_interface(p_domain_id INT, p_name VARCHAR(1024)) "
              "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = '잠금을 확인하지 못했습니다.'");
    // A routine made again loses its grant: the program account may run it again.
    tamo::testing::TestDatabase::GrantExecute(m_server.database, "check_system_lock_interface");
    const int domain = NewMethodDomain(UniqueName());
    NewInterface(domain, "I");
    class_interface_info iface;
    iface.domain_id = domain;
    iface.name = "I";
    CTreeMethodDomainControl control;
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(control.DeleteInterface(&iface), -1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"잠금을 확인하지 못했습니다."});
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM method_interface WHERE domain_id = " + std::to_string(domain)), "1");
}

}  // namespace
