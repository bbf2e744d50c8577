#include "class_umlline.h"

#include <algorithm>
#include <tuple>

#include "BandRegion.h"
#include "CDC.h"
#include "DiagramDocument.h"

BEGIN_MESSAGE_MAP(class_umlline, CUmlEntity)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class_umlline* class_umlline::add_between(DiagramDocument& document, const CRect& first, const CRect& second) {
    document.AddLine();
    auto* line = dynamic_cast<class_umlline*>(document.GetCurrentElement());
    if (!line) return nullptr;
    const CPoint position = line_geometry::rect_centre(first);
    line->SetPosition(position.x, position.y);
    line->set_line_ends(first, second, line_geometry::rect_centre(second));
    return line;
}

void class_umlline::set_line_ends(const CRect& first, const CRect& second, CPoint secondCentre) {
    m_ends = {second, first, secondCentre};
}

void class_umlline::set_line_colour(COLORREF colour) {
    m_red = GetRValue(colour);
    m_green = GetGValue(colour);
    m_blue = GetBValue(colour);
}

BOOL class_umlline::CreateEntityWindow(CWnd* parent) {
    const CPoint position = GetPosition();
    m_start = line_geometry::connector_start_anchor(position, m_ends.secondCentre, m_ends.first);
    if (auto end = line_geometry::connector_end_anchor(position, m_ends.secondCentre, m_ends.second)) {
        m_end = *end;
    } else {
        AfxMessageBox("End 접점을 찾지 못했습니다");
        m_end = m_ends.secondCentre;
    }
    // Right and below of the start; as far again past the end where the line runs further than that.
    CRect area;
    parent->GetClientRect(&area);
    area.right = std::max(m_start.x, m_end.x) + 2560;
    area.bottom = std::max(m_start.y, m_end.y) + 2560;
    if (!Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, area, parent, 0)) return FALSE;
    // Cut down at once, so that the view stays clickable before the first paint. The line comes to the top
    // here and not in its paint: lines that each raised themselves in every paint would make one another paint
    // without end wherever they overlap.
    band_region::apply(*this, head_bands());
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

std::vector<line_geometry::Band> class_umlline::head_bands() {
    std::tie(m_arrow1, m_arrow2) = line_geometry::arrow_points(m_start, m_end);
    return {line_geometry::connector_band(m_start, m_end), line_geometry::connector_band(m_end, m_arrow1),
            line_geometry::connector_band(m_end, m_arrow2), line_geometry::connector_band(m_arrow1, m_arrow2)};
}

void class_umlline::OnPaint() {
    CPaintDC dc(this);

    const std::vector<line_geometry::Band> bands = head_bands();
    band_region::clear_boxes(dc, bands);
    band_region::apply(*this, bands);

    if (m_nEndKind == UML_SWITCH) {
        CPen black(PS_SOLID, 1, RGB(0, 0, 0));
        CPen* old = dc.SelectObject(&black);
        dc.MoveTo(m_start);
        dc.LineTo(m_end);
        dc.SelectObject(old);
        return;
    }
    const COLORREF colour = get_line_colour();
    CPen dotted(PS_DOT, 1, colour);
    CPen* old = dc.SelectObject(&dotted);
    dc.MoveTo(m_start);
    dc.LineTo(m_end);
    CPen solid(PS_SOLID, 1, colour);
    dc.SelectObject(&solid);
    dc.MoveTo(m_end);
    dc.LineTo(m_arrow1);
    dc.MoveTo(m_end);
    dc.LineTo(m_arrow2);
    if (m_nEndKind == UML_STUB_INTERFACE) {
        dc.MoveTo(m_arrow2);
        dc.LineTo(m_arrow1);
    }
    dc.SelectObject(old);
}

void class_umlline::OnLButtonDown(UINT nFlags, CPoint point) {
    m_bSelected = !m_bSelected;
    set_line_colour(m_bSelected ? RGB(255, 0, 0) : RGB(0, 0, 0));
    Invalidate(TRUE);
    CUmlEntity::OnLButtonDown(nFlags, point);
}
