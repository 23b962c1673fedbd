#include "diagrams/side_view.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "scene_test_support.h"
#include "test_support.h"

namespace projcalc {
namespace {

constexpr int kTopOfScreen = 0;
constexpr int kBottomOfScreen = 1;

struct SideCase {
    const char* name;
    int position;
    int kind;
    int zoom;
    double offsetA;
    double offsetB;
    bool wideRatio;  // the model has a WIDE ratio for 4:3
    // Expected, in the 453 x 113 picture (screen line at x 330).
    int lensY;
    std::vector<std::pair<PenId, int>> rays;  // pen and the y the ray ends at on the screen
    std::vector<int> ticks;                   // y of each tick
    int offsetRow;                            // top of the offset boxes
};

void PrintTo(const SideCase& c, std::ostream* os) {
    *os << c.name;
}

CalculatorState sideState(const SideCase& c) {
    CalculatorState s = stateWith(sampleModel(), 0, c.zoom, 0, c.position);
    s.modelKind = c.kind;
    s.offsetA = c.offsetA;
    s.offsetB = c.offsetB;
    s.offsetCount = {2, 2};
    s.hasWideRatio43 = c.wideRatio;
    return s;
}

class SideViewTest : public ::testing::TestWithParam<SideCase> {};

TEST_P(SideViewTest, DrawsProjectorScreenRaysTicksAndAxisInOrder) {
    const SideCase& c = GetParam();
    MemoryView view;
    CalculatorState s = sideState(c);
    const Scene scene = DrawScreen2(s, view);
    EXPECT_EQ(scene.width, 453);
    EXPECT_EQ(scene.height, 113);

    const bool top = c.position == kTopOfScreen;
    const Point lens{80, c.lensY};
    std::vector<SceneItem> expected;
    SceneItem projector;
    projector.kind = SceneItem::Kind::Image;
    projector.imageName = top ? "imgProjectorSide_1" : "imgProjectorSide_0";
    projector.at = {15, c.lensY - (top ? 15 : 10)};  // right edge at x 79
    expected.push_back(projector);
    const auto line = [](PenId pen, Point from, Point to) {
        SceneItem item;
        item.pen = pen;
        item.points = {from, to};
        return item;
    };
    expected.push_back(line(PenId::ScreenSide, {330, 5}, {330, 103}));
    for (const auto& [pen, y] : c.rays)
        expected.push_back(line(pen, lens, {330, y}));
    for (const int y : c.ticks)
        expected.push_back(line(PenId::Dimension, {330, y}, {345, y}));
    expected.push_back(line(PenId::Axis, lens, {330, c.lensY}));

    ASSERT_EQ(scene.items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const SceneItem& got = scene.items[i];
        EXPECT_EQ(got.kind, expected[i].kind) << "item " << i;
        EXPECT_EQ(got.pen, expected[i].pen) << "item " << i;
        EXPECT_EQ(got.points, expected[i].points) << "item " << i;
        EXPECT_EQ(got.imageName, expected[i].imageName) << "item " << i;
        EXPECT_EQ(got.at, expected[i].at) << "item " << i;
    }

    // Offset boxes 40 x 19, range sign 28 x 19, caption 28 x 13, right to left.
    EXPECT_EQ(positionOf(scene, "txtOffset_1"), (Point{408, c.offsetRow}));
    EXPECT_EQ(positionOf(scene, "imgKara"), (Point{385, c.offsetRow}));
    EXPECT_EQ(positionOf(scene, "txtOffset_0"), (Point{350, c.offsetRow}));
    EXPECT_EQ(positionOf(scene, "lblOffset"), (Point{350, c.offsetRow - 13}));
}

using Rays = std::vector<std::pair<PenId, int>>;
constexpr PenId kRay = PenId::Ray;
constexpr PenId kFaint = PenId::RayFaint;
constexpr int kTop = kTopOfScreen;
constexpr int kBottom = kBottomOfScreen;

// Not kind 2: the lens at y 27 (top) or 86 (bottom, 7 above the image's end at 93).
INSTANTIATE_TEST_SUITE_P(
    Cases, SideViewTest,
    ::testing::Values(SideCase{"TopTwoOffsets",
                               kTop,
                               0,
                               0,
                               10,
                               2,
                               false,
                               27,
                               Rays{{kRay, 20}, {kRay, 93}},
                               {27, 20},
                               22},
                      SideCase{"TopNoOffsetImageEndsOnTheAxis",
                               kTop,
                               0,
                               0,
                               0,
                               0,
                               false,
                               27,
                               Rays{{kRay, 27}, {kRay, 93}},
                               {27, 27},
                               22},
                      SideCase{"BottomTwoOffsets",
                               kBottom,
                               0,
                               0,
                               10,
                               2,
                               false,
                               86,
                               Rays{{kRay, 20}, {kRay, 93}},
                               {86, 93},
                               88},
                      SideCase{"BottomNoOffsetImageEndsOnTheAxis",
                               kBottom,
                               0,
                               0,
                               0,
                               0,
                               false,
                               86,
                               Rays{{kRay, 20}, {kRay, 86}},
                               {86, 86},
                               81},
                      SideCase{"Kind1BottomMirrored",
                               kBottom,
                               1,
                               0,
                               10,
                               2,
                               false,
                               86,
                               Rays{{kRay, 20}, {kRay, 79}},
                               {86, 79},
                               81},
                      SideCase{"Kind6TopMirrored",
                               kTop,
                               6,
                               0,
                               10,
                               2,
                               false,
                               27,
                               Rays{{kRay, 34}, {kRay, 93}},
                               {27, 34},
                               29},
                      SideCase{"Kind6BottomMirrored",
                               kBottom,
                               6,
                               1,
                               10,
                               2,
                               false,
                               86,
                               Rays{{kRay, 20}, {kRay, 79}},
                               {86, 79},
                               81},
                      SideCase{"NegativeAAloneTopMirroredAfterTheRow",
                               kTop,
                               0,
                               0,
                               -5,
                               0,
                               false,
                               27,
                               Rays{{kRay, 34}, {kRay, 93}},
                               {27, 34},
                               22},
                      SideCase{"NegativeAAloneBottomMirroredAfterTheRow",
                               kBottom,
                               0,
                               0,
                               -5,
                               0,
                               false,
                               86,
                               Rays{{kRay, 20}, {kRay, 79}},
                               {86, 79},
                               88},
                      SideCase{"NegativeAWithBNotMirrored",
                               kBottom,
                               0,
                               0,
                               -5,
                               2,
                               false,
                               86,
                               Rays{{kRay, 20}, {kRay, 93}},
                               {86, 93},
                               88},
                      SideCase{"Kind2TopFourRaysOneTick",
                               kTop,
                               2,
                               0,
                               10,
                               2,
                               false,
                               50,
                               Rays{{kRay, 44}, {kFaint, 80}, {kRay, 20}, {kFaint, 56}},
                               {50},
                               45},
                      SideCase{"Kind2BottomFourRaysOneTick",
                               kBottom,
                               2,
                               0,
                               10,
                               2,
                               true,
                               50,
                               Rays{{kRay, 44}, {kFaint, 80}, {kRay, 20}, {kFaint, 56}},
                               {50},
                               45},
                      SideCase{"RatioAndPositiveATopSpanMoved",
                               kTop,
                               0,
                               0,
                               10,
                               2,
                               true,
                               27,
                               Rays{{kRay, 34}, {kRay, 93}},
                               {27, 34},
                               22},
                      SideCase{"RatioAndPositiveABottomSpanMoved",
                               kBottom,
                               0,
                               0,
                               10,
                               2,
                               true,
                               86,
                               Rays{{kRay, 20}, {kRay, 79}},
                               {86, 79},
                               88},
                      SideCase{"RatioWithNegativeAPlain",
                               kBottom,
                               3,
                               1,
                               -5,
                               2,
                               true,
                               86,
                               Rays{{kRay, 20}, {kRay, 93}},
                               {86, 93},
                               88},
                      SideCase{"Kind3AtTeleWithoutRatioSpanMoved",
                               kBottom,
                               3,
                               1,
                               10,
                               2,
                               false,
                               86,
                               Rays{{kRay, 20}, {kRay, 79}},
                               {86, 79},
                               88},
                      SideCase{"Kind3AtWidePlain",
                               kBottom,
                               3,
                               0,
                               10,
                               2,
                               false,
                               86,
                               Rays{{kRay, 20}, {kRay, 93}},
                               {86, 93},
                               88},
                      SideCase{"Kind4AtWideWithoutRatioSpanMoved",
                               kTop,
                               4,
                               0,
                               10,
                               2,
                               false,
                               27,
                               Rays{{kRay, 34}, {kRay, 93}},
                               {27, 34},
                               22},
                      SideCase{"Kind4AtTelePlain",
                               kTop,
                               4,
                               1,
                               10,
                               2,
                               false,
                               27,
                               Rays{{kRay, 20}, {kRay, 93}},
                               {27, 20},
                               22}),
    CaseName());

TEST(SideViewLayoutTest, OneOffsetHidesTheSecondBoxAndTheSignButKeepsTheirRoom) {
    MemoryView view;
    CalculatorState s = stateWith(sampleModel(), 0, 1, 0, kBottomOfScreen);
    s.offsetCount = {2, 1};  // one offset at TELE
    s.offsetA = 10;
    const Scene scene = DrawScreen2(s, view);
    ASSERT_TRUE(placementOf(scene, "txtOffset_1").has_value());
    EXPECT_FALSE(placementOf(scene, "txtOffset_1")->visible);
    EXPECT_FALSE(placementOf(scene, "imgKara")->visible);
    EXPECT_TRUE(placementOf(scene, "txtOffset_0")->visible);
    EXPECT_TRUE(placementOf(scene, "lblOffset")->visible);
    EXPECT_EQ(scene.items[1].points[0].x, 330);  // the screen line still leaves their room
    EXPECT_EQ(positionOf(scene, "txtOffset_0"), (Point{350, 88}));

    s.zoomEnd = 0;  // two offsets at WIDE
    const Scene both = DrawScreen2(s, view);
    EXPECT_TRUE(placementOf(both, "txtOffset_1")->visible);
    EXPECT_TRUE(placementOf(both, "imgKara")->visible);
}

TEST(SideViewLayoutTest, UsesTheSizesTheViewReports) {
    SizedView view;
    view.sizes["picDraw2"] = {400, 120};
    view.sizes["txtOffset_0"] = {50, 21};
    view.sizes["txtOffset_1"] = {44, 19};
    view.sizes["imgKara"] = {20, 14};
    view.sizes["lblOffset"] = {30, 15};
    view.sizes["imgProjectorSide_1"] = {60, 30};
    CalculatorState s = stateWith(sampleModel(), 0, 0, 0, kTopOfScreen);
    s.offsetCount = {2, 2};
    s.offsetA = 10;
    const Scene scene = DrawScreen2(s, view);

    // Screen line at 400 - (44 + 50 + 20 + 15); the lens row 27 carries the boxes:
    // 27 - 19 + 21 - 5 = 24. The second box stands the first box's width from the right edge.
    EXPECT_EQ(scene.items[1].points, (std::vector<Point>{{271, 5}, {271, 110}}));
    EXPECT_EQ(positionOf(scene, "txtOffset_1"), (Point{345, 24}));
    EXPECT_EQ(positionOf(scene, "imgKara"), (Point{330, 26}));  // 24 + 2.5 rounds to even
    EXPECT_EQ(positionOf(scene, "txtOffset_0"), (Point{285, 24}));
    EXPECT_EQ(positionOf(scene, "lblOffset"), (Point{285, 9}));
    EXPECT_EQ(placementOf(scene, "txtOffset_0")->size, (Size{50, 21}));
    EXPECT_EQ(scene.items[0].at, (Point{19, 12}));
}

struct RatioCase {
    int aspectIndex;
    bool ratio43, ratio169, ratio1610;
    bool expected;
};

void PrintTo(const RatioCase& c, std::ostream* os) {
    *os << "aspect " << c.aspectIndex;
}

class SideRatioTest : public ::testing::TestWithParam<RatioCase> {};

TEST_P(SideRatioTest, PicksTheWideRatioFlagOfTheCurrentAspect) {
    const RatioCase& c = GetParam();
    MemoryView view;
    CalculatorState s = stateWith(sampleModel(), c.aspectIndex);
    s.hasWideRatio43 = c.ratio43;
    s.hasWideRatio169 = c.ratio169;
    s.hasWideRatio1610 = c.ratio1610;
    s.hasWideRatioCurrent = !c.expected;
    (void)DrawScreen2(s, view);
    EXPECT_EQ(s.hasWideRatioCurrent, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Aspects, SideRatioTest,
                         ::testing::Values(RatioCase{0, true, false, false, true},
                                           RatioCase{1, true, false, false, true},
                                           RatioCase{2, true, false, true, false},
                                           RatioCase{2, false, true, false, true},
                                           RatioCase{3, true, true, false, false},
                                           RatioCase{3, false, false, true, true}));

}  // namespace
}  // namespace projcalc
