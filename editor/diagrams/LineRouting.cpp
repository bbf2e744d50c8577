#include "LineRouting.h"

#include <algorithm>
#include <cstdlib>

namespace line_routing {

namespace {

bool strictly_between(int value, int a, int b) { return std::min(a, b) < value && value < std::max(a, b); }

bool ranges_overlap(int a1, int a2, int b1, int b2) {
    return std::max(std::min(a1, a2), std::min(b1, b2)) <= std::min(std::max(a1, a2), std::max(b1, b2));
}

// A vertical run at x from y `from` to y `to`; all zero for a line between two nodes on one level.
struct Run {
    int x = 0;
    int from = 0;
    int to = 0;
};

bool conflicts(const Run& run, const NodeLineRun& line) {
    if (std::abs(line.start.x - run.x) > 10) return false;
    const int y1 = line.start.y, y2 = line.end.y;
    return strictly_between(run.from, y1, y2) || strictly_between(run.to, y1, y2) ||
           strictly_between(y1, run.from, run.to) || strictly_between(y2, run.from, run.to) || run.from == y1 ||
           run.to == y2;
}

}  // namespace

int find_overlapping_line(CPoint p1, CPoint p2, int offset, const std::vector<LineSpan>& lines) {
    for (const LineSpan& line : lines) {
        const int d = line.position.x, c = line.position.y;
        const int e = line.secondCentre.x, b = line.secondCentre.y;
        if (p1.x < p2.x && d < e && p1.y == p2.y && p1.x < e && d < p2.x)
            offset += 5;
        else if (p2.x < p1.x && e < d && p1.y == p2.y && e < p1.x && p2.x < d)
            offset += 5;
        else if (((p1.y < p2.y && c < b) || (p2.y < p1.y && b < c)) && d == p1.x)
            offset += 15;
    }
    return offset;
}

int find_vertical_overlap(CPoint p1, CPoint p2, int offset, const CRect& a, const CRect& b,
                          const std::vector<NodeLineRun>& lines) {
    Run run;
    if (p2.y < p1.y)
        run = {offset + a.left + 2, a.top, b.bottom};
    else if (p2.y > p1.y)
        run = {offset + a.left + 2, a.bottom, b.top};
    for (;;) {
        const bool clear =
            std::none_of(lines.begin(), lines.end(), [&](const NodeLineRun& line) { return conflicts(run, line); });
        if (clear) return offset;
        offset += 20;
        run.x += 20;
    }
}

int find_sub_system_line_overlap(int offset, const CRect& a, const CRect& b, const std::vector<SubSystemRun>& lines) {
    for (;;) {
        const int y = offset + a.bottom;
        const bool clear = std::none_of(lines.begin(), lines.end(), [&](const SubSystemRun& line) {
            return std::abs(line.p3.y - y) <= 3 && ranges_overlap(line.p3.x, line.p4.x, a.right, b.left);
        });
        if (clear) return offset;
        offset += 10;
    }
}

CRect out_band(const CRect& source) { return CRect(source.left, 60, source.right, 50); }

bool touches(CPoint start, CPoint end, const CRect& rect) {
    const auto inside = [&](CPoint p) {
        return rect.left <= p.x && p.x <= rect.right && rect.top <= p.y && p.y <= rect.bottom;
    };
    return inside(start) || inside(end);
}

bool lies_under(CPoint p1, CPoint p2, int left, int right) {
    const auto within = [&](int x) { return left <= x && x <= right; };
    return within(p1.x) || within(p2.x);
}

}  // namespace line_routing
