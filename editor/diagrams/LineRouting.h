#pragma once

// The diagram view's line routing, as pure functions: the three rules that keep a new line clear of the lines
// already on the diagram (each returns the caller's offset raised until the line is clear), the band a link
// leaving the system runs to, and the hit rules of the highlighting operations.

#include <vector>

#include "CPoint.h"
#include "CRect.h"

namespace line_routing {

// A node or sub-system line as the segment rule sees it: its position and its second end's centre.
struct LineSpan {
    CPoint position;
    CPoint secondCentre;
};

// A node line as the vertical-run rule sees it: its anchors.
struct NodeLineRun {
    CPoint start;
    CPoint end;
};

// A sub-system line as the run rule sees it: the ends of its horizontal run.
struct SubSystemRun {
    CPoint p3;
    CPoint p4;
};

// The segment rule: 5 for every line (the new one included) running the same horizontal way over an
// overlapping range, 15 for every line running the same vertical way from the same x.
int find_overlapping_line(CPoint p1, CPoint p2, int offset, const std::vector<LineSpan>& lines);

// The vertical-run rule: the new line's vertical run at x = offset + a.left + 2 moves 20 to the right while
// a node line starts within 10 of it and their spans meet.
int find_vertical_overlap(CPoint p1, CPoint p2, int offset, const CRect& a, const CRect& b,
                          const std::vector<NodeLineRun>& lines);

// The sub-system rule: the new run at y = offset + a.bottom from a.right to b.left moves 10 down while a
// sub-system run lies within 3 of its height and overlaps it.
int find_sub_system_line_overlap(int offset, const CRect& a, const CRect& b, const std::vector<SubSystemRun>& lines);

// The band above the diagram that a link leaving the system runs to: over the source's width, top 60,
// bottom 50 (its centre lies at y 55).
CRect out_band(const CRect& source);

// Whether a connector with these anchors touches the rectangle (edges included).
bool touches(CPoint start, CPoint end, const CRect& rect);

// Whether a sub-system line with these drop points lies under the x range (ends included).
bool lies_under(CPoint p1, CPoint p2, int left, int right);

}  // namespace line_routing
