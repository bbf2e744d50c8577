// The method pane while another engineer works on the same design through a session of their own: the method
// dialog opens on the method as the server holds it, and after an edit or delete, done or refused, an interface or
// method shows what the server holds, or leaves the tree when the server has it no more.

#include "CMethodDomainTreeView.h"
#include "CSourceCodeDlg.h"
#include "DialogTestControls.h"
#include "MethodTreeTestSupport.h"
#include "TreePaneTestSupport.h"

using namespace dialog_test;
using tamo::platform::TestDriver;

namespace {

const int IDC_METHOD_NAME = 1038, IDC_DESCRIPTION = 1010;
const char* const kRemovedText = "서버에서 찾을 수 없는 항목이라 트리에서 지웁니다. 다른 사용자가 삭제했거나 이름을 바꾸었습니다.\n";

class MethodTreeSharedDesignTest
    : public tree_test::TreePaneTest<methodtree_test::MethodTreeTest, CMethodDomainTreeView> {
protected:
    MethodTreeSharedDesignTest() : TreePaneTest("methodtree_pane", "MethodDomainView", 1) {}
    void SetUp() override {
        TreePaneTest::SetUp();
        // The messages are read from the driver's record; each is acknowledged.
        driver.SetDefaultMessageBoxAnswer(IDOK);
    }

};

TEST_F(MethodTreeSharedDesignTest, TheMethodDialogOpensOnTheStoredMethodAndTheTreeFollowsTheServer) {
    const std::string domainName = UniqueName();
    const int domainId = NewMethodDomain(domainName);
    NewMethod(domainId, "m1", "CALL", 0x11);
    NewMethod(domainId, "gone", "EVENT", 0x12);
    NewInterface(domainId, "I1", {"m1"});
    pane.OnRefresh();
    HTREEITEM domain = Child(Root(), domainName);
    Select(domain);
    HTREEITEM method = Child(domain, "m1");
    ASSERT_TRUE(method && Child(domain, "gone") && Child(domain, "I1"));
    const std::string id = std::to_string(domainId);
    Colleague("call methodViewEditMethod(" + id + ",'m1','SIGNAL','17','m1_동료',0,'',0,'','동료')");
    Colleague("call methodViewDeleteMethod(" + id + ",'gone')");
    Colleague("call interfaceViewEditInterface('" + id + "','I1','I2','동료')");

    // The dialog shows the colleague's name and text; the user's description joins them.
    Select(method);
    driver.OnDialog(334, [](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_METHOD_NAME), "m1_동료");
        EXPECT_EQ(Text(d, IDC_DESCRIPTION), "동료");
        TestDriver::Type(d, IDC_DESCRIPTION, "나");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditMethod();
    EXPECT_EQ(AdminValue("SELECT CONCAT_WS('|', name, type, code, description) FROM method WHERE domain_id = " + id +
                         " AND code = 17"),
              "m1_동료|SIGNAL|17|나");
    EXPECT_EQ(Tree().GetItemText(method), "m1_동료");
    const auto* record = static_cast<const class_method_info*>(Data(method)->record);
    EXPECT_EQ(record->name + "|" + record->type + "|" + record->description, "m1_동료|SIGNAL|나");

    // A delete of what the colleague deleted: the server's reason, then the item leaves the tree.
    Select(Child(domain, "gone"));
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteMethod();
    EXPECT_EQ(Child(domain, "gone"), nullptr);
    EXPECT_TRUE(Shown(std::string(kRemovedText) + "gone"));

    // An interface known by a name the server has no more leaves the tree before its dialog opens; the domain's
    // interfaces show the one the colleague renamed.
    Select(Child(domain, "I1"));
    pane.OnEditInterface();  // no dialog is scripted: none may open
    EXPECT_EQ(Child(domain, "I1"), nullptr);
    EXPECT_TRUE(Shown(std::string(kRemovedText) + "I1"));
    HTREEITEM renamed = Child(domain, "I2");
    ASSERT_TRUE(renamed);
    EXPECT_EQ(static_cast<const class_interface_info*>(Data(renamed)->record)->description, "동료");
}

// The source code of an interface the colleague renamed: no dialog opens for the name the tree holds; the
// domain's interfaces show as the server holds them (the deleted one gone), and the renamed one's dialog takes
// its new name.
TEST_F(MethodTreeSharedDesignTest, TheSourceCodeStartsFromTheInterfaceAsTheServerNamesIt) {
    const std::string domainName = UniqueName();
    const int domainId = NewMethodDomain(domainName);
    NewMethod(domainId, "m1", "CALL", 0x11);
    NewInterface(domainId, "I1", {"m1"});
    NewInterface(domainId, "Gone", {"m1"});
    pane.OnRefresh();
    HTREEITEM domain = Child(Root(), domainName);
    Select(domain);
    ASSERT_TRUE(Child(domain, "I1") && Child(domain, "Gone"));
    const std::string id = std::to_string(domainId);
    Colleague("call interfaceViewEditInterface('" + id + "','I1','I2','')");
    Colleague("call interfaceViewDeleteInterface(" + id + ",'Gone')");

    // The first command on a stale name shows the domain's interfaces as the server holds them.
    Select(Child(domain, "I1"));
    pane.OnSourceCode();  // no dialog is scripted: none may open
    EXPECT_EQ(Child(domain, "I1"), nullptr);
    EXPECT_TRUE(Shown(std::string(kRemovedText) + "I1"));
    EXPECT_EQ(Child(domain, "Gone"), nullptr);

    HTREEITEM renamed = Child(domain, "I2");
    ASSERT_TRUE(renamed);
    Select(renamed);
    std::string shown;
    driver.OnDialogOf<CSourceCodeDlg>(363, [&](CSourceCodeDlg& d) {
        shown = d.m_strInterfaceName.str();
        TestDriver::Click(d, IDCANCEL);
    });
    pane.OnSourceCode();
    EXPECT_EQ(shown, "I2");
}

// A member the colleague took out of the interface while the member dialog was open: the user's removal is refused
// with the server's reason, and both lists and the tree show what the server holds.
TEST_F(MethodTreeSharedDesignTest, TheMemberDialogShowsTheMembersTheServerHoldsAfterARefusal) {
    const std::string domainName = UniqueName();
    const int domainId = NewMethodDomain(domainName);
    NewMethod(domainId, "m1", "CALL", 0x21);
    NewMethod(domainId, "m2", "CALL", 0x22);
    NewInterface(domainId, "I", {"m1", "m2"});
    pane.OnRefresh();
    HTREEITEM domain = Child(Root(), domainName);
    Select(domain);
    HTREEITEM iface = Child(domain, "I");
    Select(iface);
    ASSERT_EQ(Children(iface), (std::vector<std::string>{"m1", "m2"}));

    const std::string id = std::to_string(domainId);
    driver.OnDialog(336, [&](CDialog& d) {
        ASSERT_EQ(ListColumn(List(d, 1042), 1), (std::vector<std::string>{"m1", "m2"}));
        Colleague("call interfaceViewDeleteMemberMethod(" + id + ",'I'," + id + ",'m1')");
        TestDriver::ClickListRow(List(d, 1042), 0);
        driver.AnswerMessageBox(IDOK);
        TestDriver::Click(d, 1052);
        EXPECT_EQ(ListColumn(List(d, 1042), 1), std::vector<std::string>{"m2"});
        TestDriver::Click(d, IDOK);
    });
    pane.OnMemberMethods();
    EXPECT_TRUE(Shown("인터페이스의 멤버 메서드가 아닙니다."));
    EXPECT_EQ(Children(iface), std::vector<std::string>{"m2"});
}

}  // namespace
