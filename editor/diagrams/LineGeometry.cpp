#include "LineGeometry.h"

#include <cmath>
#include <numbers>

namespace line_geometry {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// A band offset: truncated toward zero, and 1 where it would vanish so the band never collapses.
int band_offset(double value) {
    const int offset = static_cast<int>(value);
    return offset == 0 ? 1 : offset;
}

// The four corners around a segment, (ox, oy) to either side of it.
Band offset_band(CPoint from, CPoint to, int ox, int oy) {
    return {CPoint(from.x + ox, from.y + oy), CPoint(from.x - ox, from.y - oy), CPoint(to.x - ox, to.y - oy),
            CPoint(to.x + ox, to.y + oy)};
}

struct Edge {
    CPoint from;
    CPoint to;
};

Edge top_edge(const CRect& r) { return {CPoint(r.left, r.top), CPoint(r.right, r.top)}; }
Edge bottom_edge(const CRect& r) { return {CPoint(r.left, r.bottom), CPoint(r.right, r.bottom)}; }
Edge left_edge(const CRect& r) { return {CPoint(r.left, r.top), CPoint(r.left, r.bottom)}; }
Edge right_edge(const CRect& r) { return {CPoint(r.right, r.top), CPoint(r.right, r.bottom)}; }

}  // namespace

CPoint rect_centre(const CRect& rect) {
    return CPoint(rect.left + (rect.right - rect.left) / 2, rect.top + (rect.bottom - rect.top) / 2);
}

Band axis_band(CPoint from, CPoint to) {
    if (from.y == to.y)
        return {CPoint(from.x, from.y + 2), CPoint(from.x, from.y - 2), CPoint(to.x, to.y - 2),
                CPoint(to.x, to.y + 2)};
    return {CPoint(from.x + 2, from.y), CPoint(from.x - 2, from.y), CPoint(to.x - 2, to.y), CPoint(to.x + 2, to.y)};
}

Band connector_band(CPoint from, CPoint to) {
    double direction = 90.0;
    if (to.x != from.x)
        direction = std::atan(static_cast<double>(to.y - from.y) / (to.x - from.x)) / kDegree;
    if (direction < 0) direction += 360.0;
    direction += 90.0;
    return offset_band(from, to, band_offset(2 * std::cos(direction * kDegree)),
                       band_offset(2 * std::sin(direction * kDegree)));
}

Band stick_band(CPoint from, CPoint to) {
    const double direction = std::atan2(to.y - from.y, to.x - from.x) + 90.0 * kDegree;
    return offset_band(from, to, static_cast<int>(2 * std::cos(direction)), static_cast<int>(2 * std::sin(direction)));
}

std::optional<CPoint> cross_point(CPoint p, CPoint c, CPoint e1, CPoint e2) {
    // The edges of a collapsed rectangle (an element that is not on the diagram) are points: the formula would
    // put a crossing at p, so a line to a missing element would shrink to nothing at its start.
    if (e1 == e2) return std::nullopt;
    double d = static_cast<double>(c.x - p.x) * (e2.y - e1.y) - static_cast<double>(c.y - p.y) * (e2.x - e1.x);
    if (d == 0) d = 0.1;
    const double t =
        (static_cast<double>(p.y - e1.y) * (e2.x - e1.x) - static_cast<double>(p.x - e1.x) * (e2.y - e1.y)) / d;
    const double u =
        (static_cast<double>(p.y - e1.y) * (c.x - p.x) - static_cast<double>(c.y - p.y) * (p.x - e1.x)) / d;
    if (t < 0 || t > 1 || u < 0 || u > 1) return std::nullopt;
    return CPoint(static_cast<int>(p.x + t * (c.x - p.x)), static_cast<int>(p.y + t * (c.y - p.y)));
}

CPoint connector_start_anchor(CPoint position, CPoint secondCentre, const CRect& firstEnd) {
    const auto crossing = [&](const Edge& edge) { return cross_point(position, secondCentre, edge.from, edge.to); };
    std::optional<CPoint> anchor;
    if (secondCentre.y < position.y) anchor = crossing(top_edge(firstEnd));
    if (!anchor) anchor = crossing(bottom_edge(firstEnd));
    if (!anchor && position.x < secondCentre.x) anchor = crossing(right_edge(firstEnd));
    if (!anchor && secondCentre.x < position.x) anchor = crossing(left_edge(firstEnd));
    return anchor.value_or(position);
}

std::optional<CPoint> connector_end_anchor(CPoint position, CPoint secondCentre, const CRect& secondEnd) {
    for (const Edge& edge : {bottom_edge(secondEnd), top_edge(secondEnd), right_edge(secondEnd), left_edge(secondEnd)})
        if (auto anchor = cross_point(position, secondCentre, edge.from, edge.to)) return anchor;
    return std::nullopt;
}

std::pair<CPoint, CPoint> arrow_points(CPoint start, CPoint end) {
    const float back = std::atan2(static_cast<float>(start.y - end.y), static_cast<float>(start.x - end.x)) /
                       static_cast<float>(kDegree);
    const auto point = [&](double degrees) {
        return CPoint(static_cast<int>(end.x + 20 * std::cos(degrees * kDegree)),
                      static_cast<int>(end.y + 20 * std::sin(degrees * kDegree)));
    };
    return {point(back - 15.0), point(back + 15.0)};
}

Anchors node_line_anchors(CPoint position, CPoint secondCentre, const CRect& firstEnd, const CRect& secondEnd,
                          int offset) {
    const int runX = firstEnd.left + offset + 2;
    if (secondCentre.y < position.y) return {CPoint(runX, firstEnd.top), CPoint(runX, secondEnd.bottom)};
    if (secondCentre.y > position.y) return {CPoint(runX, firstEnd.bottom), CPoint(runX, secondEnd.top)};
    if (position.x < secondCentre.x)
        return {CPoint(firstEnd.right, position.y + offset), CPoint(secondEnd.left, secondCentre.y + offset)};
    if (secondCentre.x < position.x)
        return {CPoint(firstEnd.left, position.y + offset), CPoint(secondEnd.right, secondCentre.y + offset)};
    return {CPoint(0, offset), CPoint(0, offset)};
}

SubSystemPoints sub_system_points(const CRect& firstEnd, const CRect& secondEnd, int firstInset, int secondInset,
                                  int drop) {
    const int firstX = firstEnd.right - firstInset;
    const int secondX = secondEnd.left + secondInset;
    return {CPoint(firstX, firstEnd.bottom), CPoint(secondX, secondEnd.bottom), CPoint(firstX, firstEnd.bottom + drop),
            CPoint(secondX, secondEnd.bottom + drop)};
}

std::array<CPoint, 4> out_line_corners(CPoint position, CPoint farCorner) {
    return {position, CPoint(farCorner.x + 50, position.y), CPoint(farCorner.x + 50, farCorner.y + 80),
            CPoint(position.x, farCorner.y + 80)};
}

}  // namespace line_geometry
