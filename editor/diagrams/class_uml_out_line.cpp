#include "class_uml_out_line.h"

#include "BandRegion.h"
#include "CDC.h"
#include "LineGeometry.h"

BEGIN_MESSAGE_MAP(class_uml_out_line, CUmlEntity)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL class_uml_out_line::CreateEntityWindow(CWnd* parent) {
    m_corners = line_geometry::out_line_corners(GetPosition(), m_farCorner);
    if (!band_region::create_window(*this, parent, 2024, bands())) return FALSE;
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

std::vector<line_geometry::Band> class_uml_out_line::bands() const {
    std::vector<line_geometry::Band> sides;
    for (std::size_t side = 0; side < m_corners.size(); ++side)
        sides.push_back(line_geometry::axis_band(m_corners[side], m_corners[(side + 1) % m_corners.size()]));
    return sides;
}

void class_uml_out_line::OnPaint() {
    CPaintDC dc(this);
    band_region::repaint(dc, *this, bands());

    CPen red(PS_SOLID, 2, RGB(255, 0, 0));
    CPen* old = dc.SelectObject(&red);
    dc.MoveTo(m_corners[0]);
    for (std::size_t corner = 1; corner <= m_corners.size(); ++corner) dc.LineTo(m_corners[corner % m_corners.size()]);
    dc.SelectObject(old);
}
