#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Platform.h"
#include "TestDriver.h"
#include "TestResources.h"

using tamo::platform::PopupMenuItem;
using tamo::platform::TestDriver;

namespace {

constexpr UINT kViewCommand = 33070;
constexpr UINT kDocumentCommand = 33071;
constexpr UINT kChildCommand = 33072;
constexpr UINT kMainCommand = 33073;
constexpr UINT kApplicationCommand = 33074;
constexpr UINT kEveryoneCommand = 33075;
constexpr UINT kCustomizeCommand = 33077;

std::vector<std::string> g_handled;
int g_documentsAlive = 0;

class TestDocument : public CDocument {
    DECLARE_DYNCREATE(TestDocument)
public:
    TestDocument() { ++g_documentsAlive; }
    ~TestDocument() override { --g_documentsAlive; }
    std::string name;

protected:
    afx_msg void OnDocument() { g_handled.push_back("document " + name); }
    afx_msg void OnEveryone() { g_handled.push_back("document (everyone) " + name); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(TestDocument, CDocument)
BEGIN_MESSAGE_MAP(TestDocument, CDocument)
    ON_COMMAND(kDocumentCommand, &TestDocument::OnDocument)
    ON_COMMAND(kEveryoneCommand, &TestDocument::OnEveryone)
END_MESSAGE_MAP()

class TestView : public CScrollView {
    DECLARE_DYNCREATE(TestView)
public:
    int initialUpdates = 0;

protected:
    void OnInitialUpdate() override {
        ++initialUpdates;
        SetScrollSizes(MM_TEXT, CSize(50, 50));
    }
    afx_msg void OnView() { g_handled.push_back("view of " + static_cast<TestDocument*>(GetDocument())->name); }
    afx_msg void OnEveryone() { g_handled.push_back("view (everyone)"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(TestView, CScrollView)
BEGIN_MESSAGE_MAP(TestView, CScrollView)
    ON_COMMAND(kViewCommand, &TestView::OnView)
    ON_COMMAND(kEveryoneCommand, &TestView::OnEveryone)
END_MESSAGE_MAP()

class TestChild : public CMDIChildWndEx {
    DECLARE_DYNCREATE(TestChild)
protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override {
        cs.style &= ~FWS_ADDTOTITLE;
        return CMDIChildWndEx::PreCreateWindow(cs);
    }
    afx_msg void OnChild() { g_handled.push_back("child frame"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(TestChild, CMDIChildWndEx)
BEGIN_MESSAGE_MAP(TestChild, CMDIChildWndEx)
    ON_COMMAND(kChildCommand, &TestChild::OnChild)
END_MESSAGE_MAP()

class TreePane : public CDockablePane {
public:
    CTreeCtrl tree;
    std::vector<std::string> sizes;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
        if (CDockablePane::OnCreate(lpcs) == -1) return -1;
        return tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(0, 0, 0, 0), this, 4) ? 0
                                                                                                                 : -1;
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) {
        CDockablePane::OnSize(nType, cx, cy);
        if (tree.m_hWnd) tree.SetWindowPos(nullptr, 1, 1, cx - 2, cy - 2, SWP_NOACTIVATE | SWP_NOZORDER);
    }
    afx_msg void OnHandled() { g_handled.push_back("pane " + std::to_string(GetDlgCtrlID())); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TreePane, CDockablePane)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_COMMAND(kHandledCommand, &TreePane::OnHandled)
END_MESSAGE_MAP()

class GridPane : public CDockablePane {
public:
    CMFCPropertyGridCtrl grid;
    std::vector<std::string> changes;
    std::function<void(CMFCPropertyGridProperty&)> onChange;  // runs inside the notification

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
        if (CDockablePane::OnCreate(lpcs) == -1) return -1;
        if (!grid.Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, 0, 0), this, 2)) return -1;
        grid.EnableHeaderCtrl(FALSE, "Property", "Value");
        grid.EnableDescriptionArea();
        grid.SetVSDotNetLook();
        grid.MarkModifiedProperties(TRUE, TRUE);
        return 0;
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) {
        CDockablePane::OnSize(nType, cx, cy);
        if (grid.GetSafeHwnd()) grid.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOACTIVATE | SWP_NOZORDER);
    }
    afx_msg LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) {
        auto* row = reinterpret_cast<CMFCPropertyGridProperty*>(lParam);
        changes.push_back(std::to_string(wParam) + " " + row->GetName() + "=" +
                          static_cast<LPCTSTR>(static_cast<_bstr_t>(row->GetValue())) + " data " +
                          std::to_string(row->GetData()));
        const LRESULT answer = row->GetData() ? -1 : 0;
        if (onChange) onChange(*row);  // may delete the row
        return answer;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(GridPane, CDockablePane)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_REGISTERED_MESSAGE(AFX_WM_PROPERTY_CHANGED, &GridPane::OnPropertyChanged)
END_MESSAGE_MAP()

class TestMainFrame : public CMDIFrameWndEx {
public:
    CMFCMenuBar menuBar;
    CMFCToolBar toolBar;
    CMFCStatusBar statusBar;
    TreePane data, method, system;
    TreePane search;
    GridPane properties;
    // The panes that became the active tab of their group, with their tab's index.
    std::vector<std::string> tabChanges;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override {
        if (!CMDIFrameWndEx::PreCreateWindow(cs)) return FALSE;
        cs.style &= ~FWS_ADDTOTITLE;
        cs.cx = 1000;
        cs.cy = 640;
        return TRUE;
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
        if (CMDIFrameWndEx::OnCreate(lpcs) == -1) return -1;
        CMDITabInfo tabs;
        tabs.m_style = CMFCTabCtrl::STYLE_3D_ONENOTE;
        tabs.m_bActiveTabCloseButton = TRUE;
        EnableMDITabbedGroups(TRUE, tabs);
        if (!menuBar.Create(this)) return -1;
        menuBar.SetPaneStyle(menuBar.GetPaneStyle() | CBRS_SIZE_DYNAMIC | CBRS_TOOLTIPS | CBRS_FLYBY);
        if (!toolBar.CreateEx(this, TBSTYLE_FLAT) || !toolBar.LoadToolBar(kFrameResource)) return -1;
        toolBar.SetWindowText("표준");
        static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
        if (!statusBar.Create(this) || !statusBar.SetIndicators(indicators, 4)) return -1;
        const DWORD left = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_LEFT | CBRS_FLOAT_MULTI;
        if (!data.Create("DataDomainView", this, CRect(0, 0, 260, 200), TRUE, 133, left)) return -1;
        if (!method.Create("MethodDomainView", this, CRect(0, 0, 260, 200), TRUE, 1, left)) return -1;
        if (!system.Create("SystemDomainView", this, CRect(0, 0, 260, 200), TRUE, 2, left)) return -1;
        if (!search.Create("찾기", this, CRect(0, 0, 100, 120), TRUE, 149,
                           WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_FLOAT_MULTI))
            return -1;
        if (!properties.Create("속성", this, CRect(0, 0, 260, 200), TRUE, 150,
                               WS_CHILD | WS_VISIBLE | CBRS_RIGHT | CBRS_FLOAT_MULTI))
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        for (CDockablePane* pane : {static_cast<CDockablePane*>(&data), static_cast<CDockablePane*>(&method),
                                    static_cast<CDockablePane*>(&system), static_cast<CDockablePane*>(&search),
                                    static_cast<CDockablePane*>(&properties)})
            pane->EnableDocking(CBRS_ALIGN_ANY);
        DockPane(&system);
        DockPane(&data);
        method.AttachToTabWnd(&data, DM_SHOW, FALSE);
        system.AttachToTabWnd(&data, DM_SHOW, TRUE);
        DockPane(&search);
        DockPane(&properties);
        EnablePaneMenu(TRUE, kCustomizeCommand, "사용자 지정...", ID_VIEW_TOOLBAR);
        return 0;
    }
    afx_msg LRESULT OnChangeActiveTab(WPARAM wParam, LPARAM lParam) {
        tabChanges.push_back(std::to_string(wParam) + " " +
                             reinterpret_cast<CDockablePane*>(lParam)->GetPaneName().GetString());
        return 0;
    }
    afx_msg void OnMain() { g_handled.push_back("main frame"); }
    afx_msg void OnCustomize() { g_handled.push_back("customize"); }
    afx_msg void OnUnhandledState(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestMainFrame, CMDIFrameWndEx)
    ON_WM_CREATE()
    ON_COMMAND(kMainCommand, &TestMainFrame::OnMain)
    ON_COMMAND(kCustomizeCommand, &TestMainFrame::OnCustomize)
    ON_REGISTERED_MESSAGE(AFX_WM_CHANGE_ACTIVE_TAB, &TestMainFrame::OnChangeActiveTab)
END_MESSAGE_MAP()

class TestApplication : public CWinAppEx {
protected:
    afx_msg void OnApplication() { g_handled.push_back("application"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestApplication, CWinAppEx)
    ON_COMMAND(kApplicationCommand, &TestApplication::OnApplication)
END_MESSAGE_MAP()

TestApplication theApp;

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadPlatformTestResources();
        g_handled.clear();
        theApp.InitContextMenuManager();
        docTemplate = new CMultiDocTemplate(kFrameResource, RUNTIME_CLASS(TestDocument), RUNTIME_CLASS(TestChild),
                                            RUNTIME_CLASS(TestView));
        theApp.AddDocTemplate(docTemplate);
        frame = new TestMainFrame;
        ASSERT_TRUE(frame->LoadFrame(kFrameResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        theApp.m_pMainWnd = frame;
        frame->ShowWindow(SW_SHOW);
        TestDriver::PumpPostedMessages();
    }
    void TearDown() override {
        if (frame && frame->m_hWnd) frame->DestroyWindow();  // the frame deletes itself
        TestDriver::PumpPostedMessages();
        EXPECT_EQ(theApp.m_pMainWnd, nullptr);
        EXPECT_EQ(g_documentsAlive, 0);
    }

    // A diagram window as the main frame opens one: a document made directly, a frame from the template.
    TestChild* OpenWindow(const std::string& name) {
        auto* document = new TestDocument;
        document->name = name;
        CFrameWnd* child = docTemplate->CreateNewFrame(document, nullptr);
        if (!child) return nullptr;
        docTemplate->InitialUpdateFrame(child, document, TRUE);
        child->SetWindowText(name.c_str());
        return dynamic_cast<TestChild*>(child);
    }

    CWnd* Client() { return CWnd::FromHandle(frame->m_hWndMDIClient); }

    TestDriver driver;
    CMultiDocTemplate* docTemplate = nullptr;
    TestMainFrame* frame = nullptr;
};

TEST_F(FrameTest, ChildWindowsAreNumberedAndActivatedByTheirIds) {
    TestChild* first = OpenWindow("도움말");
    TestChild* second = OpenWindow("root\\a\\");
    TestChild* third = OpenWindow("root\\b\\");
    ASSERT_TRUE(first && second && third);
    EXPECT_EQ(Client()->GetDlgItem(AFX_IDM_FIRST_MDICHILD), first);
    EXPECT_EQ(Client()->GetDlgItem(AFX_IDM_FIRST_MDICHILD + 2), third);
    EXPECT_EQ(Client()->GetDlgItem(AFX_IDM_FIRST_MDICHILD + 3), nullptr);
    EXPECT_EQ(frame->MDIGetActive(), third);
    auto* view = dynamic_cast<TestView*>(second->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->initialUpdates, 1);
    EXPECT_EQ(dynamic_cast<TestDocument*>(second->GetActiveDocument())->name, "root\\a\\");

    ::SendMessage(frame->m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(second->m_hWnd), 0);
    EXPECT_EQ(frame->MDIGetActive(), second);
    CString title;
    second->GetWindowText(title);
    EXPECT_EQ(title, "root\\a\\");

    // Closing a window deletes its document and closes the gap in the numbers.
    first->SendMessage(WM_CLOSE);
    TestDriver::PumpPostedMessages();
    EXPECT_EQ(g_documentsAlive, 2);
    EXPECT_EQ(Client()->GetDlgItem(AFX_IDM_FIRST_MDICHILD), second);
    EXPECT_EQ(Client()->GetDlgItem(AFX_IDM_FIRST_MDICHILD + 1), third);
}

struct RouteCase {
    UINT command;
    const char* handler;
};

void PrintTo(const RouteCase& c, std::ostream* os) { *os << c.command << " -> " << c.handler; }

class CommandRoute : public FrameTest, public ::testing::WithParamInterface<RouteCase> {};

TEST_P(CommandRoute, GoesViewDocumentChildFrameMainFrameApplication) {
    OpenWindow("one");
    OpenWindow("two");
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(GetParam().command, 0), 0);
    EXPECT_EQ(g_handled, std::vector<std::string>{GetParam().handler});
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, CommandRoute,
    ::testing::Values(RouteCase{kViewCommand, "view of two"}, RouteCase{kDocumentCommand, "document two"},
                      RouteCase{kChildCommand, "child frame"}, RouteCase{kMainCommand, "main frame"},
                      RouteCase{kApplicationCommand, "application"}, RouteCase{kEveryoneCommand, "view (everyone)"}));

TEST_F(FrameTest, PanesDockTabbedWithTheSystemTreeShowing) {
    EXPECT_TRUE(frame->system.IsDocked());
    EXPECT_EQ(frame->data.GetTabbedPaneCount(), 3);
    EXPECT_TRUE(frame->system.IsActiveTab());
    EXPECT_FALSE(frame->data.IsActiveTab());
    EXPECT_FALSE(frame->method.IsActiveTab());
    EXPECT_EQ(frame->search.GetCurrentAlignment(), static_cast<DWORD>(CBRS_ALIGN_BOTTOM));
    EXPECT_EQ(frame->properties.GetCurrentAlignment(), static_cast<DWORD>(CBRS_ALIGN_RIGHT));
    EXPECT_EQ(frame->data.GetPaneName(), "DataDomainView");
    // The pane sizes its tree to its client area whenever the dock resizes it.
    CRect pane, tree;
    frame->system.GetClientRect(&pane);
    frame->system.tree.GetWindowRect(&tree);
    EXPECT_GT(pane.Width(), 0);
    EXPECT_EQ(tree.Width(), pane.Width() - 2);
    frame->method.ShowPane(TRUE, FALSE, TRUE);
    TestDriver::PumpPostedMessages();
    EXPECT_TRUE(frame->method.IsActiveTab());
    // A pane's close box hides it; the pane and its window stay.
    TestDriver::PressCloseBox(frame->search);
    EXPECT_FALSE(frame->search.IsPaneVisible());
    EXPECT_NE(frame->search.m_hWnd, nullptr);
    frame->ShowPane(&frame->search, TRUE, FALSE, TRUE);
    EXPECT_TRUE(frame->search.IsPaneVisible());
}

// Each docked pane's separator towards the middle resizes it; a press on a pane's title bar leaves it docked.
TEST_F(FrameTest, PaneSeparatorsResizeThePanes) {
    struct Case {
        CDockablePane* pane;
        bool wide;  // the separator changes the pane's width (left and right panes) or its height
    };
    for (const Case& c : {Case{&frame->system, true}, Case{&frame->search, false}, Case{&frame->properties, true}}) {
        SCOPED_TRACE(c.pane->GetPaneName().GetString());
        CRect before, grown, shrunk;
        c.pane->GetWindowRect(&before);
        ASSERT_TRUE(TestDriver::DragPaneSeparator(*c.pane, 40));
        c.pane->GetWindowRect(&grown);
        EXPECT_EQ(c.wide ? grown.Width() : grown.Height(), (c.wide ? before.Width() : before.Height()) + 40);
        ASSERT_TRUE(TestDriver::DragPaneSeparator(*c.pane, -60));
        c.pane->GetWindowRect(&shrunk);
        EXPECT_EQ(c.wide ? shrunk.Width() : shrunk.Height(), (c.wide ? grown.Width() : grown.Height()) - 60);
    }
    TestDriver::DragInWindow(frame->search, CPoint(30, 6), CPoint(30, 6));
    EXPECT_TRUE(frame->search.IsDocked());
    EXPECT_TRUE(frame->search.IsPaneVisible());
}

TEST_F(FrameTest, ContextMenusAskTheOwnerWhichCommandsItHandles) {
    ASSERT_TRUE(afxContextMenuManager->AddMenu("편집", kPopupMenu));
    driver.AnswerPopupMenu(kHandledCommand);
    driver.AnswerPopupMenu(kUnhandledCommand);
    afxContextMenuManager->ShowPopupMenu(kPopupMenu, 100, 120, &frame->data, TRUE);
    afxContextMenuManager->ShowPopupMenu(kPopupMenu, 100, 120, &frame->data, TRUE);
    EXPECT_EQ(g_handled, std::vector<std::string>{"pane 133"});
    ASSERT_EQ(driver.PopupMenus().size(), 2u);
    const auto& items = driver.PopupMenus()[0].items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].text, "처리됨");
    EXPECT_TRUE(items[0].enabled);
    EXPECT_FALSE(items[1].enabled);
    EXPECT_EQ(items[2].text, "하위/안쪽");
    EXPECT_EQ(driver.PopupMenus()[0].menuId, kPopupMenu);
    EXPECT_EQ(driver.PopupMenus()[0].point, CPoint(100, 120));
}

TEST_F(FrameTest, MenuBarAndToolbarComeFromTheFrameResource) {
    EXPECT_EQ(TestDriver::MenuBarTitles(*frame), (std::vector<CString>{"파일(&F)", "보기(&V)"}));
    EXPECT_EQ(frame->toolBar.GetCount(), 4);
    EXPECT_EQ(frame->toolBar.GetItemID(0), kHandledCommand);
    EXPECT_EQ(frame->toolBar.GetItemID(2), static_cast<UINT>(ID_SEPARATOR));
    EXPECT_EQ(frame->statusBar.GetCount(), 4);
    EXPECT_EQ(frame->statusBar.GetPaneText(1), "CAP");
    // Buttons without a handler anywhere on the route are disabled by the update pass.
    TestDriver::UpdateCommandUI(*frame);
    EXPECT_FALSE(frame->toolBar.IsButtonEnabled(kHandledCommand));
    EXPECT_FALSE(frame->toolBar.IsButtonEnabled(kUnhandledCommand));
    CString title;
    frame->GetWindowText(title);
    EXPECT_EQ(title, "테스트 창");
}

// The item that EnablePaneMenu names gives way, each time its menu opens, to the toolbars and panes with their
// visibility and the customize command; choosing one shows or hides it.
TEST_F(FrameTest, TheViewMenuListsToolbarsAndPanesInPlaceOfItsItem) {
    const auto shown = [this] {
        std::vector<std::string> texts;
        for (const PopupMenuItem& item : TestDriver::OpenMenuBarPopup(*frame, "보기(&V)"))
            texts.push_back(item.text.str() + (item.checked ? " [v]" : ""));
        return texts;
    };
    const std::string list = "도구 모음 및 도킹 창(&T)/";
    const std::vector<std::string> allShown = {
        list + "표준 [v]", list + "DataDomainView [v]", list + "MethodDomainView [v]", list + "SystemDomainView [v]",
        list + "찾기 [v]", list + "속성 [v]", list + "사용자 지정...", "상태 표시줄(&S) [v]"};
    EXPECT_EQ(shown(), allShown);

    EXPECT_TRUE(TestDriver::ChooseMenuBarItem(*frame, "보기(&V)", (list + "찾기").c_str()));
    EXPECT_FALSE(frame->search.IsPaneVisible());
    std::vector<std::string> searchHidden = allShown;
    searchHidden[4] = list + "찾기";
    EXPECT_EQ(shown(), searchHidden);
    EXPECT_TRUE(TestDriver::ChooseMenuBarItem(*frame, "보기(&V)", (list + "찾기").c_str()));
    EXPECT_TRUE(frame->search.IsPaneVisible());

    EXPECT_TRUE(TestDriver::ChooseMenuBarItem(*frame, "보기(&V)", (list + "사용자 지정...").c_str()));
    EXPECT_EQ(g_handled, std::vector<std::string>{"customize"});
}

// While a menu is open the status bar shows the prompt of the hovered command (its string up to the line feed;
// nothing for a command without a string); the idle message comes back when the menu closes.
TEST_F(FrameTest, TheStatusBarShowsThePromptOfTheHoveredMenuCommand) {
    ASSERT_TRUE(afxContextMenuManager->AddMenu("편집", kPopupMenu));
    std::vector<CString> shown;
    driver.OnPopupMenu([&](tamo::platform::PopupMenuCall& call) {
        call.hover(kHandledCommand);
        shown.push_back(frame->statusBar.GetPaneText(0));
        call.hover(kUnhandledCommand);
        shown.push_back(frame->statusBar.GetPaneText(0));
        call.hover(kHandledCommand);
    });
    afxContextMenuManager->ShowPopupMenu(kPopupMenu, 100, 120, &frame->data, TRUE);
    shown.push_back(frame->statusBar.GetPaneText(0));
    EXPECT_EQ(shown, (std::vector<CString>{"처리되는 명령", "", "준비"}));

    // A menu closed without a hovered item leaves what the program said.
    frame->SetMessageText("작업 중");
    driver.AnswerPopupMenu(0);
    afxContextMenuManager->ShowPopupMenu(kPopupMenu, 100, 120, &frame->data, TRUE);
    EXPECT_EQ(frame->statusBar.GetPaneText(0), "작업 중");

    // The menu bar's popups: the prompt while the mouse rests on the item, the idle message once it is chosen.
    const std::string search = "도구 모음 및 도킹 창(&T)/찾기";
    EXPECT_TRUE(TestDriver::HoverMenuBarItem(*frame, "파일(&F)", "처리되는 명령"));
    EXPECT_EQ(frame->statusBar.GetPaneText(0), "처리되는 명령");
    EXPECT_TRUE(TestDriver::HoverMenuBarItem(*frame, "보기(&V)", search.c_str()));
    EXPECT_EQ(frame->statusBar.GetPaneText(0), "");
    EXPECT_TRUE(TestDriver::ChooseMenuBarItem(*frame, "보기(&V)", search.c_str()));
    EXPECT_EQ(frame->statusBar.GetPaneText(0), "준비");
    EXPECT_FALSE(frame->search.IsPaneVisible());
}

// A chooser: a row with options that takes no typing.
CMFCPropertyGridProperty* NewChooser(LPCTSTR name, DWORD_PTR data, std::initializer_list<LPCTSTR> options) {
    auto* chooser = new CMFCPropertyGridProperty(name, (_variant_t) "선택하세요", "", data);
    for (LPCTSTR option : options) chooser->AddOption(option);
    chooser->AllowEdit(FALSE);
    return chooser;
}

TEST_F(FrameTest, PropertyGridShowsGroupsAndReportsChoices) {
    CMFCPropertyGridCtrl& grid = frame->properties.grid;
    auto* group = new CMFCPropertyGridProperty("도메인 정보");
    group->AddSubItem(new CMFCPropertyGridProperty("도메인명", (_variant_t) "root\\a", "도메인 이름"));
    group->AddSubItem(new CMFCPropertyGridProperty("Port", (_variant_t)(unsigned short)65535, "포트"));
    CMFCPropertyGridProperty* chooser = NewChooser("IP", 200, {"10.0.0.1", "10.0.0.2"});
    group->AddSubItem(chooser);
    EXPECT_EQ(grid.AddProperty(group), 0);
    EXPECT_EQ(grid.GetPropertyCount(), 1);
    EXPECT_TRUE(group->IsGroup());
    EXPECT_EQ(group->GetSubItemsCount(), 3);
    EXPECT_STREQ(static_cast<LPCTSTR>(static_cast<_bstr_t>(group->GetSubItem(1)->GetValue())), "65535");
    EXPECT_EQ(grid.FindItemByData(200), chooser);

    // Through the grid's own editors: the typed value counts on Enter, the picked option at once.
    TestDriver::ChooseProperty(grid, group->GetSubItem(0), "typed over");
    TestDriver::ChooseProperty(grid, chooser, "10.0.0.2");
    EXPECT_EQ(frame->properties.changes,
              (std::vector<std::string>{"2 도메인명=typed over data 0", "2 IP=10.0.0.2 data 200"}));
    EXPECT_TRUE(chooser->IsModified());
    // Picking the option the row shows already is no change.
    TestDriver::ChooseProperty(grid, chooser, "10.0.0.2");
    EXPECT_EQ(frame->properties.changes.size(), 2u);
    grid.RemoveAll();
    EXPECT_EQ(grid.GetPropertyCount(), 0);
}

TEST_F(FrameTest, PropertyGridCanBeRebuiltWhileItReportsAChoice) {
    GridPane& pane = frame->properties;
    CMFCPropertyGridCtrl& grid = pane.grid;
    CMFCPropertyGridProperty* detail = nullptr;
    // A choice in the first chooser empties the grid and shows a second chooser; a choice there replaces
    // the detail group below it.
    pane.onChange = [&grid, &detail](CMFCPropertyGridProperty& row) {
        if (row.GetData() == 200) {
            grid.RemoveAll();
            auto* group = new CMFCPropertyGridProperty("Interface 정보");
            group->AddSubItem(NewChooser("interface_Info", 300, {"Steer", "Monitor"}));
            grid.AddProperty(group);
            detail = nullptr;
        } else if (row.GetData() == 300) {
            if (detail) grid.DeleteProperty(detail);
            detail = new CMFCPropertyGridProperty("Method Domain");
            detail->AddSubItem(new CMFCPropertyGridProperty("Method_Domain명", (_variant_t)row.GetValue(), ""));
            grid.AddProperty(detail);
        }
    };
    auto* group = new CMFCPropertyGridProperty("IP 정보");
    group->AddSubItem(NewChooser("IP_Info", 200, {"10.0.0.1"}));
    grid.AddProperty(group);

    TestDriver::ChooseProperty(grid, grid.FindItemByData(200), "10.0.0.1");
    ASSERT_NE(grid.FindItemByData(300), nullptr);
    TestDriver::ChooseProperty(grid, grid.FindItemByData(300), "Steer");
    TestDriver::ChooseProperty(grid, grid.FindItemByData(300), "Monitor");
    TestDriver::PumpPostedMessages();

    EXPECT_EQ(pane.changes, (std::vector<std::string>{"2 IP_Info=10.0.0.1 data 200",
                                                      "2 interface_Info=Steer data 300",
                                                      "2 interface_Info=Monitor data 300"}));
    ASSERT_EQ(grid.GetPropertyCount(), 2);
    EXPECT_STREQ(grid.GetProperty(1)->GetName(), "Method Domain");
    EXPECT_EQ(grid.GetProperty(1)->GetSubItem(0)->GetValue().ToString(), "Monitor");
    // The chooser stays selected (its description shown) while the groups around it change.
    EXPECT_EQ(grid.GetCurSel(), grid.FindItemByData(300));
    EXPECT_TRUE(TestDriver::QtWarnings().empty()) << TestDriver::QtWarnings().front().GetString();
    pane.onChange = nullptr;
}

TEST_F(FrameTest, TheFrameHearsWhichTabbedPaneBecomesTheActiveTab) {
    // Docking the panes at start is no change of tab.
    EXPECT_TRUE(frame->tabChanges.empty());
    ASSERT_TRUE(TestDriver::ClickPaneTab(frame->data));
    EXPECT_TRUE(frame->data.IsActiveTab());
    // The tab that shows already changes nothing.
    ASSERT_TRUE(TestDriver::ClickPaneTab(frame->data));
    frame->method.ShowPane(TRUE, FALSE, TRUE);
    TestDriver::PumpPostedMessages();
    EXPECT_EQ(frame->tabChanges, (std::vector<std::string>{"0 DataDomainView", "1 MethodDomainView"}));
    // A pane without tabs has none to click.
    EXPECT_FALSE(TestDriver::ClickPaneTab(frame->search));
}

TEST_F(FrameTest, PropertyGridShowsEveryNameWhole) {
    CMFCPropertyGridCtrl& grid = frame->properties.grid;
    CFont font;
    ASSERT_TRUE(font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, HANGUL_CHARSET, 0, 0, 0, 0, "굴림"));
    grid.SetFont(&font);
    const auto grid_group = [](LPCTSTR name, std::initializer_list<LPCTSTR> rows) {
        auto* group = new CMFCPropertyGridProperty(name);
        for (LPCTSTR row : rows) group->AddSubItem(new CMFCPropertyGridProperty(row, (_variant_t) "값", ""));
        return group;
    };
    grid.AddProperty(grid_group("사용자 정보", {"사용자ID", "관리자계정권한"}));
    const int shortNames = grid.GetLeftColumnWidth();
    // A group's name spans the grid and sizes nothing; the longest row name does.
    grid.AddProperty(grid_group("Method Type / Method_name (in, out) of a long group", {" Type : INFORMATION"}));
    CDC measure;
    measure.SelectObject(&font);
    const int longest = measure.GetTextExtent(" Type : INFORMATION").cx;
    EXPECT_GE(grid.GetLeftColumnWidth(), longest);
    EXPECT_GT(grid.GetLeftColumnWidth(), shortNames);
    EXPECT_LT(grid.GetLeftColumnWidth(), measure.GetTextExtent("Method Type / Method_name (in, out) of a long group").cx);
    // Renaming a row refits the column.
    grid.GetProperty(0)->GetSubItem(1)->SetName("관리자계정권한 그리고 아주 긴 이름의 행");
    EXPECT_GE(grid.GetLeftColumnWidth(), measure.GetTextExtent("관리자계정권한 그리고 아주 긴 이름의 행").cx);
    grid.RemoveAll();
}

// Draws a box with its name, as a diagram element does.
class BoxElement : public CWnd {
protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        CBrush fill(RGB(255, 255, 162));
        dc.SelectObject(&fill);
        dc.Rectangle(client);
        CFont font;
        font.CreateFont(15, 0, 0, 0, 400, 0, 0, 0, HANGUL_CHARSET, 0, 0, 0, 0, "신명조");
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        CString name;
        GetWindowText(name);
        dc.DrawText(name, client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(BoxElement, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST_F(FrameTest, ScreenshotOfTheFrameWithPanes) {
    CTreeCtrl& tree = frame->system.tree;
    const HTREEITEM root = tree.InsertItem("System_Domain");
    for (const char* name : {"Nodes", "Components", "함정 체계"}) tree.InsertItem(name, root);
    tree.Expand(root, TVE_EXPAND);
    tree.SelectItem(tree.GetChildItem(root));
    auto* group = new CMFCPropertyGridProperty("사용자 정보");
    group->AddSubItem(new CMFCPropertyGridProperty("계정", (_variant_t) "admin", "로그인한 계정"));
    group->AddSubItem(new CMFCPropertyGridProperty("관리자", (_variant_t) "Y", ""));
    frame->properties.grid.AddProperty(group);
    OpenWindow("도움말");
    TestChild* diagram = OpenWindow("root\\함정\\");
    ASSERT_NE(diagram, nullptr);
    BoxElement first, second;
    CView* view = diagram->GetActiveView();
    ASSERT_TRUE(first.Create(nullptr, "Component_A", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(40, 40, 220, 110), view,
                             AFX_IDW_PANE_FIRST));
    ASSERT_TRUE(second.Create(nullptr, "stub_Interface", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(300, 160, 480, 230),
                              view, AFX_IDW_PANE_FIRST));
    frame->statusBar.SetPaneText(0, "준비");
    const CString png = TestDriver::ArtifactPath("frame-with-panes.png");
    EXPECT_TRUE(TestDriver::SaveWindowPng(*frame, png));
    first.DestroyWindow();
    second.DestroyWindow();
}

}  // namespace
