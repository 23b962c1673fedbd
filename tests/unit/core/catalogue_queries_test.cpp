#include <gtest/gtest.h>

#include "controller_fixture.h"

namespace projcalc {
namespace {

TEST_F(ControllerFixture, AModelFromTheFinderIsTakenAsIfTypedAndUndoneInOneStep) {
    ASSERT_TRUE(start({kModelPlain, kModelWideOnly16x9}));
    const Calculation before = calculation();
    calculator->takeFoundModel(1, Aspect::R16x9, "100");
    EXPECT_EQ(view.screen.selectedRow, 1);
    EXPECT_EQ(calculation().options.aspect, Aspect::R16x9);
    EXPECT_EQ(view.screen.boxes[1], "100");
    EXPECT_DOUBLE_EQ(calculation().results.diagonal, 100);
    EXPECT_TRUE(view.messages.empty());

    ASSERT_TRUE(calculator->undo());
    EXPECT_EQ(calculation(), before);
    EXPECT_EQ(view.screen.selectedRow, 0);
    EXPECT_FALSE(calculator->undo());  // the whole take was one step
}

TEST_F(ControllerFixture, ATypedDiagonalTheModelRefusesKeepsTheModelTakenAndSaysWhy) {
    ASSERT_TRUE(start({kModelPlain, kModelWideOnly16x9}));
    calculator->takeFoundModel(1, Aspect::R16x9, "500");
    EXPECT_EQ(view.screen.selectedRow, 1);
    ASSERT_EQ(view.messages.size(), 1u);  // too large for the model
    EXPECT_NE(view.screen.boxes[1], "500");
}

}  // namespace
}  // namespace projcalc
