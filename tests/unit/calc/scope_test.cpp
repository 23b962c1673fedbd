#include "calc/scope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "calc/aspect.h"
#include "calc/survey.h"
#include "test_support.h"

namespace projcalc {
namespace {

// A 16:9 panel whose size lines go through 0: the distance is proportional to the diagonal, and
// the zoom range (WIDE slope ÷ TELE slope) is `range`. Limits 30 to 400 inches at both ends.
ModelRecord zoomModel(double range) {
    ModelRecord m = sampleModel("Zoom");
    m.panelAspect = 1;
    m.wideSizeSlope = 1.0;
    m.wideSizeIntercept = 0.0;
    m.teleSizeSlope = 1.0 / range;
    m.teleSizeIntercept = 0.0;
    m.limits = {30, 400, 30, 400, 30, 400, 30, 400, 30, 400, 30, 400};
    return m;
}

// The 16:9 results of a diagonal, as the solver gives them at WIDE.
Solution resultsFor(const ModelRecord& model, double diagonal) {
    const ModelTraits traits = traitsOf(model);
    const Options options{Aspect::R16x9, Zoom::Wide, Mount::Bottom};
    return *solve(traits, options, {Quantity::Diagonal, diagonal}, OnLimit::Reject).solution();
}

std::optional<ScopePlan> planFor(const ModelRecord& model, ScopeRatio ratio, double diagonal,
                                 Aspect aspect = Aspect::R16x9) {
    return scopePlan(traitsOf(model), {aspect, Zoom::Wide, Mount::Bottom}, ratio,
                     resultsFor(model, diagonal));
}

TEST(ScopeRatio, ReadsTheThreeRatiosAndNone) {
    struct Case {
        const char* text;
        std::optional<ScopeRatio> ratio;
    };
    for (const Case& c :
         {Case{"2.35", ScopeRatio::R235}, Case{" 2.39 ", ScopeRatio::R239},
          Case{"2.40", ScopeRatio::R240}, Case{"2.4", ScopeRatio::R240},
          Case{"none", ScopeRatio::None}, Case{"2.37", std::nullopt}, Case{"2,39", std::nullopt},
          Case{"", std::nullopt}, Case{"2.390", std::nullopt}}) {
        EXPECT_EQ(readScopeRatio(c.text), c.ratio) << c.text;
    }
    for (const ScopeRatio ratio : kScopeRatios)
        EXPECT_EQ(readScopeRatio(scopeRatioText(ratio)), ratio);
}

struct RatioCase {
    ScopeRatio ratio;
    double value;
};

void PrintTo(const RatioCase& c, std::ostream* os) {
    *os << c.value;
}

class EachRatio : public ::testing::TestWithParam<RatioCase> {};

TEST_P(EachRatio, TheScopeScreenIsAsHighAsThePictureAndRatioTimesAsWide) {
    const RatioCase& c = GetParam();
    EXPECT_EQ(ratioOf(c.ratio), c.value);
    const ModelRecord model = zoomModel(1.6);
    const Solution results = resultsFor(model, 100.0);
    const auto plan = planFor(model, c.ratio, 100.0);
    ASSERT_TRUE(plan.has_value());
    EXPECT_DOUBLE_EQ(plan->screen.height, results.height);
    EXPECT_DOUBLE_EQ(plan->screen.width, c.value * results.height);
    EXPECT_DOUBLE_EQ(plan->screen.diagonal, results.height * std::sqrt(1 + c.value * c.value));
    // The scope picture is the 16:9 picture as wide as the scope screen.
    EXPECT_DOUBLE_EQ(plan->imageDiagonal, 100.0 * c.value / (16.0 / 9.0));
    EXPECT_NEAR(widthFromHeight(heightFromDiagonal(plan->imageDiagonal, 16.0 / 9.0), 16.0 / 9.0),
                plan->screen.width, 1e-9);
    // Each end throws the scope picture from the solver's distance for it.
    const BothEnds solved = solveBothEnds(traitsOf(model), Aspect::R16x9, Mount::Bottom,
                                          {Quantity::Diagonal, plan->imageDiagonal});
    for (const Zoom zoom : kAllZooms) {
        const auto i = static_cast<std::size_t>(indexOf(zoom));
        ASSERT_TRUE(plan->at(zoom).has_value());
        EXPECT_DOUBLE_EQ(plan->at(zoom)->distance, solved[i]->solution.distance);
        EXPECT_TRUE(plan->at(zoom)->withinLimits);
    }
    // A zoom range of 1.6 serves both pictures: from WIDE's scope distance to TELE's 16:9 one.
    ASSERT_TRUE(plan->zoomMethod.has_value());
    EXPECT_DOUBLE_EQ(plan->zoomMethod->standFrom, plan->at(Zoom::Wide)->distance);
    const BothEnds picture =
        solveBothEnds(traitsOf(model), Aspect::R16x9, Mount::Bottom, {Quantity::Diagonal, 100.0});
    EXPECT_DOUBLE_EQ(plan->zoomMethod->standTo, picture[1]->solution.distance);
}

INSTANTIATE_TEST_SUITE_P(Ratios, EachRatio,
                         ::testing::Values(RatioCase{ScopeRatio::R235, 2.35},
                                           RatioCase{ScopeRatio::R239, 2.39},
                                           RatioCase{ScopeRatio::R240, 2.4}));

TEST(ScopePlan, NeedsARatioA169PictureAndFiniteResults) {
    const ModelRecord model = zoomModel(1.6);
    EXPECT_FALSE(planFor(model, ScopeRatio::None, 100.0).has_value());
    for (const Aspect aspect : {Aspect::R4x3, Aspect::R5x4, Aspect::R16x10})
        EXPECT_FALSE(planFor(model, ScopeRatio::R239, 100.0, aspect).has_value());
    Solution broken = resultsFor(model, 100.0);
    broken.diagonal = std::nan("");
    EXPECT_FALSE(scopePlan(traitsOf(model), {Aspect::R16x9, Zoom::Wide, Mount::Bottom},
                           ScopeRatio::R239, broken)
                     .has_value());
}

struct StretchCase {
    const char* name;
    double range;  // WIDE slope ÷ TELE slope
    ScopeRatio ratio;
    bool stretch;
};

void PrintTo(const StretchCase& c, std::ostream* os) {
    *os << c.name;
}

class ZoomRange : public ::testing::TestWithParam<StretchCase> {};

TEST_P(ZoomRange, ServesBothPicturesWhenAtLeastRatioOver169) {
    const StretchCase& c = GetParam();
    const auto plan = planFor(zoomModel(c.range), c.ratio, 120.0);
    ASSERT_TRUE(plan.has_value());
    ASSERT_EQ(plan->zoomMethod.has_value(), c.stretch);
    if (plan->zoomMethod) {
        EXPECT_LE(plan->zoomMethod->standFrom, plan->zoomMethod->standTo);
    } else {
        EXPECT_EQ(plan->noStretch, NoStretch::RangeTooShort);
    }
}

// 2.35 ÷ (16 ÷ 9) = 1.321875, 2.39 ÷ (16 ÷ 9) = 1.344375, 2.40 ÷ (16 ÷ 9) = 1.35.
INSTANTIATE_TEST_SUITE_P(
    Ranges, ZoomRange,
    ::testing::Values(
        StretchCase{"2.35 range 1.32 just too short", 1.32, ScopeRatio::R235, false},
        StretchCase{"2.35 range 1.3219 just long enough", 1.3219, ScopeRatio::R235, true},
        StretchCase{"2.39 range 1.344 just too short", 1.344, ScopeRatio::R239, false},
        StretchCase{"2.39 range 1.345 long enough", 1.345, ScopeRatio::R239, true},
        StretchCase{"2.40 range 1.349 just too short", 1.349, ScopeRatio::R240, false},
        StretchCase{"2.40 range 1.3501 just long enough", 1.3501, ScopeRatio::R240, true},
        StretchCase{"fixed lens at both ends", 1.0, ScopeRatio::R239, false}));

TEST(ScopePlan, AModelWithOneEndHasNoStretch) {
    ModelRecord wideOnly = zoomModel(1.6);
    wideOnly.teleSizeSlope = 0;
    ModelRecord teleOnly = zoomModel(1.6);
    teleOnly.wideSizeSlope = 0;
    for (const ModelRecord& model : {wideOnly, teleOnly}) {
        const ModelTraits traits = traitsOf(model);
        const Zoom zoom = traits.has(Zoom::Wide) ? Zoom::Wide : Zoom::Tele;
        const Options options{Aspect::R16x9, zoom, Mount::Bottom};
        const Solution results =
            *solve(traits, options, {Quantity::Diagonal, 100.0}, OnLimit::Reject).solution();
        const auto plan = scopePlan(traits, options, ScopeRatio::R235, results);
        ASSERT_TRUE(plan.has_value());
        EXPECT_FALSE(plan->zoomMethod.has_value());
        EXPECT_EQ(plan->noStretch, NoStretch::OneEnd);
        EXPECT_EQ(plan->at(Zoom::Wide).has_value(), zoom == Zoom::Wide);
        EXPECT_EQ(plan->at(Zoom::Tele).has_value(), zoom == Zoom::Tele);
    }
}

TEST(ScopePlan, EachEndSaysWhetherTheScopePictureLiesWithinItsLimits) {
    // 250 inches of 16:9 make a 2.40 scope picture of 337.5 inches.
    ModelRecord wideSmall = zoomModel(1.6);
    wideSmall.limits.maxDiagonal169Wide = 300;
    ModelRecord teleSmall = zoomModel(1.6);
    teleSmall.limits.maxDiagonal169Tele = 300;
    const auto wide = planFor(wideSmall, ScopeRatio::R240, 250.0);
    const auto tele = planFor(teleSmall, ScopeRatio::R240, 250.0);
    ASSERT_TRUE(wide && tele);
    EXPECT_DOUBLE_EQ(wide->imageDiagonal, 337.5);
    EXPECT_FALSE(wide->at(Zoom::Wide)->withinLimits);
    EXPECT_TRUE(wide->at(Zoom::Tele)->withinLimits);
    EXPECT_TRUE(tele->at(Zoom::Wide)->withinLimits);
    EXPECT_FALSE(tele->at(Zoom::Tele)->withinLimits);
    // The limits do not narrow the stretch.
    EXPECT_TRUE(wide->zoomMethod.has_value());
    EXPECT_EQ(wide->zoomMethod, tele->zoomMethod);
}

TEST(ScopePlan, TheStretchIsWrittenInTheSelectedUnit) {
    const ZoomMethodStretch stretch{412.0 / 2.54, 440.3 / 2.54};
    const std::string pattern = "Both pictures from %1 to %2";
    EXPECT_EQ(stretchText(stretch, Unit::Centimeters, pattern),
              "Both pictures from 412.0 cm to 440.3 cm");
    EXPECT_EQ(stretchText({148.5, 160.0}, Unit::Inches, pattern),
              "Both pictures from 148.5\u2033 to 160.0\u2033");
    EXPECT_EQ(stretchText({148.0, 160.0}, Unit::Feet, pattern),
              "Both pictures from 12\u2032 4\u2033 to 13\u2032 4\u2033");
}

TEST(ScopePlan, TheScopePictureSpreadsTheSameLightOverMore) {
    EXPECT_DOUBLE_EQ(scopeFootLamberts(16.0, 100.0, 200.0), 4.0);
    const double dz = scopePictureDiagonal(100.0, 2.39);
    EXPECT_NEAR(scopeFootLamberts(20.0, 100.0, dz), 20.0 / std::pow(2.39 / (16.0 / 9.0), 2), 1e-12);
}

}  // namespace
}  // namespace projcalc
