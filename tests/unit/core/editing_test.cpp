// Editing through the controller: which user actions are undo steps, what undo and redo bring
// back, when the calculation counts as changed, the question before changes are lost, and the
// value being typed entered before a command.
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
        return calculator->saveCalculationFileAs();
    }
    // The diagonal a saved file holds, in inches.
    [[nodiscard]] double savedDiagonal(const std::string& name) const {
        const auto parsed = parseCalculationFile(dir.read(name), name);
        return std::get<CalculationFile>(parsed).screenDiagonal;
    }
    // Focuses a box and replaces its text, without entering it.
    void typeWithoutEnter(Quantity box, const std::string& text) {
        calculator->onValueFocus(box);
        view.boxText(box) = text;
    }
};

// The calculation and everything the view shows of it, to compare before and after.
struct Shown {
    Calculation calculation;
    Boxes boxes;
    std::array<std::string, 2> offsets;
    OptionStates options;
    int modelRow;
    Scene front;
    Scene side;

    explicit Shown(const Calculator& c, const MemoryView& v)
        : calculation(c.calculation()),
          boxes(v.valueTexts),
          offsets(v.offsetTexts),
          options(v.optionStates),
          modelRow(v.selectedModelRow),
          front(v.frontScene),
          side(v.sideScene) {}
    friend bool operator==(const Shown&, const Shown&) = default;
};

// Types a text into a box as a user does: focus, text, Enter, leave.
void typeInto(Calculator& c, MemoryView& v, Quantity box, const std::string& text) {
    c.onValueFocus(box);
    v.boxText(box) = text;
    c.onValueKey(box, kEnterKey);
    (void)c.onValueFocusLost(box);
}

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
    EXPECT_FALSE(view.editState.canUndo);
    GetParam().action(*calculator, view);
    EXPECT_EQ(view.editState.canUndo, GetParam().isStep);
    EXPECT_EQ(view.editState.changed, GetParam().isStep);
    EXPECT_EQ(calculator->undo(), GetParam().isStep);
    EXPECT_TRUE(Shown(*calculator, view) == before);
    EXPECT_FALSE(view.editState.changed);
    EXPECT_EQ(view.editState.canRedo, GetParam().isStep);
}

StepCase typing(const char* name, Quantity box, std::string text, bool isStep) {
    return {name, [box, text](Calculator& c, MemoryView& v) { typeInto(c, v, box, text); }, isStep};
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
                 [](Calculator& c, MemoryView&) {
                     c.onValueFocus(Quantity::Height);
                     (void)c.onValueFocusLost(Quantity::Height);
                 },
                 false},
        StepCase{"AUnitChange",
                 [](Calculator& c, MemoryView&) { c.onUnitsClicked(Unit::Centimeters); }, true},
        StepCase{"AClickOnTheCheckedUnit",
                 [](Calculator& c, MemoryView&) { c.onUnitsClicked(Unit::Inches); }, false},
        StepCase{"AnAspectChange",
                 [](Calculator& c, MemoryView&) { c.onAspectClicked(Aspect::R16x10); }, true},
        StepCase{"AZoomChange", [](Calculator& c, MemoryView&) { c.onZoomClicked(Zoom::Tele); },
                 true},
        StepCase{"APositionChange",
                 [](Calculator& c, MemoryView&) { c.onPositionClicked(Mount::Top); }, true},
        StepCase{"AModelPick", [](Calculator& c, MemoryView&) { c.onModelPicked(1); }, true},
        StepCase{"APickOfTheSelectedModel", [](Calculator& c, MemoryView&) { c.onModelPicked(0); },
                 false},
        StepCase{"CopyResults", [](Calculator& c, MemoryView&) { c.copyResults(); }, false}),
    CaseName());

TEST_F(EditingTest, UndoAndRedoWalkThroughTheStepsAndANewStepDropsTheRedos) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    std::vector<Shown> states = {Shown(*calculator, view)};
    type(Quantity::Diagonal, "120");
    states.emplace_back(*calculator, view);
    calculator->onModelPicked(1);
    states.emplace_back(*calculator, view);
    calculator->onUnitsClicked(Unit::Feet);
    states.emplace_back(*calculator, view);

    for (std::size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(calculator->undo());
        EXPECT_TRUE(Shown(*calculator, view) == states[i]) << i;
    }
    EXPECT_FALSE(calculator->undo());
    EXPECT_FALSE(view.editState.canUndo);
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(calculator->redo());
        EXPECT_TRUE(Shown(*calculator, view) == states[i]) << i;
    }
    EXPECT_FALSE(calculator->redo());

    ASSERT_TRUE(calculator->undo());
    type(Quantity::Distance, "200");  // a new step: what was undone cannot come back
    EXPECT_FALSE(view.editState.canRedo);
    EXPECT_FALSE(calculator->redo());
    // Leaving a box after an undo does not solve again from its text.
    const Shown afterUndo = (calculator->undo(), Shown(*calculator, view));
    (void)calculator->onValueFocusLost(Quantity::Distance);
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
    EXPECT_EQ(view.valueTexts[1], "119");  // the value of the 20th commit
}

TEST_F(EditingTest, ChangedComparesWithTheFileLastOpenedOrSaved) {
    ASSERT_TRUE(start({kModelPlain}));
    EXPECT_FALSE(calculator->changed());
    type(Quantity::Diagonal, "120");
    EXPECT_TRUE(view.editState.changed);
    ASSERT_TRUE(saveAs("plan.cf"));
    EXPECT_FALSE(view.editState.changed);
    EXPECT_TRUE(view.editState.canUndo);                             // saving keeps the history
    EXPECT_EQ(view.title, "Projection Distance Calculator [plan]");  // the title stays plain

    ASSERT_TRUE(calculator->undo());  // back to the start-up state, which the file does not hold
    EXPECT_TRUE(view.editState.changed);
    ASSERT_TRUE(calculator->redo());
    EXPECT_FALSE(view.editState.changed);

    calculator->onPositionClicked(Mount::Top);
    ASSERT_TRUE(calculator->openCalculationFile(path("plan.cf")));  // the changes are discarded
    EXPECT_FALSE(view.editState.changed);
    EXPECT_FALSE(view.editState.canUndo);  // Open clears the history
    EXPECT_EQ(view.checkedOption(OptionGroup::Position), indexOf(Mount::Bottom));
}

TEST_F(EditingTest, ACatalogueReplacementClearsTheHistory) {
    ASSERT_TRUE(start({kModelPlain}));
    type(Quantity::Diagonal, "120");
    const auto other = dir.write("other.ini", std::string(kCatalogueHeader) + kModelTeleOnly);
    view.dialogAnswers.push_back(other.string());
    calculator->replaceCatalogue();
    ASSERT_EQ(view.modelRows.size(), 1u);
    EXPECT_FALSE(view.editState.canUndo);
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

    EXPECT_EQ(calculator->openCalculationFile(path("other.cf")), c.opens);
    ASSERT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(view.questions[0], "Save changes to plan.cf?");
    EXPECT_EQ(view.valueTexts[1], c.opens ? "300" : "120");
    EXPECT_EQ(view.editState.changed, !c.opens);
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
    ASSERT_TRUE(calculator->openCalculationFile(path("plan.cf")));
    EXPECT_TRUE(view.questions.empty());

    ASSERT_TRUE(start({kModelPlain}));
    type(Quantity::Diagonal, "120");
    view.saveAnswers.push_back(SaveChoice::Save);  // the Save dialog is cancelled: nothing opens
    EXPECT_FALSE(calculator->openCalculationFile(path("plan.cf")));
    EXPECT_EQ(view.questions.back(), "Save changes to Untitled?");
    EXPECT_EQ(view.valueTexts[1], "120");
    EXPECT_TRUE(calculator->offerToSaveChanges());  // no answer left: discarded, as the CLI does
}

TEST_F(EditingTest, TheValueBeingTypedIsEnteredBeforeACommand) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    typeWithoutEnter(Quantity::Diagonal, "150");
    ASSERT_TRUE(saveAs("plan.cf"));
    EXPECT_EQ(savedDiagonal("plan.cf"), 150);
    EXPECT_EQ(view.valueTexts, (Boxes{"150", "150", "120", "90"}));
    EXPECT_EQ(view.enterVisible, (std::array<bool, 4>{false, false, false, false}));

    typeWithoutEnter(Quantity::Width, "80");
    calculator->copyResults();
    EXPECT_NE(view.clipboard.find("Width: 80 inches\n"), std::string::npos) << view.clipboard;

    typeWithoutEnter(Quantity::Height, "30");
    calculator->onModelPicked(1);  // the height is entered for the first model, then the pick
    EXPECT_EQ(view.selectedModelRow, 1);
    ASSERT_TRUE(calculator->undo());
    EXPECT_EQ(view.valueTexts, (Boxes{"50", "50", "40", "30"}));
}

// A refused value stops the command: nothing is asked, written or picked.
TEST_F(EditingTest, ARefusedValueBeingTypedStopsTheCommand) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    ASSERT_TRUE(saveAs("plan.cf"));
    const std::vector<std::pair<const char*, std::function<bool(Calculator&)>>> commands = {
        {"save", [](Calculator& c) { return c.saveCalculationFile(); }},
        {"save as", [](Calculator& c) { return c.saveCalculationFileAs(); }},
        {"open", [](Calculator& c) { return c.openCalculationFile(); }},
        {"model pick",
         [](Calculator& c) {
             c.onModelPicked(1);
             return c.selectedRow() == 1;
         }},
        {"catalogue",
         [](Calculator& c) {
             c.replaceCatalogue();
             return false;
         }},
        {"pending edit", [](Calculator& c) { return c.commitPendingEdit(); }},
    };
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        view.messages.clear();
        view.dialogFilters.clear();
        view.dialogAnswers.assign(1, path("elsewhere.cf"));
        typeWithoutEnter(Quantity::Diagonal, "150,7");
        view.selectedValueBox = -1;
        EXPECT_FALSE(command(*calculator));
        EXPECT_TRUE(view.dialogFilters.empty());
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0],
                  "Screen Size Diagonal: \u201c150,7\u201d is not a number. Use a point for "
                  "decimals.");
        EXPECT_EQ(view.valueTexts[1], "300");
        EXPECT_EQ(view.selectedValueBox, 1);  // selected, so that the next keys replace it
        EXPECT_EQ(view.selectedModelRow, 0);
        EXPECT_TRUE(view.questions.empty());
        (void)calculator->onValueFocusLost(Quantity::Diagonal);
    }
    EXPECT_FALSE(std::filesystem::exists(path("elsewhere.cf")));
    EXPECT_FALSE(view.editState.changed);
}

TEST_F(EditingTest, EscapePutsBackTheTextAndLeavingThenChangesNothing) {
    ASSERT_TRUE(start({kModelPlain}));
    typeWithoutEnter(Quantity::Width, "999");
    calculator->onValueKey(Quantity::Width, 'X');
    view.selectedValueBox = -1;
    calculator->onValueKey(Quantity::Width, kEscapeKey);
    EXPECT_EQ(view.valueTexts[2], "240");
    EXPECT_EQ(view.selectedValueBox, 2);
    EXPECT_EQ(view.enterVisible, (std::array<bool, 4>{false, false, false, false}));
    EXPECT_TRUE(calculator->onValueFocusLost(Quantity::Width));
    EXPECT_TRUE(view.messages.empty());
    EXPECT_FALSE(view.editState.canUndo);

    // After Enter, Escape goes back to the value entered last.
    typeWithoutEnter(Quantity::Width, "160");
    calculator->onValueKey(Quantity::Width, kEnterKey);
    view.boxText(Quantity::Width) = "1";
    calculator->onValueKey(Quantity::Width, kEscapeKey);
    EXPECT_EQ(view.valueTexts[2], "160");
}

TEST_F(EditingTest, ARefusedValueKeepsTheBoxInTheEditWhenItIsLeft) {
    ASSERT_TRUE(start({kModelPlain}));
    typeWithoutEnter(Quantity::Height, "-5");
    EXPECT_FALSE(calculator->onValueFocusLost(Quantity::Height));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "Height: \u201c-5\u201d must be above 0.");
    EXPECT_EQ(view.valueTexts, (Boxes{"300", "300", "240", "180"}));
    // The box is still being edited: what is typed next is entered before a command.
    view.boxText(Quantity::Height) = "90";
    EXPECT_TRUE(calculator->commitPendingEdit());
    EXPECT_EQ(view.valueTexts, (Boxes{"150", "150", "120", "90"}));
}

}  // namespace
}  // namespace projcalc
