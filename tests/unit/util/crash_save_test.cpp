// A save killed at any moment leaves the old file or the new one, complete; the next save tidies
// what the killed one left.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "crash_contents.h"
#include "test_support.h"
#include "util/file_system.h"
#include "util/temporary_files.h"

#ifndef PROJCALC_SAVE_REPEATEDLY
#error "PROJCALC_SAVE_REPEATEDLY must name the built save_repeatedly helper"
#endif

namespace projcalc {
namespace {

constexpr std::size_t kSize = 1024 * 1024;
constexpr int kRounds = 30;

int ourTemporaryFiles(const std::filesystem::path& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (isTemporaryFileName(entry.path().filename().string())) ++count;
    }
    return count;
}

TEST(CrashSave, AKilledSaveLeavesTheOldOrTheNewFileComplete) {
    TempDir dir;
    const std::filesystem::path target = dir.path() / "plan.cf";
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMs(1, 60);
    unsigned newest = 0;
    int leftOver = 0;
    for (int round = 0; round < kRounds; ++round) {
        const pid_t saver = ::fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            ::execl(PROJCALC_SAVE_REPEATEDLY, PROJCALC_SAVE_REPEATEDLY, target.c_str(),
                    std::to_string(kSize).c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(random)));
        ::kill(saver, SIGKILL);
        int status = 0;
        ::waitpid(saver, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saver ended by itself, status " << status;
        leftOver += ourTemporaryFiles(dir.path());
        if (!std::filesystem::exists(target)) continue;  // killed before its first save
        const unsigned generation = crash_test::generationOf(dir.read("plan.cf"), kSize);
        ASSERT_NE(generation, 0u) << "round " << round << " left a broken file (seed " << seed
                                  << ")";
        newest = std::max(newest, generation);
    }
    EXPECT_GT(newest, 0u) << "no save completed in " << kRounds << " rounds";

    LocalFileSystem files;
    ASSERT_FALSE(files.writeFileAtomic(target, "final").has_value());
    EXPECT_EQ(ourTemporaryFiles(dir.path()), 0) << leftOver << " were left over in all rounds";
}

}  // namespace
}  // namespace projcalc
