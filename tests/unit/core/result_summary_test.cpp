// The plain-text summary of Copy Results and `projcalc-cli --text`: every line carries the label
// and the value the window shows.
#include "core/result_summary.h"

#include <gtest/gtest.h>

#include "controller_fixture.h"

namespace projcalc {
namespace {

class ResultSummaryTest : public ControllerFixture {
  protected:
    [[nodiscard]] std::vector<std::string> lines() const {
        return resultSummaryLines(calculation(), calculator->texts());
    }
};

TEST_F(ResultSummaryTest, ListsTheChoicesValuesAndBothOffsetsWithTheWindowsLabels) {
    ASSERT_TRUE(start({kModelPlain}));
    EXPECT_EQ(lines(), (std::vector<std::string>{
                           "Model: Plain 100", "Aspect Ratio: 4 : 3", "WIDE / TELE: WIDE",
                           "Position: Bottom of Screen", "Projection Distance: 300 inches",
                           "Screen Size Diagonal: 300 inches", "Width: 240 inches",
                           "Height: 180 inches", "Offset: 90.0 ~ 18.0 inches"}));
    EXPECT_EQ(summaryText({"a: 1", "b: 2"}), "a: 1\nb: 2\n");
}

TEST_F(ResultSummaryTest, ShowsWhatTheBoxesShowInTheCheckedUnitWithOneOffset) {
    ASSERT_TRUE(start({kModelPlain, kModelWideOnly16x9}));
    calculator->pickModel(1);
    calculator->choose(Unit::Feet);
    calculator->choose(Mount::Top);
    const std::vector<std::string> shown = lines();
    ASSERT_EQ(shown.size(), 9u);
    EXPECT_EQ(shown[0], "Model: Wide 169");
    EXPECT_EQ(shown[1], "Aspect Ratio: 16 : 9");
    EXPECT_EQ(shown[3], "Position: Top of Screen");
    const char* labels[] = {"Projection Distance", "Screen Size Diagonal", "Width", "Height"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(shown[4 + i], std::string(labels[i]) + ": " + view.screen.boxes[i] + " Feet");
    EXPECT_EQ(shown[8], "Offset: " + view.screen.offsets[0] + " Feet");
}

TEST_F(ResultSummaryTest, LeavesOutTheValuesOfAModelWithoutResults) {
    ASSERT_TRUE(start({"NoLine,40,300,30,250,0,0,0,0,0.5,0.6,0,0,0,15"}));
    EXPECT_EQ(lines(),
              (std::vector<std::string>{"Model: NoLine", "Aspect Ratio: 4 : 3", "WIDE / TELE: WIDE",
                                        "Position: Bottom of Screen"}));
}

}  // namespace
}  // namespace projcalc
