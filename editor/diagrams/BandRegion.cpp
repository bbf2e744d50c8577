#include "BandRegion.h"

#include "CDC.h"
#include "CWnd.h"

namespace band_region {

void apply(CWnd& window, const std::vector<line_geometry::Band>& bands) {
    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    for (const line_geometry::Band& band : bands) {
        CRgn part;
        part.CreatePolygonRgn(band.data(), static_cast<int>(band.size()), WINDING);
        region.CombineRgn(&region, &part, RGN_OR);
    }
    window.SetWindowRgn(region, FALSE);
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
