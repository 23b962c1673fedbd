// Catalogue replacements by several copies of projcalc-cli at once, and replacements killed at
// random moments: the data folder always holds a complete catalogue that one of them accepted,
// and the next start leaves none of our temporary files behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <set>
#include <thread>

#include "cli_process.h"
#include "controller_fixture.h"
#include "util/temporary_files.h"

namespace projcalc::cli_test {
namespace {

namespace fs = std::filesystem;

// A catalogue of `count` models whose names start with `prefix`.
std::string catalogueOf(const std::string& prefix, int count) {
    std::string text = kCatalogueHeader;
    for (int i = 0; i < count; ++i)
        text += prefix + std::to_string(i) + std::string(kModelPlain).substr(9) + "\n";
    return text;
}

// Starts projcalc-cli on a data folder with the given actions, its output thrown away.
pid_t spawnCli(const fs::path& data, const std::vector<std::string>& actions) {
    std::vector<std::string> args = {cliPath(), "--data-dir", data.string()};
    args.insert(args.end(), actions.begin(), actions.end());
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    std::string home = "HOME=" + (data.parent_path() / "home").string();
    char* environment[] = {home.data(), nullptr};
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, cliPath(), &files, nullptr, argv.data(), environment);
    posix_spawn_file_actions_destroy(&files);
    return failed == 0 ? pid : -1;
}

int ourTemporaryFiles(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += isTemporaryFileName(entry.path().filename().string()) ? 1 : 0;
    return count;
}

class CatalogueRace : public ::testing::Test {
  protected:
    TempDir dir;
    fs::path data = dir.path() / "data";
    std::set<std::string> accepted;  // every catalogue the folder may hold

    void SetUp() override {
        // Only the native build locks a data folder (flock does nothing under node).
        if (!cliRunner().empty()) GTEST_SKIP() << "the node build is for one user at a time";
        fs::create_directories(data);
        const std::string original = catalogueOf("Original ", 3);
        dir.write("data/ModelInfo.ini", original);
        dir.write("data/Language.ini", languageFileText());
        accepted.insert(original);
    }
    std::string candidate(const std::string& name, const std::string& text, bool good) {
        if (good) accepted.insert(text);
        return dir.write(name, text).string();
    }
    void expectAcceptedCatalogue(const std::string& when) {
        EXPECT_TRUE(accepted.count(dir.read("data/ModelInfo.ini")) == 1) << when;
        EXPECT_EQ(runCli({"--data-dir", data.string()}, {"HOME=" + dir.path().string()}).exitCode,
                  0)
            << when;
    }
};

TEST_F(CatalogueRace, ConcurrentReplacementsInstallOnlyCataloguesTheyAccepted) {
    const std::string first = candidate("first.ini", catalogueOf("First ", 400), true);
    const std::string second = candidate("second.ini", catalogueOf("Second ", 400), true);
    const std::string refused =
        candidate("refused.ini", std::string(kCatalogueHeader) + "Bad,1,2\n", false);
    for (int round = 0; round < 6; ++round) {
        std::vector<pid_t> running;
        for (const std::string& file : {first, refused, second, refused}) {
            running.push_back(spawnCli(data, {"catalogue=" + file, "catalogue=" + file}));
            ASSERT_GT(running.back(), 0);
        }
        for (const pid_t pid : running) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status)) << "round " << round;
        }
        expectAcceptedCatalogue("round " + std::to_string(round));
        EXPECT_FALSE(fs::exists(data / "~tmp.ini"));
    }
}

TEST_F(CatalogueRace, AKilledReplacementLeavesACompleteCatalogueAndNoDebris) {
    const std::string big = candidate("big.ini", catalogueOf("Big ", 1000), true);
    const std::string other = candidate("other.ini", catalogueOf("Other ", 900), true);
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMs(5, 80);
    for (int round = 0; round < 12; ++round) {
        std::vector<std::string> actions;
        for (int i = 0; i < 40; ++i)
            actions.push_back("catalogue=" + (i % 2 == 0 ? big : other));
        const pid_t replacing = spawnCli(data, actions);
        ASSERT_GT(replacing, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(random)));
        ::kill(replacing, SIGKILL);
        ::waitpid(replacing, nullptr, 0);
        const std::string when =
            "round " + std::to_string(round) + " (seed " + std::to_string(seed) + ")";
        // The next start checks the catalogue and tidies what the killed copy left.
        expectAcceptedCatalogue(when);
        EXPECT_EQ(ourTemporaryFiles(data), 0) << when;
    }
}

}  // namespace
}  // namespace projcalc::cli_test
