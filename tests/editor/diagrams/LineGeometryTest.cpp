#include "LineGeometry.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace line_geometry;

static std::ostream& operator<<(std::ostream& out, const CPoint& p) { return out << '(' << p.x << ", " << p.y << ')'; }

namespace {

TEST(LineGeometry, CentreTruncatesEachHalfTowardZero) {
    EXPECT_EQ(rect_centre(CRect(100, 100, 200, 150)), CPoint(150, 125));
    EXPECT_EQ(rect_centre(CRect(0, 0, 0, 0)), CPoint(0, 0));
    EXPECT_EQ(rect_centre(CRect(10, 10, 15, 15)), CPoint(12, 12));
    // The out band is upside down: top 60, bottom 50, centre 55.
    EXPECT_EQ(rect_centre(CRect(100, 60, 201, 50)), CPoint(150, 55));
    // Half of a negative extent is truncated toward zero, not rounded down.
    EXPECT_EQ(rect_centre(CRect(-5, -5, 0, 0)), CPoint(-3, -3));
}

struct ConnectorCase {
    const char* name;
    CRect first;
    CRect second;
    CPoint start;
    std::optional<CPoint> end;
};

TEST(LineGeometry, ConnectorAnchorsLieWhereTheCentreLineLeavesAndEnters) {
    const std::vector<ConnectorCase> cases = {
        {"box straight below", CRect(100, 100, 200, 150), CRect(100, 300, 200, 350), CPoint(150, 150),
         CPoint(150, 300)},
        {"box straight above", CRect(100, 300, 200, 350), CRect(100, 100, 200, 150), CPoint(150, 300),
         CPoint(150, 150)},
        {"box to the right", CRect(0, 0, 100, 50), CRect(300, 0, 400, 50), CPoint(100, 25), CPoint(300, 25)},
        {"box to the left", CRect(300, 0, 400, 50), CRect(0, 0, 100, 50), CPoint(300, 25), CPoint(100, 25)},
        {"below and to the right, through the corner edges", CRect(0, 0, 100, 100), CRect(400, 400, 500, 500),
         CPoint(100, 100), CPoint(400, 400)},
        {"steep, leaves through the bottom", CRect(0, 0, 100, 100), CRect(100, 400, 200, 500), CPoint(62, 100),
         CPoint(137, 400)},
        // The element at the second end is missing: its rectangle is all zero and nothing is crossed.
        {"missing second end", CRect(100, 100, 200, 150), CRect(), CPoint(120, 100), std::nullopt},
        // The second end's centre lies inside the first end: the line starts at the first end's centre.
        {"second end inside the first", CRect(0, 0, 400, 400), CRect(50, 50, 150, 150), CPoint(200, 200),
         CPoint(150, 150)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CPoint position = rect_centre(c.first);
        const CPoint secondCentre = rect_centre(c.second);
        EXPECT_EQ(connector_start_anchor(position, secondCentre, c.first), c.start);
        EXPECT_EQ(connector_end_anchor(position, secondCentre, c.second), c.end);
    }
}

TEST(LineGeometry, CrossingFollowsTheSegmentsNotTheirLines) {
    // Crossing in the middle of both.
    EXPECT_EQ(cross_point(CPoint(0, 0), CPoint(100, 100), CPoint(0, 100), CPoint(100, 0)), CPoint(50, 50));
    // The lines meet, the segments do not.
    EXPECT_EQ(cross_point(CPoint(0, 0), CPoint(10, 10), CPoint(0, 100), CPoint(100, 0)), std::nullopt);
    // Parallel segments never cross.
    EXPECT_EQ(cross_point(CPoint(0, 0), CPoint(100, 0), CPoint(0, 10), CPoint(100, 10)), std::nullopt);
    // Touching at an end counts.
    EXPECT_EQ(cross_point(CPoint(0, 0), CPoint(50, 0), CPoint(50, -10), CPoint(50, 10)), CPoint(50, 0));
    // An edge collapsed to a point is never crossed, wherever the segment runs.
    EXPECT_EQ(cross_point(CPoint(150, 125), CPoint(0, 0), CPoint(0, 0), CPoint(0, 0)), std::nullopt);
    EXPECT_EQ(cross_point(CPoint(0, 0), CPoint(100, 100), CPoint(50, 50), CPoint(50, 50)), std::nullopt);
}

TEST(LineGeometry, ArrowHeadOpensFifteenDegreesToEitherSideTowardTheStart) {
    // Line running down: the head's points lie 20 above the end anchor, 5 to either side.
    auto [left, right] = arrow_points(CPoint(150, 150), CPoint(150, 300));
    EXPECT_EQ(left, CPoint(144, 280));
    EXPECT_EQ(right, CPoint(155, 280));
    // Line running right.
    std::tie(left, right) = arrow_points(CPoint(100, 25), CPoint(300, 25));
    EXPECT_EQ(left, CPoint(280, 30));
    EXPECT_EQ(right, CPoint(280, 19));
}

TEST(LineGeometry, BandsReachTwoUnitsToEitherSide) {
    const Band horizontal = {CPoint(10, 52), CPoint(10, 48), CPoint(90, 48), CPoint(90, 52)};
    EXPECT_EQ(axis_band(CPoint(10, 50), CPoint(90, 50)), horizontal);
    const Band vertical = {CPoint(12, 50), CPoint(8, 50), CPoint(8, 90), CPoint(12, 90)};
    EXPECT_EQ(axis_band(CPoint(10, 50), CPoint(10, 90)), vertical);

    // Connector bands: offsets perpendicular to the segment, truncated, 1 where they would vanish.
    const Band flat = {CPoint(101, 27), CPoint(99, 23), CPoint(299, 23), CPoint(301, 27)};
    EXPECT_EQ(connector_band(CPoint(100, 25), CPoint(300, 25)), flat);
    const Band upright = {CPoint(148, 151), CPoint(152, 149), CPoint(152, 299), CPoint(148, 301)};
    EXPECT_EQ(connector_band(CPoint(150, 150), CPoint(150, 300)), upright);
    const Band falling = {CPoint(-1, 1), CPoint(1, -1), CPoint(101, 99), CPoint(99, 101)};
    EXPECT_EQ(connector_band(CPoint(0, 0), CPoint(100, 100)), falling);
    const Band rising = {CPoint(1, 101), CPoint(-1, 99), CPoint(99, -1), CPoint(101, 1)};
    EXPECT_EQ(connector_band(CPoint(0, 100), CPoint(100, 0)), rising);
}

struct NodeLineCase {
    const char* name;
    CRect first;
    CRect second;
    int offset;
    CPoint start;
    CPoint end;
};

TEST(LineGeometry, NodeLineAnchorsByTheSecondEndsSide) {
    const CRect bar(100, 100, 300, 160), box(150, 400, 250, 650);
    const CRect west(0, 0, 100, 50), east(300, 0, 400, 50);
    const std::vector<NodeLineCase> cases = {
        {"second end below", bar, box, 0, CPoint(102, 160), CPoint(102, 400)},
        {"second end below, offset 5", bar, box, 5, CPoint(107, 160), CPoint(107, 400)},
        {"second end above", box, bar, 5, CPoint(157, 400), CPoint(157, 160)},
        {"level, to the right", west, east, 5, CPoint(100, 30), CPoint(300, 30)},
        {"level, to the left", east, west, 5, CPoint(300, 30), CPoint(100, 30)},
        {"both ends in one place", west, west, 5, CPoint(0, 5), CPoint(0, 5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Anchors anchors = node_line_anchors(rect_centre(c.first), rect_centre(c.second), c.first, c.second,
                                                  c.offset);
        EXPECT_EQ(anchors.start, c.start);
        EXPECT_EQ(anchors.end, c.end);
    }
}

TEST(LineGeometry, SubSystemLineDropsBelowBothEndsAndJoinsThem) {
    const SubSystemPoints points = sub_system_points(CRect(100, 500, 150, 750), CRect(300, 500, 350, 750), 3, 18, 10);
    EXPECT_EQ(points.p1, CPoint(147, 750));
    EXPECT_EQ(points.p3, CPoint(147, 760));
    EXPECT_EQ(points.p2, CPoint(318, 750));
    EXPECT_EQ(points.p4, CPoint(318, 760));
}

TEST(LineGeometry, OutLineFrameReachesPastTheFarCorner) {
    const std::array<CPoint, 4> expected = {CPoint(50, 50), CPoint(850, 50), CPoint(850, 680), CPoint(50, 680)};
    EXPECT_EQ(out_line_corners(CPoint(50, 50), CPoint(800, 600)), expected);
}

}  // namespace
