#include "LineRouting.h"

#include <gtest/gtest.h>

#include <vector>

using namespace line_routing;

namespace {

struct SegmentCase {
    const char* name;
    CPoint p1;
    CPoint p2;
    std::vector<LineSpan> lines;
    int offset;
};

TEST(LineRouting, SegmentRuleCountsLinesRunningTheSameWay) {
    const LineSpan eastward{CPoint(50, 25), CPoint(350, 25)};
    const LineSpan westward{CPoint(350, 25), CPoint(50, 25)};
    const LineSpan downward{CPoint(200, 130), CPoint(200, 525)};
    const std::vector<SegmentCase> cases = {
        // The new line is already on the diagram and meets itself.
        {"first horizontal line", CPoint(50, 25), CPoint(350, 25), {eastward}, 5},
        {"second parallel line", CPoint(50, 25), CPoint(350, 25), {eastward, eastward}, 10},
        {"overlapping in part", CPoint(200, 25), CPoint(500, 25), {eastward, {CPoint(200, 25), CPoint(500, 25)}}, 10},
        {"westward pair", CPoint(350, 25), CPoint(50, 25), {westward, westward}, 10},
        {"opposite directions do not count", CPoint(50, 25), CPoint(350, 25), {westward}, 0},
        {"ranges apart", CPoint(50, 25), CPoint(350, 25), {{CPoint(400, 25), CPoint(600, 25)}}, 0},
        {"single sloped line", CPoint(200, 130), CPoint(200, 525), {downward}, 15},
        {"two lines down from one x", CPoint(200, 130), CPoint(300, 525), {downward, {CPoint(200, 130),
                                                                                     CPoint(300, 525)}}, 30},
        {"upward and downward from one x", CPoint(200, 525), CPoint(200, 130), {downward}, 0},
        {"down from another x", CPoint(210, 130), CPoint(210, 525), {downward}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(find_overlapping_line(c.p1, c.p2, 0, c.lines), c.offset);
    }
    // The offset the caller passes in is raised, not replaced.
    EXPECT_EQ(find_overlapping_line(CPoint(50, 25), CPoint(350, 25), 7, {eastward}), 12);
}

struct VerticalCase {
    const char* name;
    CPoint p2;
    std::vector<NodeLineRun> lines;
    int offset;
};

TEST(LineRouting, VerticalRunMovesRightUntilNoNodeLineIsNear) {
    // A bar and a box below it; the new line's run is at x 152 from 210 down to 480.
    const CRect bar(150, 150, 650, 210), box(150, 480, 200, 730), high(150, 0, 200, 100);
    const CPoint p1(400, 180), below(175, 605);
    const auto run = [](int x, int y1, int y2) { return NodeLineRun{CPoint(x, y1), CPoint(x, y2)}; };
    const std::vector<VerticalCase> cases = {
        {"nothing near", below, {run(300, 210, 480)}, 0},
        {"same run", below, {run(152, 210, 480)}, 20},
        {"10 away counts", below, {run(162, 210, 480)}, 40},
        {"11 away does not", below, {run(163, 210, 480)}, 0},
        {"8 to the left", below, {run(144, 210, 480)}, 20},
        {"span inside the run", below, {run(152, 300, 400)}, 20},
        {"run inside the span", below, {run(152, 100, 900)}, 20},
        {"upward line over the run", below, {run(152, 900, 100)}, 20},
        {"ends where the run ends", below, {run(152, 600, 480)}, 20},
        {"spans apart", below, {run(152, 700, 900)}, 0},
        {"touching end to start only", below, {run(152, 100, 210)}, 0},
        {"two lines side by side", below, {run(152, 210, 480), run(172, 210, 480)}, 40},
        // A line not yet anchored sits at (0, 0); a level run is (0, 0..0) and meets it.
        {"level run meets an unanchored line", CPoint(900, 180), {run(0, 0, 0)}, 20},
        {"second end above", CPoint(175, 50), {run(152, 150, 100)}, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CRect& b = c.p2.y < p1.y ? high : box;
        EXPECT_EQ(find_vertical_overlap(p1, c.p2, 0, bar, b, c.lines), c.offset);
    }
}

struct SubSystemCase {
    const char* name;
    std::vector<SubSystemRun> lines;
    int offset;
};

TEST(LineRouting, SubSystemRunMovesDownUntilNoRunIsNear) {
    // The new run: y = 10 + 750, from x 150 to 300.
    const CRect a(100, 500, 150, 750), b(300, 500, 350, 750);
    const auto run = [](int x1, int x2, int y) { return SubSystemRun{CPoint(x1, y), CPoint(x2, y)}; };
    const std::vector<SubSystemCase> cases = {
        {"no runs", {}, 10},
        {"same height, overlapping", {run(147, 318, 760)}, 20},
        {"3 below counts", {run(147, 318, 763)}, 20},
        {"4 below does not", {run(147, 318, 764)}, 10},
        {"drawn the other way", {run(318, 147, 760)}, 20},
        {"apart to the right", {run(400, 500, 760)}, 10},
        {"touching at an end", {run(300, 500, 760)}, 20},
        {"stacked runs", {run(147, 318, 770), run(147, 318, 760)}, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(find_sub_system_line_overlap(10, a, b, c.lines), c.offset);
    }
}

TEST(LineRouting, OutBandAndHitRules) {
    EXPECT_EQ(out_band(CRect(150, 150, 650, 210)), CRect(150, 60, 650, 50));

    const CRect element(100, 100, 200, 170);
    EXPECT_TRUE(touches(CPoint(150, 170), CPoint(150, 400), element));  // on the bottom edge
    EXPECT_TRUE(touches(CPoint(0, 0), CPoint(200, 100), element));      // the end on a corner
    EXPECT_FALSE(touches(CPoint(0, 0), CPoint(201, 100), element));

    EXPECT_TRUE(lies_under(CPoint(100, 750), CPoint(900, 750), 100, 150));
    EXPECT_TRUE(lies_under(CPoint(900, 750), CPoint(150, 750), 100, 150));
    EXPECT_FALSE(lies_under(CPoint(99, 750), CPoint(151, 750), 100, 150));
}

}  // namespace
