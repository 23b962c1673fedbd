#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/units.h"
#include "controller_fixture.h"

namespace projcalc {
namespace {

using Boxes = std::array<std::string, 4>;

class CalculatorTest : public ControllerFixture {};

TEST_F(CalculatorTest, StartsWithTheDefaultOptionsAndTheFirstModelAtItsLargestImage) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    EXPECT_EQ(view.checkedOption(OptionGroup::Units), indexOf(Unit::Inches));
    EXPECT_EQ(view.checkedOption(OptionGroup::Zoom), indexOf(Zoom::Wide));
    EXPECT_EQ(view.checkedOption(OptionGroup::Position), 1);
    EXPECT_EQ(view.checkedOption(OptionGroup::Aspect), 0);
    EXPECT_EQ(view.screen.selectedRow, 0);
    ASSERT_EQ(view.screen.models.size(), 2u);
    EXPECT_EQ(view.screen.models[1], "Tele Only");
    EXPECT_EQ(view.screen.title, "Projection Distance Calculator");
    EXPECT_EQ(view.screen.boxes, (Boxes{"300", "300", "240", "180"}));
    EXPECT_EQ(view.screen.offsets[0], "90.0");
    EXPECT_EQ(calculator->currentFile(), "");
    EXPECT_EQ(view.screensShown, 1);
    EXPECT_FALSE(view.screen.front.items.empty());
    EXPECT_FALSE(view.screen.side.items.empty());
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(view.errors.empty());
    EXPECT_EQ(calculator->dataFolder(), dir.path().string() + "/");
}

TEST_F(CalculatorTest, LabelLineBreaksAndMessagesComeFromTheLanguageFile) {
    ASSERT_TRUE(start({kModelPlain}));
    const auto& captions = view.texts.controlCaptions;
    const auto it = std::find_if(captions.begin(), captions.end(), [](const ControlCaption& c) {
        return c.objectName == "lblValue_0";
    });
    ASSERT_NE(it, captions.end());
    EXPECT_EQ(it->text, "Projection\r\nDistance");
    EXPECT_EQ(view.texts.fontSize, 8);
    EXPECT_EQ(calculator->readVersionText(), "1.00");
}

struct LanguageFailure {
    const char* name;
    std::string file;
};

class LanguageFailureTest : public ControllerFixture,
                            public ::testing::WithParamInterface<LanguageFailure> {};

TEST_P(LanguageFailureTest, EndsStartUpWithTheLanguageMessage) {
    EXPECT_FALSE(start({kModelPlain}, GetParam().file));
    ASSERT_EQ(view.messages.size(), 1u);
    // The old first line, then the file and what is wrong with it.
    EXPECT_EQ(view.messages[0].rfind("LANGUAGE.INI ERRER !!!! \r\n", 0), 0u);
    EXPECT_NE(view.messages[0].find("Language.ini"), std::string::npos) << view.messages[0];
    EXPECT_TRUE(view.screen.models.empty());  // nothing after the texts ran
}

std::string withoutKey(const std::string& key) {
    std::string text = languageFileText();
    const auto at = text.find("\n" + key + "=");
    const auto end = text.find('\n', at + 1);
    return text.erase(at, end - at);
}

void PrintTo(const LanguageFailure& f, std::ostream* os) {
    *os << f.name;
}

INSTANTIATE_TEST_SUITE_P(
    Files, LanguageFailureTest,
    ::testing::Values(LanguageFailure{"empty file", ""},
                      LanguageFailure{"missing caption", withoutKey("Caption")},
                      LanguageFailure{"missing last key", withoutKey("LBL21")},
                      LanguageFailure{"blank value", withoutKey("msg4") + "[Language]\nmsg4=   \n"},
                      LanguageFailure{"other section",
                                      "[Other]\n" + languageFileText().substr(11)}));

TEST_F(CalculatorTest, AMissingVersionOnlyFailsWhenAsked) {
    std::string language = languageFileText();
    language.erase(language.find("[Version]"));
    ASSERT_TRUE(start({kModelPlain}, language));
    EXPECT_EQ(calculator->readVersionText(), std::nullopt);
}

TEST_F(CalculatorTest, AMissingCatalogueEndsStartUpNamingTheFile) {
    dir.write("Language.ini", languageFileText());
    calculator = std::make_unique<Calculator>(view);
    EXPECT_FALSE(calculator->startUp(dir.path()));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].number(), 53);
    EXPECT_NE(view.errors[0].description.find("ModelInfo.ini"), std::string::npos);
}

TEST_F(CalculatorTest, AShortLineOrAnEmptyCatalogueEndsStartUp) {
    EXPECT_FALSE(start({kModelPlain, "Broken,1,2,3"}));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].number(), 9);
    EXPECT_NE(view.errors[0].description.find("\"Broken\" has 4 fields"), std::string::npos);

    MemoryView emptyView;
    dir.write("ModelInfo.ini", kCatalogueHeader);
    Calculator empty(emptyView);
    EXPECT_FALSE(empty.startUp(dir.path()));
    ASSERT_EQ(emptyView.errors.size(), 1u);
    EXPECT_NE(emptyView.errors[0].description.find("holds no projector model"), std::string::npos);
}

TEST_F(CalculatorTest, ABrokenFirstModelIsReportedAndStartUpGoesOn) {
    ASSERT_TRUE(start({"Broken,40,300,30,250,0,0,0,0,0.5,0.6,0,0,0,15", kModelPlain}));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].number(), 11);
    EXPECT_NE(view.errors[0].description.find("\"Broken\" has no size line at WIDE"),
              std::string::npos);
    EXPECT_EQ(view.screen.boxes, (Boxes{"Distance", "SSize", "Width", "Height"}));

    calculator->pickModel(1);  // a good model still works
    EXPECT_EQ(view.screen.boxes[1], "300");
}

// ---- model selection ------------------------------------------------------------------------

TEST_F(CalculatorTest, AModelOfferingOnlySixteenNineSelectsIt) {
    ASSERT_TRUE(start({kModelPlain, kModelWideOnly16x9}));
    calculator->pickModel(1);
    EXPECT_EQ(view.checkedOption(OptionGroup::Aspect), 2);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(view.group(OptionGroup::Aspect)[static_cast<std::size_t>(k)].enabled, k == 2);
    }
    EXPECT_EQ(view.screen.boxes[1], "220");  // the 16:9 WIDE largest diagonal
    EXPECT_EQ(calculation().traits.offsetCount, (std::array<int, 2>{1, 1}));
}

// "Keep the screen when changing model": a pick enters the previous aspect and diagonal as if
// typed, where the new model offers the aspect and can throw the diagonal.
struct KeepScreenCase {
    const char* name;
    bool keep;
    Aspect aspect;      // checked on Plain 100 before the pick of Wide 169
    const char* typed;  // the diagonal typed on Plain 100
    const char* shown;  // Wide 169's diagonal box after the pick
    Aspect shownAspect;
    bool refused;  // a message says the diagonal is beyond the new model
};

class KeepScreenTest : public ControllerFixture,
                       public ::testing::WithParamInterface<KeepScreenCase> {};

TEST_P(KeepScreenTest, APickEntersThePreviousScreenOnlyWhenAsked) {
    const KeepScreenCase& c = GetParam();
    ASSERT_TRUE(start({kModelPlain, kModelWideOnly16x9}));
    calculator->setKeepScreenOnPick(c.keep);
    calculator->choose(c.aspect);
    ASSERT_TRUE(calculator->commit(Quantity::Diagonal, c.typed));
    view.messages.clear();
    calculator->pickModel(1);
    EXPECT_EQ(view.screen.boxes[1], c.shown);
    EXPECT_EQ(calculation().options.aspect, c.shownAspect);
    EXPECT_EQ(view.messages.size(), c.refused ? 1u : 0u);
    // One step: undo brings back Plain 100 with what was typed.
    ASSERT_TRUE(calculator->undo());
    EXPECT_EQ(calculation().model, 0);
    EXPECT_EQ(view.screen.boxes[1], c.typed);
}

INSTANTIATE_TEST_SUITE_P(
    Picks, KeepScreenTest,
    ::testing::Values(
        KeepScreenCase{"Off", false, Aspect::R16x9, "120", "220", Aspect::R16x9, false},
        KeepScreenCase{"Kept", true, Aspect::R16x9, "120", "120", Aspect::R16x9, false},
        KeepScreenCase{"AspectNotOffered", true, Aspect::R4x3, "120", "220", Aspect::R16x9, false},
        KeepScreenCase{"TooLarge", true, Aspect::R16x9, "250", "220", Aspect::R16x9, true}),
    [](const ::testing::TestParamInfo<KeepScreenCase>& param) {
        return std::string(param.param.name);
    });

TEST_F(CalculatorTest, AModelWithoutAspectsKeepsThePreviousAspect) {
    ASSERT_TRUE(start({kModelPlain, "No Aspect,40,300,30,250,1,0,0.8,0,0.5,0.6,0,0.5,0,0"}));
    calculator->choose(Aspect::R16x10);
    calculator->pickModel(1);
    EXPECT_EQ(view.checkedOption(OptionGroup::Aspect), 3);
    EXPECT_EQ(indexOf(calculation().options.aspect), 3);
    for (const auto& option : view.group(OptionGroup::Aspect))
        EXPECT_FALSE(option.enabled);
    EXPECT_EQ(calculation().traits.offsetCount, (std::array<int, 2>{1, 2}));
}

TEST_F(CalculatorTest, ZoomChoicesFollowTheModelsSizeLines) {
    ASSERT_TRUE(
        start({kModelPlain, kModelTeleOnly, "No Lines,40,300,30,250,0,0,0,0,0.5,0.6,0,0,0,15"}));
    calculator->pickModel(1);
    EXPECT_EQ(view.checkedOption(OptionGroup::Zoom), indexOf(Zoom::Tele));
    EXPECT_FALSE(view.group(OptionGroup::Zoom)[0].enabled);
    EXPECT_FALSE(view.group(OptionGroup::Zoom)[1].enabled);
    EXPECT_EQ(view.screen.boxes[1], "240");
    // The 16:9 reference distances use the TELE line of a model without a WIDE one.
    EXPECT_GT(calculation().traits.frontReferenceFor(Aspect::R16x9), 0);
    EXPECT_TRUE(std::isfinite(calculation().traits.frontReferenceFor(Aspect::R16x9)));
    EXPECT_TRUE(view.errors.empty());

    calculator->pickModel(2);
    EXPECT_EQ(view.checkedOption(OptionGroup::Zoom), indexOf(Zoom::Wide));
    EXPECT_FALSE(view.group(OptionGroup::Zoom)[0].enabled);
    EXPECT_EQ(calculation().traits.frontReferenceFor(Aspect::R4x3), 0);
    ASSERT_EQ(view.errors.size(), 1u);  // every solve on it reports the missing size line
    EXPECT_EQ(view.errors[0].number(), 11);

    calculator->pickModel(0);
    EXPECT_TRUE(view.group(OptionGroup::Zoom)[0].enabled);
    EXPECT_TRUE(view.group(OptionGroup::Zoom)[1].enabled);
    EXPECT_EQ(view.checkedOption(OptionGroup::Zoom), indexOf(Zoom::Wide));
}

TEST_F(CalculatorTest, PickingAModelNeverShowsALimitMessage) {
    // The first model stands at 16:10 TELE 245; the second's 16:10 TELE limit is only 200.
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly, kModelWideOnly16x9}));
    calculator->choose(Aspect::R16x10);
    calculator->choose(Zoom::Tele);
    view.messages.clear();
    calculator->pickModel(2);
    calculator->pickModel(1);
    calculator->pickModel(0);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(CalculatorTest, PickingTheSelectedModelAgainRunsNothing) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    type(Quantity::Diagonal, "150");
    const int shown = view.screensShown;
    calculator->pickModel(0);
    EXPECT_EQ(view.screensShown, shown);
    EXPECT_EQ(view.screen.boxes[1], "150");
}

// ---- value entry ----------------------------------------------------------------------------

TEST_F(CalculatorTest, ATypedValueIsRoundedUpBeforeTheLimitsAreTested) {
    ASSERT_TRUE(start({kModelPlain}));
    EXPECT_TRUE(type(Quantity::Diagonal, "120.3"));
    EXPECT_EQ(view.screen.boxes, (Boxes{"121", "121", "97", "73"}));
    EXPECT_DOUBLE_EQ(calculation().results.diagonal, 121);
    const Calculation after = calculation();
    // The text is unchanged now: nothing is solved again, the same Screen is shown.
    EXPECT_TRUE(type(Quantity::Diagonal, "121"));
    EXPECT_EQ(calculation(), after);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(CalculatorTest, ARejectedValueBringsBackThePreviousTextAndChangesNothing) {
    ASSERT_TRUE(start({kModelPlain}));
    type(Quantity::Diagonal, "150");
    const Calculation before = calculation();
    EXPECT_FALSE(type(Quantity::Diagonal, "500"));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "Too large: at most 300 inches");
    EXPECT_EQ(view.screen.boxes[1], "150");
    EXPECT_EQ(calculation().results.diagonal, before.results.diagonal);
    EXPECT_EQ(calculation().results.offsetA, before.results.offsetA);

    type(Quantity::Distance, "abc");  // not a number: refused, named by the box's caption
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[1],
              "Projection Distance: \u201cabc\u201d is not a number. Use a point for decimals.");
    EXPECT_EQ(view.screen.boxes[0], "150");
}

TEST_F(CalculatorTest, EachBoxSolvesFromItsOwnQuantity) {
    ASSERT_TRUE(start({kModelPlain}));
    type(Quantity::Width, "160");  // width
    EXPECT_EQ(view.screen.boxes, (Boxes{"200", "200", "160", "120"}));
    type(Quantity::Height, "90");  // height
    EXPECT_EQ(view.screen.boxes, (Boxes{"150", "150", "120", "90"}));
    type(Quantity::Distance, "100");  // distance
    EXPECT_EQ(view.screen.boxes, (Boxes{"100", "100", "80", "60"}));
}

TEST_F(CalculatorTest, LeavingAnUnchangedBoxShowsTheSameScreenAgain) {
    ASSERT_TRUE(start({kModelPlain}));
    const Screen before = view.screen;
    const int shown = view.screensShown;
    EXPECT_TRUE(type(Quantity::Width, "240"));
    EXPECT_EQ(view.screensShown, shown + 1);
    EXPECT_EQ(view.screen, before);
}

TEST_F(CalculatorTest, ValuesTooLargeForADoubleAreReportedNotShown) {
    ASSERT_TRUE(start({kModelPlain}));
    type(Quantity::Diagonal, "1e400");
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].number(), 6);
    EXPECT_EQ(view.screen.boxes[1], "300");

    calculator->choose(Unit::Feet);
    type(Quantity::Distance, "-1e308");  // fits a double in feet, not in inches
    ASSERT_EQ(view.errors.size(), 2u);
    EXPECT_EQ(view.errors[1].number(), 6);
    for (const std::string& text : view.screen.boxes) {
        EXPECT_EQ(text.find_first_not_of("0123456789"), std::string::npos) << text;
    }
}

// ---- option triggers ------------------------------------------------------------------------

TEST_F(CalculatorTest, AUnitChangeOnlyReformatsTheBoxes) {
    ASSERT_TRUE(start({kModelPlain}));
    const Calculation before = calculation();
    const Screen shown = view.screen;
    calculator->choose(Unit::Centimeters);
    EXPECT_EQ(view.screen.boxes, (Boxes{"762", "762", "610", "457"}));
    EXPECT_EQ(view.screen.offsets[0], "229");
    calculator->choose(Unit::Feet);
    EXPECT_EQ(view.screen.boxes, (Boxes{"25", "25", "20", "15"}));
    EXPECT_EQ(view.screen.front, shown.front);
    EXPECT_EQ(view.screen.side, shown.side);
    EXPECT_EQ(calculation().results.diagonal, before.results.diagonal);
    EXPECT_EQ(calculation().results.distance, before.results.distance);
}

TEST_F(CalculatorTest, APositionChangeChangesTheSideViewOnly) {
    ASSERT_TRUE(start({kModelPlain}));
    const Screen shown = view.screen;
    calculator->choose(Mount::Top);
    EXPECT_EQ(indexOf(calculation().options.mount), 0);
    EXPECT_EQ(view.screen.front, shown.front);
    EXPECT_NE(view.screen.side, shown.side);
}

TEST_F(CalculatorTest, ClickingTheCheckedOptionChangesNothing) {
    ASSERT_TRUE(start({kModelPlain}));
    const int shown = view.screensShown;
    calculator->choose(Aspect::R4x3);
    calculator->choose(Zoom::Wide);
    calculator->choose(Unit::Inches);
    calculator->choose(Mount::Bottom);
    EXPECT_EQ(view.screensShown, shown);
}

TEST_F(CalculatorTest, AZoomChangeClampsTheDiagonalToTheNewLimitOnce) {
    ASSERT_TRUE(start({kModelPlain}));
    const Scene front = view.screen.front;
    calculator->choose(Zoom::Tele);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "Too large: at most 250 inches");
    EXPECT_EQ(view.screen.boxes[1], "250");
    EXPECT_DOUBLE_EQ(calculation().results.diagonal, 250);
    EXPECT_DOUBLE_EQ(calculation().currentLimits().largest, 250);
    EXPECT_NE(view.screen.front, front);

    calculator->choose(Zoom::Wide);  // 250 is within the WIDE limits: no message
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_DOUBLE_EQ(calculation().results.diagonal, 250);
}

TEST_F(CalculatorTest, AnAspectChangeKeepsTheDistanceAndTheSizeFollows) {
    ASSERT_TRUE(start({kModelPlain}));
    type(Quantity::Diagonal, "150");
    const double distance = calculation().results.distance;
    calculator->choose(Aspect::R16x9);
    EXPECT_DOUBLE_EQ(calculation().results.distance, distance);
    EXPECT_NEAR(calculation().results.diagonal, 150 * 0.9178779878760819, 1e-9);
    EXPECT_EQ(view.checkedOption(OptionGroup::Aspect), indexOf(Aspect::R16x9));
    EXPECT_TRUE(view.messages.empty());

    calculator->choose(Aspect::R5x4);  // 5:4 keeps the 4:3 image height
    EXPECT_DOUBLE_EQ(calculation().results.distance, distance);
    EXPECT_NEAR(calculation().results.height, 90, 1e-9);
}

TEST_F(CalculatorTest, AnAspectChangeBeyondTheLimitIsClampedToIt) {
    // At a distance of 300 the 16:9 image is 275 inches, above this model's 16:9 limit of 250.
    ASSERT_TRUE(
        start({"Clamp,40,300,30,250,1,0,0.8,0,0.5,0.6,0.1,0.12,0,15,0,0,40,250,30,240,"
               "40,290,30,245"}));
    calculator->choose(Aspect::R16x9);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "Too large: at most 250 inches");
    EXPECT_DOUBLE_EQ(calculation().results.diagonal, 250);
    EXPECT_NEAR(calculation().results.distance, 250 / 0.9178779878760819, 1e-9);
    EXPECT_EQ(view.screen.boxes[1], "250");
}

TEST_F(CalculatorTest, AZoomEndThatCannotBeWorkedOutIsNotKept) {
    // A TELE size line so flat that every distance there is too large for a double.
    ASSERT_TRUE(start({"Half,40,300,30,250,1,0,2.3e-308,0,0.5,0.6,0,0,0,1"}));
    const Calculation before = calculation();
    const auto offsets = view.screen.offsets;
    calculator->choose(Zoom::Tele);
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].number(), 6);
    // WIDE comes back, with its limits, so that what is checked matches what is shown.
    EXPECT_EQ(view.checkedOption(OptionGroup::Zoom), indexOf(Zoom::Wide));
    EXPECT_EQ(calculation().options.zoom, Zoom::Wide);
    EXPECT_EQ(calculation().currentLimits().largest, 300);
    EXPECT_EQ(calculation().results.diagonal, before.results.diagonal);
    EXPECT_EQ(calculation().results.distance, before.results.distance);
    EXPECT_TRUE(type(Quantity::Distance, "300"));
    EXPECT_EQ(view.screen.boxes[0], "300");
    EXPECT_EQ(view.screen.offsets, offsets);
    EXPECT_EQ(view.errors.size(), 1u);
}

TEST_F(CalculatorTest, AModelWithoutResultsShowsNoneOfThePreviousModels) {
    ASSERT_TRUE(start({kModelPlain, "No Lines,40,300,30,250,0,0,0,0,0.5,0.6,0,0,0,15"}));
    calculator->pickModel(1);
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.screen.boxes, (Boxes{"", "", "", ""}));
    EXPECT_EQ(view.screen.offsets, (std::array<std::string, 2>{"", ""}));
    EXPECT_TRUE(view.screen.front.items.empty());
    (void)type(Quantity::Width, "");  // an unchanged box refreshes nothing stale
    calculator->choose(Unit::Feet);
    EXPECT_EQ(view.screen.boxes, (Boxes{"", "", "", ""}));
    EXPECT_EQ(view.errors.size(), 1u);

    calculator->pickModel(0);
    EXPECT_EQ(view.screen.boxes[1], "25");  // feet stay selected
}

}  // namespace
}  // namespace projcalc
