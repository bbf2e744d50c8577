#include "BandRegion.h"

#include <algorithm>

#include "CDC.h"
#include "CScrollView.h"
#include "CWnd.h"

namespace band_region {

void apply(CWnd& window, const std::vector<line_geometry::Band>& bands, const std::vector<CRect>& boxes) {
    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    for (const line_geometry::Band& band : bands) {
        CRgn part;
        part.CreatePolygonRgn(band.data(), static_cast<int>(band.size()), WINDING);
        region.CombineRgn(&region, &part, RGN_OR);
    }
    for (const CRect& box : boxes) {
        CRgn part;
        part.CreateRectRgnIndirect(&box);
        region.CombineRgn(&region, &part, RGN_OR);
    }
    window.SetWindowRgn(region, FALSE);
}

CRect covered_area(CWnd* parent) {
    CRect area;
    parent->GetClientRect(&area);
    if (const auto* view = dynamic_cast<const CScrollView*>(parent)) {
        const CSize extent = view->GetTotalSize();
        area.right = std::max<int>(area.right, extent.cx);
        area.bottom = std::max<int>(area.bottom, extent.cy);
    }
    return area;
}

bool create_window(CWnd& window, CWnd* parent, int growth, const std::vector<line_geometry::Band>& bands) {
    CRect area = covered_area(parent);
    area.right += growth;
    area.bottom += growth;
    if (!window.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, area, parent, 0)) return false;
    apply(window, bands);
    return true;
}

void repaint(CDC& dc, CWnd& window, const std::vector<line_geometry::Band>& bands) {
    outline(dc, bands);
    apply(window, bands);
}

void outline(CDC& dc, const std::vector<line_geometry::Band>& bands) {
    CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    CPen* old = dc.SelectObject(&white);
    for (const line_geometry::Band& band : bands) dc.Polygon(band.data(), static_cast<int>(band.size()));
    dc.SelectObject(old);
}

void clear_boxes(CDC& dc, const std::vector<line_geometry::Band>& bands) {
    CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    CPen* old = dc.SelectObject(&white);
    for (const line_geometry::Band& band : bands) dc.Rectangle(band[0].x, band[0].y, band[2].x, band[2].y);
    dc.SelectObject(old);
}

}  // namespace band_region
