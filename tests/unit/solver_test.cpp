#include "calc/solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "calc/units.h"
#include "core/memory_view.h"
#include "test_support.h"

namespace projcalc {
namespace {

LimitMessages testMessages() {
    return {{"large in %1 (%2)", "large ft %1 (%2 in)", "large cm %1 (%2 in)"},
            {"small in %1 (%2)", "small ft %1 (%2 in)", "small cm %1 (%2 in)"}};
}

// A solver set up on one model, as the controller sets it up.
struct SolverFixture : ::testing::Test {
    ModelRecord model = sampleModel();
    CalculatorState state = stateWith(model);
    bool clamp = false;
    LimitMessages messages = testMessages();
    MemoryView view;
    SolverContext context{state, clamp, messages, view};

    void reset(const ModelRecord& m, int aspect = 0, int zoom = 0, int unit = 0) {
        model = m;
        state = stateWith(m, aspect, zoom, unit);
    }
};

TEST_F(SolverFixture, EveryModeDerivesTheSameImage) {
    ASSERT_TRUE(CalcScreenSize(context, kSolveDiagonal, 100));
    const CalculatorState fromDiagonal = state;
    EXPECT_DOUBLE_EQ(state.screenDiagonal, 100);
    EXPECT_DOUBLE_EQ(state.screenHeight, 60);
    EXPECT_DOUBLE_EQ(state.screenWidth, 80);
    EXPECT_NEAR(state.projectionDistance, (100 - 1.0) / 0.8333, 1e-12);
    EXPECT_DOUBLE_EQ(state.offsetA, 60 * 0.5);
    EXPECT_DOUBLE_EQ(state.offsetB, 60 * 0.1);

    for (const auto& [mode, value] :
         {std::pair{kSolveDistance, fromDiagonal.projectionDistance}, std::pair{kSolveWidth, 80.0},
          std::pair{kSolveHeight, 60.0}}) {
        state = stateWith(model);
        ASSERT_TRUE(CalcScreenSize(context, mode, value)) << mode;
        EXPECT_NEAR(state.screenDiagonal, 100, 1e-9) << mode;
        EXPECT_NEAR(state.screenWidth, 80, 1e-9) << mode;
        EXPECT_NEAR(state.screenHeight, 60, 1e-9) << mode;
        EXPECT_NEAR(state.projectionDistance, fromDiagonal.projectionDistance, 1e-9) << mode;
    }
    state.screenDiagonal = 150;
    ASSERT_TRUE(CalcScreenSize(context, kSolveStored, 0));
    EXPECT_DOUBLE_EQ(state.screenHeight, 90);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(SolverFixture, ADiagonalEqualToALimitIsAccepted) {
    EXPECT_TRUE(CalcScreenSize(context, kSolveDiagonal, 300));
    EXPECT_TRUE(CalcScreenSize(context, kSolveDiagonal, 30));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(SolverFixture, ARejectedValueChangesNothing) {
    ASSERT_TRUE(CalcScreenSize(context, kSolveDiagonal, 100));
    const CalculatorState before = state;
    EXPECT_FALSE(CalcScreenSize(context, kSolveDiagonal, 301));
    EXPECT_FALSE(CalcScreenSize(context, kSolveHeight, 1));
    EXPECT_EQ(state.screenDiagonal, before.screenDiagonal);
    EXPECT_EQ(state.projectionDistance, before.projectionDistance);
    EXPECT_EQ(state.offsetA, before.offsetA);
    EXPECT_EQ(state.offsetB, before.offsetB);
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0], "large in 300 (%2)");  // %2 stays for inches
    EXPECT_EQ(view.messages[1], "small in 30 (%2)");
}

struct MessageCase {
    int unit;
    double limit;
    const char* expected;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << "unit " << c.unit;
}

class LimitMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(LimitMessageTest, FillsThePlaceholdersForEachUnit) {
    const MessageCase& c = GetParam();
    ModelRecord m = sampleModel();
    m.limits.maxDiagonal43Wide = c.limit;
    CalculatorState s = stateWith(m, 0, 0, c.unit);
    bool clamp = false;
    const LimitMessages messages = testMessages();
    MemoryView view;
    SolverContext context{s, clamp, messages, view};
    EXPECT_FALSE(CalcScreenSize(context, kSolveDiagonal, c.limit + 1));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Units, LimitMessageTest,
    ::testing::Values(MessageCase{kUnitInches, 60, "large in 60 (%2)"},
                      MessageCase{kUnitFeet, 200, "large ft 16.6666666666667 (200 in)"},
                      MessageCase{kUnitCentimeters, 60, "large cm 152.4 (60 in)"}));

TEST_F(SolverFixture, ClampSolvesTheLimitAndClearsTheFlag) {
    clamp = true;
    EXPECT_FALSE(CalcScreenSize(context, kSolveDiagonal, 500));
    EXPECT_DOUBLE_EQ(state.screenDiagonal, 300);
    EXPECT_DOUBLE_EQ(state.screenWidth, 240);
    EXPECT_FALSE(clamp);
    EXPECT_EQ(view.messages.size(), 1u);

    clamp = true;
    EXPECT_TRUE(CalcScreenSize(context, kSolveDiagonal, 200));
    EXPECT_FALSE(clamp);
}

TEST_F(SolverFixture, ContradictoryLimitsClampOnceAndStoreNothing) {
    ModelRecord m = sampleModel();
    m.limits.minDiagonal43Wide = 200;
    m.limits.maxDiagonal43Wide = 100;
    reset(m);
    state.screenDiagonal = 150;
    clamp = true;
    EXPECT_FALSE(CalcScreenSize(context, kSolveDiagonal, 250));
    EXPECT_FALSE(clamp);
    EXPECT_EQ(state.screenDiagonal, 150);  // nothing stored
    ASSERT_EQ(view.messages.size(), 2u);   // too large, then the limit itself is too small
    EXPECT_EQ(view.messages[0], "large in 100 (%2)");
    EXPECT_EQ(view.messages[1], "small in 200 (%2)");
}

TEST_F(SolverFixture, ZeroSlopeIsReportedAndKeepsTheLastGoodValues) {
    ASSERT_TRUE(CalcScreenSize(context, kSolveDiagonal, 100));
    const double distance = state.projectionDistance;
    state.modelTable[0].wideSizeSlope = 0;
    clamp = true;
    EXPECT_THROW((void)CalcScreenSize(context, kSolveDiagonal, 120), ArithmeticFault);
    EXPECT_EQ(state.screenDiagonal, 100);
    EXPECT_EQ(state.projectionDistance, distance);
    EXPECT_FALSE(clamp);
}

TEST_F(SolverFixture, OverflowNeverReachesTheState) {
    ModelRecord m = sampleModel();
    m.limits.maxDiagonal43Wide = 1e308;
    m.wideSizeSlope = 10;
    reset(m);
    EXPECT_THROW((void)CalcScreenSize(context, kSolveWidth, 1e308), ArithmeticFault);
    EXPECT_THROW((void)CalcScreenSize(context, kSolveDistance, 1.7e308), ArithmeticFault);
    EXPECT_EQ(state.screenDiagonal, 0);
    EXPECT_TRUE(std::isfinite(state.screenWidth));
}

TEST_F(SolverFixture, ShowResultsRoundsByZoomEndAndUnit) {
    ModelRecord m = sampleModel();
    m.wideSizeSlope = m.teleSizeSlope = 1;
    m.wideSizeIntercept = m.teleSizeIntercept = 0.5;  // distance = diagonal − 0.5
    reset(m);
    ASSERT_TRUE(CalcScreenSize(context, kSolveDiagonal, 100));
    showResults(state, view);
    EXPECT_EQ(view.valueTexts, (std::array<std::string, 4>{"100", "100", "80", "60"}));
    EXPECT_EQ(view.offsetTexts, (std::array<std::string, 2>{"30.0", "6.0"}));

    state.zoomEnd = kZoomTele;
    showResults(state, view);
    EXPECT_EQ(view.valueTexts[0], "99");  // 99.5 cut down at TELE

    state.unitIndex = kUnitCentimeters;
    showResults(state, view);
    EXPECT_EQ(view.valueTexts, (std::array<std::string, 4>{"252", "254", "203", "152"}));
    EXPECT_EQ(view.offsetTexts, (std::array<std::string, 2>{"83", "18"}));

    state.unitIndex = kUnitFeet;
    state.zoomEnd = kZoomWide;
    showResults(state, view);
    EXPECT_EQ(view.valueTexts, (std::array<std::string, 4>{"8", "8", "7", "5"}));
    EXPECT_EQ(view.offsetTexts, (std::array<std::string, 2>{"2.5", "0.5"}));
}

}  // namespace
}  // namespace projcalc
