#include "calc/finder.h"

#include <gtest/gtest.h>

#include <ostream>

#include "scene_test_support.h"
#include "test_support.h"

namespace projcalc {
namespace {

// 4:3 images: the WIDE end throws a diagonal equal to the distance, the TELE end half of it.
// WIDE may throw 30 to 300 inches, TELE 30 to 200.
ModelRecord roomModel() {
    ModelRecord m = sampleModel("Room 1");
    m.wideSizeSlope = 1.0;
    m.wideSizeIntercept = 0.0;
    m.teleSizeSlope = 0.5;
    m.teleSizeIntercept = 0.0;
    m.limits.maxDiagonal43Tele = 200;
    m.aspectMask = 1 | 2;  // 4:3 and 5:4
    return m;
}

ModelRecord teleOnly() {
    ModelRecord m = roomModel();
    m.wideSizeSlope = 0;
    return m;
}

struct FitCase {
    const char* name;
    ModelRecord model;
    Aspect aspect;
    double diagonal;
    Room room;
    bool fits;
    double standFrom = 0;
    double standTo = 0;
};

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}

class FitRule : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitRule, ListsAModelWhereItsPlaceOverlapsTheRoom) {
    const FitCase& c = GetParam();
    const auto fit = fitOf(traitsOf(c.model), 7, c.aspect, Mount::Bottom, c.diagonal, c.room);
    ASSERT_EQ(fit.has_value(), c.fits);
    if (!fit) return;
    EXPECT_EQ(fit->model, 7);
    EXPECT_DOUBLE_EQ(fit->standFrom, c.standFrom);
    EXPECT_DOUBLE_EQ(fit->standTo, c.standTo);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitRule,
    ::testing::Values(
        FitCase{"BothEndsInsideTheRoom", roomModel(), Aspect::R4x3, 100, {50, 250}, true, 100, 200},
        FitCase{"RoomCutsTheRange", roomModel(), Aspect::R4x3, 100, {50, 150}, true, 100, 150},
        FitCase{
            "RoomNarrowerThanTheRange", roomModel(), Aspect::R4x3, 100, {120, 130}, true, 120, 130},
        FitCase{"OverlapAtTheFarEdge", roomModel(), Aspect::R4x3, 100, {200, 300}, true, 200, 200},
        FitCase{"OverlapAtTheNearEdge", roomModel(), Aspect::R4x3, 100, {10, 100}, true, 100, 100},
        FitCase{"JustPastTheRange", roomModel(), Aspect::R4x3, 100, {200.5, 300}, false},
        FitCase{
            "OneEndStandsAtOnePlace", teleOnly(), Aspect::R4x3, 100, {150, 250}, true, 200, 200},
        FitCase{"OneEndOutsideTheRoom", teleOnly(), Aspect::R4x3, 100, {50, 150}, false},
        FitCase{"TeleOutsideItsLimitsLeavesWide",
                roomModel(),
                Aspect::R4x3,
                250,
                {0, 1000},
                true,
                250,
                250},
        FitCase{"NoEndWithinLimits", roomModel(), Aspect::R4x3, 400, {0, 10000}, false},
        FitCase{"AspectNotOffered", roomModel(), Aspect::R16x9, 100, {0, 1000}, false}),
    CaseName());

TEST(FitRule, AnEndOutsideItsLimitsIsReportedButDoesNotCount) {
    const auto fit = fitOf(traitsOf(roomModel()), 0, Aspect::R4x3, Mount::Top, 250, {0, 1000});
    ASSERT_TRUE(fit.has_value());
    ASSERT_TRUE(fit->ends[1].has_value());
    EXPECT_FALSE(fit->ends[1]->withinLimits);
    EXPECT_DOUBLE_EQ(fit->ends[1]->solution.distance, 500);
    EXPECT_FALSE(endCounts(fit->ends[1]));
    EXPECT_TRUE(endCounts(fit->ends[0]));
}

TEST(ModelsThatFit, KeepsCatalogueOrderAndIndexes) {
    std::vector<ModelTraits> catalogue = {traitsOf(teleOnly()), traitsOf(sampleModel()),
                                          traitsOf(roomModel())};
    const auto fits = modelsThatFit(catalogue, Aspect::R4x3, Mount::Bottom, 100, {150, 200});
    ASSERT_EQ(fits.size(), 3u);
    EXPECT_EQ(fits[0].model, 0);
    EXPECT_EQ(fits[1].model, 1);
    EXPECT_EQ(fits[2].model, 2);
    EXPECT_TRUE(modelsThatFit(catalogue, Aspect::R4x3, Mount::Bottom, 100, {1000, 2000}).empty());
}

struct LightFitCase {
    const char* name;
    double lumens;
    double teleLumens;
    double minimum;
    double maxTeleDiagonal;  // the TELE limit: below 100 the TELE end does not count
    bool fits;
};

void PrintTo(const LightFitCase& c, std::ostream* os) {
    *os << c.name;
}

class LightMinimum : public ::testing::TestWithParam<LightFitCase> {};

// A 100-inch 4:3 screen is 80 by 60 inches, 33⅓ square feet: 1000 lumens give 30 fL.
TEST_P(LightMinimum, ListsAModelWhenAnEndThatCountsReachesIt) {
    const LightFitCase& c = GetParam();
    ModelRecord m = roomModel();
    m.lumens = c.lumens;
    m.teleLumens = c.teleLumens;
    m.limits.maxDiagonal43Tele = c.maxTeleDiagonal;
    const auto fit = fitOf(traitsOf(m), 0, Aspect::R4x3, Mount::Bottom, 100, {0, 1000},
                           FinderLight{{1.0, 100.0}, c.minimum});
    ASSERT_EQ(fit.has_value(), c.fits);
    if (!fit || c.lumens == 0) return;
    EXPECT_NEAR(*fit->footLamberts[0], c.lumens * 0.03, 1e-9);
    const double tele = c.teleLumens > 0 ? c.teleLumens : c.lumens;
    EXPECT_NEAR(*fit->footLamberts[1], tele * 0.03, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LightMinimum,
    ::testing::Values(LightFitCase{"no minimum, no lumens", 0, 0, 0, 200, true},
                      LightFitCase{"a minimum, no lumens", 0, 0, 10, 200, false},
                      LightFitCase{"WIDE reaches it", 1000, 500, 29.9, 200, true},
                      LightFitCase{"neither end reaches it", 1000, 500, 30.1, 200, false},
                      LightFitCase{"TELE reaches it", 1000, 2000, 45, 200, true},
                      LightFitCase{"TELE would, but does not count", 1000, 2000, 45, 90, false}));

TEST(LightMinimum, GainAndShareScaleTheLight) {
    ModelRecord m = roomModel();
    m.lumens = 1000;
    const auto fit = fitOf(traitsOf(m), 0, Aspect::R4x3, Mount::Bottom, 100, {0, 1000},
                           FinderLight{{1.5, 50.0}, 0});
    ASSERT_TRUE(fit.has_value());
    EXPECT_NEAR(*fit->footLamberts[0], 22.5, 1e-9);
}

}  // namespace
}  // namespace projcalc
