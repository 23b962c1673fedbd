// Which user actions redraw which of the two views, counted through the controller.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "controller_fixture.h"
#include "scene_test_support.h"

namespace projcalc {
namespace {

struct RedrawCase {
    const char* name;
    std::function<void(Calculator&, MemoryView&)> action;
    int frontDrawings;
    int sideDrawings;
};

void PrintTo(const RedrawCase& c, std::ostream* os) {
    *os << c.name;
}

class DiagramRedrawTest : public ControllerFixture,
                          public ::testing::WithParamInterface<RedrawCase> {};

TEST_P(DiagramRedrawTest, RedrawsExactlyTheViewsTheActionChanges) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    const int front = view.frontDrawings;
    const int side = view.sideDrawings;
    GetParam().action(*calculator, view);
    EXPECT_EQ(view.frontDrawings - front, GetParam().frontDrawings);
    EXPECT_EQ(view.sideDrawings - side, GetParam().sideDrawings);
    EXPECT_EQ(itemsOf(view.frontScene, SceneItem::Kind::Polygon).size(), 1u);
    EXPECT_FALSE(view.sideScene.items.empty());
}

// A commit of box `box` after the user typed `text` into it.
RedrawCase commitCase(const char* name, Quantity box, std::string text) {
    return {name,
            [box, text](Calculator& c, MemoryView& v) {
                c.onValueFocus(box);
                v.boxText(box) = text;
                c.commitValue(box);
            },
            1, 1};
}

INSTANTIATE_TEST_SUITE_P(
    Actions, DiagramRedrawTest,
    ::testing::Values(
        RedrawCase{"UnitChange", [](Calculator& c, MemoryView&) { c.onUnitsClicked(Unit::Feet); },
                   0, 0},
        RedrawCase{"PositionChange",
                   [](Calculator& c, MemoryView&) { c.onPositionClicked(Mount::Top); }, 0, 1},
        RedrawCase{"AspectChange",
                   [](Calculator& c, MemoryView&) { c.onAspectClicked(Aspect::R16x10); }, 1, 1},
        RedrawCase{"ZoomChange", [](Calculator& c, MemoryView&) { c.onZoomClicked(Zoom::Tele); }, 1,
                   1},
        RedrawCase{"ModelChange", [](Calculator& c, MemoryView&) { c.onModelPicked(1); }, 1, 1},
        RedrawCase{"EnterButton",
                   [](Calculator& c, MemoryView&) { c.onEnterClicked(Quantity::Width); }, 1, 1},
        commitCase("AcceptedCommit", Quantity::Diagonal, "120"),
        commitCase("UnchangedCommit", Quantity::Distance, "300"),
        commitCase("RejectedCommit", Quantity::Diagonal, "5"),
        commitCase("TextCommit", Quantity::Height, "abc")),
    CaseName());

class SideRedrawTest : public ControllerFixture {};

TEST_F(SideRedrawTest, APositionChangeRedrawsTheSideViewWithTheProjectorMoved) {
    ASSERT_TRUE(start({kModelPlain}));
    const Scene front = view.frontScene;
    ASSERT_FALSE(view.sideScene.items.empty());
    EXPECT_EQ(view.sideScene.items[0].imageName, "imgProjectorSide_0");  // bottom at start-up
    calculator->onPositionClicked(Mount::Top);
    EXPECT_EQ(view.sideScene.items[0].imageName, "imgProjectorSide_1");
    EXPECT_EQ(view.frontScene.items.size(), front.items.size());
}

}  // namespace
}  // namespace projcalc
