#include <gtest/gtest.h>

#include "controller_fixture.h"
#include "failing_file_system.h"

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
        calculator->replaceCatalogue();
    }
    // The user's calculation before the replacement, to compare with afterwards.
    void workOnSecondModel() {
        calculator->onModelPicked(1);
        type(1, "120");
    }
};

TEST_F(CatalogueReplacementTest, CancellingChangesNothing) {
    const std::string before = dir.read("ModelInfo.ini");
    choose("");
    EXPECT_TRUE(calculator->calculatorReady());
    EXPECT_EQ(view.dialogFilters.back().description, "ModelFile (*.ini)");
    EXPECT_EQ(view.dialogFilters.back().pattern, "*.ini");
    EXPECT_EQ(dir.read("ModelInfo.ini"), before);
    EXPECT_EQ(view.modelRows.size(), 2u);
}

TEST_F(CatalogueReplacementTest, AValidFileBecomesTheCatalogueAndTheOldOneIsKept) {
    const std::string before = dir.read("ModelInfo.ini");
    const std::string chosen = candidate("new.ini", std::string(kModelWideOnly16x9) + "\n");
    workOnSecondModel();
    choose(chosen);
    EXPECT_EQ(dir.read("ModelInfo.ini"), std::string(kCatalogueHeader) + kModelWideOnly16x9 + "\n");
    EXPECT_EQ(dir.read("OLD.ini"), before);
    EXPECT_FALSE(fs::exists(dir.path() / "~tmp.ini"));
    ASSERT_EQ(view.modelRows.size(), 1u);
    EXPECT_EQ(view.modelRows[0].name, "Wide 169");
    EXPECT_EQ(view.selectedModelRow, 0);
    EXPECT_EQ(view.checkedOption(OptionGroup::Aspect), 2);
    EXPECT_EQ(view.valueTexts[1], "220");
    EXPECT_TRUE(calculator->calculatorReady());

    // The next start reads the new catalogue; a second replacement replaces OLD.ini.
    choose(candidate("third.ini", std::string(kModelPlain) + "\n"));
    EXPECT_EQ(dir.read("OLD.ini"), std::string(kCatalogueHeader) + kModelWideOnly16x9 + "\n");
}

TEST_F(CatalogueReplacementTest, ChoosingTheCatalogueInForceWorks) {
    const std::string before = dir.read("ModelInfo.ini");
    choose((dir.path() / "ModelInfo.ini").string());
    EXPECT_EQ(dir.read("ModelInfo.ini"), before);
    EXPECT_EQ(dir.read("OLD.ini"), before);
    EXPECT_EQ(view.modelRows.size(), 2u);
    EXPECT_TRUE(view.errors.empty());
}

TEST_F(CatalogueReplacementTest, AFileWithoutModelsIsRefusedAndTheCalculationStays) {
    workOnSecondModel();
    const Boxes shown = view.valueTexts;
    const std::string before = dir.read("ModelInfo.ini");
    const std::string chosen = candidate("empty.ini", "");
    choose(chosen);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "No model in " + chosen);
    EXPECT_EQ(dir.read("ModelInfo.ini"), before);
    EXPECT_FALSE(fs::exists(dir.path() / "OLD.ini"));
    EXPECT_FALSE(fs::exists(dir.path() / "~tmp.ini"));
    EXPECT_EQ(view.modelRows.size(), 2u);
    EXPECT_EQ(view.selectedModelRow, 1);
    EXPECT_EQ(view.valueTexts, shown);
    EXPECT_TRUE(calculator->calculatorReady());
}

TEST_F(CatalogueReplacementTest, AnUnreadableCatalogueIsReportedAndTheProgramGoesOn) {
    workOnSecondModel();
    const Boxes shown = view.valueTexts;
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
        EXPECT_EQ(view.valueTexts, shown);
        EXPECT_EQ(view.modelRows.size(), 2u);
        EXPECT_FALSE(fs::exists(dir.path() / "~tmp.ini"));
        EXPECT_TRUE(calculator->calculatorReady());
    }
}

TEST_F(CatalogueReplacementTest, AFailingRenameRestoresTheCatalogue) {
    FailingFileSystem failing;
    fileSystem = &failing;
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    const std::string before = dir.read("ModelInfo.ini");
    // Installing the candidate fails; putting the old catalogue back works.
    bool failed = false;
    failing.fails = [&failed](FailingFileSystem::Operation op, const fs::path& p) {
        if (failed || op != FailingFileSystem::Operation::Rename) return false;
        failed = p.filename() == "ModelInfo.ini";
        return failed;
    };
    choose(candidate("new.ini", std::string(kModelWideOnly16x9) + "\n"));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].number, 70);
    EXPECT_EQ(dir.read("ModelInfo.ini"), before);
    EXPECT_FALSE(fs::exists(dir.path() / "~tmp.ini"));
    EXPECT_EQ(view.modelRows.size(), 2u);
    EXPECT_TRUE(calculator->calculatorReady());
}

TEST_F(CatalogueReplacementTest, AReadOnlyDataFolderMovesToTheUsersFolder) {
    FailingFileSystem failing;
    fileSystem = &failing;
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    const fs::path data = dir.path();
    failing.fails = [data](FailingFileSystem::Operation op, const fs::path& p) {
        return op != FailingFileSystem::Operation::Read && p.parent_path() == data;
    };
    const fs::path user = elsewhere.path() / "share" / "projcalc";
    calculator->setUserDataFolder(user);
    const std::string before = dir.read("ModelInfo.ini");
    choose(candidate("new.ini", std::string(kModelWideOnly16x9) + "\n"));
    EXPECT_TRUE(view.errors.empty()) << view.errors.front().description;
    EXPECT_EQ(dir.read("ModelInfo.ini"), before);  // the installed data is untouched
    EXPECT_TRUE(fs::exists(user / "Language.ini"));
    EXPECT_EQ(elsewhere.read("share/projcalc/OLD.ini"), before);
    EXPECT_EQ(elsewhere.read("share/projcalc/ModelInfo.ini"),
              std::string(kCatalogueHeader) + kModelWideOnly16x9 + "\n");
    EXPECT_EQ(calculator->state().appFolder, user.string() + "/");
    EXPECT_EQ(calculator->readVersionText(), "1.00");  // the language file moved along
    EXPECT_EQ(view.modelRows.at(0).name, "Wide 169");
}

}  // namespace
}  // namespace projcalc
