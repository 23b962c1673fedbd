// The planning read-outs: both zoom ends for this screen and for this distance, and the seats.
#include "calc/planning.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>

#include "test_support.h"

namespace projcalc {
namespace {

// The 4:3 diagonal a model's size line gives for an image of `aspect` and `diagonal`, worked out
// from the image's shape: a 5:4 image is as high as its 4:3 reference; 16:9 and 16:10 images
// are the reference times the panel's factor.
double referenceOf(double diagonal, Aspect aspect, int panel) {
    const double factor169[] = {0.9178779878760819, 1.223837317, 1.1014535847073097};
    const double factor1610[] = {0.9433981132113207, 0.972948721, 1.132077736};
    switch (aspect) {
        case Aspect::R5x4:
            return diagonal * 4.0 / std::sqrt(41.0) * 5.0 / 3.0;
        case Aspect::R16x9:
            return diagonal / factor169[panel];
        case Aspect::R16x10:
            return diagonal / factor1610[panel];
        case Aspect::R4x3:
            break;
    }
    return diagonal;
}

struct Line {
    double slope;
    double intercept;
};

Line lineOf(const ModelRecord& m, Zoom zoom) {
    return zoom == Zoom::Wide ? Line{m.wideSizeSlope, m.wideSizeIntercept}
                              : Line{m.teleSizeSlope, m.teleSizeIntercept};
}

struct PlanningCase {
    const char* name;
    std::function<void(ModelRecord&)> change;  // applied to the sample model
    Aspect aspect;
    Zoom zoom;                        // the end the results belong to
    double diagonal;                  // the results' diagonal
    std::array<bool, 2> hasEnd;       // by Zoom: the end has values in both ranges
    std::array<bool, 2> throwWithin;  // by Zoom
    std::array<bool, 2> hasImage = hasEnd;
};

void PrintTo(const PlanningCase& c, std::ostream* os) {
    *os << c.name;
}

class PlanningFormulaTest : public ::testing::TestWithParam<PlanningCase> {};

TEST_P(PlanningFormulaTest, SolvesBothEndsForThisScreenAndThisDistance) {
    const PlanningCase& c = GetParam();
    ModelRecord record = sampleModel();
    if (c.change) c.change(record);
    const ModelTraits model = traitsOf(record);
    const Options options{c.aspect, c.zoom, Mount::Bottom};
    // The results as the calculator keeps them: the current end solved for the diagonal.
    Solution results;
    const Line current = lineOf(record, c.zoom);
    results.diagonal = c.diagonal;
    results.distance =
        (referenceOf(c.diagonal, c.aspect, record.panelAspect) - current.intercept) / current.slope;
    results.width = 80;
    results.height = 60;

    const std::optional<Planning> planning = planningFor(model, options, results);
    ASSERT_TRUE(planning.has_value());
    for (const Zoom zoom : kAllZooms) {
        SCOPED_TRACE(zoomName(zoom));
        const auto i = static_cast<std::size_t>(indexOf(zoom));
        const auto& throwEnd = planning->throwAt(zoom);
        const auto& imageEnd = planning->imageAt(zoom);
        ASSERT_EQ(throwEnd.has_value(), c.hasEnd[i]);
        ASSERT_EQ(imageEnd.has_value(), c.hasImage[i]);
        if (!c.hasEnd[i]) continue;
        EXPECT_EQ(throwEnd->withinLimits, c.throwWithin[i]);
        EXPECT_TRUE(std::isfinite(throwEnd->solution.distance));
        if (zoom == c.zoom) {
            // The end of the results is the results themselves, to the last bit.
            EXPECT_EQ(throwEnd->solution, results);
            EXPECT_EQ(imageEnd->solution, results);
            continue;
        }
        const Line line = lineOf(record, zoom);
        const double reference = referenceOf(c.diagonal, c.aspect, record.panelAspect);
        const double expectedThrow = (reference - line.intercept) / line.slope;
        EXPECT_NEAR(throwEnd->solution.distance, expectedThrow, 1e-9 * std::fabs(expectedThrow));
        EXPECT_NEAR(throwEnd->solution.diagonal, c.diagonal, 1e-12 * c.diagonal);
        // The image this end throws from the results' distance, as the same share of its 4:3
        // reference.
        const double expectedImage =
            (line.slope * results.distance + line.intercept) * c.diagonal / reference;
        EXPECT_NEAR(imageEnd->solution.diagonal, expectedImage, 1e-9 * expectedImage);
        EXPECT_NEAR(imageEnd->solution.distance, results.distance, 1e-12 * results.distance);
    }
}

const std::array<bool, 2> kBoth = {true, true};
const std::array<bool, 2> kWideOnly = {true, false};
const std::array<bool, 2> kTeleOnly = {false, true};
const std::array<bool, 2> kNone = {false, false};

void panel(ModelRecord& m, int code) {
    m.panelAspect = code;
}

INSTANTIATE_TEST_SUITE_P(
    Ends, PlanningFormulaTest,
    ::testing::Values(
        PlanningCase{"BothEnds", {}, Aspect::R4x3, Zoom::Wide, 100, kBoth, kBoth},
        PlanningCase{"BothEndsFromTele", {}, Aspect::R4x3, Zoom::Tele, 150, kBoth, kBoth},
        PlanningCase{"FixedLensHasOnlyWide",
                     [](ModelRecord& m) { m.teleSizeSlope = m.teleSizeIntercept = 0; },
                     Aspect::R4x3, Zoom::Wide, 100, kWideOnly, kBoth},
        PlanningCase{"TeleOnlyModel",
                     [](ModelRecord& m) { m.wideSizeSlope = m.wideSizeIntercept = 0; },
                     Aspect::R4x3, Zoom::Tele, 100, kTeleOnly, kBoth},
        PlanningCase{"SlopeZeroWithAnInterceptHasNoValue",
                     [](ModelRecord& m) {
                         m.teleSizeSlope = 0;
                         m.teleSizeIntercept = 5;
                     },
                     Aspect::R4x3, Zoom::Wide, 100, kWideOnly, kBoth},
        // The distance overflows; the image at the results' distance is still a number.
        PlanningCase{"OverflowHasNoValue", [](ModelRecord& m) { m.teleSizeSlope = 1e-308; },
                     Aspect::R4x3, Zoom::Wide, 100, kWideOnly, kBoth, kBoth},
        PlanningCase{"DiagonalOutsideTheOtherEndsLimits",
                     [](ModelRecord& m) { m.limits.maxDiagonal43Tele = 80; },
                     Aspect::R4x3,
                     Zoom::Wide,
                     100,
                     kBoth,
                     {true, false}},
        PlanningCase{"DiagonalOnTheLimitIsWithin", {}, Aspect::R4x3, Zoom::Wide, 300, kBoth, kBoth},
        PlanningCase{"DiagonalBelowTheOtherEndsLimits",
                     [](ModelRecord& m) { m.limits.minDiagonal43Tele = 120; },
                     Aspect::R4x3,
                     Zoom::Wide,
                     100,
                     kBoth,
                     {true, false}}),
    [](const auto& test) { return std::string(test.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Aspects, PlanningFormulaTest,
    ::testing::Values(
        PlanningCase{"FiveByFour", {}, Aspect::R5x4, Zoom::Wide, 100, kBoth, kBoth},
        PlanningCase{"SixteenByNineOn43Panel", {}, Aspect::R16x9, Zoom::Wide, 100, kBoth, kBoth},
        PlanningCase{"SixteenByNineOn169Panel", [](ModelRecord& m) { panel(m, 1); }, Aspect::R16x9,
                     Zoom::Tele, 100, kBoth, kBoth},
        PlanningCase{"SixteenByNineOn1610Panel", [](ModelRecord& m) { panel(m, 2); }, Aspect::R16x9,
                     Zoom::Wide, 100, kBoth, kBoth},
        PlanningCase{"SixteenByTenOn43Panel", {}, Aspect::R16x10, Zoom::Wide, 100, kBoth, kBoth},
        PlanningCase{"SixteenByTenOn169Panel", [](ModelRecord& m) { panel(m, 1); }, Aspect::R16x10,
                     Zoom::Wide, 100, kBoth, kBoth},
        PlanningCase{"SixteenByTenOn1610Panel", [](ModelRecord& m) { panel(m, 2); }, Aspect::R16x10,
                     Zoom::Tele, 100, kBoth, kBoth}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Planning, HandWorkedEndsOfTheSampleModel) {
    const ModelTraits model = traitsOf(sampleModel());
    Solution results;
    results.diagonal = 100;
    results.distance = (100 - 1.0) / 0.8333;
    results.width = 80;
    results.height = 60;
    const auto planning = planningFor(model, {Aspect::R4x3, Zoom::Wide, Mount::Top}, results);
    ASSERT_TRUE(planning.has_value());
    // TELE: diagonal = 0.625 × distance − 0.5.
    EXPECT_DOUBLE_EQ(planning->throwAt(Zoom::Tele)->solution.distance, 160.8);
    EXPECT_DOUBLE_EQ(planning->imageAt(Zoom::Tele)->solution.diagonal,
                     0.625 * results.distance - 0.5);
    EXPECT_DOUBLE_EQ(planning->throwAt(Zoom::Tele)->solution.width, 80);
}

// Without a panel factor a 16:9 or 16:10 image has no size: no end, never a stand-in 0.
TEST(Planning, PanelCodeWithoutAFactorHasNoEnds) {
    ModelRecord record = sampleModel();
    record.panelAspect = 7;
    const ModelTraits model = traitsOf(record);
    Solution results;
    results.diagonal = 100;
    results.distance = 120;
    results.width = 87;
    for (const Aspect aspect : {Aspect::R16x9, Aspect::R16x10}) {
        const auto planning = planningFor(model, {aspect, Zoom::Wide, Mount::Bottom}, results);
        ASSERT_TRUE(planning.has_value());
        for (const Zoom zoom : kAllZooms) {
            EXPECT_FALSE(planning->throwAt(zoom).has_value());
            EXPECT_FALSE(planning->imageAt(zoom).has_value());
        }
    }
}

TEST(Planning, ModelWithoutSizeLinesHasNoEndsButStillHasSeats) {
    ModelRecord record = sampleModel();
    record.wideSizeSlope = record.wideSizeIntercept = 0;
    record.teleSizeSlope = record.teleSizeIntercept = 0;
    Solution results;
    results.diagonal = 100;
    results.width = 80;
    const auto planning = planningFor(traitsOf(record), Options{}, results);
    ASSERT_TRUE(planning.has_value());
    EXPECT_EQ(planning->throwRange, BothEnds{});
    EXPECT_EQ(planning->imageRange, BothEnds{});
    EXPECT_DOUBLE_EQ(planning->seatFor(SeatingAngle::Smpte30), 149.28203230275508);
}

TEST(Planning, ResultsThatAreNotFiniteHaveNoPlanning) {
    const ModelTraits model = traitsOf(sampleModel());
    const double inf = std::numeric_limits<double>::infinity();
    for (double Solution::*length : {&Solution::diagonal, &Solution::distance, &Solution::width}) {
        Solution results;
        results.diagonal = 100;
        results.distance = 118;
        results.width = 80;
        results.*length = std::numeric_limits<double>::quiet_NaN();
        EXPECT_FALSE(planningFor(model, Options{}, results).has_value());
        results.*length = inf;
        EXPECT_FALSE(planningFor(model, Options{}, results).has_value());
    }
    Solution wide;
    wide.diagonal = 100;
    wide.width = 1e308;  // its seats lie beyond the largest double
    EXPECT_FALSE(planningFor(model, Options{}, wide).has_value());
}

struct SeatCase {
    SeatingAngle angle;
    double width;
    double seat;
};

class SeatingTest : public ::testing::TestWithParam<SeatCase> {};

TEST_P(SeatingTest, ImageWidthSpansTheAngle) {
    EXPECT_NEAR(seatingDistance(GetParam().width, GetParam().angle), GetParam().seat, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Angles, SeatingTest,
                         ::testing::Values(SeatCase{SeatingAngle::Smpte30, 80,
                                                    80 * (2 + std::sqrt(3.0)) / 2},
                                           SeatCase{SeatingAngle::Thx36, 80, 123.10734148701015},
                                           SeatCase{SeatingAngle::Thx40, 80, 109.8990967781849},
                                           SeatCase{SeatingAngle::Smpte30, 240, 447.8460969082653},
                                           SeatCase{SeatingAngle::Thx40, 0, 0}));

}  // namespace
}  // namespace projcalc
