#include "class_sub_system_line.h"

#include "BandRegion.h"
#include "CDC.h"

BEGIN_MESSAGE_MAP(class_sub_system_line, CUmlEntity)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

void class_sub_system_line::set_line_ends(const CRect& first, const CRect& second, CPoint secondCentre) {
    m_ends = {second, first, secondCentre};
}

void class_sub_system_line::set_run(int firstInset, int secondInset, int drop) {
    m_nFirstInset = firstInset;
    m_nSecondInset = secondInset;
    m_nDrop = drop;
}

void class_sub_system_line::set_line_colour(COLORREF colour) {
    m_red = GetRValue(colour);
    m_green = GetGValue(colour);
    m_blue = GetBValue(colour);
}

BOOL class_sub_system_line::CreateEntityWindow(CWnd* parent) {
    m_points = line_geometry::sub_system_points(m_ends.first, m_ends.second, m_nFirstInset, m_nSecondInset, m_nDrop);
    if (!band_region::create_window(*this, parent, 1024, bands())) return FALSE;
    return TRUE;
}

std::vector<line_geometry::Band> class_sub_system_line::bands() const {
    return {line_geometry::axis_band(m_points.p1, m_points.p3), line_geometry::axis_band(m_points.p2, m_points.p4),
            line_geometry::axis_band(m_points.p3, m_points.p4)};
}

void class_sub_system_line::OnPaint() {
    CPaintDC dc(this);
    band_region::repaint(dc, *this, bands());

    CPen pen(PS_SOLID, 1, get_line_colour());
    CPen* old = dc.SelectObject(&pen);
    dc.MoveTo(m_points.p1);
    dc.LineTo(m_points.p3);
    dc.MoveTo(m_points.p2);
    dc.LineTo(m_points.p4);
    dc.MoveTo(m_points.p3);
    dc.LineTo(m_points.p4);
    dc.SelectObject(old);
}

void class_sub_system_line::OnLButtonDown(UINT nFlags, CPoint point) {
    set_line_colour(RGB(0, 0, 255));
    Invalidate(TRUE);
    CUmlEntity::OnLButtonDown(nFlags, point);
}
