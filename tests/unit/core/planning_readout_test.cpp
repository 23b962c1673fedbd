// The planning read-outs the controller shows: after every action that changes the results, for
// the results kept, and none when the selected model has no results.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "calc/planning.h"
#include "controller_fixture.h"
#include "scene_test_support.h"

namespace projcalc {
namespace {

class PlanningReadoutTest : public ControllerFixture {
  protected:
    // What the view must show for the calculation kept.
    [[nodiscard]] std::optional<Planning> expected() const {
        const Calculation& c = calculation();
        if (!c.resultsValid) return std::nullopt;
        return planningFor(c.traits, c.options, c.results);
    }
};

struct ActionCase {
    const char* name;
    std::function<void(Calculator&, MemoryView&, const std::filesystem::path& dir)> action;
};

void PrintTo(const ActionCase& c, std::ostream* os) {
    *os << c.name;
}

class PlanningFollowsTest : public PlanningReadoutTest,
                            public ::testing::WithParamInterface<ActionCase> {};

TEST_P(PlanningFollowsTest, ShowsThePlanningOfTheResultsAfterTheAction) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly, kModelWideOnly16x9}));
    GetParam().action(*calculator, view, dir.path());
    ASSERT_TRUE(calculation().resultsValid);
    ASSERT_TRUE(view.screen.planning.planning.has_value());
    EXPECT_EQ(view.screen.planning.planning, expected());
    EXPECT_EQ(view.screen.planning.unit, calculation().unit);
}

void typed(Calculator& c, MemoryView& /*view*/, Quantity box, const std::string& text) {
    (void)c.commit(box, text);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, PlanningFollowsTest,
    ::testing::Values(
        ActionCase{"StartUp", [](Calculator&, MemoryView&, const auto&) {}},
        ActionCase{"Commit", [](Calculator& c, MemoryView& v,
                                const auto&) { typed(c, v, Quantity::Diagonal, "120"); }},
        ActionCase{"RefusedCommit",
                   [](Calculator& c, MemoryView& v, const auto&) {
                       typed(c, v, Quantity::Diagonal, "120");
                       typed(c, v, Quantity::Diagonal, "5");
                   }},
        ActionCase{"DistanceCommit", [](Calculator& c, MemoryView& v,
                                        const auto&) { typed(c, v, Quantity::Distance, "150"); }},
        ActionCase{"AspectClick",
                   [](Calculator& c, MemoryView&, const auto&) { c.choose(Aspect::R16x10); }},
        ActionCase{"ZoomClick",
                   [](Calculator& c, MemoryView&, const auto&) { c.choose(Zoom::Tele); }},
        ActionCase{"UnitClick",
                   [](Calculator& c, MemoryView&, const auto&) { c.choose(Unit::Feet); }},
        ActionCase{"PositionClick",
                   [](Calculator& c, MemoryView&, const auto&) { c.choose(Mount::Top); }},
        ActionCase{"ModelPick", [](Calculator& c, MemoryView&, const auto&) { c.pickModel(1); }},
        ActionCase{"OpenAfterSave",
                   [](Calculator& c, MemoryView& v, const std::filesystem::path& dir) {
                       c.choose(Zoom::Tele);
                       v.dialogAnswers.push_back((dir / "room.cf").string());
                       ASSERT_TRUE(askAndSaveAs(c, v));
                       c.pickModel(2);
                       v.dialogAnswers.push_back((dir / "room.cf").string());
                       ASSERT_TRUE(askAndOpen(c, v));
                       EXPECT_EQ(v.screen.planning.planning->throwAt(Zoom::Tele)->solution.distance,
                                 c.calculation().results.distance);
                   }},
        ActionCase{"CatalogueReplacement",
                   [](Calculator& c, MemoryView& v, const std::filesystem::path& dir) {
                       TempDir elsewhere;
                       v.dialogAnswers.push_back(
                           elsewhere
                               .write("new.ini",
                                      std::string(kCatalogueHeader) + kModelTeleOnly + "\n")
                               .string());
                       askAndReplaceCatalogue(c, v);
                       EXPECT_EQ(v.screen.models.size(), 1u);
                       (void)dir;
                   }}),
    CaseName());

TEST_F(PlanningReadoutTest, AModelWithoutResultsShowsNoPlanning) {
    ASSERT_TRUE(start({kModelPlain, "No Lines,40,300,30,250,0,0,0,0,0.5,0.6,0,0,0,15"}));
    ASSERT_TRUE(view.screen.planning.planning.has_value());
    calculator->pickModel(1);
    EXPECT_FALSE(calculation().resultsValid);
    EXPECT_FALSE(view.screen.planning.planning.has_value());
    calculator->choose(Unit::Feet);  // still nothing to plan with
    EXPECT_FALSE(view.screen.planning.planning.has_value());
    calculator->pickModel(0);
    EXPECT_EQ(view.screen.planning.planning, expected());
}

TEST_F(PlanningReadoutTest, TheFrontViewMarksTheThrowRange) {
    ASSERT_TRUE(start({kModelPlain, kModelWideOnly16x9}));
    const std::vector<SceneItem> lines = itemsOf(view.screen.front, SceneItem::Kind::Line);
    ASSERT_EQ(lines.size(), 4u + 3u);  // the rays, then the range and its two marks
    EXPECT_EQ(lines[4].pen, PenId::ZoomRange);
    EXPECT_EQ(lines[4].points[0], lines[0].points[0]);  // WIDE: where the lens is drawn
    calculator->pickModel(1);                           // a fixed lens: nothing to mark
    EXPECT_EQ(itemsOf(view.screen.front, SceneItem::Kind::Line).size(), 4u);
}

}  // namespace
}  // namespace projcalc
