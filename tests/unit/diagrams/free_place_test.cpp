// The geometry the drawings lay their controls out with: what overlaps what, and the nearest
// place where a block of controls covers nothing.
#include "diagrams/free_place.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "scene_test_support.h"

namespace projcalc {
namespace {

struct RectCase {
    const char* name;
    Rect a, b;
    bool overlap;
};

void PrintTo(const RectCase& c, std::ostream* os) {
    *os << c.name;
}

class RectOverlapTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(RectOverlapTest, SharesAreaOnlyWhenItOverlaps) {
    const RectCase& c = GetParam();
    EXPECT_EQ(overlaps(c.a, c.b), c.overlap);
    EXPECT_EQ(overlaps(c.b, c.a), c.overlap);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RectOverlapTest,
    ::testing::Values(RectCase{"Apart", {0, 0, 10, 10}, {20, 0, 10, 10}, false},
                      RectCase{"TouchingSides", {0, 0, 10, 10}, {10, 0, 10, 10}, false},
                      RectCase{"TouchingCorners", {0, 0, 10, 10}, {10, 10, 5, 5}, false},
                      RectCase{"OnePixelShared", {0, 0, 10, 10}, {9, 9, 5, 5}, true},
                      RectCase{"Inside", {0, 0, 10, 10}, {2, 2, 3, 3}, true},
                      RectCase{"Crossing", {0, 4, 20, 2}, {8, 0, 2, 20}, true},
                      RectCase{"Empty", {0, 0, 10, 10}, {5, 5, 0, 0}, false}),
    CaseName());

TEST(RectContainsTest, InnerMustLieWhollyInside) {
    const Rect outer{0, 0, 100, 50};
    EXPECT_TRUE(contains(outer, {0, 0, 100, 50}));
    EXPECT_TRUE(contains(outer, {10, 10, 20, 20}));
    EXPECT_FALSE(contains(outer, {90, 10, 11, 20}));
    EXPECT_FALSE(contains(outer, {-1, 10, 5, 5}));
    EXPECT_FALSE(contains(outer, {10, 40, 5, 11}));
}

// A parallelogram leaning like the front view's screen: its left edge stands higher.
const std::vector<Point> kScreen = {{100, 20}, {160, 50}, {160, 110}, {100, 80}};

struct ShapeCase {
    const char* name;
    Rect rect;
    bool overlap;
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << c.name;
}

class ShapeOverlapTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeOverlapTest, SeparatedByAnAxisOrNot) {
    const ShapeCase& c = GetParam();
    EXPECT_EQ(overlaps(c.rect, kScreen), c.overlap);
    std::vector<Point> closed = kScreen;
    closed.push_back(kScreen.front());  // a closing repeat of the first corner changes nothing
    EXPECT_EQ(overlaps(c.rect, closed), c.overlap);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShapeOverlapTest,
    ::testing::Values(ShapeCase{"LeftOfIt", {60, 40, 39, 20}, false},
                      ShapeCase{"TouchingTheLeftEdge", {60, 40, 40, 20}, false},
                      ShapeCase{"OverTheLeftEdge", {60, 40, 41, 20}, true},
                      ShapeCase{"InsideIt", {120, 50, 10, 10}, true},
                      ShapeCase{"AroundIt", {0, 0, 300, 300}, true},
                      // Inside the bounding box but above the slanting top edge: only that edge's
                      // normal separates them.
                      ShapeCase{"AboveTheSlantingTopEdge", {140, 20, 20, 15}, false},
                      ShapeCase{"OverTheSlantingTopEdge", {140, 20, 20, 25}, true},
                      ShapeCase{"BelowTheSlantingBottomEdge", {100, 95, 20, 20}, false}),
    CaseName());

struct LineCase {
    const char* name;
    Segment line;
    bool crossing;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class LineCrossingTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineCrossingTest, CrossesWhereAnyPartOfTheLineMeetsTheRect) {
    const LineCase& c = GetParam();
    EXPECT_EQ(crosses({10, 10, 20, 10}, c.line), c.crossing);
}

INSTANTIATE_TEST_SUITE_P(Cases, LineCrossingTest,
                         ::testing::Values(LineCase{"Through", {{0, 0}, {40, 30}}, true},
                                           LineCase{"EndsInside", {{0, 15}, {15, 15}}, true},
                                           LineCase{"EndsShort", {{0, 15}, {9, 15}}, false},
                                           LineCase{"ParallelAbove", {{0, 5}, {40, 5}}, false},
                                           LineCase{"Vertical", {{20, 0}, {20, 40}}, true},
                                           LineCase{"PassesTheCorner", {{0, 15}, {15, 0}}, false},
                                           LineCase{"ThePointInside", {{15, 15}, {15, 15}}, true}),
                         CaseName());

// A block of two parts: a 30 x 10 caption over a 20 x 10 box, anchored at the box.
const std::vector<Rect> kBlock = {{0, -10, 30, 10}, {0, 0, 20, 10}};

struct PlaceCase {
    const char* name;
    Point wanted;
    std::vector<Rect> rects;
    std::vector<Segment> lines;
    std::optional<Point> expected;
};

void PrintTo(const PlaceCase& c, std::ostream* os) {
    *os << c.name;
}

class FreePlaceTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(FreePlaceTest, FindsTheNearestPlaceWhereNoPartIsBlocked) {
    const PlaceCase& c = GetParam();
    Keepout keepout;
    keepout.bounds = {0, 0, 200, 100};
    keepout.rects = c.rects;
    keepout.shapes.push_back({{150, 40}, {190, 40}, {190, 90}, {150, 90}});
    keepout.lines = c.lines;
    EXPECT_EQ(nearestFreePlace(c.wanted, kBlock, keepout), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FreePlaceTest,
    ::testing::Values(PlaceCase{"FreeWhereWanted", {50, 50}, {}, {}, Point{50, 50}},
                      // The caption would stick out at the top: moved down until it is inside.
                      PlaceCase{"InsideTheBounds", {50, 4}, {}, {}, Point{50, 10}},
                      PlaceCase{"InsideTheRightEdge", {185, 20}, {}, {}, Point{170, 20}},
                      // Both parts lie on a rect: the nearest way out is up and left, 11.7 pixels,
                      // where both touch it (straight up would be 16, left 20, down 24).
                      PlaceCase{"OffARect", {60, 50}, {{70, 44, 40, 20}}, {}, Point{50, 44}},
                      // The box and the caption would cover the shape's corner: 11.2 pixels up and
                      // left, touching it, beats 15 up and 20 left.
                      PlaceCase{"OffAShape", {140, 45}, {}, {}, Point{130, 40}},
                      // A line through the box: 6 pixels up, where it crosses nothing (touching
                      // counts as crossing), is better.
                      PlaceCase{
                          "OffALineNearby", {50, 50}, {}, {{{0, 55}, {100, 55}}}, Point{50, 44}},
                      // Lines 15 pixels apart, which any place of this 20-pixel block crosses: the
                      // wanted place stays.
                      PlaceCase{"AmongLinesEverywhere",
                                {50, 50},
                                {},
                                {{{0, 10}, {200, 10}},
                                 {{0, 25}, {200, 25}},
                                 {{0, 40}, {200, 40}},
                                 {{0, 55}, {200, 55}},
                                 {{0, 70}, {200, 70}},
                                 {{0, 85}, {200, 85}}},
                                Point{50, 50}},
                      PlaceCase{"NowhereFree", {50, 50}, {{0, 0, 200, 100}}, {}, std::nullopt}),
    CaseName());

}  // namespace
}  // namespace projcalc
