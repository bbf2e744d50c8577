#pragma once

// The window region of a line element: the union of the bands around its segments, so that the line's
// window, which covers the whole view, takes clicks and paints only on the line itself.

#include <vector>

#include "LineGeometry.h"

class CDC;
class CWnd;

namespace band_region {

// What a line's window covers of its parent: the client area, or the scroll extent where that is larger, so
// that a line reaches every element of a diagram larger than its window.
CRect covered_area(CWnd* parent);

// Creates a line's window over the parent's covered area grown by `growth` to the right and down, and cuts it
// down to the bands at once. False when the window cannot be created.
bool create_window(CWnd& window, CWnd* parent, int growth, const std::vector<line_geometry::Band>& bands);

// Replaces the window's region by the union of the bands (winding polygons combined with RGN_OR) and of the
// boxes.
void apply(CWnd& window, const std::vector<line_geometry::Band>& bands, const std::vector<CRect>& boxes = {});

// Outlines each band with a white pen of width 1 (node, sub-system and out lines).
void outline(CDC& dc, const std::vector<line_geometry::Band>& bands);

// What each paint of a node, sub-system or out line starts with: the bands outlined, the region set again.
void repaint(CDC& dc, CWnd& window, const std::vector<line_geometry::Band>& bands);

// Paints the rectangle through the first and third corners of each band with a white pen of width 1 and the
// current brush (connector lines).
void clear_boxes(CDC& dc, const std::vector<line_geometry::Band>& bands);

}  // namespace band_region
