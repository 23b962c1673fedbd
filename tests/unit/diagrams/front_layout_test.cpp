// The value boxes of the front view on figures given directly: each block (caption, box, unit,
// Enter button) at its designed place where that breaks no rule, else at the nearest place that
// does not.
#include "diagrams/front_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "diagrams/scene_parts.h"
#include "scene_rules.h"
#include "scene_test_support.h"

namespace projcalc {
namespace {

// The figure as the front view draws it, with the placements, for sceneFaults.
Scene sceneOf(const FrontFigure& f, const Rect& projector, std::vector<ControlPlacement> controls) {
    Scene scene;
    scene.width = 453;
    scene.height = 241;
    SceneItem screen;
    screen.kind = SceneItem::Kind::Polygon;
    screen.points = {f.p1, f.p3, f.p4, f.p2, f.p1};
    scene.items.push_back(screen);
    SceneItem picture;
    picture.kind = SceneItem::Kind::Image;
    picture.at = {projector.left, projector.top};
    picture.size = {projector.width, projector.height};
    scene.items.push_back(picture);
    for (const Point& corner : {f.p1, f.p3, f.p4, f.p2}) {
        SceneItem ray;
        ray.points = {f.q, corner};
        scene.items.push_back(ray);
    }
    scene.controls = std::move(controls);
    return scene;
}

struct LayoutCase {
    const char* name;
    FrontFigure figure;
    std::vector<std::pair<std::string, Point>> expected;  // where some boxes go
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class FrontLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(FrontLayoutTest, PutsEachBlockWhereItBreaksNoRule) {
    const LayoutCase& c = GetParam();
    const FrontMetrics metrics = designFrontMetrics();
    FrontClearance clearance;
    clearance.projector = projectorPlace(c.figure, metrics.projector, {46, 10});
    for (const Point& corner : {c.figure.p1, c.figure.p3, c.figure.p4, c.figure.p2})
        clearance.lines.push_back({c.figure.q, corner});
    const Scene scene =
        sceneOf(c.figure, clearance.projector,
                layOutValueBoxes(frontFrame(metrics.picture), c.figure, metrics, clearance));

    for (const auto& [name, at] : c.expected)
        EXPECT_EQ(positionOf(scene, name), at) << name;
    for (const std::string& fault : sceneFaults(scene))
        ADD_FAILURE() << fault;
    // Each box carries its caption on top and its unit and Enter button to its right.
    for (int i = 0; i < 4; ++i) {
        const Point box = positionOf(scene, indexedName("txtValue", i));
        EXPECT_EQ(positionOf(scene, indexedName("lblValue", i)), (Point{box.x, box.y - 13}));
        EXPECT_EQ(positionOf(scene, indexedName("lblUnit", i)), (Point{box.x + 39, box.y + 3}));
        EXPECT_EQ(positionOf(scene, indexedName("cmdEnter", i)), (Point{box.x + 58, box.y + 1}));
    }
}

// Picture 453 x 241; boxes 37 x 19 with their unit and Enter button 79 wide; captions 13 high
// (the diagonal's 102 wide, the distance's 92); the frame runs from (113, 193) to (344, 89).
INSTANTIATE_TEST_SUITE_P(
    Figures, FrontLayoutTest,
    ::testing::Values(
        // Height right-aligned level with the right edge's middle, width centred over the top
        // edge, distance 30 past the lens, diagonal 30 plus its caption left of the top corner.
        LayoutCase{"DesignedPlacesWhereFree",
                   {{300, 60}, {300, 120}, {350, 85}, {350, 145}, {200, 180}},
                   {{"txtValue_3", {369, 106}},
                    {"txtValue_2", {306, 24}},
                    {"txtValue_0", {230, 217}},
                    {"txtValue_1", {168, 60}}}},
        // The right edge's middle lies below the picture: pulled up to its bottom margin.
        LayoutCase{"HeightBelowThePicturePulledUp",
                   {{300, 60}, {300, 120}, {350, 230}, {350, 290}, {200, 150}},
                   {{"txtValue_3", {369, 217}}}},
        // Its middle lies inside but the box would not: moved up until it is.
        LayoutCase{"HeightPartlyBelowThePictureMovedIn",
                   {{300, 60}, {300, 120}, {350, 212}, {350, 272}, {200, 150}},
                   {{"txtValue_3", {369, 220}}}},
        // Centred over a top edge left of the middle, the width box stands at the middle.
        LayoutCase{"WidthNeverLeftOfTheMiddle",
                   {{100, 60}, {100, 120}, {150, 85}, {150, 145}, {70, 190}},
                   {{"txtValue_2", {208, 24}}}},
        // A lens left of the frame's start: the distance box stands 30 past the start.
        LayoutCase{"DistancePastTheFrameStart",
                   {{300, 60}, {300, 120}, {350, 85}, {350, 145}, {50, 180}},
                   {{"txtValue_0", {143, 217}}}},
        // A screen whose top corner is high: the diagonal box keeps below its caption's height
        // and inside the left margin.
        LayoutCase{"DiagonalBelowItsCaptionInsideTheMargin",
                   {{130, 10}, {130, 70}, {180, 35}, {180, 95}, {60, 160}},
                   {{"txtValue_1", {5, 18}}}},
        // A wide screen reaching under the height box's designed place (369, 130): the block
        // goes up, clear of the top edge.
        LayoutCase{"HeightOffAWideScreen",
                   {{250, 40}, {250, 120}, {420, 100}, {420, 180}, {150, 200}},
                   {{"txtValue_3", {371, 61}}}},
        // A tiny screen at the right: the distance caption and the width block would leave the
        // picture (designed at x 425 and 389), the height block would cover the screen; each
        // moves the least it must, 2 pixels from the edge.
        LayoutCase{
            "TinyScreenAtTheRight",
            {{400, 80}, {400, 95}, {415, 88}, {415, 103}, {395, 100}},
            {{"txtValue_0", {359, 217}}, {"txtValue_2", {372, 24}}, {"txtValue_3", {369, 58}}}},
        // A screen whose top edge runs high across the width box's designed place (326, 24):
        // nothing is free above it, the place left of it crosses a ray, so it goes under the
        // bottom edge.
        LayoutCase{"WidthOffAHighTopEdge",
                   {{290, 11}, {290, 105}, {398, 73}, {398, 167}, {160, 180}},
                   {{"txtValue_2", {280, 147}}}}),
    CaseName());

TEST(FrontLayoutRulesTest, UnitsEnterButtonsAndCaptionsFollowBoxesOfAnySize) {
    FrontMetrics odd = designFrontMetrics();
    odd.valueBox[1] = {50, 20};
    odd.unit[1] = {9, 14};
    odd.enterButton[1] = {15, 11};
    odd.caption[1] = {90, 16};
    const FrontFigure f{{300, 60}, {300, 120}, {350, 85}, {350, 145}, {200, 180}};
    Scene scene;
    scene.controls = layOutValueBoxes(frontFrame(odd.picture), f, odd, FrontClearance{});
    EXPECT_EQ(positionOf(scene, "txtValue_1"), (Point{180, 60}));  // 300 - 90 - 30
    EXPECT_EQ(positionOf(scene, "lblValue_1"), (Point{180, 44}));
    EXPECT_EQ(positionOf(scene, "lblUnit_1"), (Point{232, 63}));   // 3.0 below the top
    EXPECT_EQ(positionOf(scene, "cmdEnter_1"), (Point{243, 64}));  // 4.5 rounds to 4
    EXPECT_EQ(placementOf(scene, "lblUnit_1")->size, (Size{9, 14}));
}

struct ProjectorCase {
    const char* name;
    FrontFigure figure;
    Rect expected;
};

void PrintTo(const ProjectorCase& c, std::ostream* os) {
    *os << c.name;
}

class ProjectorPlaceTest : public ::testing::TestWithParam<ProjectorCase> {};

TEST_P(ProjectorPlaceTest, KeepsTheLensAtQAndTheScreenClear) {
    const ProjectorCase& c = GetParam();
    const Rect place = projectorPlace(c.figure, {64, 40}, {46, 10});
    EXPECT_EQ(place, c.expected);
    const std::vector<Point> screen = {c.figure.p1, c.figure.p3, c.figure.p4, c.figure.p2};
    EXPECT_FALSE(overlaps(place, screen));
    EXPECT_GE(place.width, kSmallestProjectorWidth);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, ProjectorPlaceTest,
    ::testing::Values(
        // Far from the screen: the natural size, the lens (46, 10) at q.
        ProjectorCase{"NaturalSizeWhenClear",
                      {{300, 60}, {300, 120}, {350, 85}, {350, 145}, {200, 180}},
                      {154, 170, 64, 40}},
        // Near a small screen: as large as it can be without covering it (54 wide, the lens
        // 38.8, 8.4 from its corner), the lens at q.
        ProjectorCase{"SmallerNearTheScreen",
                      {{300, 60}, {300, 120}, {350, 85}, {350, 145}, {292, 132}},
                      {253, 124, 54, 34}},
        // So near that even 16 pixels cover it: it steps back along the axis from the screen's
        // centre through q, from (319, 91) to (317, 92).
        ProjectorCase{"StepsBackFromATinyScreen",
                      {{332, 75}, {332, 90}, {356, 88}, {356, 103}, {331, 93}},
                      {317, 92, 16, 10}}),
    CaseName());

}  // namespace
}  // namespace projcalc
