// present: the Screen of a calculation, as a pure function of the calculation, the model list,
// the texts, the metrics and the history's state.
#include "core/present.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "controller_fixture.h"
#include "scene_test_support.h"

namespace projcalc {
namespace {

using Boxes = std::array<std::string, 4>;

class PresentTest : public ControllerFixture {
  protected:
    [[nodiscard]] Screen presented(const Calculation& c, std::vector<Notice> notices = {}) const {
        return present({c, view.screen.models, calculator->texts(), view.sizes, false, false, false,
                        std::move(notices)});
    }
};

TEST_F(PresentTest, GivesTheScreenTheViewWasShownAndGivesItAgain) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    const Screen screen = presented(calculation());
    EXPECT_EQ(screen, view.screen);
    EXPECT_EQ(presented(calculation()), screen);  // only reads
    EXPECT_EQ(calculator->screen(), screen);
}

struct ScreenCase {
    const char* name;
    std::function<void(Calculation&)> change;
    std::function<void(const Screen&)> check;
};

void PrintTo(const ScreenCase& c, std::ostream* os) {
    *os << c.name;
}

class PresentCaseTest : public PresentTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(PresentCaseTest, ShowsWhatTheCalculationHolds) {
    ASSERT_TRUE(start({kModelPlain, kModelWideOnly16x9, kModelTeleOnly}));
    Calculation c = calculation();
    GetParam().change(c);
    GetParam().check(presented(c));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PresentCaseTest,
    ::testing::Values(
        ScreenCase{"TheTitleNamesTheFileWithoutItsExtension",
                   [](Calculation& c) { c.file = "/rooms/hall c.plan.cf"; },
                   [](const Screen& s) {
                       EXPECT_EQ(s.title, "Projection Distance Calculator [hall c.plan]");
                       EXPECT_EQ(s.file, "/rooms/hall c.plan.cf");
                   }},
        ScreenCase{"BeforeAnyResultTheBoxesKeepTheirDesignTexts",
                   [](Calculation& c) { c.resultsValid = false; },
                   [](const Screen& s) {
                       EXPECT_EQ(s.boxes, (Boxes{"Distance", "SSize", "Width", "Height"}));
                       EXPECT_EQ(s.offsets, (std::array<std::string, 2>{"Offset", "Offset"}));
                       EXPECT_EQ(s.front, Scene{});
                       EXPECT_FALSE(s.planning.planning);
                   }},
        ScreenCase{"EmptiedResultsShowBlankBoxesAndPaper",
                   [](Calculation& c) {
                       c.resultsValid = false;
                       c.resultsCleared = true;
                   },
                   [](const Screen& s) {
                       EXPECT_EQ(s.boxes, (Boxes{"", "", "", ""}));
                       EXPECT_TRUE(s.front.items.empty());
                       EXPECT_EQ(s.front.width, designFrontMetrics().picture.width);
                       EXPECT_EQ(s.side.height, designSideMetrics().picture.height);
                   }},
        ScreenCase{"TheUnitOnlyChangesTheTexts", [](Calculation& c) { c.unit = Unit::Feet; },
                   [](const Screen& s) {
                       EXPECT_EQ(s.boxes, (Boxes{"25", "25", "20", "15"}));
                       EXPECT_EQ(s.options.checkedIndex(OptionGroup::Units), 1);
                       EXPECT_EQ(s.planning.unit, Unit::Feet);
                   }},
        ScreenCase{"ASelectionOutsideTheListSelectsNoRow", [](Calculation& c) { c.model = 7; },
                   [](const Screen& s) {
                       EXPECT_EQ(s.selectedRow, -1);
                       EXPECT_FALSE(s.selectedModel());
                   }},
        ScreenCase{"AModelWithoutLumensHasNoLightButItsThrowRatios",
                   [](Calculation& c) {
                       c.light = {2, 50};
                   },
                   [](const Screen& s) {
                       EXPECT_FALSE(s.planning.light);
                       EXPECT_EQ(s.planning.lightSettings, (LightSettings{2, 50}));
                       ASSERT_TRUE(s.planning.throwRatio[0]);
                       EXPECT_DOUBLE_EQ(*s.planning.throwRatio[0], 300.0 / 240.0);
                   }},
        ScreenCase{"LumensGiveEachEndItsLight",
                   [](Calculation& c) {
                       c.traits.record.lumens = 3000;
                       c.light = {1.5, 100};
                   },
                   [](const Screen& s) {
                       ASSERT_TRUE(s.planning.light);
                       ASSERT_TRUE(s.planning.light->at(Zoom::Tele));
                       EXPECT_DOUBLE_EQ(s.planning.light->at(Zoom::Wide)->footLamberts, 15);
                       EXPECT_EQ(s.planning.light->at(Zoom::Wide)->rating, LightRating::DarkRoom);
                   }},
        ScreenCase{"AScopeScreenNeeds16x9", [](Calculation& c) { c.scope = ScopeRatio::R239; },
                   [](const Screen& s) {
                       EXPECT_TRUE(s.planning.scopeNeeds16x9);
                       EXPECT_EQ(s.planning.scopeRatio, ScopeRatio::R239);
                       EXPECT_FALSE(s.planning.scope);
                   }},
        ScreenCase{"NoResultsNoLightNoScope",
                   [](Calculation& c) {
                       c.traits.record.lumens = 3000;
                       c.resultsValid = false;
                       c.resultsCleared = true;
                   },
                   [](const Screen& s) {
                       EXPECT_FALSE(s.planning.light);
                       EXPECT_FALSE(s.planning.throwRatio[0]);
                   }}),
    CaseName());

// Greyed options say why; the others say what they are.
TEST_F(PresentTest, GreyedOptionsCarryTheirReasons) {
    ASSERT_TRUE(start({kModelPlain, kModelWideOnly16x9}));
    calculator->pickModel(1);  // offers only 16:9 and has a fixed lens
    const OptionsScreen& options = view.screen.options;
    for (const Aspect aspect : kAllAspects) {
        const OptionButton& button = options.aspects[static_cast<std::size_t>(indexOf(aspect))];
        const std::string caption(nameOf(aspect).caption);
        EXPECT_EQ(button.enabled, aspect == Aspect::R16x9) << caption;
        EXPECT_EQ(button.checked, aspect == Aspect::R16x9) << caption;
        EXPECT_EQ(button.tooltip, button.enabled ? "The image's width to its height: " + caption
                                                 : "This model does not offer " + caption);
    }
    for (const OptionButton& zoom : options.zooms) {
        EXPECT_FALSE(zoom.enabled);
        EXPECT_EQ(zoom.tooltip, "This model has a fixed lens");
    }
    calculator->pickModel(0);
    EXPECT_TRUE(view.screen.options.zooms[1].enabled);
    EXPECT_NE(view.screen.options.zooms[1].tooltip, "This model has a fixed lens");
}

TEST_F(PresentTest, OneCommandsMessagesComeInTheOrderTheyWereSaid) {
    ASSERT_TRUE(start({kModelPlain}));
    const std::vector<Notice> said = {Notice::message("first"),
                                      Notice::failure(makeError(ErrorCode::Overflow, "x")),
                                      Notice::message("third")};
    EXPECT_EQ(presented(calculation(), said).notices, said);
    // A finder pick is one command: a limit message of its aspect and its refused diagonal.
    calculator->takeFoundModel(0, Aspect::R16x9, "900");
    EXPECT_EQ(view.screen.notices.size(), 1u);
    EXPECT_EQ(view.messages.back(), "Too large: at most 280 inches");
}

TEST_F(PresentTest, TheFrontViewIsDrawnAtTheScaleTheCalculationKeeps) {
    ASSERT_TRUE(start({kModelPlain}));
    Calculation c = calculation();
    const Screen kept = presented(c);
    c.frontScale *= 2;  // a figure drawn twice as far away is smaller
    EXPECT_NE(presented(c).front, kept.front);
    EXPECT_EQ(presented(c).side, kept.side);
}

}  // namespace
}  // namespace projcalc
