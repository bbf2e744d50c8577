#pragma once

// The geometry of the line elements, as pure functions over points and rectangles: where a line meets the
// elements at its ends, the thin bands that its window region is made of, the arrow head of a connector, the
// three segments of a sub-system line and the corners of the outer frame. The line windows only call these.

#include <array>
#include <optional>
#include <utility>

#include "CPoint.h"
#include "CRect.h"

namespace line_geometry {

// What the creator of a line sets: the rectangles of the elements at both ends and the centre of the second
// (the line's position is the first end's centre).
struct EndRects {
    CRect second;
    CRect first;
    CPoint secondCentre;
};

// Four corners of a band, in the order the window region's polygon takes them.
using Band = std::array<CPoint, 4>;

// The centre every diagram operation uses: left + (right - left) / 2, top + (bottom - top) / 2, each
// division truncated toward zero.
CPoint rect_centre(const CRect& rect);

// The band 2 units to either side of an axis-parallel segment (node, sub-system and out lines). A segment
// whose ends share their y is horizontal; any other is treated as vertical.
Band axis_band(CPoint from, CPoint to);

// The band of a connector segment: its offsets are 2 cos and 2 sin of the segment's direction turned by
// 90 degrees, truncated toward zero and never 0.
Band connector_band(CPoint from, CPoint to);

// The band around the stick of a circle stub: as a connector's, but its offsets may be 0 (a horizontal stick
// gets a band 2 above and 2 below it).
Band stick_band(CPoint from, CPoint to);

// Where the segment from p to c crosses the edge from e1 to e2, truncated toward zero; empty when the two do
// not cross. Parallel segments are tested with a denominator of 0.1, as if nearly parallel; an edge of no length
// is never crossed.
std::optional<CPoint> cross_point(CPoint p, CPoint c, CPoint e1, CPoint e2);

// The connector's start anchor on the first-end rectangle: the top edge first when the second end lies above,
// then the bottom edge, then the right or left edge toward the second end. When no edge is crossed (the
// second end's centre lies inside the rectangle) the line starts at its position, the first end's centre.
CPoint connector_start_anchor(CPoint position, CPoint secondCentre, const CRect& firstEnd);

// The connector's end anchor on the second-end rectangle: bottom, top, right, left edge, the first crossed;
// empty when none is crossed (the caller then ends the line at the second end's centre).
std::optional<CPoint> connector_end_anchor(CPoint position, CPoint secondCentre, const CRect& secondEnd);

// The two outer points of the connector's arrow head: 20 units from the end anchor, 15 degrees to either side
// of the direction back to the start anchor.
std::pair<CPoint, CPoint> arrow_points(CPoint start, CPoint end);

struct Anchors {
    CPoint start;
    CPoint end;
};

// A node line runs vertically between a node above or below the other, shifted right by the offset, or
// horizontally between nodes on one level, shifted down by it.
Anchors node_line_anchors(CPoint position, CPoint secondCentre, const CRect& firstEnd, const CRect& secondEnd,
                          int offset);

// The points of a sub-system line: drops from p1 to p3 below the first end and from p2 to p4 below the
// second end, joined by the run from p3 to p4.
struct SubSystemPoints {
    CPoint p1;
    CPoint p2;
    CPoint p3;
    CPoint p4;
};
SubSystemPoints sub_system_points(const CRect& firstEnd, const CRect& secondEnd, int firstInset, int secondInset,
                                  int drop);

// The outer frame from the position to 50 units right of and 80 units below the far corner, in drawing order.
std::array<CPoint, 4> out_line_corners(CPoint position, CPoint farCorner);

}  // namespace line_geometry
