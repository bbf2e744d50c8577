#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Platform.h"
#include "TestDriver.h"
#include "TestResources.h"

using tamo::platform::TestDriver;

namespace {

constexpr UINT WM_SHOW_ITEM_PROPERTIES = WM_USER + 123;
constexpr UINT WM_CREATE_DIAGRAM_FRAME = WM_USER + 125;
const UINT WM_TEST_REGISTERED = RegisterWindowMessage("TEST_REGISTERED");

std::vector<std::string>* g_log = nullptr;
void Log(const std::string& line) {
    if (g_log) g_log->push_back(line);
}

// A window with a handler for each kind of message.
class Receiver : public CWnd {
public:
    explicit Receiver(const char* name) : m_name(name) {}
    LRESULT createResult = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) {
        Log(m_name + " WM_CREATE");
        return static_cast<int>(createResult);
    }
    afx_msg void OnDestroy() { Log(m_name + " WM_DESTROY"); }
    afx_msg void OnSize(UINT, int cx, int cy) {
        Log(m_name + " WM_SIZE " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    afx_msg void OnLButtonDown(UINT, CPoint point) {
        Log(m_name + " WM_LBUTTONDOWN " + std::to_string(point.x) + "," + std::to_string(point.y));
    }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint) {
        Log(m_name + " WM_CONTEXTMENU from " + (pWnd == this ? "itself" : "a child"));
    }
    afx_msg LRESULT OnShowItem(WPARAM wParam, LPARAM lParam) {
        Log(m_name + " 1147 " + std::to_string(wParam) + " " + *reinterpret_cast<std::string*>(lParam));
        return 0;
    }
    afx_msg LRESULT OnCreateDiagram(WPARAM, LPARAM lParam) {
        Log(m_name + " 1149 " + reinterpret_cast<const char*>(lParam));
        return -1;
    }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) * 2; }
    afx_msg void OnCommandOne() { Log(m_name + " command 32872"); }
    void PostNcDestroy() override { Log(m_name + " PostNcDestroy"); }
    DECLARE_MESSAGE_MAP()

    std::string m_name;
};

BEGIN_MESSAGE_MAP(Receiver, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_SHOW_ITEM_PROPERTIES, &Receiver::OnShowItem)
    ON_MESSAGE(WM_CREATE_DIAGRAM_FRAME, &Receiver::OnCreateDiagram)
    ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, &Receiver::OnRegistered)
    ON_COMMAND(32872, &Receiver::OnCommandOne)
END_MESSAGE_MAP()

// A window without handlers of its own: what it does not take goes the way Windows sends it.
class Plain : public CWnd {};

// A tree that takes its own notifications back (reflection).
class ReflectingTree : public CTreeCtrl {
protected:
    afx_msg void OnSelChanged(NMHDR*, LRESULT* result) {
        Log("tree TVN_SELCHANGED");
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingTree, CTreeCtrl)
    ON_NOTIFY_REFLECT(TVN_SELCHANGED, &ReflectingTree::OnSelChanged)
END_MESSAGE_MAP()

class TreeHost : public Receiver {
public:
    TreeHost() : Receiver("host") {}

protected:
    afx_msg void OnTreeNotify(NMHDR* header, LRESULT*) {
        Log("host notify " + std::to_string(static_cast<int>(header->code)));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TreeHost, Receiver)
    ON_NOTIFY(TVN_SELCHANGED, 4, &TreeHost::OnTreeNotify)
    ON_NOTIFY(TVN_ITEMEXPANDING, 4, &TreeHost::OnTreeNotify)
END_MESSAGE_MAP()

class MessageTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadPlatformTestResources();
        g_log = &log;
    }
    void TearDown() override { g_log = nullptr; }

    TestDriver driver;
    std::vector<std::string> log;
};

TEST_F(MessageTest, SendRunsTheHandlerAtOnceAndPostWaitsForTheLoop) {
    Receiver window("main");
    ASSERT_TRUE(window.CreateEx(0, AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW), "main", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                200, nullptr, nullptr));
    log.clear();
    std::string record = "TreeNodeData";
    EXPECT_EQ(window.SendMessage(WM_SHOW_ITEM_PROPERTIES, 1, reinterpret_cast<LPARAM>(&record)), 0);
    EXPECT_EQ(window.SendMessage(WM_CREATE_DIAGRAM_FRAME, 1, reinterpret_cast<LPARAM>("root\\a\\")), -1);
    EXPECT_EQ(window.SendMessage(WM_TEST_REGISTERED, 21), 42);
    EXPECT_EQ(log, (std::vector<std::string>{"main 1147 1 TreeNodeData", "main 1149 root\\a\\"}));

    log.clear();
    EXPECT_TRUE(window.PostMessage(WM_SHOW_ITEM_PROPERTIES, 1, reinterpret_cast<LPARAM>(&record)));
    EXPECT_TRUE(::PostMessage(window.m_hWnd, WM_COMMAND, MAKEWPARAM(32872, 0), 0));
    EXPECT_TRUE(log.empty());
    TestDriver::PumpPostedMessages();
    EXPECT_EQ(log, (std::vector<std::string>{"main 1147 1 TreeNodeData", "main command 32872"}));

    // A message posted to a window that is gone by the time the loop runs is dropped.
    log.clear();
    window.PostMessage(WM_SHOW_ITEM_PROPERTIES, 1, reinterpret_cast<LPARAM>(&record));
    window.DestroyWindow();
    log.clear();
    TestDriver::PumpPostedMessages();
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(window.PostMessage(WM_SHOW_ITEM_PROPERTIES));
    EXPECT_EQ(window.SendMessage(WM_SHOW_ITEM_PROPERTIES), 0);
}

TEST_F(MessageTest, CreationAndDestructionFollowWindowsOrder) {
    Receiver parent("parent");
    Receiver child("child");
    ASSERT_TRUE(
        parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    ASSERT_TRUE(
        child.Create(nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), &parent, AFX_IDW_PANE_FIRST));
    EXPECT_EQ(log, (std::vector<std::string>{"parent WM_CREATE", "parent WM_SIZE 300x200", "child WM_CREATE",
                                             "child WM_SIZE 100x50"}));
    EXPECT_EQ(parent.GetDlgItem(AFX_IDW_PANE_FIRST), &child);
    EXPECT_EQ(child.GetParent(), &parent);
    child.MoveWindow(0, 0, 40, 30);
    EXPECT_EQ(log.back(), "child WM_SIZE 40x30");

    log.clear();
    parent.DestroyWindow();
    EXPECT_EQ(log, (std::vector<std::string>{"parent WM_DESTROY", "child WM_DESTROY", "child PostNcDestroy",
                                             "parent PostNcDestroy"}));
    EXPECT_EQ(parent.m_hWnd, nullptr);
    EXPECT_EQ(child.m_hWnd, nullptr);

    Receiver refusing("refusing");
    refusing.createResult = -1;
    log.clear();
    EXPECT_FALSE(refusing.CreateEx(0, nullptr, "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(log, (std::vector<std::string>{"refusing WM_CREATE", "refusing WM_DESTROY", "refusing PostNcDestroy"}));
    EXPECT_EQ(refusing.m_hWnd, nullptr);
}

TEST_F(MessageTest, MouseAndContextMenuReachTheWindowsThatHandleThem) {
    Receiver parent("parent");
    Plain child;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(50, 50, 150, 150), &parent, 7));
    TestDriver::ShowTopLevel(parent);
    log.clear();
    TestDriver::ClickAt(parent, CPoint(10, 20));
    TestDriver::RightClickAt(parent, CPoint(60, 60));
    EXPECT_EQ(log, (std::vector<std::string>{"parent WM_LBUTTONDOWN 10,20", "parent WM_CONTEXTMENU from a child"}));
    parent.DestroyWindow();
}

// Windows whose outer widget holds more than the client area: a press there (a border, a list's frame) is
// non-client and reaches no mouse handler; the client area still gets its messages in client coordinates.
TEST_F(MessageTest, PressesOutsideTheClientAreaReachNoMouseHandler) {
    Plain parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr));
    Receiver bordered("bordered");
    ASSERT_TRUE(
        bordered.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 110, 80), &parent, 7));
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, CRect(120, 10, 260, 120), &parent, 8));
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(120, 130, 260, 240), &parent, 9));
    TestDriver::ShowTopLevel(parent);
    log.clear();
    for (CWnd* window : {static_cast<CWnd*>(&bordered), static_cast<CWnd*>(&list), static_cast<CWnd*>(&tree)}) {
        TestDriver::DragInWindow(*window, CPoint(0, 0), CPoint(0, 0));
        TestDriver::DragInWindow(*window, CPoint(0, 0), CPoint(30, 20));
    }
    EXPECT_EQ(log, std::vector<std::string>{});
    TestDriver::DragInWindow(bordered, CPoint(6, 5), CPoint(6, 5));
    EXPECT_EQ(log, std::vector<std::string>{"bordered WM_LBUTTONDOWN 5,4"});
    parent.DestroyWindow();
}

TEST_F(MessageTest, ControlNotificationsAreReflectedToTheControlFirst) {
    TreeHost host;
    ReflectingTree tree;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 200, 200), &host, 4));
    const HTREEITEM root = tree.InsertItem("root");
    tree.InsertItem("leaf", root);
    log.clear();
    tree.SelectItem(root);
    tree.Expand(root, TVE_EXPAND);
    EXPECT_EQ(log, (std::vector<std::string>{"tree TVN_SELCHANGED",
                                             "host notify " + std::to_string(static_cast<int>(TVN_ITEMEXPANDING))}));
    host.DestroyWindow();
}

TEST_F(MessageTest, ATreeBeingDestroyedReportsNoSelection) {
    // Windows gives a tree the focus without choosing an item for it; while its window goes, nothing of it
    // reaches its parent any more, which may already have freed what the items' data point to.
    TreeHost host;
    CTreeCtrl focused;
    CTreeCtrl other;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    ASSERT_TRUE(focused.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 200), &host, 5));
    ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(100, 0, 200, 200), &host, 4));
    focused.SelectItem(focused.InsertItem("first"));
    other.InsertItem("never chosen");
    TestDriver::ShowTopLevel(host);
    focused.SetFocus();
    log.clear();
    host.DestroyWindow();
    EXPECT_EQ(log, (std::vector<std::string>{"host WM_DESTROY", "host PostNcDestroy"}));
}

}  // namespace
