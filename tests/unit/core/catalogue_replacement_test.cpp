#include <gtest/gtest.h>

#include <ostream>

#include "controller_fixture.h"
#include "failing_file_system.h"
#include "scene_test_support.h"

namespace projcalc {
namespace {

namespace fs = std::filesystem;
using Boxes = std::array<std::string, 4>;

class CatalogueReplacementTest : public ControllerFixture {
  protected:
    TempDir elsewhere;  // where the user keeps the catalogue to install

    void SetUp() override { ASSERT_TRUE(start({kModelPlain, kModelTeleOnly})); }

    std::string candidate(const std::string& name, const std::string& lines) {
        return elsewhere.write(name, std::string(kCatalogueHeader) + lines).string();
    }
    void choose(const std::string& path) {
        view.dialogAnswers.push_back(path);
        askAndReplaceCatalogue(*calculator, view);
    }
    // The user's calculation before the replacement, to compare with afterwards.
    void workOnSecondModel() {
        calculator->pickModel(1);
        type(Quantity::Diagonal, "120");
    }
    // Starts again on a data folder that can be read but not written; the user's folder, where
    // the catalogue moves to, is `user`.
    FailingFileSystem readOnlyData;
    fs::path user;
    void startWithReadOnlyDataFolder() {
        fileSystem = &readOnlyData;
        ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
        readOnlyData.fails = [data = dir.path()](FailingFileSystem::Operation op,
                                                 const fs::path& p) {
            return op != FailingFileSystem::Operation::Read && p.parent_path() == data;
        };
        user = elsewhere.path() / "share" / "projcalc";
        calculator->setUserDataFolder(user);
    }
};

TEST_F(CatalogueReplacementTest, CancellingChangesNothing) {
    const std::string before = dir.read("ModelInfo.ini");
    choose("");
    EXPECT_EQ(view.dialogFilters.back().description, "ModelFile (*.ini)");
    EXPECT_EQ(view.dialogFilters.back().pattern, "*.ini");
    EXPECT_EQ(dir.read("ModelInfo.ini"), before);
    EXPECT_EQ(view.screen.models.size(), 2u);
}

TEST_F(CatalogueReplacementTest, AValidFileBecomesTheCatalogueAndTheOldOneIsKept) {
    const std::string before = dir.read("ModelInfo.ini");
    const std::string chosen = candidate("new.ini", std::string(kModelWideOnly16x9) + "\n");
    workOnSecondModel();
    choose(chosen);
    EXPECT_EQ(dir.read("ModelInfo.ini"), std::string(kCatalogueHeader) + kModelWideOnly16x9 + "\n");
    EXPECT_EQ(dir.read("OLD.ini"), before);
    EXPECT_FALSE(fs::exists(dir.path() / "~tmp.ini"));
    ASSERT_EQ(view.screen.models.size(), 1u);
    EXPECT_EQ(view.screen.models[0], "Wide 169");
    EXPECT_EQ(view.screen.selectedRow, 0);
    EXPECT_EQ(view.checkedOption(OptionGroup::Aspect), 2);
    EXPECT_EQ(view.screen.boxes[1], "220");

    // The next start reads the new catalogue; a second replacement replaces OLD.ini.
    choose(candidate("third.ini", std::string(kModelPlain) + "\n"));
    EXPECT_EQ(dir.read("OLD.ini"), std::string(kCatalogueHeader) + kModelWideOnly16x9 + "\n");
}

// Before anything is installed the user is told how many models go and come, and may cancel;
// Restore previous catalogue then swaps ModelInfo.ini and OLD.ini in one step.
TEST_F(CatalogueReplacementTest, AsksFirstAndTheReplacedCatalogueComesBack) {
    const std::string before = dir.read("ModelInfo.ini");
    const std::string chosen = candidate("new.ini", std::string(kModelWideOnly16x9) + "\n");
    EXPECT_FALSE(calculator->hasPreviousCatalogue());
    view.goOnAnswers.push_back(false);
    choose(chosen);
    ASSERT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(view.questions[0],
              "Replace the 2 models of the current catalogue with the 1 models "
              "of " +
                  chosen + "? The current catalogue is kept.");
    EXPECT_EQ(dir.read("ModelInfo.ini"), before);  // Cancel changes nothing
    EXPECT_FALSE(fs::exists(dir.path() / "OLD.ini"));
    EXPECT_EQ(view.screen.models.size(), 2u);

    choose(chosen);  // OK this time
    ASSERT_EQ(view.screen.models.size(), 1u);
    EXPECT_TRUE(calculator->hasPreviousCatalogue());
    ASSERT_TRUE(calculator->restorePreviousCatalogue());
    EXPECT_EQ(dir.read("ModelInfo.ini"), before);
    EXPECT_EQ(dir.read("OLD.ini"), std::string(kCatalogueHeader) + kModelWideOnly16x9 + "\n");
    EXPECT_EQ(view.screen.models.size(), 2u);
    // A bad file is reported without a question.
    const std::size_t asked = view.questions.size();
    choose(candidate("empty.ini", ""));
    EXPECT_EQ(view.questions.size(), asked);
    // Without an OLD.ini there is nothing to restore, and the message says so.
    fs::remove(dir.path() / "OLD.ini");
    view.messages.clear();
    EXPECT_FALSE(calculator->restorePreviousCatalogue());
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_NE(view.messages[0].find("no previous catalogue"), std::string::npos);
}

TEST_F(CatalogueReplacementTest, ChoosingTheCatalogueInForceWorks) {
    const std::string before = dir.read("ModelInfo.ini");
    choose((dir.path() / "ModelInfo.ini").string());
    EXPECT_EQ(dir.read("ModelInfo.ini"), before);
    EXPECT_EQ(dir.read("OLD.ini"), before);
    EXPECT_EQ(view.screen.models.size(), 2u);
    EXPECT_TRUE(view.errors.empty());
}

TEST_F(CatalogueReplacementTest, AFileWithoutModelsIsRefusedAndTheCalculationStays) {
    workOnSecondModel();
    const Boxes shown = view.screen.boxes;
    const std::string before = dir.read("ModelInfo.ini");
    const std::string chosen = candidate("empty.ini", "");
    choose(chosen);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "No model in " + chosen);
    EXPECT_EQ(dir.read("ModelInfo.ini"), before);
    EXPECT_FALSE(fs::exists(dir.path() / "OLD.ini"));
    EXPECT_FALSE(fs::exists(dir.path() / "~tmp.ini"));
    EXPECT_EQ(view.screen.models.size(), 2u);
    EXPECT_EQ(view.screen.selectedRow, 1);
    EXPECT_EQ(view.screen.boxes, shown);
}

TEST_F(CatalogueReplacementTest, AnUnreadableCatalogueIsReportedAndTheProgramGoesOn) {
    workOnSecondModel();
    const Boxes shown = view.screen.boxes;
    for (const std::string& chosen :
         {candidate("short.ini", "Broken,1,2,3\n"),
          elsewhere
              .write("binary.ini", std::string("\x7f"
                                               "ELF\0\x01,\x02\n\xff\xfe",
                                               12))
              .string(),
          (elsewhere.path() / "missing.ini").string()}) {
        view.errors.clear();
        choose(chosen);
        ASSERT_EQ(view.errors.size(), 1u) << chosen;
        EXPECT_NE(view.errors[0].description.find(".ini"), std::string::npos);
        EXPECT_EQ(view.screen.boxes, shown);
        EXPECT_EQ(view.screen.models.size(), 2u);
        EXPECT_FALSE(fs::exists(dir.path() / "~tmp.ini"));
    }
}

// A file operation of the replacement that fails, on the file it concerns.
struct InjectedFailure {
    const char* step;
    FailingFileSystem::Operation operation;
    const char* file;
};

void PrintTo(const InjectedFailure& f, std::ostream* os) {
    *os << f.step;
}

class FailingReplacementTest : public CatalogueReplacementTest,
                               public ::testing::WithParamInterface<InjectedFailure> {};

TEST_P(FailingReplacementTest, IsReportedAndPutsEverythingBack) {
    FailingFileSystem failing;
    fileSystem = &failing;
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    dir.write("OLD.ini", "an older catalogue");
    workOnSecondModel();
    const Boxes shown = view.screen.boxes;
    const std::string before = dir.read("ModelInfo.ini");
    const InjectedFailure injected = GetParam();
    failing.fails = [&injected](FailingFileSystem::Operation op, const fs::path& p) {
        return op == injected.operation && p.filename() == injected.file;
    };
    choose(candidate("new.ini", std::string(kModelWideOnly16x9) + "\n"));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].number(), 70);
    EXPECT_NE(view.errors[0].description.find(injected.file), std::string::npos)
        << view.errors[0].description;
    EXPECT_EQ(dir.read("ModelInfo.ini"), before);
    EXPECT_FALSE(fs::exists(dir.path() / "~tmp.ini"));
    EXPECT_EQ(view.screen.models.size(), 2u);
    EXPECT_EQ(view.screen.selectedRow, 1);
    EXPECT_EQ(view.screen.boxes, shown);
    EXPECT_EQ(calculator->dataFolder(), dir.path().string() + "/");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FailingReplacementTest,
    ::testing::Values(InjectedFailure{"keeping the catalogue as OLD.ini",
                                      FailingFileSystem::Operation::Copy, "OLD.ini"},
                      InjectedFailure{"installing the candidate",
                                      FailingFileSystem::Operation::Write, "ModelInfo.ini"}));

TEST_F(CatalogueReplacementTest, LeavingTheFocusedBoxAfterwardsKeepsTheNewModelsValues) {
    // The command comes from a menu, so a value box may still have the focus.
    choose(candidate("new.ini", std::string(kModelWideOnly16x9) + "\n"));
    const Calculation after = calculation();
    (void)type(Quantity::Distance, view.boxText(Quantity::Distance));
    EXPECT_EQ(calculation().results.diagonal, after.results.diagonal);
    EXPECT_EQ(calculation().results.distance, after.results.distance);
}

TEST_F(CatalogueReplacementTest, AReadOnlyDataFolderMovesToTheUsersFolder) {
    ASSERT_NO_FATAL_FAILURE(startWithReadOnlyDataFolder());
    const std::string before = dir.read("ModelInfo.ini");
    choose(candidate("new.ini", std::string(kModelWideOnly16x9) + "\n"));
    EXPECT_TRUE(view.errors.empty()) << view.errors.front().description;
    EXPECT_EQ(dir.read("ModelInfo.ini"), before);  // the installed data is untouched
    EXPECT_TRUE(fs::exists(user / "Language.ini"));
    EXPECT_EQ(elsewhere.read("share/projcalc/OLD.ini"), before);
    EXPECT_EQ(elsewhere.read("share/projcalc/ModelInfo.ini"),
              std::string(kCatalogueHeader) + kModelWideOnly16x9 + "\n");
    EXPECT_EQ(calculator->dataFolder(), user.string() + "/");
    EXPECT_EQ(calculator->readVersionText(), "1.00");  // the language file moved along
    EXPECT_EQ(view.screen.models.at(0), "Wide 169");
}

TEST_F(CatalogueReplacementTest, ARefusedCandidateLeavesNoCatalogueInTheUsersFolder) {
    // Otherwise the next start would read the user's folder instead of the installed data.
    ASSERT_NO_FATAL_FAILURE(startWithReadOnlyDataFolder());
    const fs::path data = dir.path();
    choose(candidate("empty.ini", ""));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_FALSE(fs::exists(user / "ModelInfo.ini"));
    EXPECT_FALSE(fs::exists(user / "~tmp.ini"));
    EXPECT_EQ(calculator->dataFolder(), data.string() + "/");

    // Installing fails late: the user's folder still holds no catalogue.
    readOnlyData.fails = [data](FailingFileSystem::Operation op, const fs::path& p) {
        return (op != FailingFileSystem::Operation::Read && p.parent_path() == data) ||
               (op == FailingFileSystem::Operation::Write && p.filename() == "ModelInfo.ini");
    };
    choose(candidate("new.ini", std::string(kModelWideOnly16x9) + "\n"));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_FALSE(fs::exists(user / "ModelInfo.ini"));
    EXPECT_FALSE(fs::exists(user / "~tmp.ini"));
    EXPECT_EQ(calculator->dataFolder(), data.string() + "/");
    EXPECT_EQ(view.screen.models.size(), 2u);
}

TEST_F(CatalogueReplacementTest, WhenTheUsersFolderFailsTooNothingChanges) {
    FailingFileSystem failing;
    fileSystem = &failing;
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    failing.fails = [](FailingFileSystem::Operation op, const fs::path&) {
        return op != FailingFileSystem::Operation::Read;
    };
    calculator->setUserDataFolder(elsewhere.path() / "share" / "projcalc");
    workOnSecondModel();
    const Boxes shown = view.screen.boxes;
    choose(candidate("new.ini", std::string(kModelWideOnly16x9) + "\n"));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(calculator->dataFolder(), dir.path().string() + "/");
    EXPECT_EQ(view.screen.models.size(), 2u);
    EXPECT_EQ(view.screen.boxes, shown);
}

}  // namespace
}  // namespace projcalc

namespace projcalc {
namespace {

// Messages of a replacement name the file the user chose, with the line at fault.
TEST_F(CatalogueReplacementTest, MessagesNameTheChosenFileAndLine) {
    const std::string shortLine = candidate("short.ini", std::string(kModelPlain) + "\nBad,1,2\n");
    choose(shortLine);
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_NE(view.errors[0].description.find("short.ini, line 3"), std::string::npos)
        << view.errors[0].description;

    // A model left out of an otherwise good catalogue is named once, with its line and field.
    const std::string partly =
        candidate("partly.ini",
                  std::string(kModelPlain) + "\nUpside,300,40,250,30,1,0,0.8,0,0.5,0.6,0,0,0,3\n");
    choose(partly);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_NE(view.messages[0].find("partly.ini"), std::string::npos) << view.messages[0];
    EXPECT_NE(view.messages[0].find("line 3: the model \"Upside\", column \"min43W\" (field 1)"),
              std::string::npos)
        << view.messages[0];
    EXPECT_EQ(view.screen.models.size(), 1u);
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos);
}

struct StartCase {
    const char* name;
    bool oldCatalogue;  // a usable OLD.ini lies beside the broken ModelInfo.ini
    bool fallBack;      // the window's rule; projcalc-cli's is not to
    bool startsUp;
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.name;
}

class BrokenCatalogueAtStart : public ControllerFixture,
                               public ::testing::WithParamInterface<StartCase> {};

TEST_P(BrokenCatalogueAtStart, StartsOnTheOldCatalogueOnlyWhereAllowed) {
    const StartCase& c = GetParam();
    dir.write("ModelInfo.ini", std::string(kCatalogueHeader) + "Broken,1,2\n");
    dir.write("Language.ini", languageFileText());
    if (c.oldCatalogue) dir.write("OLD.ini", std::string(kCatalogueHeader) + kModelTeleOnly + "\n");
    calculator = std::make_unique<Calculator>(view);
    StartUpRules rules;
    rules.fallBackToOldCatalogue = c.fallBack;
    ASSERT_EQ(calculator->startUp(dir.path(), rules), c.startsUp);
    if (!c.startsUp) {
        ASSERT_EQ(view.errors.size(), 1u);
        EXPECT_NE(view.errors[0].description.find("ModelInfo.ini, line 2"), std::string::npos);
        return;
    }
    EXPECT_TRUE(view.errors.empty());
    ASSERT_EQ(view.messages.size(), 1u);  // says which catalogue it uses and why
    EXPECT_NE(view.messages[0].find("OLD.ini"), std::string::npos);
    EXPECT_NE(view.messages[0].find("line 2"), std::string::npos);
    EXPECT_EQ(view.screen.models.at(0), "Tele Only");

    // Installing a catalogue then keeps the good OLD.ini, not the broken file.
    TempDir elsewhere;
    view.dialogAnswers.push_back(
        elsewhere.write("new.ini", std::string(kCatalogueHeader) + kModelPlain + "\n").string());
    askAndReplaceCatalogue(*calculator, view);
    EXPECT_EQ(view.screen.models.at(0), "Plain 100");
    EXPECT_EQ(dir.read("OLD.ini"), std::string(kCatalogueHeader) + kModelTeleOnly + "\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenCatalogueAtStart,
                         ::testing::Values(StartCase{"WindowWithOld", true, true, true},
                                           StartCase{"WindowWithoutOld", false, true, false},
                                           StartCase{"CommandLineWithOld", true, false, false}),
                         CaseName());

TEST_F(ControllerFixture, StartUpRemovesTemporaryFilesLeftInTheDataFolder) {
    dir.write(".ModelInfo.ini.projcalc-0123456789ab.tmp", "half a catalogue");
    dir.write(".plan.cf.projcalc-00000000000a.tmp", "half a plan");
    dir.write("notes.tmp", "not ours");
    ASSERT_TRUE(start({kModelPlain}));
    EXPECT_FALSE(fs::exists(dir.path() / ".ModelInfo.ini.projcalc-0123456789ab.tmp"));
    EXPECT_FALSE(fs::exists(dir.path() / ".plan.cf.projcalc-00000000000a.tmp"));
    EXPECT_TRUE(fs::exists(dir.path() / "notes.tmp"));
}

TEST_F(ControllerFixture, StartUpWritesNothingIntoATidyDataFolder) {
    ASSERT_TRUE(start({kModelPlain}));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Language.ini", "ModelInfo.ini"}));
}

}  // namespace
}  // namespace projcalc
