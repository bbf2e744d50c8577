#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Platform.h"
#include "TestDriver.h"
#include "TestResources.h"

using tamo::platform::TestDriver;

namespace {

std::vector<std::string>* g_clicks = nullptr;

// A window of a diagram element: it draws itself and cuts its window down to a band with a region.
class BandWindow : public CWnd {
public:
    explicit BandWindow(const char* name) : m_name(name) {}
    bool useRegion = true;

protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        const POINT band[4] = {{0, 48}, {0, 52}, {client.right, 52}, {client.right, 48}};
        if (useRegion) {
            CRgn region, part;
            region.CreateRectRgn(0, 0, 0, 0);
            part.CreatePolygonRgn(band, 4, WINDING);
            region.CombineRgn(&region, &part, RGN_OR);
            SetWindowRgn(region, FALSE);
        }
        CPen red(PS_SOLID, 2, RGB(255, 0, 0));
        CPen* old = dc.SelectObject(&red);
        dc.MoveTo(0, 50);
        dc.LineTo(client.right, 50);
        dc.SelectObject(old);
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
        if (g_clicks) g_clicks->push_back(m_name + " " + std::to_string(point.x) + "," + std::to_string(point.y));
        CWnd::OnLButtonDown(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()
    std::string m_name;
};

BEGIN_MESSAGE_MAP(BandWindow, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// A node element: box, texts in the diagram fonts, an ellipse and a polygon.
class NodeWindow : public CWnd {
protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CBrush fill(RGB(230, 255, 255));
        const CRect box(0, 0, 200, 120);
        dc.FillRect(box, &fill);
        dc.Rectangle(box);
        dc.Draw3dRect(CRect(2, 2, 198, 118), GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW));
        CFont title, vertical;
        title.CreateFont(14, 0, 0, 0, 700, 0, 0, 0, HANGUL_CHARSET, 0, 0, 0, 0, "신명조");
        vertical.CreateFont(14, 0, 2700, 2700, 400, 0, 0, 0, HANGUL_CHARSET, 0, 0, 0, 0, "굴림체");
        dc.SetBkMode(TRANSPARENT);
        CFont* old = dc.SelectObject(&title);
        CRect line(0, 15, 200, 120);
        dc.DrawText("노드 이름", &line, DT_CENTER | DT_SINGLELINE);
        dc.SelectObject(&vertical);
        dc.TextOut(30, 30, "PC");
        dc.SelectObject(old);
        CPen dotted(PS_DOT, 1, RGB(0, 0, 255));
        dc.SelectObject(&dotted);
        dc.Ellipse(150, 60, 190, 100);
        const POINT head[3] = {{60, 100}, {80, 90}, {80, 110}};
        dc.Polygon(head, 3);
        dc.DrawIcon(160, 5, AfxGetApp() ? AfxGetApp()->LoadIcon(128) : nullptr);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NodeWindow, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class DrawingTest : public ::testing::Test {
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

    TestDriver driver;
    std::vector<std::string> clicks;
    BandWindow view{"view"};
};

TEST_F(DrawingTest, AClickOutsideARegionReachesTheWindowBelow) {
    view.useRegion = false;
    BandWindow below("below");
    BandWindow line("line");
    below.useRegion = false;
    ASSERT_TRUE(below.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &view, 1));
    ASSERT_TRUE(line.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &view, 2));
    TestDriver::Repaint(line);  // the line sets its region while it paints
    TestDriver::ClickAt(view, CPoint(100, 50));
    TestDriver::ClickAt(view, CPoint(100, 80));
    TestDriver::ClickAt(view, CPoint(350, 80));
    EXPECT_EQ(clicks, (std::vector<std::string>{"line 100,50", "below 100,80", "view 350,80"}));
}

TEST_F(DrawingTest, ADrawingIsRecordedCallByCallAndRenders) {
    NodeWindow node;
    ASSERT_TRUE(node.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(20, 20, 220, 140), &view, 3));
    TestDriver::ShowTopLevel(node);
    TestDriver::RecordDrawing(node);
    TestDriver::Repaint(node);
    const std::vector<CString> log = TestDriver::DrawingLog(node);
    const std::vector<CString> expected{
        "FillRect 0,0,200,120 brush=#e6ffff",
        "Rectangle 0,0,200,120 pen=solid/1/#000000 brush=#ffffff",
        "Draw3dRect 2,2,196,116 #a0a0a0 #a0a0a0",
        "SetBkMode TRANSPARENT",
        "DrawText \"노드 이름\" 0,15,200,120 format=0x21 font=NanumMyeongjo/",
        "TextOut 30,30 \"PC\" font=NanumGothicCoding/",
        "Ellipse 150,60,190,100 pen=dot/1/#0000ff brush=#ffffff",
        "Polygon 60,100 80,90 80,110 pen=dot/1/#0000ff brush=#ffffff",
        "DrawIcon 160,5",
    };
    ASSERT_EQ(log.size(), expected.size());
    for (size_t i = 0; i < log.size(); ++i)
        EXPECT_EQ(log[i].Left(expected[i].GetLength()), expected[i]) << "call " << i << ": " << log[i];
    EXPECT_NE(log[5].Find("escapement=2700"), -1);
    const CString png = TestDriver::ArtifactPath("drawing.png");
    EXPECT_TRUE(TestDriver::SaveWindowPng(view, png));
}

// One line of a diagram's text in a font of the diagrams, black on white.
class TextWindow : public CWnd {
public:
    TextWindow(const char* face, int height, const char* text) : m_face(face), m_height(height), m_text(text) {}

protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CFont font;
        font.CreateFont(m_height, 0, 0, 0, FW_NORMAL, 0, 0, 0, HANGUL_CHARSET, 0, 0, 0, 0, m_face);
        CFont* old = dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(4, 4, m_text);
        dc.SelectObject(old);
    }
    DECLARE_MESSAGE_MAP()

private:
    const char* m_face;
    int m_height;
    const char* m_text;
};

BEGIN_MESSAGE_MAP(TextWindow, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

struct DiagramTextCase {
    const char* face;
    int height;
    const char* text;
};

void PrintTo(const DiagramTextCase& c, std::ostream* os) { *os << c.face << " " << c.height; }

class DiagramTexts : public DrawingTest, public ::testing::WithParamInterface<DiagramTextCase> {};

// As on Windows, a positive height is the cell height: the text fills most of it, drawn with smoothed edges.
TEST_P(DiagramTexts, FillTheirCellHeightAntiAliased) {
    const DiagramTextCase& c = GetParam();
    CFont font;
    ASSERT_TRUE(font.CreateFont(c.height, 0, 0, 0, FW_NORMAL, 0, 0, 0, HANGUL_CHARSET, 0, 0, 0, 0, c.face));
    CDC measure;
    measure.SelectObject(&font);
    TEXTMETRIC metrics{};
    ASSERT_TRUE(measure.GetTextMetrics(&metrics));
    EXPECT_NEAR(metrics.tmHeight, c.height, 1);

    TextWindow text(c.face, c.height, c.text);
    const CRect area(0, 0, 300, 40);
    ASSERT_TRUE(text.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, area, &view, 4));
    const std::vector<COLORREF> pixels = TestDriver::PixelsIn(text, area);
    ASSERT_EQ(pixels.size(), static_cast<size_t>(area.Width() * area.Height()));
    int firstInkRow = -1, lastInkRow = -1, smoothed = 0;
    for (int y = 0; y < area.Height(); ++y)
        for (int x = 0; x < area.Width(); ++x) {
            const int grey = GetGValue(pixels[static_cast<size_t>(y * area.Width() + x)]);
            if (grey < 192) {
                if (firstInkRow < 0) firstInkRow = y;
                lastInkRow = y;
            }
            if (grey > 16 && grey < 240) ++smoothed;
        }
    ASSERT_GE(firstInkRow, 0) << "nothing drawn";
    EXPECT_GE(lastInkRow - firstInkRow + 1, c.height * 7 / 10);
    EXPECT_GT(smoothed, 10);
}

INSTANTIATE_TEST_SUITE_P(Faces, DiagramTexts,
                         ::testing::Values(DiagramTextCase{"신명조", 10, "<<proxy_interface>> 항법"},
                                           DiagramTextCase{"신명조", 11, "INavigation 항법 관리자"},
                                           DiagramTextCase{"명조", 10, "조타 컴퓨터 (Captain's PC)"},
                                           DiagramTextCase{"신명조", 15, "항해 컴퓨터 Captain's PC"},
                                           DiagramTextCase{"굴림체", 14, "기관 센서 PC"},
                                           DiagramTextCase{"궁서", 10, "Port 1234 포트"}));

struct FaceCase {
    const char* windowsFace;
    const char* installed;
};

void PrintTo(const FaceCase& c, std::ostream* os) { *os << c.windowsFace; }

class FontFaces : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FontFaces, MapToInstalledNanumFaces) {
    TestDriver driver;
    CFont font;
    ASSERT_TRUE(font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, HANGUL_CHARSET, 0, 0, 0, 0, GetParam().windowsFace));
    LOGFONT kept{};
    ASSERT_EQ(font.GetLogFont(&kept), static_cast<int>(sizeof(LOGFONT)));
    EXPECT_STREQ(kept.lfFaceName, GetParam().windowsFace);
    CDC dc;
    dc.SelectObject(&font);
    CRect rect(0, 0, 300, 40);
    dc.DrawText("가", &rect, DT_SINGLELINE);  // measuring works without a window
    EXPECT_GT(dc.GetTextExtent("가나다").cx, 0);
}

INSTANTIATE_TEST_SUITE_P(Faces, FontFaces,
                         ::testing::Values(FaceCase{"굴림체", "NanumGothicCoding"}, FaceCase{"신명조", "NanumMyeongjo"},
                                           FaceCase{"명조", "NanumMyeongjo"}, FaceCase{"궁서", "NanumMyeongjo"},
                                           FaceCase{"굴림", "NanumGothic"}));

}  // namespace
