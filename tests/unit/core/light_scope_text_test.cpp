// The planning panel's throw ratio, light and scope texts, from a Screen's planning figures.
#include "core/light_scope_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace projcalc {
namespace {

InterfaceTexts englishTexts() {
    return InterfaceTexts{};  // every optional text at its English default
}

// A 16 : 9 picture with results, a throw range at both ends and light at both.
PlanningScreen withFigures() {
    PlanningScreen screen;
    screen.planning = Planning{};
    screen.throwRatio = {1.5, 1.95};
    ScreenLight light;
    light.ends = {endLightOf(12.94), endLightOf(60)};
    screen.light = light;
    return screen;
}

struct TextCase {
    const char* name;
    std::function<void(PlanningScreen&)> change;
    std::function<void(const LightScopeTexts&)> check;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class LightScopeTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(LightScopeTextTest, ShowsTheFiguresInWords) {
    PlanningScreen screen = withFigures();
    GetParam().change(screen);
    GetParam().check(lightScopeTexts(screen, englishTexts()));
}

ScopePlan scopeOf(std::optional<ZoomMethodStretch> stretch, NoStretch why = NoStretch::OneEnd) {
    ScopePlan plan;
    plan.ratio = ScopeRatio::R239;
    plan.screen = {239, 100, 100 * std::sqrt(1 + 2.39 * 2.39)};
    plan.ends = {ScopeEnd{300, true}, ScopeEnd{450.04, false}};
    plan.zoomMethod = stretch;
    plan.noStretch = why;
    return plan;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LightScopeTextTest,
    ::testing::Values(
        TextCase{"EachEndsLightAndRatio", [](PlanningScreen&) {},
                 [](const LightScopeTexts& shown) {
                     EXPECT_EQ(shown.light[0], "12.9 fL, 44 nits, dark room");
                     EXPECT_EQ(shown.light[1], "60.0 fL, 206 nits, bright room");
                     EXPECT_EQ(shown.throwRatio[0], "1.50 : 1");
                     EXPECT_EQ(shown.throwRatio[1], "1.95 : 1");
                     EXPECT_TRUE(shown.noLumens.empty());
                     EXPECT_FALSE(shown.scopeShown);
                     EXPECT_TRUE(shown.scopeNote.empty());
                 }},
        TextCase{"AnEndWithoutLightOrRatioShowsNoValue",
                 [](PlanningScreen& s) {
                     s.light->ends[1].reset();
                     s.throwRatio[1].reset();
                 },
                 [](const LightScopeTexts& shown) {
                     EXPECT_EQ(shown.light[1], kNoPlanningValue);
                     EXPECT_EQ(shown.throwRatio[1], kNoPlanningValue);
                 }},
        TextCase{"AModelWithoutLumensSaysSo", [](PlanningScreen& s) { s.light.reset(); },
                 [](const LightScopeTexts& shown) {
                     EXPECT_EQ(shown.noLumens,
                               "The catalogue gives no light output for this model.");
                 }},
        TextCase{"NoResultsNoLine",
                 [](PlanningScreen& s) {
                     s.planning.reset();
                     s.light.reset();
                     s.throwRatio = {};
                 },
                 [](const LightScopeTexts& shown) {
                     EXPECT_TRUE(shown.noLumens.empty());
                     EXPECT_EQ(shown.light[0], kNoPlanningValue);
                 }},
        TextCase{"TheInputsShowTheValuesInForceShortest",
                 [](PlanningScreen& s) {
                     s.lightSettings = {1.3, 70};
                 },
                 [](const LightScopeTexts& shown) {
                     EXPECT_EQ(shown.gain, "1.3");
                     EXPECT_EQ(shown.share, "70");
                 }},
        TextCase{"AScopeRatioWithAnotherAspectNeeds16x9",
                 [](PlanningScreen& s) {
                     s.scopeRatio = ScopeRatio::R235;
                     s.scopeNeeds16x9 = true;
                 },
                 [](const LightScopeTexts& shown) {
                     EXPECT_EQ(shown.scopeChoice, 1);
                     EXPECT_FALSE(shown.scopeShown);
                     EXPECT_EQ(shown.scopeNote, "The zoom method needs the 16 : 9 aspect ratio.");
                 }},
        TextCase{"TheStretchInTheSelectedUnit",
                 [](PlanningScreen& s) {
                     s.scopeRatio = ScopeRatio::R239;
                     s.unit = Unit::Centimeters;
                     s.scope = scopeOf(ZoomMethodStretch{412 / 2.54, 440.3 / 2.54});
                 },
                 [](const LightScopeTexts& shown) {
                     EXPECT_EQ(shown.scopeChoice, 2);
                     EXPECT_TRUE(shown.scopeShown);
                     EXPECT_EQ(shown.scopeNote, "Both pictures from 412.0 cm to 440.3 cm");
                     EXPECT_EQ(shown.scopeSize, "607.1 cm \u00d7 254.0 cm, diagonal 658.1 cm");
                     EXPECT_EQ(shown.scopeThrow[0], (PlanningEndText{"762.0 cm", false}));
                     EXPECT_EQ(shown.scopeThrow[1], (PlanningEndText{"1143.1 cm", true}));
                 }},
        TextCase{"AFixedLensServesNotBoth",
                 [](PlanningScreen& s) { s.scope = scopeOf(std::nullopt, NoStretch::OneEnd); },
                 [](const LightScopeTexts& shown) {
                     EXPECT_EQ(shown.scopeNote,
                               "A fixed lens cannot serve both pictures from one place.");
                 }},
        TextCase{"AShortZoomServesNotBoth",
                 [](PlanningScreen& s) {
                     s.scope = scopeOf(std::nullopt, NoStretch::RangeTooShort);
                     s.unit = Unit::Feet;
                 },
                 [](const LightScopeTexts& shown) {
                     EXPECT_EQ(shown.scopeNote,
                               "The zoom range is too short to serve both pictures from one "
                               "place.");
                     EXPECT_EQ(shown.scopeThrow[0].value, "25\u2032 0\u2033");
                 }}),
    [](const ::testing::TestParamInfo<TextCase>& param) { return param.param.name; });

// Every caption comes from its key, with the English default.
TEST(LightScopeCaptions, ComeFromTheirKeysWithEnglishDefaults) {
    InterfaceTexts texts;
    texts.optional["lblPlanGain"] = "Leinwandgewinn";
    const LightScopeCaptions captions = lightScopeCaptions(texts);
    EXPECT_EQ(captions.gain, "Leinwandgewinn");
    EXPECT_EQ(captions.throwRatioRow, "Throw ratio");
    EXPECT_EQ(captions.lightRow, "Light on the screen");
    EXPECT_EQ(captions.scopeChoices,
              (std::array<std::string, 4>{"none", "2.35 : 1", "2.39 : 1", "2.40 : 1"}));
}

}  // namespace
}  // namespace projcalc
