#include <gtest/gtest.h>

#include "calc/units.h"
#include "controller_fixture.h"
#include "failing_file_system.h"
#include "util/text.h"

namespace projcalc {
namespace {

using Boxes = std::array<std::string, 4>;

class CalculationCommandsTest : public ControllerFixture {
  protected:
    std::string path(const std::string& name) const { return (dir.path() / name).string(); }

    bool saveAs(const std::string& name) {
        view.dialogAnswers.push_back(name.empty() ? "" : path(name));
        return askAndSaveAs(*calculator, view);
    }
    bool open(const std::string& name) {
        view.dialogAnswers.push_back(name.empty() ? "" : path(name));
        return askAndOpen(*calculator, view);
    }
    // A fresh calculator on the same data folder.
    void restart() {
        view = MemoryView();
        calculator = std::make_unique<Calculator>(view, *fileSystem);
        ASSERT_TRUE(calculator->startUp(dir.path()));
    }
};

TEST_F(CalculationCommandsTest, SavingAndOpeningRestoresEverySelection) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly, kModelWideOnly16x9}));
    calculator->pickModel(0);
    calculator->choose(Zoom::Tele);
    calculator->choose(Mount::Top);
    calculator->choose(Aspect::R5x4);
    calculator->choose(Unit::Centimeters);
    type(Quantity::Diagonal, "500");  // centimetres
    const Boxes shown = view.screen.boxes;
    const Calculation before = calculation();
    ASSERT_TRUE(saveAs("hall.plan.cf"));
    EXPECT_EQ(view.screen.title, "Projection Distance Calculator [hall.plan]");
    EXPECT_EQ(calculator->currentFile(), path("hall.plan.cf"));
    ASSERT_EQ(view.dialogFilters.size(), 1u);
    EXPECT_EQ(view.dialogFilters[0].description, "CalculateFile (*.cf)");
    EXPECT_EQ(view.dialogFilters[0].pattern, "*.cf");

    const std::string saved = dir.read("hall.plan.cf");
    const auto lines = splitLines(saved);
    ASSERT_EQ(lines.size(), 76u);
    EXPECT_EQ(lines[0], "\"Plain 100\"");
    EXPECT_EQ(lines[64], "4");  // 5:4 is stored as its parts
    EXPECT_EQ(lines[65], "5");

    restart();
    ASSERT_TRUE(open("hall.plan.cf"));
    EXPECT_EQ(view.screen.selectedRow, 0);
    EXPECT_EQ(view.checkedOption(OptionGroup::Zoom), indexOf(Zoom::Tele));
    EXPECT_EQ(view.checkedOption(OptionGroup::Position), 0);
    EXPECT_EQ(view.checkedOption(OptionGroup::Units), indexOf(Unit::Centimeters));
    EXPECT_EQ(view.checkedOption(OptionGroup::Aspect), 1);
    EXPECT_EQ(view.screen.boxes, shown);
    EXPECT_DOUBLE_EQ(calculation().results.diagonal, before.results.diagonal);
    EXPECT_DOUBLE_EQ(calculation().results.distance, before.results.distance);
    EXPECT_DOUBLE_EQ(calculation().results.offsetA, before.results.offsetA);
    EXPECT_EQ(view.screen.title, "Projection Distance Calculator [hall.plan]");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(CalculationCommandsTest, SaveAsksOnceThenWritesToTheSameFile) {
    ASSERT_TRUE(start({kModelPlain}));
    view.dialogAnswers.push_back(path("room.cf"));
    ASSERT_TRUE(askAndSave(*calculator, view));  // never saved: behaves as Save As
    EXPECT_EQ(view.dialogFilters.size(), 1u);
    type(Quantity::Diagonal, "150");
    ASSERT_TRUE(askAndSave(*calculator, view));
    EXPECT_EQ(view.dialogFilters.size(), 1u);  // no dialog the second time
    const std::string written = dir.read("room.cf");
    EXPECT_EQ(splitLines(written)[69], "150");

    std::filesystem::remove(dir.path() / "room.cf");
    EXPECT_FALSE(askAndSave(*calculator, view));  // the file is gone: ask, and cancel
    EXPECT_EQ(view.dialogFilters.size(), 2u);
    EXPECT_EQ(calculator->currentFile(), "");
}

TEST_F(CalculationCommandsTest, CancellingChangesNothing) {
    ASSERT_TRUE(start({kModelPlain}));
    EXPECT_FALSE(saveAs(""));
    EXPECT_FALSE(open(""));
    EXPECT_EQ(view.screen.title, "Projection Distance Calculator");
    EXPECT_EQ(calculator->currentFile(), "");
    EXPECT_TRUE(view.errors.empty());
}

TEST_F(CalculationCommandsTest, AModelTheCatalogueLacksJoinsTheListUntilTheNextLoad) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    calculator->pickModel(1);
    ASSERT_TRUE(saveAs("tele.cf"));
    dir.write("ModelInfo.ini", std::string(kCatalogueHeader) + kModelPlain + "\n");
    restart();
    ASSERT_EQ(view.screen.models.size(), 1u);
    ASSERT_TRUE(open("tele.cf"));
    ASSERT_EQ(view.screen.models.size(), 2u);
    EXPECT_EQ(view.screen.models[1], "Tele Only");
    EXPECT_EQ(view.screen.selectedRow, 1);
    EXPECT_EQ(view.checkedOption(OptionGroup::Zoom), indexOf(Zoom::Tele));
    EXPECT_EQ(view.screen.boxes[1], "240");
    EXPECT_EQ(dir.read("ModelInfo.ini"), std::string(kCatalogueHeader) + kModelPlain + "\n");
}

TEST_F(CalculationCommandsTest, AModelTheFileBringsGetsTheCataloguesChecks) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    calculator->pickModel(1);
    ASSERT_TRUE(saveAs("tele.cf"));
    // Line 4 holds the smallest 4:3 diagonal at TELE: above the largest, the model is unusable.
    std::string saved = dir.read("tele.cf");
    const std::size_t line4 =
        saved.find("\r\n", saved.find("\r\n", saved.find("\r\n") + 2) + 2) + 2;
    saved.replace(line4, saved.find("\r\n", line4) - line4, "500");
    dir.write("tele.cf", saved);
    dir.write("ModelInfo.ini", std::string(kCatalogueHeader) + kModelPlain + "\n");
    restart();
    const Boxes shown = view.screen.boxes;
    EXPECT_FALSE(open("tele.cf"));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_NE(view.errors[0].description.find("tele.cf: the model \"Tele Only\""),
              std::string::npos)
        << view.errors[0].description;
    EXPECT_NE(view.errors[0].description.find("value 3"), std::string::npos);
    EXPECT_EQ(view.screen.models.size(), 1u);
    EXPECT_EQ(view.screen.boxes, shown);
}

TEST_F(CalculationCommandsTest, TheFirstModelOfAGivenNameIsChosen) {
    ASSERT_TRUE(start({kModelPlain}));
    ASSERT_TRUE(saveAs("plain.cf"));
    const std::string twin = std::string(kModelPlain).replace(0, 9, "Plain 100");
    dir.write("ModelInfo.ini", std::string(kCatalogueHeader) + kModelTeleOnly + "\n" + twin + "\n" +
                                   kModelPlain + "\n");
    restart();
    ASSERT_TRUE(open("plain.cf"));
    EXPECT_EQ(view.screen.selectedRow, 1);
    EXPECT_EQ(view.screen.models.size(), 3u);
}

TEST_F(CalculationCommandsTest, AStoredDiagonalBeyondTheModelsLimitIsClamped) {
    ASSERT_TRUE(start({kModelPlain}));
    ASSERT_TRUE(saveAs("big.cf"));  // 300 inches at 4:3 WIDE
    dir.write("ModelInfo.ini", std::string(kCatalogueHeader) +
                                   "Plain 100,40,200,30,250,1.0,0,0.8,0,0.5,0.6,0,0,0,15,0,0,"
                                   "40,280,30,240,40,290,30,245\n");
    restart();
    ASSERT_TRUE(open("big.cf"));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "Too large: at most 200 inches");
    EXPECT_EQ(view.screen.boxes[1], "200");
    EXPECT_DOUBLE_EQ(calculation().results.diagonal, 200);
}

TEST_F(CalculationCommandsTest, LeavingTheFocusedBoxAfterOpenKeepsTheOpenedValues) {
    // Open comes from a menu, so a value box may still have the focus; leaving it afterwards
    // must not solve again from the rounded distance the box now shows.
    ASSERT_TRUE(start({kModelPlain}));
    calculator->choose(Zoom::Tele);
    type(Quantity::Diagonal, "201");  // 251.25 inches away at TELE, shown as 251
    ASSERT_TRUE(saveAs("tele.cf"));
    type(Quantity::Diagonal, "100");
    ASSERT_TRUE(open("tele.cf"));
    (void)type(Quantity::Distance, view.boxText(Quantity::Distance));
    EXPECT_DOUBLE_EQ(calculation().results.diagonal, 201);
    EXPECT_DOUBLE_EQ(calculation().results.distance, 251.25);
}

TEST_F(CalculationCommandsTest, AnAspectTheModelNoLongerOffersIsRefused) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    calculator->choose(Aspect::R16x10);
    ASSERT_TRUE(saveAs("wide.cf"));
    // The catalogue now offers 4:3 only for that model.
    dir.write("ModelInfo.ini", std::string(kCatalogueHeader) + kModelTeleOnly + "\n" +
                                   replaceAll(kModelPlain, ",0,15,", ",0,1,") + "\n");
    restart();
    const Boxes shown = view.screen.boxes;
    EXPECT_FALSE(open("wide.cf"));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].number(), 5);
    EXPECT_NE(view.errors[0].description.find("wide.cf, lines 65 and 66"), std::string::npos)
        << view.errors[0].description;
    EXPECT_NE(view.errors[0].description.find("16 : 10"), std::string::npos);
    EXPECT_EQ(view.screen.selectedRow, 0);
    EXPECT_EQ(view.checkedOption(OptionGroup::Aspect), 0);
    EXPECT_EQ(view.screen.boxes, shown);
    EXPECT_EQ(calculator->currentFile(), "");
}

struct BadFile {
    const char* name;
    int number;
    const char* mentions;
};

void PrintTo(const BadFile& b, std::ostream* os) {
    *os << b.name;
}

class BadCalculationFileTest : public CalculationCommandsTest,
                               public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadCalculationFileTest, IsReportedAndChangesNothing) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    ASSERT_TRUE(saveAs("good.cf"));
    const std::string good = dir.read("good.cf");
    const auto lines = splitLines(good);
    std::string first75;
    for (std::size_t i = 0; i < 75; ++i)
        first75 += std::string(lines[i]) + "\r\n";
    dir.write("short.cf", first75);
    dir.write("typed.cf", replaceAll(good, "#FALSE#", "yes"));
    std::string badZoom;
    for (std::size_t i = 0; i < 76; ++i)
        badZoom += (i == 61 ? "7" : std::string(lines[i])) + "\r\n";
    dir.write("zoom.cf", badZoom);
    std::filesystem::create_directory(dir.path() / "folder.cf");

    calculator->pickModel(1);
    const Boxes shown = view.screen.boxes;
    ASSERT_TRUE(saveAs("before.cf"));
    const std::string title = view.screen.title;
    EXPECT_FALSE(open(GetParam().name));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].number(), GetParam().number);
    EXPECT_NE(view.errors[0].description.find(GetParam().mentions), std::string::npos)
        << view.errors[0].description;
    EXPECT_EQ(view.screen.boxes, shown);
    EXPECT_EQ(view.screen.selectedRow, 1);
    EXPECT_EQ(view.screen.title, title);
    EXPECT_EQ(calculator->currentFile(), path("before.cf"));
}

INSTANTIATE_TEST_SUITE_P(Files, BadCalculationFileTest,
                         ::testing::Values(BadFile{"short.cf", 62,
                                                   "ends after 75 of its 76 values"},
                                           BadFile{"typed.cf", 13, "value 26 (line 26)"},
                                           BadFile{"zoom.cf", 13, "line 62: the zoom end 7"},
                                           BadFile{"folder.cf", 75, "folder.cf"},
                                           BadFile{"missing.cf", 53, "missing.cf"}));

TEST_F(CalculationCommandsTest, AnUnreadableFileIsReported) {
    FailingFileSystem failing;
    failing.fails = [](FailingFileSystem::Operation op, const std::filesystem::path& p) {
        return op == FailingFileSystem::Operation::Read && p.filename() == "locked.cf";
    };
    fileSystem = &failing;
    ASSERT_TRUE(start({kModelPlain}));
    ASSERT_TRUE(saveAs("locked.cf"));
    EXPECT_FALSE(open("locked.cf"));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].number(), 70);
}

TEST_F(CalculationCommandsTest, AFailingOpenPutsThePreviousCalculationBack) {
    // The saved model has no WIDE line in the catalogue any more: the recompute faults.
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    calculator->pickModel(1);
    ASSERT_TRUE(saveAs("tele.cf"));
    std::string text = dir.read("tele.cf");
    text = replaceAll(text, "\r\n1\r\n1\r\n1.3333", "\r\n0\r\n1\r\n1.3333");  // zoom WIDE
    ASSERT_NE(text, dir.read("tele.cf"));
    dir.write("wide.cf", text);
    calculator->pickModel(0);
    type(Quantity::Diagonal, "150");
    const Boxes shown = view.screen.boxes;
    EXPECT_FALSE(open("wide.cf"));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].number(), 11);
    EXPECT_EQ(view.screen.selectedRow, 0);
    EXPECT_EQ(view.screen.boxes, shown);
    EXPECT_EQ(view.checkedOption(OptionGroup::Zoom), indexOf(Zoom::Wide));
    EXPECT_TRUE(view.group(OptionGroup::Zoom)[1].enabled);
    EXPECT_DOUBLE_EQ(calculation().results.diagonal, 150);
}

TEST_F(CalculationCommandsTest, AFailedSaveKeepsThePreviousFileAndName) {
    FailingFileSystem failing;
    fileSystem = &failing;
    ASSERT_TRUE(start({kModelPlain}));
    ASSERT_TRUE(saveAs("plan.cf"));
    const std::string before = dir.read("plan.cf");
    failing.errorNumber = ENOSPC;
    failing.fails = [](FailingFileSystem::Operation op, const std::filesystem::path&) {
        return op == FailingFileSystem::Operation::Write;
    };
    type(Quantity::Diagonal, "150");
    EXPECT_FALSE(askAndSave(*calculator, view));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].number(), 61);
    EXPECT_EQ(dir.read("plan.cf"), before);
    EXPECT_FALSE(saveAs("other.cf"));
    EXPECT_EQ(calculator->currentFile(), path("plan.cf"));
    EXPECT_EQ(view.screen.title, "Projection Distance Calculator [plan]");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "other.cf"));
}

}  // namespace
}  // namespace projcalc
