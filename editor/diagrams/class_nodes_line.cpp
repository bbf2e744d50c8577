#include "class_nodes_line.h"

#include "BandRegion.h"
#include "CDC.h"

BEGIN_MESSAGE_MAP(class_nodes_line, CUmlEntity)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void class_nodes_line::set_line_ends(const CRect& first, const CRect& second, CPoint secondCentre) {
    m_ends = {second, first, secondCentre};
}

void class_nodes_line::set_line_kind(const std::string& kind) {
    if (kind == "out_line") m_bOuterLine = false;
}

BOOL class_nodes_line::CreateEntityWindow(CWnd* parent) {
    const line_geometry::Anchors anchors =
        line_geometry::node_line_anchors(GetPosition(), m_ends.secondCentre, m_ends.first, m_ends.second, m_nOffset);
    m_start = anchors.start;
    m_end = anchors.end;
    if (!band_region::create_window(*this, parent, 1024, bands())) return FALSE;
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

void class_nodes_line::OnPaint() {
    CPaintDC dc(this);
    band_region::repaint(dc, *this, bands());

    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* old = dc.SelectObject(&black);
    dc.MoveTo(m_start);
    dc.LineTo(m_end);
    dc.SelectObject(old);
}
