// Which user actions change which of the two drawings the Screen holds.
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
    bool frontChanges;
    bool sideChanges;
};

void PrintTo(const RedrawCase& c, std::ostream* os) {
    *os << c.name;
}

class DiagramRedrawTest : public ControllerFixture,
                          public ::testing::WithParamInterface<RedrawCase> {};

TEST_P(DiagramRedrawTest, ChangesExactlyTheViewsTheActionChanges) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    const Screen before = view.screen;
    GetParam().action(*calculator, view);
    EXPECT_EQ(view.screen.front != before.front, GetParam().frontChanges);
    EXPECT_EQ(view.screen.side != before.side, GetParam().sideChanges);
    EXPECT_EQ(itemsOf(view.screen.front, SceneItem::Kind::Polygon).size(), 1u);
    EXPECT_FALSE(view.screen.side.items.empty());
}

// A commit of box `box` holding `text`. The side view is a sketch that only the mounting
// changes.
RedrawCase commitCase(const char* name, Quantity box, std::string text, bool changes) {
    return {name, [box, text](Calculator& c, MemoryView&) { (void)c.commit(box, text); }, changes,
            false};
}

INSTANTIATE_TEST_SUITE_P(
    Actions, DiagramRedrawTest,
    ::testing::Values(
        RedrawCase{"UnitChange", [](Calculator& c, MemoryView&) { c.choose(Unit::Feet); }, false,
                   false},
        RedrawCase{"PositionChange", [](Calculator& c, MemoryView&) { c.choose(Mount::Top); },
                   false, true},
        RedrawCase{"AspectChange", [](Calculator& c, MemoryView&) { c.choose(Aspect::R16x10); },
                   true, false},
        RedrawCase{"ZoomChange", [](Calculator& c, MemoryView&) { c.choose(Zoom::Tele); }, true,
                   false},
        RedrawCase{"ModelChange", [](Calculator& c, MemoryView&) { c.pickModel(1); }, true, false},
        commitCase("AcceptedCommit", Quantity::Diagonal, "120", true),
        commitCase("UnchangedCommit", Quantity::Distance, "300", false),
        commitCase("RejectedCommit", Quantity::Diagonal, "5", false),
        commitCase("TextCommit", Quantity::Height, "abc", false)),
    CaseName());

class SideRedrawTest : public ControllerFixture {};

TEST_F(SideRedrawTest, APositionChangeRedrawsTheSideViewWithTheProjectorMoved) {
    ASSERT_TRUE(start({kModelPlain}));
    const Scene front = view.screen.front;
    ASSERT_FALSE(view.screen.side.items.empty());
    EXPECT_EQ(view.screen.side.items[0].imageName, "imgProjectorSide_0");  // bottom at start-up
    calculator->choose(Mount::Top);
    EXPECT_EQ(view.screen.side.items[0].imageName, "imgProjectorSide_1");
    EXPECT_EQ(view.screen.front, front);
}

}  // namespace
}  // namespace projcalc
