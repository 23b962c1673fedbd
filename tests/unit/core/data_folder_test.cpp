#include "core/data_folder.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "util/file_system.h"
#include "util/memory_file_system.h"

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
    EXPECT_EQ(resolveDataFolder(inputs(), localFileSystem()),
              dir.path() / "opt" / "share" / "projcalc");
}

TEST_F(DataFolderTest, ABuildUsesTheExecutablesFolderWhenItHoldsACatalogue) {
    putCatalogue(exe);
    EXPECT_EQ(resolveDataFolder(inputs(), localFileSystem()), exe);
}

TEST_F(DataFolderTest, TheUsersOwnCatalogueWinsOverTheExecutablesFolder) {
    putCatalogue(exe);
    putCatalogue(xdg / "projcalc");
    EXPECT_EQ(resolveDataFolder(inputs(), localFileSystem()), xdg / "projcalc");
}

TEST_F(DataFolderTest, WithoutXdgDataHomeTheUsersFolderIsUnderHome) {
    putCatalogue(exe);
    putCatalogue(home / ".local" / "share" / "projcalc");
    EXPECT_EQ(resolveDataFolder(inputs(false), localFileSystem()),
              home / ".local" / "share" / "projcalc");
    DataFolderInputs relative = inputs();
    relative.xdgDataHome = "relative/path";  // not absolute: ignored, as the convention says
    EXPECT_EQ(userDataFolder(relative), home / ".local" / "share" / "projcalc");
}

TEST_F(DataFolderTest, TheCommandLineWinsOverEverything) {
    putCatalogue(exe);
    putCatalogue(xdg / "projcalc");
    DataFolderInputs in = inputs();
    in.commandLine = dir.path() / "elsewhere";
    EXPECT_EQ(resolveDataFolder(in, localFileSystem()), dir.path() / "elsewhere");
}

TEST_F(DataFolderTest, AFolderNamedModelInfoIsNotACatalogue) {
    fs::create_directories(xdg / "projcalc" / "ModelInfo.ini");
    putCatalogue(exe);
    EXPECT_EQ(resolveDataFolder(inputs(), localFileSystem()), exe);
}

}  // namespace
// What --data-dir is told about the folder it names, from the folder's contents.
TEST(DataFolderProblem, NamesWhatIsWrongWithTheFolder) {
    struct Case {
        const char* folder;
        const char* problem;  // nullptr: none
    };
    MemoryFileSystem files;
    files.files["/data/ModelInfo.ini"] = "header\n";
    files.files["/fallback/OLD.ini"] = "header\n";
    files.files["/empty/Language.ini"] = "[Language]\n";
    files.files["/plain.ini"] = "x";
    const Case cases[] = {
        {"/data", nullptr},
        {"/fallback", nullptr},  // a start falls back to OLD.ini
        {"/empty", "the data folder \"/empty\" holds no ModelInfo.ini"},
        {"/plain.ini", "the data folder \"/plain.ini\" is not a folder"},
        {"/nowhere", "the data folder \"/nowhere\" does not exist"},
    };
    for (const Case& c : cases) {
        const auto problem = dataFolderProblem(c.folder, files);
        EXPECT_EQ(problem, c.problem ? std::optional<std::string>(c.problem) : std::nullopt)
            << c.folder;
    }
    EXPECT_EQ(files.folderEntries("/"),
              (std::vector<std::string>{"data", "empty", "fallback", "plain.ini"}));
}

}  // namespace projcalc
