// Where projcalc-cli finds ModelInfo.ini and Language.ini: the one data-folder rule of the program,
// seen from the outside. A copy of the executable in a folder of the test's own shows that the
// executable's folder is found from the running program, not from the current directory.
#include "cli_fixture.h"

namespace projcalc::cli_test {
namespace {

namespace fs = std::filesystem;

class CliDataFolderTest : public CliTest {
  protected:
    // A copy of projcalc-cli in <test>/app/bin, with a catalogue of one "Beside Binary" model.
    fs::path installCopy() const {
        const fs::path bin = dir.path() / "app" / "bin";
        fs::create_directories(bin);
        const fs::path copy = bin / fs::path(cliPath()).filename();
        fs::copy_file(cliPath(), copy);
        return copy;
    }

    // A well-formed model line under another name.
    static std::string beside(const std::string& name) {
        const std::string plain = kPlain;
        return name + plain.substr(plain.find(','));
    }

    json reportOf(const fs::path& program, const std::vector<std::string>& args,
                  const std::vector<std::string>& environment) const {
        const CliResult result = runCliCopy(program.string(), args, environment);
        EXPECT_EQ(result.exitCode, 0) << result.err << result.out;
        return parsed(result.out);
    }
};

TEST_F(CliDataFolderTest, ExecutableFolderIsUsedWhenTheUserHasNoCatalogue) {
    const fs::path program = installCopy();
    writeDataFolder(program.parent_path(), {beside("Beside Binary")});
    fs::create_directories(dir.path() / "xdg" / "projcalc");  // a user folder without a catalogue
    const json r = reportOf(
        program, {},
        {"HOME=" + homeFolder().string(), "XDG_DATA_HOME=" + (dir.path() / "xdg").string()});
    EXPECT_EQ(r["dataFolder"], program.parent_path().string());
    EXPECT_EQ(r["modelList"], json({"Beside Binary"}));
}

TEST_F(CliDataFolderTest, UserFolderWithACatalogueWinsOverTheExecutableFolder) {
    const fs::path program = installCopy();
    writeDataFolder(program.parent_path(), {beside("Beside Binary")});
    const fs::path xdg = dir.path() / "xdg";
    writeDataFolder(xdg / "projcalc", {beside("User XDG")});
    writeDataFolder(homeFolder() / ".local" / "share" / "projcalc", {beside("User Home")});

    const json viaXdg =
        reportOf(program, {}, {"HOME=" + homeFolder().string(), "XDG_DATA_HOME=" + xdg.string()});
    EXPECT_EQ(viaXdg["dataFolder"], (xdg / "projcalc").string());
    EXPECT_EQ(viaXdg["modelList"], json({"User XDG"}));

    const json viaHome = reportOf(program, {}, {"HOME=" + homeFolder().string()});
    EXPECT_EQ(viaHome["modelList"], json({"User Home"}));
}

TEST_F(CliDataFolderTest, DataDirWinsOverEveryOtherFolder) {
    const fs::path program = installCopy();
    writeDataFolder(program.parent_path(), {beside("Beside Binary")});
    const fs::path xdg = dir.path() / "xdg";
    writeDataFolder(xdg / "projcalc", {beside("User XDG")});
    writeDataFolder(dataFolder(), {beside("Command Line")});
    const std::vector<std::string> environment = {"HOME=" + homeFolder().string(),
                                                  "XDG_DATA_HOME=" + xdg.string()};

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--data-dir", dataFolder().string()},
          std::vector<std::string>{"--data-dir=" + dataFolder().string()}}) {
        const json r = reportOf(program, args, environment);
        EXPECT_EQ(r["dataFolder"], dataFolder().string());
        EXPECT_EQ(r["modelList"], json({"Command Line"}));
    }
}

TEST_F(CliDataFolderTest, InstalledLayoutReadsShareProjcalc) {
    const fs::path program = installCopy();
    const fs::path share = dir.path() / "app" / "share" / "projcalc";
    writeDataFolder(share, {beside("Installed")});
    const json r = reportOf(program, {}, {"HOME=" + homeFolder().string()});
    EXPECT_EQ(r["dataFolder"], share.string());
    EXPECT_EQ(r["modelList"], json({"Installed"}));
}

TEST_F(CliDataFolderTest, BuildPutsTheShippedDataNextToTheExecutable) {
    const fs::path folder = fs::path(cliPath()).parent_path();
    ASSERT_TRUE(fs::is_regular_file(folder / "ModelInfo.ini"));
    ASSERT_TRUE(fs::is_regular_file(folder / "Language.ini"));
    const json r = reportOf(cliPath(), {}, {"HOME=" + homeFolder().string()});
    EXPECT_EQ(r["dataFolder"], folder.string());
    EXPECT_FALSE(r["modelList"].empty());
}

}  // namespace
}  // namespace projcalc::cli_test
