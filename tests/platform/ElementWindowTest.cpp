#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Platform.h"
#include "TestDriver.h"
#include "TestResources.h"

using tamo::platform::TestDriver;

namespace {

std::vector<std::string>* g_clicks = nullptr;

// A diagram line: a window over the whole view, cut down to a band by a region, that brings itself to the top
// in every paint (with the insert-after window it is given) and counts its paints and clicks.
class RaisingBand : public CWnd {
public:
    RaisingBand(const char* name, CRect band, const CWnd* insertAfter = &CWnd::wndTop)
        : m_name(name), m_band(band), m_insertAfter(insertAfter) {}
    int paints = 0;

protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        ++paints;
        CRgn region;
        region.CreateRectRgn(m_band.left, m_band.top, m_band.right, m_band.bottom);
        SetWindowRgn(region, FALSE);
        SetWindowPos(m_insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        CBrush fill(RGB(255, 0, 0));
        dc.FillRect(m_band, &fill);
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
        if (g_clicks) g_clicks->push_back(m_name);
        CWnd::OnLButtonDown(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()

private:
    std::string m_name;
    CRect m_band;
    const CWnd* m_insertAfter;
};

BEGIN_MESSAGE_MAP(RaisingBand, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class ElementWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadPlatformTestResources();
        g_clicks = &clicks;
        ASSERT_TRUE(view.CreateEx(0, AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW), "view", WS_OVERLAPPEDWINDOW, 0, 0,
                                  400, 300, nullptr, nullptr));
    }
    void TearDown() override {
        view.DestroyWindow();
        g_clicks = nullptr;
    }

    void create(RaisingBand& band, UINT id) {
        ASSERT_TRUE(band.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &view, id));
    }

    // Lets the event loop paint what it has to, a number of rounds.
    static void settle(int rounds = 10) {
        for (int round = 0; round < rounds; ++round) TestDriver::PumpPostedMessages();
    }

    TestDriver driver;
    std::vector<std::string> clicks;
    CWnd view;
};

TEST_F(ElementWindowTest, CrossingWindowsThatRaiseThemselvesWhilePaintingSettle) {
    RaisingBand across("across", CRect(0, 100, 400, 104));
    RaisingBand down("down", CRect(200, 0, 204, 300));
    create(across, 1);
    create(down, 2);
    TestDriver::ShowTopLevel(view);
    settle();
    ASSERT_GT(across.paints, 0);
    ASSERT_GT(down.paints, 0);

    across.paints = down.paints = 0;
    settle();
    EXPECT_EQ(across.paints, 0);
    EXPECT_EQ(down.paints, 0);

    // A window brought to the top over one that covered part of it shows that part: it alone paints again.
    across.Invalidate();
    settle();
    EXPECT_GE(across.paints, 1);
    EXPECT_LE(across.paints, 2);
    EXPECT_EQ(down.paints, 0);
    clicks.clear();
    TestDriver::ClickAt(view, CPoint(201, 102));
    EXPECT_EQ(clicks, std::vector<std::string>{"across"});
}

TEST_F(ElementWindowTest, TopmostChildStaysAboveSiblingsRaisedLater) {
    RaisingBand port("port", CRect(190, 90, 210, 110), &CWnd::wndTopMost);
    RaisingBand frame("frame", CRect(0, 98, 400, 102));
    create(port, 1);
    create(frame, 2);
    TestDriver::ShowTopLevel(view);
    settle();

    TestDriver::ClickAt(view, CPoint(200, 100));
    frame.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    TestDriver::ClickAt(view, CPoint(200, 100));
    TestDriver::ClickAt(view, CPoint(300, 100));
    EXPECT_EQ(clicks, (std::vector<std::string>{"port", "port", "frame"}));

    // Given up, the topmost place goes: the frame raised again comes over it.
    port.SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    frame.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    clicks.clear();
    TestDriver::ClickAt(view, CPoint(200, 100));
    EXPECT_EQ(clicks, std::vector<std::string>{"frame"});
}

TEST_F(ElementWindowTest, WindowCutToAnEmptyRegionShowsAndTakesNothing) {
    RaisingBand below("below", CRect(0, 0, 400, 300));
    create(below, 1);
    CWnd cut;
    ASSERT_TRUE(cut.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &view, 2));
    CRgn empty;
    empty.CreateRectRgn(0, 0, 0, 0);
    cut.SetWindowRgn(empty, FALSE);
    TestDriver::ShowTopLevel(view);
    settle();
    TestDriver::ClickAt(view, CPoint(100, 150));
    EXPECT_EQ(clicks, std::vector<std::string>{"below"});
    EXPECT_EQ(TestDriver::PixelAt(view, CPoint(100, 150)), RGB(255, 0, 0));
}

TEST_F(ElementWindowTest, ChildWithABorderKeepsItsFrameAroundItsClientArea) {
    CWnd box;
    ASSERT_TRUE(box.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(50, 60, 150, 120), &view, 3));
    CRect client, outer;
    box.GetClientRect(&client);
    box.GetWindowRect(&outer);
    view.ScreenToClient(&outer);
    EXPECT_EQ(client, CRect(0, 0, 98, 58));
    EXPECT_EQ(outer, CRect(50, 60, 150, 120));
    // A child of the box that fills it leaves the frame showing.
    RaisingBand inside("inside", CRect(0, 0, 100, 60));
    ASSERT_TRUE(inside.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 60), &box, 1));
    box.MoveWindow(50, 60, 120, 80);
    box.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 118, 78));
    TestDriver::ShowTopLevel(view);
    settle();
    EXPECT_EQ(TestDriver::PixelAt(view, CPoint(50, 100)), RGB(0, 0, 0));
    EXPECT_EQ(TestDriver::PixelAt(view, CPoint(100, 139)), RGB(0, 0, 0));
    EXPECT_EQ(TestDriver::PixelAt(view, CPoint(100, 100)), RGB(255, 0, 0));
    TestDriver::ClickAt(view, CPoint(100, 100));
    EXPECT_EQ(clicks, std::vector<std::string>{"inside"});
}

// An interface box lists member methods under group items whose texts end in a line break.
TEST_F(ElementWindowTest, TreeItemWithALineBreakShowsOnOneLine) {
    CTreeCtrl plain, grouped;
    const DWORD style = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
    ASSERT_TRUE(plain.Create(style, CRect(0, 0, 180, 200), &view, 4));
    ASSERT_TRUE(grouped.Create(style, CRect(200, 0, 380, 200), &view, 5));
    TestDriver::ShowTopLevel(view);
    plain.InsertItem("<< call >>", TVI_ROOT);
    HTREEITEM group = grouped.InsertItem("<< call >> \n", TVI_ROOT);
    grouped.InsertItem("GetPosition(in,out):tamo_err_t", group);
    grouped.Expand(group, TVE_EXPAND);

    EXPECT_GT(plain.GetItemHeight(), 0);
    EXPECT_EQ(grouped.GetItemHeight(), plain.GetItemHeight());
    EXPECT_EQ(grouped.GetItemText(group), "<< call >> \n");
    CRect first, second;
    ASSERT_TRUE(grouped.GetItemRect(group, &first, FALSE));
    ASSERT_TRUE(grouped.GetItemRect(grouped.GetChildItem(group), &second, FALSE));
    EXPECT_EQ(second.top - first.top, plain.GetItemHeight());
}

// The member-method pop-up of a circle stub: a tool window at a screen point, of a class of its own.
class PopupWindow : public CWnd {
public:
    int paints = 0;

protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        ++paints;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PopupWindow, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST_F(ElementWindowTest, PopupAtAScreenPointPlacesItsOuterWindowWithTheClassBrush) {
    TestDriver::ShowTopLevel(view);
    CBrush yellow(RGB(255, 255, 162));
    const LPCTSTR className = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW, nullptr, yellow, nullptr);
    PopupWindow popup;
    ASSERT_TRUE(popup.CreateEx(WS_EX_TOOLWINDOW, className, "조타 제어기 : 301",
                               WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, 120, 140, 300, 200, view.m_hWnd,
                               nullptr));
    settle(2);
    CRect outer, client;
    popup.GetWindowRect(&outer);
    popup.GetClientRect(&client);
    EXPECT_EQ(outer, CRect(120, 140, 420, 340));
    EXPECT_LT(client.Width(), 300);
    EXPECT_LT(client.Height(), 200);
    EXPECT_GT(client.Height(), 100);
    CPoint origin(0, 0);
    popup.ClientToScreen(&origin);
    EXPECT_TRUE(outer.PtInRect(origin));
    EXPECT_NE(origin, CPoint(120, 140));

    // The class brush fills the background; a window class of another brush is another class.
    const CString png = TestDriver::ArtifactPath("popup.png");
    ASSERT_TRUE(TestDriver::SaveWindowPng(popup, png));
    EXPECT_EQ(TestDriver::PixelAt(popup, CPoint(client.right / 2, client.bottom / 2)), RGB(255, 255, 162));
    CBrush white(RGB(255, 255, 255));
    EXPECT_STRNE(AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW, nullptr, white, nullptr), className);
    EXPECT_STREQ(AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW, nullptr, yellow, nullptr), className);

    // Resized (by its outer size, as Windows does), it paints all over again.
    popup.paints = 0;
    popup.SetWindowPos(nullptr, 0, 0, 260, 150, SWP_NOMOVE | SWP_NOZORDER);
    settle(2);
    popup.GetWindowRect(&outer);
    EXPECT_EQ(outer, CRect(120, 140, 380, 290));
    EXPECT_GE(popup.paints, 1);
    popup.DestroyWindow();
}

}  // namespace
