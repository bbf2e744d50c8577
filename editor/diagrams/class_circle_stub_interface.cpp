#include "class_circle_stub_interface.h"

#include <algorithm>

#include "BandRegion.h"
#include "CDC.h"
#include "CMysqlQuery.h"
#include "DiagramPaint.h"

BEGIN_MESSAGE_MAP(class_circle_stub_interface, CUmlEntity)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

constexpr int kMargin = 1024;

}  // namespace

void class_circle_stub_interface::set_line_ends(const CRect& first, const CRect& second, CPoint secondCentre) {
    m_ends = {second, first, secondCentre};
}

void class_circle_stub_interface::set_lollipop(CPoint stickStart, CPoint stickEnd, const CRect& headBox) {
    m_stickStart = stickStart;
    m_stickEnd = stickEnd;
    m_headBox = headBox;
}

void class_circle_stub_interface::set_interface_info(const class_custum_table& entry) {
    m_strInterfaceName = entry.interface_name;
    m_strMethodDomainName = entry.method_domain_name;
    m_nMethodDomainId = entry.method_domain_id;
}

BOOL class_circle_stub_interface::CreateEntityWindow(CWnd* parent) {
    m_pParent = parent;
    if (!band_region::create_window(*this, parent, kMargin, {line_geometry::stick_band(m_stickStart, m_stickEnd)}))
        return FALSE;
    cut_window();
    return TRUE;
}

void class_circle_stub_interface::cut_window() {
    // The pop-up is a window of its own at the cursor: the circle's window keeps to the stick and the circle
    // while it is open, so the lines under the pop-up's place stay drawn.
    band_region::apply(*this, {line_geometry::stick_band(m_stickStart, m_stickEnd)}, {m_headBox});
}

void class_circle_stub_interface::OnPaint() {
    CPaintDC dc(this);
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOSIZE);
    cut_window();

    const line_geometry::Band band = line_geometry::stick_band(m_stickStart, m_stickEnd);
    CRect bandBox(band[0], band[0]);
    for (const CPoint& corner : band)
        bandBox.SetRect(std::min<int>(bandBox.left, corner.x), std::min<int>(bandBox.top, corner.y),
                        std::max<int>(bandBox.right, corner.x), std::max<int>(bandBox.bottom, corner.y));
    CPen white(PS_SOLID, 2, RGB(255, 255, 255));
    CPen* old = dc.SelectObject(&white);
    dc.Rectangle(bandBox);
    dc.Rectangle(m_headBox);
    CPen thin(PS_SOLID, 1, RGB(0, 0, 0));
    dc.SelectObject(&thin);
    dc.Ellipse(m_headBox);
    // A font small enough for an object id to fit in the circle.
    CFont font;
    create_diagram_font(font, 10, "굴림");
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    CRect head = m_headBox;
    dc.DrawText(m_strInterfaceText.c_str(), -1, &head, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(oldFont);
    CPen stick(PS_SOLID, 2, RGB(0, 0, 0));
    dc.SelectObject(&stick);
    dc.MoveTo(m_stickStart);
    dc.LineTo(m_stickEnd);
    dc.SelectObject(old);
}

void class_circle_stub_interface::redraw() {
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void class_circle_stub_interface::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_bPopupShown) {
        m_popup.DestroyWindow();
        m_bPopupShown = false;
        redraw();
    } else {
        m_bPopupShown = true;
        redraw();
        show_popup();
    }
    CUmlEntity::OnLButtonDown(nFlags, point);
}

void class_circle_stub_interface::show_popup() {
    std::vector<class_method_info> members;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectMemberMethodList(db->FormatCall("call interfaceViewMemberMethodList(%d,'method','%s')",
                                                  m_nMethodDomainId, m_strInterfaceName),
                                   members) != 0)
        db->ShowLastError();
    m_popup.set_names(m_strMethodDomainName, m_strInterfaceName);
    const std::string caption = m_strComponentText + " : " + m_strInterfaceText;
    const CRect rect(m_headBox.right + 10, m_headBox.bottom + 50, m_headBox.right + 295, m_headBox.bottom + 295);
    if (m_popup.create_popup_window(caption, rect, this)) m_popup.fill_method_tree(members);
}
