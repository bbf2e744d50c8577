// The method-domain pane on the sample design: what it shows and what its lazy loading costs, the commands of
// its menus end to end, the item a context menu acts on, the interface-changed message, paste after the copied
// item was deleted, search paths that name missing items, and the sorts.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "CContextMenuManager.h"
#include "CFrameWnd.h"
#include "CMethodDomainTreeView.h"
#include "class_msxmlcontroller.h"
#include "FrameMessages.h"
#include "DialogTestControls.h"
#include "MethodTreeTestSupport.h"
#include "ReadAheadAnswers.h"
#include "TreePaneTestSupport.h"

using tamo::platform::TestDriver;
using namespace dialog_test;
using namespace methodtree_test;

namespace {

// The main window of these tests: records the interface-changed messages it receives.
class RecordingFrame : public CFrameWnd {
public:
    std::vector<LPARAM> m_interfaceMessages;

protected:
    afx_msg LRESULT OnInterfaceChanged(WPARAM wParam, LPARAM lParam) {
        EXPECT_EQ(wParam, 1u);
        m_interfaceMessages.push_back(lParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingFrame, CFrameWnd)
    ON_MESSAGE(WM_INTERFACE_CHANGED, &RecordingFrame::OnInterfaceChanged)
END_MESSAGE_MAP()

class MethodDomainTreeViewTest : public tree_test::TreePaneTest<MethodTreeTest, CMethodDomainTreeView, RecordingFrame> {
protected:
    MethodDomainTreeViewTest() : TreePaneTest("methodtree_pane", "MethodDomainView", 1) {}

    // The pane sends the main frame its messages.
    void BeforePaneCreated() override { AfxGetApp()->m_pMainWnd = host; }
    void AfterPaneDestroyed() override {
        AfxGetApp()->m_pMainWnd = nullptr;
        TestDriver::PumpPostedMessages();
    }

    // A method domain of the test's own at the top level, shown in the tree.
    HTREEITEM OwnDomain(const std::string& suffix, int* id = nullptr) {
        const std::string name = UniqueName(suffix);
        const int created = NewMethodDomain(name);
        if (id) *id = created;
        pane.OnRefresh();
        return Child(Root(), name);
    }
    void WithMenus(const std::function<void()>& action) {
        CContextMenuManager menus;
        for (UINT menu : {374u, 330u, 332u, 333u}) menus.AddMenu("method", menu);
        CContextMenuManager* previous = afxContextMenuManager;
        afxContextMenuManager = &menus;
        action();
        afxContextMenuManager = previous;
    }
    void RightClick(HTREEITEM item) {
        CRect rect;
        Tree().GetItemRect(item, &rect, TRUE);
        TestDriver::RightClickAt(Tree(), rect.CenterPoint());
    }
};

TEST_F(MethodDomainTreeViewTest, ShowsTheSampleDomainsInterfacesMembersAndMethods) {
    HTREEITEM root = Root();
    EXPECT_EQ(Tree().GetItemText(root), "Method_Domain");
    EXPECT_EQ(Data(root)->path, "root\\");
    EXPECT_EQ(Images(root), std::make_pair(5, 6));
    EXPECT_TRUE(Tree().GetItemState(root, TVIS_BOLD) & TVIS_BOLD);

    HTREEITEM nav = Child(root, "NavService");
    ASSERT_TRUE(nav && Child(root, "Control"));
    EXPECT_EQ(Images(nav), std::make_pair(1, 2));
    EXPECT_EQ(Data(nav)->path, "NavService\\");
    // Before it is opened a domain holds its sub-domains and one interface and one method to open it by.
    EXPECT_EQ(Children(nav), (std::vector<std::string>{"위치서비스", "IHeartbeat", "GetPosition"}));
    HTREEITEM position = Child(nav, "위치서비스");
    EXPECT_EQ(Data(position)->path, "NavService\\위치서비스\\");
    EXPECT_EQ(Children(position), (std::vector<std::string>{"I위치", "위치조회"}));

    Select(nav);
    EXPECT_EQ(Children(nav), (std::vector<std::string>{"위치서비스", "IHeartbeat", "IWaypoint", "INavigation",
                                                       "GetPosition", "PositionCallback", "SetWaypoint", "ResetNav",
                                                       "PositionChanged", "NavInfo", "Heartbeat", "AckWaypoint",
                                                       "Ping", "CourseChanged"}));
    EXPECT_EQ(pane.GetCurrentId(), kNavService);
    HTREEITEM heartbeat = Child(nav, "IHeartbeat");
    EXPECT_EQ(Images(heartbeat), std::make_pair(27, 27));
    EXPECT_EQ(Children(heartbeat), std::vector<std::string>{"Heartbeat"});
    Select(heartbeat);
    EXPECT_EQ(Children(heartbeat), (std::vector<std::string>{"Heartbeat", "Ping"}));
    HTREEITEM ping = Child(heartbeat, "Ping");
    EXPECT_EQ(Data(ping)->kind, TREE_MEMBER_METHOD);
    EXPECT_EQ(Data(ping)->path, "NavService\\");
    EXPECT_EQ(Images(ping), std::make_pair(17, 18));
    const auto* member = static_cast<const class_membermethod_info*>(Data(ping)->record);
    EXPECT_EQ(member->interface_name, "IHeartbeat");
    EXPECT_EQ(member->method->code, "0x0040");

    HTREEITEM getPosition = Child(nav, "GetPosition");
    EXPECT_EQ(Data(getPosition)->kind, TREE_METHOD);
    EXPECT_EQ(Images(getPosition), std::make_pair(15, 16));
    EXPECT_EQ(Images(Child(nav, "NavInfo")), std::make_pair(21, 22));
    EXPECT_EQ(static_cast<const class_method_info*>(Data(getPosition)->record)->code, "1");
}

TEST_F(MethodDomainTreeViewTest, OpensEachItemOnceAtTheCostTheTreeStates) {
    int domainId = 0;
    const std::string subName = "하위";
    HTREEITEM domain = OwnDomain("_열기", &domainId);
    ASSERT_TRUE(domain);
    NewMethodDomain(subName, domainId);
    NewMethod(domainId, "m1", "CALL", 1);
    NewMethod(domainId, "m2", "EVENT", 2);
    NewInterface(domainId, "I", {"m1", "m2"});
    pane.OnRefresh();
    domain = Child(Root(), UniqueName("_열기"));
    ASSERT_TRUE(domain);

    // Its domain list, what the sub-domain shows (one call for the level), its interfaces, the first members
    // of its interfaces (one call, however many there are) and its methods; a second selection asks nothing.
    EXPECT_EQ(CallsOf([&] { Select(domain); }), 5);
    EXPECT_EQ(Children(domain), (std::vector<std::string>{subName, "I", "m1", "m2"}));
    // The sub-domain opens with its own domain, interface and method lists.
    EXPECT_EQ(CallsOf([&] { Select(Child(domain, subName)); Select(domain); }), 3);
    HTREEITEM iface = Child(domain, "I");
    EXPECT_EQ(CallsOf([&] { Select(iface); }), 1);
    EXPECT_EQ(Children(iface), (std::vector<std::string>{"m1", "m2"}));
    EXPECT_EQ(CallsOf([&] { Select(domain); Select(iface); }), 0);
    // The root opens filled: its expansion at creation asks nothing again.
    EXPECT_EQ(CallsOf([&] { TestDriver::ClickTreeButton(Tree(), Root()); TestDriver::ClickTreeButton(Tree(), Root()); }), 0);
}

// What the domains of a level show until they are opened comes in one bundle, which answers each of those calls
// exactly as the call alone: for the sample's domains (a private one among them), a domain without interfaces
// or methods, and one whose first interface has no members.
TEST_F(MethodDomainTreeViewTest, ALevelShowsItsFirstRowsFromOneBundleThatAnswersEachCallAsTheCallAlone) {
    int topId = 0;
    HTREEITEM top = OwnDomain("_묶음", &topId);
    ASSERT_TRUE(top);
    const int emptyId = NewMethodDomain("빈_도메인", topId);
    const int bareId = NewMethodDomain("멤버_없는", topId);
    NewMethod(bareId, "m1", "CALL", 1);
    NewInterface(bareId, "I", {});
    pane.OnRefresh();
    top = Child(Root(), UniqueName("_묶음"));
    ASSERT_TRUE(top);
    EXPECT_EQ(Children(Child(top, "멤버_없는")), (std::vector<std::string>{"I", "m1"}));
    EXPECT_TRUE(Children(Child(top, "빈_도메인")).empty());

    const std::vector<int> domains = {kNavService, 7, 8, emptyId, bareId};
    CMysqlReadAhead ahead({}, CMethodDomainTreeView::LevelFirstsCall(domains), CMethodDomainTreeView::LevelFirstsSets());
    std::set<std::string> procedures;
    for (const CMysqlReadAhead::Answer& answer : ahead.Answers()) {
        SCOPED_TRACE(answer.text);
        EXPECT_EQ(tree_test::CellsOf(answer.results), tree_test::CellsOf(tree_test::Alone(db, answer.text)));
        procedures.insert(answer.text.substr(0, answer.text.find('(')));
    }
    EXPECT_EQ(ahead.Answers().size(), domains.size() * CMethodDomainTreeView::LevelFirstsSets().size());
    EXPECT_EQ(procedures.size(), CMethodDomainTreeView::LevelFirstsSets().size()) << "every call is answered";
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(MethodDomainTreeViewTest, CommandsCreateEditAndDeleteWithTheirNames) {
    HTREEITEM domain = OwnDomain("_명령");
    ASSERT_TRUE(domain);
    Select(domain);
    const int domainId = static_cast<class_domain_info*>(Data(domain)->record)->id;

    // A sub-domain: it comes first below its parent.
    driver.OnDialog(319, [](CDialog& d) {
        TestDriver::Type(d, 1007, "하위_도메인");
        TestDriver::Click(d, IDOK);
    });
    pane.OnAddDomain();
    HTREEITEM sub = Child(domain, "하위_도메인");
    ASSERT_TRUE(sub);
    EXPECT_EQ(Data(sub)->path, Data(domain)->path + "하위_도메인\\");
    EXPECT_TRUE(Tree().GetItemState(domain, TVIS_EXPANDED) & TVIS_EXPANDED);

    // A method, added from the domain and from a method of it.
    Select(domain);
    auto addMethod = [this](const char* name, const char* code) {
        driver.OnDialog(334, [name, code](CDialog& d) {
            TestDriver::Type(d, 1038, name);
            TestDriver::Type(d, 1037, code);
            TestDriver::Click(d, IDOK);
        });
        pane.OnAddMethod();
    };
    addMethod("메서드_1", "1");
    HTREEITEM method = Child(domain, "메서드_1");
    ASSERT_TRUE(method);
    Select(method);
    addMethod("메서드_2", "2");
    EXPECT_EQ(Children(domain), (std::vector<std::string>{"하위_도메인", "메서드_1", "메서드_2"}));

    // An interface: the interfaces are reloaded and come after the methods.
    Select(domain);
    driver.OnDialog(331, [](CDialog& d) {
        TestDriver::Type(d, 1031, "I_인터페이스");
        TestDriver::Click(d, IDOK);
    });
    pane.OnAddInterface();
    EXPECT_EQ(Children(domain).back(), "I_인터페이스");

    // The method edited: text, images and record follow.
    Select(Child(domain, "메서드_1"));
    driver.OnDialog(334, [](CDialog& d) {
        Choose(d, 1011, "BROADCAST");
        TestDriver::Type(d, 1038, "고친_메서드");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditMethod();
    HTREEITEM edited = Child(domain, "고친_메서드");
    ASSERT_TRUE(edited);
    EXPECT_EQ(Images(edited), std::make_pair(25, 26));
    EXPECT_EQ(static_cast<class_method_info*>(Data(edited)->record)->type, "BROADCAST");

    // Deletes go only after OK.
    driver.AnswerMessageBox(IDCANCEL);
    pane.OnDeleteMethod();
    EXPECT_TRUE(Child(domain, "고친_메서드"));
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteMethod();
    EXPECT_FALSE(Child(domain, "고친_메서드"));
    EXPECT_EQ(StoredMethods(domainId), std::vector<std::string>{"메서드_2 2"});

    Select(sub);
    driver.OnDialog(319, [](CDialog& d) {
        TestDriver::Type(d, 1007, "고친_도메인");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditDomain();
    EXPECT_EQ(Tree().GetItemText(sub), "고친_도메인");
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteDomain();
    EXPECT_FALSE(Child(domain, "고친_도메인"));
    EXPECT_EQ(driver.MessageBoxes().back().caption, "타모");
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE upper_id = " + std::to_string(domainId)), "0");
}

TEST_F(MethodDomainTreeViewTest, InterfaceChangesReachTheMainFrameOnlyWhenTheNameChanged) {
    int domainId = 0;
    HTREEITEM domain = OwnDomain("_인터페이스", &domainId);
    NewMethod(domainId, "m1", "CALL", 1);
    NewMethod(domainId, "m2", "SIGNAL", 2);
    NewInterface(domainId, "I_하나", {"m1"});
    Select(domain);
    HTREEITEM iface = Child(domain, "I_하나");
    ASSERT_TRUE(iface);
    Select(iface);
    auto* record = static_cast<class_interface_info*>(Data(iface)->record);

    auto edit = [this](const char* name) {
        driver.OnDialog(331, [name](CDialog& d) {
            TestDriver::Type(d, 1031, name);
            TestDriver::Type(d, 1010, "설명");
            TestDriver::Click(d, IDOK);
        });
        pane.OnEditInterface();
    };
    edit("I_하나");
    EXPECT_TRUE(host->m_interfaceMessages.empty());
    edit("I_둘");
    EXPECT_EQ(Tree().GetItemText(iface), "I_둘");
    EXPECT_EQ(host->m_interfaceMessages, std::vector<LPARAM>{reinterpret_cast<LPARAM>(record)});

    // The member dialog: a method added to the interface, and a new method of the domain.
    driver.OnDialog(336, [](CDialog& d) {
        TestDriver::ClickListRow(List(d, 1046), 0);  // m2
        TestDriver::Click(d, 1045);
        TestDriver::Click(d, 1117);
        TestDriver::Click(d, IDOK);
    });
    driver.OnDialog(334, [](CDialog& d) {
        TestDriver::Type(d, 1038, "m3");
        TestDriver::Type(d, 1037, "3");
        TestDriver::Click(d, IDOK);
    });
    pane.OnMemberMethods();
    EXPECT_EQ(Children(iface), (std::vector<std::string>{"m1", "m2"}));
    EXPECT_EQ(Children(domain), (std::vector<std::string>{"I_둘", "m1", "m2", "m3"}));

    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteInterface();
    EXPECT_FALSE(Child(domain, "I_둘"));
    EXPECT_EQ(host->m_interfaceMessages.size(), 2u);
    EXPECT_EQ(host->m_interfaceMessages.back(), reinterpret_cast<LPARAM>(record));
}

TEST_F(MethodDomainTreeViewTest, ContextMenuActsOnTheItemUnderTheCursor) {
    int domainId = 0;
    HTREEITEM domain = OwnDomain("_메뉴", &domainId);
    NewMethod(domainId, "keep", "CALL", 1);
    NewMethod(domainId, "drop", "CALL", 2);
    NewInterface(domainId, "I", {"keep"});
    Select(domain);
    HTREEITEM drop = Child(domain, "drop");
    HTREEITEM iface = Child(domain, "I");
    ASSERT_TRUE(drop && iface);
    Select(drop);
    TestDriver::ClickTreeButton(Tree(), iface);  // expanding the interface makes it the current item
    ASSERT_EQ(pane.GetSelectedItemData(), Data(iface));

    WithMenus([&] {
        driver.AnswerPopupMenu(32830);  // "메서드 삭제" on the item that stayed selected
        driver.AnswerMessageBox(IDOK);
        RightClick(drop);
        driver.AnswerPopupMenu(0);
        RightClick(domain);
        driver.AnswerPopupMenu(0);
        RightClick(Root());
        driver.AnswerPopupMenu(0);
        RightClick(Child(domain, "I"));
    });
    EXPECT_EQ(StoredMethods(domainId), std::vector<std::string>{"keep 1"});
    const auto& popups = driver.PopupMenus();
    ASSERT_EQ(popups.size(), 4u);
    EXPECT_EQ(popups[0].menuId, 333u);
    EXPECT_EQ(popups[1].menuId, 330u);
    EXPECT_EQ(popups[2].menuId, 374u);
    EXPECT_EQ(popups[3].menuId, 332u);
    // Every command of the menus works.
    for (const auto& popup : popups) {
        for (const auto& item : popup.items) {
            if (item.id == 0) continue;
            EXPECT_TRUE(item.enabled) << item.text.str();
        }
    }
}

TEST_F(MethodDomainTreeViewTest, PasteInsertsTheCopiedMethodAlsoAfterItsItemWent) {
    int sourceId = 0, targetId = 0;
    HTREEITEM source = OwnDomain("_원본", &sourceId);
    targetId = NewMethodDomain(UniqueName("_대상"));
    NewMethod(sourceId, "copied_1", "EVENT", 7, 0, "", kBasic, "Int8");
    NewMethod(sourceId, "gone", "CALL", 8);
    pane.OnRefresh();
    source = Child(Root(), UniqueName("_원본"));
    HTREEITEM target = Child(Root(), UniqueName("_대상"));
    Select(target);

    driver.AnswerMessageBox(IDOK);
    pane.OnPasteMethod();  // nothing copied yet
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"복사할 대상이 없습니다"});

    Select(source);
    Select(Child(source, "copied_1"));
    pane.OnCopyMethod();
    Select(target);
    pane.OnPasteMethod();
    EXPECT_EQ(Children(target), std::vector<std::string>{"copied_1"});

    Select(Child(source, "gone"));
    pane.OnCopyMethod();
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteMethod();
    pane.OnRefresh();  // the copied item's handle is gone twice over; its record is not
    target = Child(Root(), UniqueName("_대상"));
    Select(target);
    pane.OnPasteMethod();
    EXPECT_EQ(Children(target), (std::vector<std::string>{"copied_1", "gone"}));
    EXPECT_EQ(StoredMethods(targetId), (std::vector<std::string>{"copied_1 7", "gone 8"}));
    EXPECT_EQ(AdminValue("SELECT out_data_name FROM method WHERE domain_id = " + std::to_string(targetId) +
                         " AND code = 7"),
              "Int8");

    // Pasting again: the server's text, and the tree as it was.
    driver.AnswerMessageBox(IDOK);
    pane.OnPasteMethod();
    EXPECT_EQ(Children(target), (std::vector<std::string>{"copied_1", "gone"}));
    EXPECT_EQ(BoxTexts().back(), db->GetLastErrorText());
}

TEST_F(MethodDomainTreeViewTest, ImportReloadsTheMethodsOfTheDomain) {
    int targetId = 0;
    HTREEITEM target = OwnDomain("_가져오기", &targetId);
    NewMethod(targetId, "own", "CALL", 100);
    Select(target);
    driver.OnDialog(416, [](CDialog& d) {
        Choose(d, 1186, "-위치서비스");
        TestDriver::ClickListRow(List(d, 1187), 1);  // 각도변경, 257
        TestDriver::Click(d, IDOK);
    });
    pane.OnImportMethods();
    EXPECT_EQ(Children(target), (std::vector<std::string>{"own", "각도변경"}));
    EXPECT_TRUE(Tree().GetItemState(target, TVIS_EXPANDED) & TVIS_EXPANDED);
}

TEST_F(MethodDomainTreeViewTest, SearchPathsStopAtTheDeepestMatch) {
    pane.SelectItemByPath("[타입]EVENT [이름]각도변경 [경로]NavService\\위치서비스\\");
    HTREEITEM reached = Tree().GetSelectedItem();
    ASSERT_TRUE(reached);
    EXPECT_EQ(Tree().GetItemText(reached), "각도변경");
    EXPECT_EQ(pane.GetSelectedItemData(), Data(reached));

    pane.SelectItemByPath("[타입]CALL [이름]Nope [경로]NavService\\Gone\\Deeper\\");
    EXPECT_EQ(Tree().GetItemText(Tree().GetSelectedItem()), "NavService");
    pane.SelectItemByPath("[타입]domain [이름]위치서비스 [경로]NavService\\위치서비스");
    EXPECT_EQ(Tree().GetItemText(Tree().GetSelectedItem()), "위치서비스");
}

TEST_F(MethodDomainTreeViewTest, SortsOrderByNameOrByKind) {
    int domainId = 0;
    HTREEITEM domain = OwnDomain("_정렬", &domainId);
    NewMethod(domainId, "b", "CALL", 1);
    NewMethod(domainId, "a", "CALL", 2);
    NewInterface(domainId, "c");
    NewMethodDomain("d", domainId);
    Select(domain);
    ASSERT_EQ(Children(domain), (std::vector<std::string>{"d", "c", "b", "a"}));
    pane.OnSortByName();
    EXPECT_EQ(Children(domain), (std::vector<std::string>{"a", "b", "c", "d"}));

    // "정렬 test" shows the kinds it compares: domains, then methods, then interfaces.
    driver.SetDefaultMessageBoxAnswer(IDOK);
    pane.OnSortTest();
    const std::vector<std::string> sorted = Children(domain);
    ASSERT_EQ(sorted.size(), 4u);
    EXPECT_EQ(sorted.front(), "d");
    EXPECT_EQ(sorted.back(), "c");
    const std::vector<std::string> texts = BoxTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.size() % 2, 0u);
    for (const std::string& text : texts) EXPECT_TRUE(text == "1" || text == "6" || text == "8") << text;
}

}  // namespace

TEST_F(MethodDomainTreeViewTest, XmlDocumentCommandWritesTheDomainAndSaysHowItWent) {
    HTREEITEM nav = Child(Root(), "NavService");
    ASSERT_TRUE(nav);
    Select(nav);
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / (UniqueName("_xml") + ".xml");
    driver.AnswerFileDialog(file.string().c_str());
    driver.AnswerMessageBox(IDOK);
    pane.SendMessage(WM_COMMAND, 32949, 0);
    std::ifstream written(file);
    const std::string text((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("NavService"), std::string::npos);
    std::filesystem::remove(file);

    driver.AnswerFileDialog("");
    driver.AnswerMessageBox(IDOK);
    pane.SendMessage(WM_COMMAND, 32949, 0);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"XML문서를 생성 했습니다", "XML문서를 생성하지 못했습니다"}));
    EXPECT_EQ(g_pMsXmlController, nullptr);
}
