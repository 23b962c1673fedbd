// Editing through the controller: which user actions are undo steps, what undo and redo bring
// back, when the calculation counts as changed and the question before changes are lost.
#include <gtest/gtest.h>

#include <functional>

#include "controller_fixture.h"
#include "files/calculation_file.h"
#include "scene_test_support.h"

namespace projcalc {
namespace {

using Boxes = std::array<std::string, 4>;

class EditingTest : public ControllerFixture {
  protected:
    [[nodiscard]] std::string path(const std::string& name) const {
        return (dir.path() / name).string();
    }
    bool saveAs(const std::string& name) {
        view.dialogAnswers.push_back(path(name));
        return askAndSaveAs(*calculator, view);
    }
    // The diagonal a saved file holds, in inches.
    [[nodiscard]] double savedDiagonal(const std::string& name) const {
        const auto parsed = parseCalculationFile(dir.read(name), name);
        return std::get<CalculationFile>(parsed).screenDiagonal;
    }
};

// The calculation and everything the view shows of it but the history's state, to compare
// before and after.
struct Shown {
    Calculation calculation;
    Screen screen;

    explicit Shown(const Calculator& c, const MemoryView& v)
        : calculation(c.calculation()), screen(v.screen) {
        screen.changed = screen.canUndo = screen.canRedo = false;
        screen.notices.clear();
    }
    friend bool operator==(const Shown&, const Shown&) = default;
};

struct StepCase {
    const char* name;
    std::function<void(Calculator&, MemoryView&)> action;
    bool isStep;
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.name;
}

class UndoStepTest : public EditingTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(UndoStepTest, OnlyRealChangesAreStepsAndUndoBringsBackTheWholeCalculation) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    const Shown before(*calculator, view);
    EXPECT_FALSE(view.screen.canUndo);
    GetParam().action(*calculator, view);
    EXPECT_EQ(view.screen.canUndo, GetParam().isStep);
    EXPECT_EQ(view.screen.changed, GetParam().isStep);
    EXPECT_EQ(calculator->undo(), GetParam().isStep);
    EXPECT_TRUE(Shown(*calculator, view) == before);
    EXPECT_FALSE(view.screen.changed);
    EXPECT_EQ(view.screen.canRedo, GetParam().isStep);
}

StepCase typing(const char* name, Quantity box, std::string text, bool isStep) {
    return {name, [box, text](Calculator& c, MemoryView&) { (void)c.commit(box, text); }, isStep};
}

INSTANTIATE_TEST_SUITE_P(
    Actions, UndoStepTest,
    ::testing::Values(
        typing("ACommitThatChangesTheResults", Quantity::Diagonal, "120", true),
        typing("ACommitOfTheSameValue", Quantity::Width, "240", false),
        typing("AValueOutsideTheLimits", Quantity::Diagonal, "500", false),
        typing("ATextThatIsNotANumber", Quantity::Diagonal, "150,7", false),
        typing("ANegativeWidth", Quantity::Width, "-120", false),
        StepCase{"ALeftBoxWithoutTyping",
                 [](Calculator& c, MemoryView& v) {
                     (void)c.commit(Quantity::Height, v.boxText(Quantity::Height));
                 },
                 false},
        StepCase{"AUnitChange", [](Calculator& c, MemoryView&) { c.choose(Unit::Centimeters); },
                 true},
        StepCase{"AClickOnTheCheckedUnit",
                 [](Calculator& c, MemoryView&) { c.choose(Unit::Inches); }, false},
        StepCase{"AnAspectChange", [](Calculator& c, MemoryView&) { c.choose(Aspect::R16x10); },
                 true},
        StepCase{"AZoomChange", [](Calculator& c, MemoryView&) { c.choose(Zoom::Tele); }, true},
        StepCase{"APositionChange", [](Calculator& c, MemoryView&) { c.choose(Mount::Top); }, true},
        StepCase{"AModelPick", [](Calculator& c, MemoryView&) { c.pickModel(1); }, true},
        StepCase{"APickOfTheSelectedModel", [](Calculator& c, MemoryView&) { c.pickModel(0); },
                 false},
        StepCase{"CopyResults", [](Calculator& c, MemoryView&) { (void)c.resultsSummary(); },
                 false}),
    CaseName());

TEST_F(EditingTest, UndoAndRedoWalkThroughTheStepsAndANewStepDropsTheRedos) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    std::vector<Shown> states = {Shown(*calculator, view)};
    type(Quantity::Diagonal, "120");
    states.emplace_back(*calculator, view);
    calculator->pickModel(1);
    states.emplace_back(*calculator, view);
    calculator->choose(Unit::Feet);
    states.emplace_back(*calculator, view);

    for (std::size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(calculator->undo());
        EXPECT_TRUE(Shown(*calculator, view) == states[i]) << i;
    }
    EXPECT_FALSE(calculator->undo());
    EXPECT_FALSE(view.screen.canUndo);
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(calculator->redo());
        EXPECT_TRUE(Shown(*calculator, view) == states[i]) << i;
    }
    EXPECT_FALSE(calculator->redo());

    ASSERT_TRUE(calculator->undo());
    type(Quantity::Distance, "200");  // a new step: what was undone cannot come back
    EXPECT_FALSE(view.screen.canRedo);
    EXPECT_FALSE(calculator->redo());
    // Leaving a box after an undo does not solve again from its text.
    const Shown afterUndo = (calculator->undo(), Shown(*calculator, view));
    (void)type(Quantity::Distance, view.boxText(Quantity::Distance));
    EXPECT_TRUE(Shown(*calculator, view) == afterUndo);
}

TEST_F(EditingTest, TheHistoryKeepsTheLastHundredSteps) {
    ASSERT_TRUE(start({kModelPlain}));
    for (int i = 0; i < 120; ++i)
        type(Quantity::Diagonal, std::to_string(100 + i));
    int undone = 0;
    while (calculator->undo())
        ++undone;
    EXPECT_EQ(undone, static_cast<int>(kUndoDepth));
    EXPECT_EQ(view.screen.boxes[1], "119");  // the value of the 20th commit
}

TEST_F(EditingTest, ChangedComparesWithTheFileLastOpenedOrSaved) {
    ASSERT_TRUE(start({kModelPlain}));
    EXPECT_FALSE(calculator->changed());
    type(Quantity::Diagonal, "120");
    EXPECT_TRUE(view.screen.changed);
    ASSERT_TRUE(saveAs("plan.cf"));
    EXPECT_FALSE(view.screen.changed);
    EXPECT_TRUE(view.screen.canUndo);  // saving keeps the history
    EXPECT_EQ(view.screen.title, "Projection Distance Calculator [plan]");  // the title stays plain

    ASSERT_TRUE(calculator->undo());  // back to the start-up state, which the file does not hold
    EXPECT_TRUE(view.screen.changed);
    ASSERT_TRUE(calculator->redo());
    EXPECT_FALSE(view.screen.changed);

    calculator->choose(Mount::Top);
    ASSERT_TRUE(openAfterAsking(*calculator, view, path("plan.cf")));  // the changes are discarded
    EXPECT_FALSE(view.screen.changed);
    EXPECT_FALSE(view.screen.canUndo);  // Open clears the history
    EXPECT_EQ(view.checkedOption(OptionGroup::Position), indexOf(Mount::Bottom));
}

TEST_F(EditingTest, ACatalogueReplacementClearsTheHistory) {
    ASSERT_TRUE(start({kModelPlain}));
    type(Quantity::Diagonal, "120");
    const auto other = dir.write("other.ini", std::string(kCatalogueHeader) + kModelTeleOnly);
    view.dialogAnswers.push_back(other.string());
    askAndReplaceCatalogue(*calculator, view);
    ASSERT_EQ(view.screen.models.size(), 1u);
    EXPECT_FALSE(view.screen.canUndo);
    EXPECT_FALSE(calculator->undo());
}

struct QuestionCase {
    const char* name;
    SaveChoice answer;
    bool opens;
    double planDiagonal;  // what plan.cf, the current file, holds afterwards
};

void PrintTo(const QuestionCase& c, std::ostream* os) {
    *os << c.name;
}

class SaveQuestionTest : public EditingTest, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(SaveQuestionTest, OpenAsksBeforeChangesAreLost) {
    const QuestionCase& c = GetParam();
    ASSERT_TRUE(start({kModelPlain}));
    ASSERT_TRUE(saveAs("other.cf"));
    ASSERT_TRUE(saveAs("plan.cf"));
    type(Quantity::Diagonal, "120");
    view.saveAnswers.push_back(c.answer);

    EXPECT_EQ(openAfterAsking(*calculator, view, path("other.cf")), c.opens);
    ASSERT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(view.questions[0], "Save changes to plan.cf?");
    EXPECT_EQ(view.screen.boxes[1], c.opens ? "300" : "120");
    EXPECT_EQ(view.screen.changed, !c.opens);
    EXPECT_EQ(savedDiagonal("plan.cf"), c.planDiagonal);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SaveQuestionTest,
    ::testing::Values(QuestionCase{"SaveWritesTheCurrentFileFirst", SaveChoice::Save, true, 120},
                      QuestionCase{"DiscardOpensAndLeavesTheFile", SaveChoice::Discard, true, 300},
                      QuestionCase{"CancelKeepsEverything", SaveChoice::Cancel, false, 300}),
    CaseName());

TEST_F(EditingTest, NoQuestionWithoutChangesAndUntitledForACalculationNeverSaved) {
    ASSERT_TRUE(start({kModelPlain}));
    ASSERT_TRUE(saveAs("plan.cf"));
    ASSERT_TRUE(openAfterAsking(*calculator, view, path("plan.cf")));
    EXPECT_TRUE(view.questions.empty());

    ASSERT_TRUE(start({kModelPlain}));
    type(Quantity::Diagonal, "120");
    view.saveAnswers.push_back(SaveChoice::Save);  // the Save dialog is cancelled: nothing opens
    EXPECT_FALSE(openAfterAsking(*calculator, view, path("plan.cf")));
    EXPECT_EQ(view.questions.back(), "Save changes to Untitled?");
    EXPECT_EQ(view.screen.boxes[1], "120");
    EXPECT_TRUE(
        offerToSaveChanges(*calculator, view));  // no answer left: discarded, as the CLI does
}

}  // namespace
}  // namespace projcalc
