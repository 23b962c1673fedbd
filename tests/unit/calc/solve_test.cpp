#include "calc/solve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "calc/limit_message.h"
#include "calc/readout.h"
#include "test_support.h"

namespace projcalc {
namespace {

LimitMessages testMessages() {
    return {{"large in %1 (%2)", "large ft %1 (%2 in)", "large cm %1 (%2 in)"},
            {"small in %1 (%2)", "small ft %1 (%2 in)", "small cm %1 (%2 in)"}};
}

Solution solutionOf(const SolveResult& result) {
    const Solution* solution = result.solution();
    EXPECT_NE(solution, nullptr);
    return solution != nullptr ? *solution : Solution{};
}

const Choices kSample = choicesWith(sampleModel());

TEST(Solve, EveryQuantityDerivesTheSameImage) {
    const Solution fromDiagonal = solutionOf(
        solve(kSample.model, kSample.options, {Quantity::Diagonal, 100}, OnLimit::Reject));
    EXPECT_DOUBLE_EQ(fromDiagonal.diagonal, 100);
    EXPECT_DOUBLE_EQ(fromDiagonal.height, 60);
    EXPECT_DOUBLE_EQ(fromDiagonal.width, 80);
    EXPECT_NEAR(fromDiagonal.distance, (100 - 1.0) / 0.8333, 1e-12);
    EXPECT_DOUBLE_EQ(fromDiagonal.offsetA, 60 * 0.5);
    EXPECT_DOUBLE_EQ(fromDiagonal.offsetB, 60 * 0.1);

    for (const Known known : {Known{Quantity::Distance, fromDiagonal.distance},
                              Known{Quantity::Width, 80.0}, Known{Quantity::Height, 60.0}}) {
        const Solution s =
            solutionOf(solve(kSample.model, kSample.options, known, OnLimit::Reject));
        const int q = indexOf(known.quantity);
        EXPECT_NEAR(s.diagonal, 100, 1e-9) << q;
        EXPECT_NEAR(s.width, 80, 1e-9) << q;
        EXPECT_NEAR(s.height, 60, 1e-9) << q;
        EXPECT_NEAR(s.distance, fromDiagonal.distance, 1e-9) << q;
    }
}

// A diagonal against the limits 30 to 300 of the sample model.
struct LimitCase {
    Known known;
    std::optional<LimitHit> hit;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << "quantity " << indexOf(c.known.quantity) << " = " << c.known.inches;
}

class SolveLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(SolveLimits, RejectsADiagonalOutsideTheLimitsNamingTheLimit) {
    const LimitCase& c = GetParam();
    const SolveResult r = solve(kSample.model, kSample.options, c.known, OnLimit::Reject);
    EXPECT_FALSE(r.crossed.has_value());
    if (c.hit) {
        ASSERT_TRUE(std::holds_alternative<LimitHit>(r.outcome));
        EXPECT_EQ(std::get<LimitHit>(r.outcome), *c.hit);
    } else {
        EXPECT_NE(r.solution(), nullptr);
    }
}

using Side = LimitHit::Side;
INSTANTIATE_TEST_SUITE_P(
    Sample, SolveLimits,
    ::testing::Values(LimitCase{{Quantity::Diagonal, 300}, std::nullopt},
                      LimitCase{{Quantity::Diagonal, 30}, std::nullopt},
                      LimitCase{{Quantity::Diagonal, 301}, LimitHit{Side::TooLarge, 300}},
                      LimitCase{{Quantity::Diagonal, 29.5}, LimitHit{Side::TooSmall, 30}},
                      LimitCase{{Quantity::Diagonal, -10}, LimitHit{Side::TooSmall, 30}},
                      LimitCase{{Quantity::Height, 1}, LimitHit{Side::TooSmall, 30}},
                      LimitCase{{Quantity::Width, 1000}, LimitHit{Side::TooLarge, 300}},
                      LimitCase{{Quantity::Distance, 0}, LimitHit{Side::TooSmall, 30}}));

struct MessageCase {
    Unit unit;
    LimitHit hit;
    const char* expected;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << "unit " << indexOf(c.unit);
}

class LimitMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(LimitMessageTest, FillsThePlaceholdersForEachUnit) {
    const MessageCase& c = GetParam();
    EXPECT_EQ(limitMessage(testMessages(), c.unit, c.hit), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Units, LimitMessageTest,
    ::testing::Values(
        MessageCase{Unit::Inches, {Side::TooLarge, 60}, "large in 60 (%2)"},  // %2 stays
        MessageCase{Unit::Feet, {Side::TooLarge, 200}, "large ft 16.6666666666667 (200 in)"},
        MessageCase{Unit::Centimeters, {Side::TooLarge, 60}, "large cm 152.4 (60 in)"},
        MessageCase{Unit::Centimeters, {Side::TooSmall, 30}, "small cm 76.2 (30 in)"}));

TEST(Solve, ClampSolvesTheLimitTheValueCrossed) {
    const SolveResult r =
        solve(kSample.model, kSample.options, {Quantity::Diagonal, 500}, OnLimit::Clamp);
    EXPECT_EQ(r.crossed, (LimitHit{Side::TooLarge, 300}));
    const Solution s = solutionOf(r);
    EXPECT_DOUBLE_EQ(s.diagonal, 300);
    EXPECT_DOUBLE_EQ(s.width, 240);

    const SolveResult within =
        solve(kSample.model, kSample.options, {Quantity::Diagonal, 200}, OnLimit::Clamp);
    EXPECT_FALSE(within.crossed.has_value());
    EXPECT_DOUBLE_EQ(solutionOf(within).diagonal, 200);
}

TEST(Solve, ContradictoryLimitsClampOnceAndKeepNothing) {
    ModelRecord m = sampleModel();
    m.limits.minDiagonal43Wide = 200;
    m.limits.maxDiagonal43Wide = 100;
    const Choices s = choicesWith(m);
    const SolveResult r = solve(s.model, s.options, {Quantity::Diagonal, 250}, OnLimit::Clamp);
    // Too large, then the limit itself is too small.
    EXPECT_EQ(r.crossed, (LimitHit{Side::TooLarge, 100}));
    ASSERT_TRUE(std::holds_alternative<LimitHit>(r.outcome));
    EXPECT_EQ(std::get<LimitHit>(r.outcome), (LimitHit{Side::TooSmall, 200}));
}

TEST(Solve, AValueThatCannotBeWorkedOutIsAnErrorNeverInfinity) {
    ModelRecord flat = sampleModel();
    flat.wideSizeSlope = 0;
    const Choices zeroSlope = choicesWith(flat);
    const SolveResult r =
        solve(zeroSlope.model, zeroSlope.options, {Quantity::Diagonal, 120}, OnLimit::Clamp);
    ASSERT_TRUE(std::holds_alternative<AppError>(r.outcome));
    EXPECT_EQ(std::get<AppError>(r.outcome).number(), static_cast<int>(ErrorCode::DivisionByZero));

    ModelRecord huge = sampleModel();
    huge.limits.maxDiagonal43Wide = 1e308;
    huge.wideSizeSlope = 10;
    const Choices s = choicesWith(huge);
    for (const Known known : {Known{Quantity::Width, 1e308}, Known{Quantity::Distance, 1.7e308}}) {
        const SolveResult overflow = solve(s.model, s.options, known, OnLimit::Reject);
        ASSERT_TRUE(std::holds_alternative<AppError>(overflow.outcome));
        EXPECT_EQ(std::get<AppError>(overflow.outcome).number(),
                  static_cast<int>(ErrorCode::Overflow));
    }
}

// The box texts of one solution, by zoom end and unit.
struct ReadoutCase {
    Zoom zoom;
    Unit unit;
    std::array<std::string, 4> boxes;
    std::array<std::string, 2> offsets;
};

void PrintTo(const ReadoutCase& c, std::ostream* os) {
    *os << "zoom " << indexOf(c.zoom) << " unit " << indexOf(c.unit);
}

class ReadoutTest : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(ReadoutTest, RoundsEveryLengthByZoomEndAndUnit) {
    const ReadoutCase& c = GetParam();
    ModelRecord m = sampleModel();
    m.wideSizeSlope = m.teleSizeSlope = 1;
    m.wideSizeIntercept = m.teleSizeIntercept = 0.5;  // distance = diagonal − 0.5
    m.teleOffsetCoefficientA = m.wideOffsetCoefficientA;
    m.teleOffsetCoefficientB = m.wideOffsetCoefficientB;
    const Choices wide = choicesWith(m);
    const Solution s =
        solutionOf(solve(wide.model, wide.options, {Quantity::Diagonal, 100}, OnLimit::Reject));
    const Options options{Aspect::R4x3, c.zoom, Mount::Bottom};
    const auto shown = readout(wide.model, options, c.unit, s);
    ASSERT_TRUE(std::holds_alternative<Readout>(shown));
    EXPECT_EQ(std::get<Readout>(shown).boxes, c.boxes);
    EXPECT_EQ(std::get<Readout>(shown).offsets, c.offsets);
}

INSTANTIATE_TEST_SUITE_P(
    Units, ReadoutTest,
    ::testing::Values(
        ReadoutCase{Zoom::Wide, Unit::Inches, {"100", "100", "80", "60"}, {"30.0", "6.0"}},
        ReadoutCase{Zoom::Tele, Unit::Inches, {"99", "100", "80", "60"}, {"30.0", "6.0"}},
        ReadoutCase{Zoom::Tele, Unit::Centimeters, {"252", "254", "203", "152"}, {"76", "15"}},
        ReadoutCase{Zoom::Wide, Unit::Feet, {"8", "8", "7", "5"}, {"2.5", "0.5"}}));

}  // namespace
}  // namespace projcalc
