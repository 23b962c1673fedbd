#include "core/data_folder.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace projcalc {
namespace {

namespace fs = std::filesystem;

class DataFolderTest : public ::testing::Test {
  protected:
    TempDir dir;
    fs::path exe = dir.path() / "opt" / "bin";
    fs::path xdg = dir.path() / "xdg";
    fs::path home = dir.path() / "home";

    void SetUp() override {
        fs::create_directories(exe);
        fs::create_directories(xdg / "projcalc");
        fs::create_directories(home / ".local" / "share" / "projcalc");
    }
    DataFolderInputs inputs(bool withXdg = true) const {
        DataFolderInputs in;
        in.executableFolder = exe;
        if (withXdg) in.xdgDataHome = xdg.string();
        in.home = home.string();
        return in;
    }
    static void putCatalogue(const fs::path& folder) {
        fs::create_directories(folder);
        std::ofstream(folder / "ModelInfo.ini") << "header\n";
    }
};

TEST_F(DataFolderTest, AnInstalledProgramUsesItsShareFolder) {
    EXPECT_EQ(resolveDataFolder(inputs()), dir.path() / "opt" / "share" / "projcalc");
}

TEST_F(DataFolderTest, ABuildUsesTheExecutablesFolderWhenItHoldsACatalogue) {
    putCatalogue(exe);
    EXPECT_EQ(resolveDataFolder(inputs()), exe);
}

TEST_F(DataFolderTest, TheUsersOwnCatalogueWinsOverTheExecutablesFolder) {
    putCatalogue(exe);
    putCatalogue(xdg / "projcalc");
    EXPECT_EQ(resolveDataFolder(inputs()), xdg / "projcalc");
}

TEST_F(DataFolderTest, WithoutXdgDataHomeTheUsersFolderIsUnderHome) {
    putCatalogue(exe);
    putCatalogue(home / ".local" / "share" / "projcalc");
    EXPECT_EQ(resolveDataFolder(inputs(false)), home / ".local" / "share" / "projcalc");
    DataFolderInputs relative = inputs();
    relative.xdgDataHome = "relative/path";  // not absolute: ignored, as the convention says
    EXPECT_EQ(userDataFolder(relative), home / ".local" / "share" / "projcalc");
}

TEST_F(DataFolderTest, TheCommandLineWinsOverEverything) {
    putCatalogue(exe);
    putCatalogue(xdg / "projcalc");
    DataFolderInputs in = inputs();
    in.commandLine = dir.path() / "elsewhere";
    EXPECT_EQ(resolveDataFolder(in), dir.path() / "elsewhere");
}

TEST_F(DataFolderTest, AFolderNamedModelInfoIsNotACatalogue) {
    fs::create_directories(xdg / "projcalc" / "ModelInfo.ini");
    putCatalogue(exe);
    EXPECT_EQ(resolveDataFolder(inputs()), exe);
}

}  // namespace
}  // namespace projcalc
