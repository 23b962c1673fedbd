#include "calc/throw_table.h"

#include <gtest/gtest.h>

#include <ostream>

#include "scene_test_support.h"
#include "test_support.h"

namespace projcalc {
namespace {

struct StepCase {
    const char* name;
    double from, to, step;
    std::vector<double> diagonals;
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.name;
}

class SteppedDiagonals : public ::testing::TestWithParam<StepCase> {};

TEST_P(SteppedDiagonals, GoFromFromInStepsWithoutPassingTo) {
    const StepCase& c = GetParam();
    EXPECT_EQ(steppedDiagonals(c.from, c.to, c.step), c.diagonals);
    EXPECT_EQ(steppedDiagonalCount(c.from, c.to, c.step), static_cast<double>(c.diagonals.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SteppedDiagonals,
    ::testing::Values(StepCase{"Exact", 100, 130, 10, {100, 110, 120, 130}},
                      StepCase{"StopsBeforePassing", 100, 125, 10, {100, 110, 120}},
                      StepCase{"OneRow", 100, 100, 10, {100}},
                      // 0.1 + 0.2 lies a hair above 0.3: it still counts.
                      StepCase{"WithinABillionth", 0.1, 0.3, 0.1, {0.1, 0.2, 0.1 + 2 * 0.1}},
                      StepCase{"FromAboveTo", 130, 100, 10, {}},
                      StepCase{"StepZero", 100, 130, 0, {}},
                      StepCase{"StepNegative", 100, 130, -10, {}}),
    CaseName());

TEST(SteppedDiagonals, StopAtTheRowBound) {
    EXPECT_EQ(steppedDiagonals(0, 1e12, 1, 50).size(), 50u);
    EXPECT_GT(steppedDiagonalCount(0, 1e12, 1), 1e12);
    EXPECT_NEAR(steppedDiagonalCount(1, 1000000, 0.001), 999999001.0, 1.0);
}

TEST(LimitDiagonals, SmallestLimitEveryMultipleAboveItThenTheLargest) {
    ModelRecord m = sampleModel();
    m.limits.minDiagonal43Wide = 33;
    m.limits.maxDiagonal43Wide = 70;
    m.limits.minDiagonal43Tele = 40;
    m.limits.maxDiagonal43Tele = 95;
    const ModelTraits model = traitsOf(m);
    EXPECT_EQ(limitDiagonals(model, Aspect::R4x3, 25), (std::vector<double>{33, 50, 75, 95}));
    // 5:4 uses the 4:3 limits; a multiple equal to the largest limit is not repeated.
    EXPECT_EQ(limitDiagonals(model, Aspect::R5x4, 19), (std::vector<double>{33, 38, 57, 76, 95}));

    m.teleSizeSlope = m.teleSizeIntercept = 0;  // no TELE end: its limits do not count
    EXPECT_EQ(limitDiagonals(traitsOf(m), Aspect::R4x3, 25), (std::vector<double>{33, 50, 70}));
    m.wideSizeSlope = m.wideSizeIntercept = 0;
    EXPECT_TRUE(limitDiagonals(traitsOf(m), Aspect::R4x3, 25).empty());
}

TEST(ThrowTable, EachRowHoldsTheSidesAndBothEnds) {
    ModelRecord m = sampleModel();
    m.teleSizeSlope = m.teleSizeIntercept = 0;  // a fixed lens
    const auto rows = throwTable(traitsOf(m), Aspect::R4x3, Mount::Top, {100, 400});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_DOUBLE_EQ(rows[0].width, 80);
    EXPECT_DOUBLE_EQ(rows[0].height, 60);
    ASSERT_TRUE(rows[0].ends[0].has_value());
    EXPECT_NEAR(rows[0].ends[0]->solution.distance, 99 / 0.8333, 1e-9);
    EXPECT_DOUBLE_EQ(rows[0].ends[0]->solution.offsetA, 30);
    EXPECT_TRUE(rows[0].ends[0]->withinLimits);
    EXPECT_FALSE(rows[0].ends[1].has_value());
    EXPECT_FALSE(rows[1].ends[0]->withinLimits);  // 400 is past the largest limit
}

TEST(ThrowTable, EachEndItHasCarriesItsLightOnThatScreen) {
    ModelRecord m = sampleModel();
    m.lumens = 3000;
    m.teleLumens = 2400;
    const LightSettings light{1.2, 80};
    const auto rows = throwTable(traitsOf(m), Aspect::R4x3, Mount::Top, {100, 200}, light);
    ASSERT_EQ(rows.size(), 2u);
    for (const ThrowRow& row : rows) {
        const double squareFeet = row.width / 12 * (row.height / 12);
        EXPECT_DOUBLE_EQ(*row.footLamberts[0], 3000 * 0.8 * 1.2 / squareFeet);
        EXPECT_DOUBLE_EQ(*row.footLamberts[1], 2400 * 0.8 * 1.2 / squareFeet);
    }
    m.teleSizeSlope = m.teleSizeIntercept = 0;  // no TELE end, no TELE light
    EXPECT_FALSE(throwTable(traitsOf(m), Aspect::R4x3, Mount::Top, {100})[0].footLamberts[1]);
    m.lumens = 0;
    EXPECT_FALSE(throwTable(traitsOf(m), Aspect::R4x3, Mount::Top, {100})[0].footLamberts[0]);
}

}  // namespace
}  // namespace projcalc
