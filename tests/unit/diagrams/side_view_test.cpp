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
    // Expected, in the 453 x 113 picture (screen line at x 311).
    int lensY;
    std::vector<std::pair<PenId, int>> rays;  // pen and the y the ray ends at on the screen
    std::vector<int> ticks;                   // y of each tick
    int offsetRow;                            // top of the offset boxes
};

void PrintTo(const SideCase& c, std::ostream* os) {
    *os << c.name;
}

// A model of the case's kind with two offsets, and a solution with the case's offsets.
Scene drawSide(const SideCase& c) {
    ModelTraits model = traitsOf(sampleModel());
    model.kind = c.kind;
    model.offsetCount = {2, 2};
    model.hasWideRatio[0] = c.wideRatio;
    Solution solution;
    solution.offsetA = c.offsetA;
    solution.offsetB = c.offsetB;
    const Options options{Aspect::R4x3, *choiceAt<Zoom>(c.zoom), *choiceAt<Mount>(c.position)};
    return sideScene(model, options, solution, designSideMetrics());
}

Solution withOffsetA(double offsetA) {
    Solution solution;
    solution.offsetA = offsetA;
    return solution;
}

class SideViewTest : public ::testing::TestWithParam<SideCase> {};

TEST_P(SideViewTest, DrawsProjectorScreenRaysTicksAndAxisInOrder) {
    const SideCase& c = GetParam();
    const Scene scene = drawSide(c);
    EXPECT_EQ(scene.width, 453);
    EXPECT_EQ(scene.height, 113);

    const bool top = c.position == kTopOfScreen;
    const Point lens{80, c.lensY};
    std::vector<SceneItem> expected;
    SceneItem projector;
    projector.kind = SceneItem::Kind::Image;
    projector.imageName = top ? "imgProjectorSide_1" : "imgProjectorSide_0";
    projector.at = {15, c.lensY - (top ? 15 : 10)};  // right edge at x 79
    projector.size = {64, 30};
    expected.push_back(projector);
    const auto line = [](PenId pen, Point from, Point to) {
        SceneItem item;
        item.pen = pen;
        item.points = {from, to};
        return item;
    };
    expected.push_back(line(PenId::ScreenSide, {311, 5}, {311, 103}));
    for (const auto& [pen, y] : c.rays)
        expected.push_back(line(pen, lens, {311, y}));
    for (const int y : c.ticks)
        expected.push_back(line(PenId::Dimension, {311, y}, {326, y}));
    expected.push_back(line(PenId::Axis, lens, {311, c.lensY}));

    ASSERT_EQ(scene.items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const SceneItem& got = scene.items[i];
        EXPECT_EQ(got.kind, expected[i].kind) << "item " << i;
        EXPECT_EQ(got.pen, expected[i].pen) << "item " << i;
        EXPECT_EQ(got.points, expected[i].points) << "item " << i;
        EXPECT_EQ(got.imageName, expected[i].imageName) << "item " << i;
        EXPECT_EQ(got.at, expected[i].at) << "item " << i;
        EXPECT_EQ(got.size, expected[i].size) << "item " << i;
    }

    // Unit 17 x 13, offset boxes 40 x 19, range sign 28 x 19, caption 28 x 13, right to left.
    EXPECT_EQ(positionOf(scene, "lblOffsetUnit"), (Point{431, c.offsetRow + 3}));
    EXPECT_EQ(positionOf(scene, "txtOffset_1"), (Point{389, c.offsetRow}));
    EXPECT_EQ(positionOf(scene, "imgKara"), (Point{366, c.offsetRow}));
    EXPECT_EQ(positionOf(scene, "txtOffset_0"), (Point{331, c.offsetRow}));
    EXPECT_EQ(positionOf(scene, "lblOffset"), (Point{331, c.offsetRow - 13}));
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
    ModelTraits model = traitsOf(sampleModel());
    model.offsetCount = {2, 1};  // one offset at TELE
    const Scene scene = sideScene(model, {Aspect::R4x3, Zoom::Tele, Mount::Bottom}, withOffsetA(10),
                                  designSideMetrics());
    ASSERT_TRUE(placementOf(scene, "txtOffset_1").has_value());
    EXPECT_FALSE(placementOf(scene, "txtOffset_1")->visible);
    EXPECT_FALSE(placementOf(scene, "imgKara")->visible);
    EXPECT_TRUE(placementOf(scene, "txtOffset_0")->visible);
    EXPECT_TRUE(placementOf(scene, "lblOffset")->visible);
    EXPECT_EQ(scene.items[1].points[0].x, 311);  // the screen line still leaves their room
    EXPECT_EQ(positionOf(scene, "txtOffset_0"), (Point{331, 88}));
    // The unit follows the one box shown.
    EXPECT_EQ(positionOf(scene, "lblOffsetUnit"), (Point{373, 91}));

    // Two offsets at WIDE.
    const Scene both = sideScene(model, {Aspect::R4x3, Zoom::Wide, Mount::Bottom}, withOffsetA(10),
                                 designSideMetrics());
    EXPECT_TRUE(placementOf(both, "txtOffset_1")->visible);
    EXPECT_TRUE(placementOf(both, "imgKara")->visible);
}

TEST(SideViewLayoutTest, UsesTheSizesItIsGiven) {
    SideMetrics metrics;
    metrics.picture = {400, 120};
    metrics.offsetBox = {Size{50, 21}, Size{44, 19}};
    metrics.rangeSign = {20, 14};
    metrics.caption = {30, 15};
    metrics.unit = {9, 14};
    metrics.projector = {Size{60, 30}, Size{64, 30}};
    const Scene scene = sideScene(traitsOf(sampleModel()), {Aspect::R4x3, Zoom::Wide, Mount::Top},
                                  withOffsetA(10), metrics);

    // Screen line at 400 - (44 + 50 + 20 + 2 + 9 + 15); the lens row 27 carries the boxes:
    // 27 - 19 + 21 - 5 = 24. The unit ends at the margin, 5 from the right edge.
    EXPECT_EQ(scene.items[1].points, (std::vector<Point>{{260, 5}, {260, 110}}));
    EXPECT_EQ(positionOf(scene, "lblOffsetUnit"), (Point{386, 26}));  // 24 + 2.5 to even
    EXPECT_EQ(positionOf(scene, "txtOffset_1"), (Point{340, 24}));
    EXPECT_EQ(positionOf(scene, "imgKara"), (Point{325, 26}));  // 24 + 2.5 rounds to even
    EXPECT_EQ(positionOf(scene, "txtOffset_0"), (Point{280, 24}));
    EXPECT_EQ(positionOf(scene, "lblOffset"), (Point{280, 9}));
    EXPECT_EQ(placementOf(scene, "txtOffset_0")->size, (Size{50, 21}));
    EXPECT_EQ(scene.items[0].at, (Point{19, 12}));
    EXPECT_EQ(scene.items[0].size, (Size{60, 30}));
}

struct RatioCase {
    Aspect aspect;
    bool ratio43, ratio169, ratio1610;  // which aspect groups have a WIDE ratio entry
    bool expected;
};

void PrintTo(const RatioCase& c, std::ostream* os) {
    *os << "aspect " << indexOf(c.aspect);
}

class SideRatioTest : public ::testing::TestWithParam<RatioCase> {};

TEST_P(SideRatioTest, TheWideRatioOfTheCheckedAspectsGroupDecidesTheRays) {
    const RatioCase& c = GetParam();
    ModelRecord m = sampleModel();
    m.ratios.wide.at(AspectGroup::Ratio43, OffsetKind::A).present = c.ratio43;
    m.ratios.wide.at(AspectGroup::Ratio169, OffsetKind::B).present = c.ratio169;
    m.ratios.wide.at(AspectGroup::Ratio1610, OffsetKind::A).present = c.ratio1610;
    ModelTraits model = traitsOf(m);
    EXPECT_EQ(model.hasWideRatioFor(c.aspect), c.expected);
    // A kind-4 model at WIDE mirrors its rays exactly when no WIDE ratio applies.
    model.kind = 4;
    const Options options{c.aspect, Zoom::Wide, Mount::Top};
    const Scene mirrored = sideScene(model, options, withOffsetA(-1), designSideMetrics());
    model.kind = 0;
    const Scene plain = sideScene(model, options, withOffsetA(-1), designSideMetrics());
    EXPECT_EQ(mirrored.items == plain.items, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Aspects, SideRatioTest,
                         ::testing::Values(RatioCase{Aspect::R4x3, true, false, false, true},
                                           RatioCase{Aspect::R5x4, true, false, false, true},
                                           RatioCase{Aspect::R16x9, true, false, true, false},
                                           RatioCase{Aspect::R16x9, false, true, false, true},
                                           RatioCase{Aspect::R16x10, true, true, false, false},
                                           RatioCase{Aspect::R16x10, false, false, true, true}));

}  // namespace
}  // namespace projcalc
