// Calculation files and catalogue replacement from the command line, including the failures a
// real installation meets: a folder the user may not write and a file-size limit.
#include <sys/stat.h>

#include <fstream>

#include "cli_fixture.h"

namespace projcalc::cli_test {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliFilesTest : public CliTest {
  protected:
    void SetUp() override { writeData(); }
    [[nodiscard]] std::string file(const std::string& name) const {
        return (dir.path() / name).string();
    }
};

TEST_F(CliFilesTest, SaveAsThenOpenRestoresTheCalculation) {
    const json saved = report(
        {"zoom=TELE", "units=centimeters", "diagonal=400", "save-as=" + file("hall.plan.cf")});
    EXPECT_EQ(saved["title"], "Projection Distance Calculator [hall.plan]");
    EXPECT_EQ(saved["currentFile"], file("hall.plan.cf"));
    ASSERT_TRUE(fs::exists(file("hall.plan.cf")));

    const json opened = report({"open=" + file("hall.plan.cf")});
    EXPECT_EQ(opened["boxes"], saved["boxes"]);
    EXPECT_EQ(opened["options"], saved["options"]);
    EXPECT_EQ(opened["title"], saved["title"]);
}

TEST_F(CliFilesTest, SaveUsesTheCurrentFileWithoutAskingAgain) {
    const json r = report({"save=" + file("one.cf"), "diagonal=150", "save=" + file("two.cf")});
    EXPECT_EQ(r["currentFile"], file("one.cf"));
    EXPECT_FALSE(fs::exists(file("two.cf")));
    EXPECT_NE(readFile(file("one.cf")).find("\r\n150\r\n"), std::string::npos);
}

TEST_F(CliFilesTest, AnEmptyFileNameCancels) {
    const json r = report({"save-as=", "open=", "catalogue="});
    EXPECT_EQ(r["title"], "Projection Distance Calculator");
    EXPECT_EQ(r["errors"].size(), 0u);
}

TEST_F(CliFilesTest, ACatalogueWithoutModelsIsRefusedWithItsPath) {
    std::ofstream(file("empty.ini")) << kHeader << "\n";
    const json r = report({"catalogue=" + file("empty.ini")});
    ASSERT_EQ(r["messages"].size(), 1u);
    EXPECT_EQ(r["messages"][0], "No model in " + file("empty.ini"));
    EXPECT_EQ(r["modelList"].size(), 3u);
}

// Runs the command line as the unprivileged user "nobody".
CliResult runAsNobody(const std::vector<std::string>& args, const std::vector<std::string>& env) {
    std::vector<std::string> all = {"--reuid=nobody", "--regid=nogroup", "--clear-groups"};
    for (const std::string& word : cliCommand())
        all.push_back(word);
    all.insert(all.end(), args.begin(), args.end());
    return runProgram("/usr/bin/setpriv", all, env);
}

TEST_F(CliFilesTest, AFolderTheUserMayNotWriteKeepsItsFilesAndReportsTheSave) {
    // The data folder and an earlier save belong to root; nobody may read but not write them.
    const json first = report({"save-as=" + file("plan.cf")});
    const std::string before = readFile(file("plan.cf"));
    const fs::path home = dir.path() / "nobody-home";
    fs::create_directories(home);
    fs::permissions(home, fs::perms::all);
    const CliResult r = runAsNobody(
        {"--data-dir", dataFolder().string(), "diagonal=150", "save-as=" + file("plan.cf")},
        {"HOME=" + home.string(), "LC_ALL=C.UTF-8"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const json result = parsed(r.out);
    ASSERT_EQ(result["errors"].size(), 1u) << result.dump();
    EXPECT_EQ(result["errors"][0]["number"], 70);
    EXPECT_EQ(readFile(file("plan.cf")), before);
    EXPECT_EQ(result["title"], "Projection Distance Calculator");
}

TEST_F(CliFilesTest, ACatalogueReplacedByAUserMovesToTheUsersFolder) {
    const fs::path home = dir.path() / "nobody-home";
    fs::create_directories(home);
    fs::permissions(home, fs::perms::all);
    std::ofstream(file("new.ini")) << kHeader << "\n" << kWide169 << "\n";
    const std::string before = readFile(dataFolder() / "ModelInfo.ini");
    const CliResult r =
        runAsNobody({"--data-dir", dataFolder().string(), "catalogue=" + file("new.ini")},
                    {"HOME=" + home.string(), "LC_ALL=C.UTF-8"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const json result = parsed(r.out);
    EXPECT_EQ(result["errors"].size(), 0u) << result.dump();
    EXPECT_EQ(result["modelList"], json::array({"Wide 169"}));
    EXPECT_EQ(readFile(dataFolder() / "ModelInfo.ini"), before);
    const fs::path user = home / ".local" / "share" / "projcalc";
    EXPECT_EQ(readFile(user / "OLD.ini"), before);
    EXPECT_TRUE(fs::exists(user / "Language.ini"));

    // Without --data-dir the user's folder is found from now on.
    const CliResult next = runAsNobody({}, {"HOME=" + home.string(), "LC_ALL=C.UTF-8"});
    ASSERT_EQ(next.exitCode, 0) << next.err;
    EXPECT_EQ(parsed(next.out)["modelList"], json::array({"Wide 169"}));
}

TEST_F(CliFilesTest, AFullDiskKeepsThePreviousFile) {
    const json first = report({"save-as=" + file("plan.cf")});
    const std::string before = readFile(file("plan.cf"));
    // A file-size limit smaller than a calculation file: every write fails as on a full disk.
    // The report goes through a pipe, which the limit does not touch.
    std::vector<std::string> args = {"-c", "prlimit --fsize=200 \"$0\" \"$@\" | cat"};
    for (const std::string& word : cliCommand())
        args.push_back(word);
    const std::vector<std::string> rest = {"--data-dir", dataFolder(), "diagonal=150",
                                           "save=" + file("plan.cf"), "open=" + file("plan.cf")};
    args.insert(args.end(), rest.begin(), rest.end());
    std::vector<std::string> env = environment();
    env.push_back("PATH=/usr/bin:/bin");
    const CliResult r = runProgram("/bin/sh", args, env);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const json result = parsed(r.out);
    ASSERT_GE(result["errors"].size(), 1u) << result.dump();
    EXPECT_EQ(result["errors"][0]["number"], 61);
    EXPECT_EQ(readFile(file("plan.cf")), before);
    EXPECT_EQ(result["boxes"][1], "300");  // the opened file is the old one
    EXPECT_EQ(result["errors"].size(), 1u);
}

}  // namespace
}  // namespace projcalc::cli_test
