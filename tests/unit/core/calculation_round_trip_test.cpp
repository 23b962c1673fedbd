// Calculation files through the controller: the exact text of a saved file, every combination of
// options surviving a save and an open, and what the file dialogs are asked.
#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <tuple>

#include "calc/units.h"
#include "controller_fixture.h"
#include "util/text.h"

namespace projcalc {
namespace {

// Ratios in every column but the 16:10 B triple (38, 40, 42), which is absent.
const char* kModelWithRatios =
    "Layout 1,40,300,30,250,1.0,0,0.8,0,0.5,0.6,0.1,0.12,0,15,0,0,40,280,30,240,40,290,30,245,"
    "0.25,0.26,0.27,0.28,0.29,0.3,0.31,0.32,0.33,0.34,0.35,0.36,0.37,,0.39,,0.41,";

std::string shortest(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

class CalculationRoundTripTest : public ControllerFixture {
  protected:
    std::string path(const std::string& name) const { return (dir.path() / name).string(); }
    bool saveAs(const std::string& name) {
        view.dialogAnswers.push_back(path(name));
        return askAndSaveAs(*calculator, view);
    }
    bool open(const std::string& name) {
        view.dialogAnswers.push_back(path(name));
        return askAndOpen(*calculator, view);
    }
    void restart() {
        view = MemoryView();
        calculator = std::make_unique<Calculator>(view, *fileSystem);
        ASSERT_TRUE(calculator->startUp(dir.path()));
    }
};

TEST_F(CalculationRoundTripTest, ASavedFileHoldsTheModelRecordThenTheState) {
    ASSERT_TRUE(start({kModelWithRatios}));
    calculator->choose(Zoom::Tele);
    calculator->choose(Mount::Top);
    calculator->choose(Unit::Feet);
    type(Quantity::Diagonal, "10");  // 120 inches: 96 by 72, 150 inches away on the TELE line
    ASSERT_TRUE(saveAs("layout.cf"));

    // The offsets and the drawing scale are the solver's; the layout around them is fixed.
    const std::string expected =
        "\"Layout 1\"\r\n"
        // columns 1 to 12
        "40\r\n300\r\n30\r\n250\r\n1\r\n0\r\n0.8\r\n0\r\n0.5\r\n0.6\r\n0.1\r\n0.12\r\n"
        // panel and aspect mask
        "0\r\n15\r\n"
        // columns 15 to 24
        "0\r\n0\r\n40\r\n280\r\n30\r\n240\r\n40\r\n290\r\n30\r\n245\r\n"
        // flags, then values, of columns 25, 26, 31, 32, 37, 38
        "#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n"
        "0.25\r\n0.26\r\n0.31\r\n0.32\r\n0.37\r\n0\r\n"
        // flags, then values, of columns 27, 29, 28, 30, 33, 35, 34, 36, 39, 41, 40, 42
        "#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n"
        "#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n"
        "0.27\r\n0.29\r\n0.28\r\n0.3\r\n0.33\r\n0.35\r\n0.34\r\n0.36\r\n0.39\r\n0.41\r\n0\r\n0\r\n"
        // TELE, top, 4:3, feet
        "1\r\n0\r\n1.3333333333333333\r\n3\r\n4\r\n1\r\n"
        // width, height, diagonal, distance
        "96\r\n72\r\n120\r\n150\r\n" +
        shortest(calculation().results.offsetA) + "\r\n" + shortest(calculation().results.offsetB) +
        "\r\n"
        // offset counts at WIDE and TELE
        "2\r\n2\r\n" +
        shortest(calculation().frontScale) + "\r\n";
    EXPECT_EQ(dir.read("layout.cf"), expected);
}

TEST_F(CalculationRoundTripTest, AWindows1252NameOfAMissingModelOpensAndSavesAsUtf8) {
    ASSERT_TRUE(start({kModelPlain}));
    ASSERT_TRUE(saveAs("plain.cf"));
    // An older file: the name of a model this catalogue lacks, in the single-byte code page.
    dir.write("old.cf", replaceAll(dir.read("plain.cf"), "\"Plain 100\"", "\"Caf\xE9 100\""));
    ASSERT_TRUE(open("old.cf"));
    ASSERT_EQ(view.screen.models.size(), 2u);
    EXPECT_EQ(view.screen.models[1], "Caf\xC3\xA9 100");
    EXPECT_EQ(view.screen.selectedRow, 1);
    ASSERT_TRUE(askAndSave(*calculator, view));
    EXPECT_EQ(splitLines(dir.read("old.cf"))[0], "\"Caf\xC3\xA9 100\"");
}

// A file dialog that remembers what it was asked.
class RecordingView : public MemoryView {
  public:
    std::string openFolder;
    std::string saveFolder;
    std::string saveExtension;

    std::string askOpenFileName(const FileFilter& filter,
                                const std::string& initialFolder) override {
        openFolder = initialFolder;
        return MemoryView::askOpenFileName(filter, initialFolder);
    }
    std::string askSaveFileName(const FileFilter& filter, const std::string& initialFolder,
                                const std::string& defaultExtension) override {
        saveFolder = initialFolder;
        saveExtension = defaultExtension;
        return MemoryView::askSaveFileName(filter, initialFolder, defaultExtension);
    }
};

TEST(CalculationFileDialogs, StartInTheCurrentFolderAndSaveWithTheExtensionCf) {
    TempDir data;
    data.write("Language.ini", languageFileText());
    data.write("ModelInfo.ini", std::string(kCatalogueHeader) + kModelPlain + "\n");
    RecordingView view;
    Calculator calculator(view);
    ASSERT_TRUE(calculator.startUp(data.path()));
    EXPECT_FALSE(askAndSaveAs(calculator, view));
    EXPECT_FALSE(askAndOpen(calculator, view));
    askAndReplaceCatalogue(calculator, view);
    const std::string here = std::filesystem::current_path().string();
    EXPECT_EQ(view.saveFolder, here);
    EXPECT_EQ(view.saveExtension, "cf");
    EXPECT_EQ(view.openFolder, here);
    ASSERT_EQ(view.dialogFilters.size(), 3u);
    EXPECT_EQ(view.dialogFilters[1].description, "CalculateFile (*.cf)");
    EXPECT_EQ(view.dialogFilters[2].description, "ModelFile (*.ini)");
}

using Choices = std::tuple<Aspect, Zoom, Unit, Mount>;

class OptionRoundTripTest : public CalculationRoundTripTest,
                            public ::testing::WithParamInterface<Choices> {};

TEST_P(OptionRoundTripTest, SurvivesSaveAndOpen) {
    const auto [aspect, zoom, unit, position] = GetParam();
    ASSERT_TRUE(start({kModelTeleOnly, kModelPlain}));
    calculator->pickModel(1);
    calculator->choose(aspect);
    calculator->choose(zoom);
    calculator->choose(unit);
    calculator->choose(position);
    view.messages.clear();  // a zoom click may have met a limit on the way
    // About 150 inches, inside every limit of the model.
    type(Quantity::Diagonal, unit == Unit::Inches ? "150" : unit == Unit::Feet ? "12" : "400");
    ASSERT_TRUE(view.messages.empty()) << view.messages.front();
    const MemoryView shown = view;
    const double diagonal = calculation().results.diagonal;
    ASSERT_TRUE(saveAs("options.cf"));

    restart();
    ASSERT_TRUE(open("options.cf"));
    for (OptionGroup group :
         {OptionGroup::Aspect, OptionGroup::Zoom, OptionGroup::Units, OptionGroup::Position}) {
        EXPECT_EQ(view.checkedOption(group), shown.checkedOption(group));
    }
    EXPECT_EQ(view.screen.selectedRow, 1);
    EXPECT_EQ(calculation().results.diagonal, diagonal);
    EXPECT_EQ(view.screen.boxes, shown.screen.boxes);
    EXPECT_EQ(view.screen.offsets, shown.screen.offsets);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(view.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryCombination, OptionRoundTripTest,
                         ::testing::Combine(::testing::ValuesIn(kAllAspects),
                                            ::testing::ValuesIn(kAllZooms),
                                            ::testing::ValuesIn(kAllUnits),
                                            ::testing::Values(Mount::Top, Mount::Bottom)));

}  // namespace
}  // namespace projcalc
