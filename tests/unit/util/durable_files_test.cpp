// Saves that keep what the user set up (links, permission bits), survive a crash or a power cut
// in the order of their system calls, tidy what interrupted saves left, and the folder lock.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "test_support.h"
#include "util/file_system.h"
#include "util/folder_lock.h"
#include "util/memory_file_system.h"
#include "util/posix_calls.h"
#include "util/temporary_files.h"

namespace projcalc {
namespace {

namespace fs = std::filesystem;

unsigned modeOf(const fs::path& path) {
    struct stat s {};
    return ::stat(path.c_str(), &s) == 0 ? (s.st_mode & 07777U) : 0U;
}

std::vector<std::string> temporaryFilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (isTemporaryFileName(name) || name.ends_with(".tmp")) names.push_back(name);
    }
    return names;
}

bool isFolder(int fd) {
    struct stat s {};
    return ::fstat(fd, &s) == 0 && S_ISDIR(s.st_mode);
}

// A file held open with an exclusive flock, as a save in progress holds its temporary file.
class HeldFile {
  public:
    explicit HeldFile(const fs::path& path)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd_ >= 0) ::flock(fd_, LOCK_EX);
    }
    ~HeldFile() { ::close(fd_); }

  private:
    int fd_;
};

TEST(DurableSave, KeepsThePermissionBitsOfTheFileItReplaces) {
    TempDir dir;
    const mode_t previousMask = ::umask(022);
    LocalFileSystem files;
    for (const unsigned mode : {0600U, 0640U, 0444U, 0755U}) {
        const fs::path plan = dir.write("plan.cf", "old");
        ASSERT_EQ(::chmod(plan.c_str(), mode), 0);
        ASSERT_FALSE(files.writeFileAtomic(plan, "new").has_value());
        EXPECT_EQ(modeOf(plan), mode);
        EXPECT_EQ(dir.read("plan.cf"), "new");
        fs::remove(plan);
    }
    ASSERT_FALSE(files.writeFileAtomic(dir.path() / "fresh.cf", "new").has_value());
    EXPECT_EQ(modeOf(dir.path() / "fresh.cf"), 0644U);  // 0666 less the umask

    // A copy made anew takes the bits of its source; a copy over a file keeps that file's bits.
    const fs::path catalogue = dir.write("ModelInfo.ini", "catalogue");
    ::chmod(catalogue.c_str(), 0600);
    ASSERT_FALSE(files.copyFile(catalogue, dir.path() / "OLD.ini").has_value());
    EXPECT_EQ(modeOf(dir.path() / "OLD.ini"), 0600U);
    ::chmod((dir.path() / "OLD.ini").c_str(), 0640);
    ASSERT_FALSE(files.copyFile(catalogue, dir.path() / "OLD.ini").has_value());
    EXPECT_EQ(modeOf(dir.path() / "OLD.ini"), 0640U);

    // A file renamed into place takes the bits of the file it replaces.
    const fs::path candidate = dir.write("candidate.ini", "next");
    ::chmod(candidate.c_str(), 0644);
    ASSERT_FALSE(files.renameFile(candidate, catalogue).has_value());
    EXPECT_EQ(modeOf(catalogue), 0600U);
    EXPECT_EQ(dir.read("ModelInfo.ini"), "next");
    ::umask(previousMask);
    EXPECT_TRUE(temporaryFilesIn(dir.path()).empty());
}

TEST(DurableSave, ALinkStaysALinkAndItsTargetGetsTheContents) {
    TempDir dir;
    fs::create_directories(dir.path() / "real");
    const fs::path target = dir.write("real/plan.cf", "old");
    ::chmod(target.c_str(), 0600);
    fs::create_symlink("real/plan.cf", dir.path() / "hop.cf");
    fs::create_symlink("hop.cf", dir.path() / "plan.cf");  // two links in a row
    fs::create_symlink(dir.path() / "real" / "new.cf", dir.path() / "dangling.cf");
    LocalFileSystem files;

    ASSERT_FALSE(files.writeFileAtomic(dir.path() / "plan.cf", "new").has_value());
    EXPECT_TRUE(fs::is_symlink(dir.path() / "plan.cf"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "hop.cf"));
    EXPECT_EQ(dir.read("real/plan.cf"), "new");
    EXPECT_EQ(modeOf(target), 0600U);

    ASSERT_FALSE(files.writeFileAtomic(dir.path() / "dangling.cf", "made").has_value());
    EXPECT_TRUE(fs::is_symlink(dir.path() / "dangling.cf"));
    EXPECT_EQ(dir.read("real/new.cf"), "made");

    // The copy to OLD.ini and the rename into place keep links as well.
    fs::create_symlink("real/plan.cf", dir.path() / "OLD.ini");
    const fs::path source = dir.write("ModelInfo.ini", "catalogue");
    ASSERT_FALSE(files.copyFile(source, dir.path() / "OLD.ini").has_value());
    EXPECT_TRUE(fs::is_symlink(dir.path() / "OLD.ini"));
    EXPECT_EQ(dir.read("real/plan.cf"), "catalogue");
    ASSERT_FALSE(files.renameFile(dir.write("~tmp.ini", "renamed"), dir.path() / "OLD.ini"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "OLD.ini"));
    EXPECT_EQ(dir.read("real/plan.cf"), "renamed");
    EXPECT_TRUE(temporaryFilesIn(dir.path()).empty());
    EXPECT_TRUE(temporaryFilesIn(dir.path() / "real").empty());

    // A link that leads to a pipe (or a device) never has it replaced.
    ASSERT_EQ(::mkfifo((dir.path() / "pipe").c_str(), 0600), 0);
    fs::create_symlink("pipe", dir.path() / "piped.cf");
    const auto refused = files.writeFileAtomic(dir.path() / "piped.cf", "new");
    ASSERT_TRUE(refused.has_value());
    EXPECT_NE(refused->description.find("not a regular file"), std::string::npos);
    EXPECT_TRUE(fs::is_fifo(dir.path() / "pipe"));
    EXPECT_TRUE(files.renameFile(dir.write("x.ini", "x"), dir.path() / "piped.cf").has_value());
    EXPECT_TRUE(fs::is_fifo(dir.path() / "pipe"));
}

TEST(DurableSave, SyncsTheFileBeforeTheRenameAndTheFolderAfterWhileHoldingItsLock) {
    TempDir dir;
    const fs::path plan = dir.write("plan.cf", "old");
    std::vector<std::string> log;
    PosixCalls calls = realPosixCalls();
    const PosixCalls real = realPosixCalls();
    calls.write = [&](int fd, const void* data, std::size_t size) {
        // Nobody else can lock the temporary file while it is written.
        for (const std::string& name : temporaryFilesIn(dir.path())) {
            const int other = ::open((dir.path() / name).c_str(), O_RDONLY | O_CLOEXEC);
            log.push_back(::flock(other, LOCK_EX | LOCK_NB) == 0 ? "unlocked" : "locked");
            ::close(other);
        }
        return real.write(fd, data, size);
    };
    calls.fsync = [&](int fd) {
        log.push_back(isFolder(fd) ? "sync folder" : "sync file");
        return real.fsync(fd);
    };
    calls.rename = [&](const char* from, const char* to) {
        log.push_back("rename");
        return real.rename(from, to);
    };
    LocalFileSystem files(calls);
    ASSERT_FALSE(files.writeFileAtomic(plan, "new").has_value());
    EXPECT_EQ(log, (std::vector<std::string>{"locked", "sync file", "rename", "sync folder"}));

    log.clear();
    ASSERT_FALSE(files.renameFile(dir.write("~tmp.ini", "x"), dir.path() / "ModelInfo.ini"));
    EXPECT_EQ(log, (std::vector<std::string>{"sync file", "rename", "sync folder"}));
}

struct InjectedFailure {
    const char* what;
    std::function<bool(int fd, const char* path)> fails;  // which call fails
    const char* call;                                     // "open", "write", ...
    int error;
    int number;        // the error number reported
    const char* says;  // part of the description
    bool replaced;     // the target has the new contents afterwards
};

void PrintTo(const InjectedFailure& c, std::ostream* os) {
    *os << c.what;
}

class InjectedFailureTest : public ::testing::TestWithParam<InjectedFailure> {};

// Runs a save with one call failing the way a full disk, a broken device or a refused permission
// would (as root, no permission bit can refuse anything).
TEST_P(InjectedFailureTest, IsReportedAndLeavesTheOldFileOrTheNewOneWhole) {
    const InjectedFailure& c = GetParam();
    TempDir dir;
    const fs::path plan = dir.write("plan.cf", "old");
    const PosixCalls real = realPosixCalls();
    PosixCalls calls = real;
    const std::string call = c.call;
    const auto failing = [&](int fd, const char* path) {
        if (!c.fails(fd, path)) return false;
        errno = c.error;
        return true;
    };
    calls.open = [&](const char* path, int flags, unsigned mode) {
        return call == "open" && failing(-1, path) ? -1 : real.open(path, flags, mode);
    };
    calls.write = [&](int fd, const void* data, std::size_t size) -> long {
        return call == "write" && failing(fd, nullptr) ? -1 : real.write(fd, data, size);
    };
    calls.fsync = [&](int fd) {
        return call == "fsync" && failing(fd, nullptr) ? -1 : real.fsync(fd);
    };
    calls.fchmod = [&](int fd, unsigned mode) {
        return call == "fchmod" && failing(fd, nullptr) ? -1 : real.fchmod(fd, mode);
    };
    calls.rename = [&](const char* from, const char* to) {
        return call == "rename" && failing(-1, to) ? -1 : real.rename(from, to);
    };
    LocalFileSystem files(calls);

    const auto error = files.writeFileAtomic(plan, "new");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number(), c.number) << error->description;
    EXPECT_NE(error->description.find(c.says), std::string::npos) << error->description;
    EXPECT_NE(error->description.find(plan.string()), std::string::npos) << error->description;
    EXPECT_EQ(dir.read("plan.cf"), c.replaced ? "new" : "old");
    EXPECT_TRUE(temporaryFilesIn(dir.path()).empty());
}

const auto kAny = [](int, const char*) { return true; };
const auto kFile = [](int fd, const char*) { return !isFolder(fd); };
const auto kFolder = [](int fd, const char* path) {
    return path != nullptr ? fs::is_directory(path) : isFolder(fd);
};

INSTANTIATE_TEST_SUITE_P(
    Calls, InjectedFailureTest,
    ::testing::Values(
        InjectedFailure{"temporary file refused", kAny, "open", EACCES, 70,
                        "cannot create a file beside", false},
        InjectedFailure{"disk full while writing", kAny, "write", ENOSPC, 61, "cannot write",
                        false},
        InjectedFailure{"file sync fails", kFile, "fsync", EIO, 57, "cannot write", false},
        InjectedFailure{"bits cannot be kept", kAny, "fchmod", EPERM, 70, "permissions", false},
        InjectedFailure{"rename refused", kAny, "rename", EACCES, 70, "cannot replace", false},
        InjectedFailure{"folder sync fails", kFolder, "fsync", EIO, 57, "folder", true},
        InjectedFailure{"folder cannot be opened", kFolder, "open", EACCES, 70, "folder", true}));

TEST(TemporaryFiles, ASaveRemovesTheStaleOnesOfItsTargetOnly) {
    TempDir dir;
    const std::string mine = temporaryFileName("plan.cf", 1);
    const std::string held = temporaryFileName("plan.cf", 2);
    const std::string other = temporaryFileName("hall.cf", 3);
    for (const std::string& name : {mine, held, other, std::string("plan.cf.0123456789ab.tmp"),
                                    std::string("plan.cf.tmp"), std::string("notes.tmp")}) {
        dir.write(name, "left over");
    }
    const HeldFile inUse(dir.path() / held);  // a save of another process still writing it
    LocalFileSystem files;
    ASSERT_FALSE(files.writeFileAtomic(dir.path() / "plan.cf", "new").has_value());
    EXPECT_FALSE(fs::exists(dir.path() / mine));
    EXPECT_FALSE(fs::exists(dir.path() / "plan.cf.0123456789ab.tmp"));  // an earlier release's
    EXPECT_TRUE(fs::exists(dir.path() / held));
    EXPECT_TRUE(fs::exists(dir.path() / other));
    EXPECT_TRUE(fs::exists(dir.path() / "plan.cf.tmp"));  // not ours
    EXPECT_TRUE(fs::exists(dir.path() / "notes.tmp"));

    // Tidying the folder removes every stale one of ours and nothing else.
    ASSERT_FALSE(files.removeStaleTemporaryFiles(dir.path()).has_value());
    EXPECT_TRUE(fs::exists(dir.path() / held));
    EXPECT_FALSE(fs::exists(dir.path() / other));
    EXPECT_TRUE(fs::exists(dir.path() / "notes.tmp"));
    EXPECT_TRUE(files.removeStaleTemporaryFiles(dir.path() / "missing").has_value());
}

TEST(TemporaryFiles, NamesAreRecognisedAndFitTheNameLimit) {
    const std::string longName(300, 'x');
    const std::string name = temporaryFileName(longName, 0xABC);
    EXPECT_LE(name.size(), 255u);
    EXPECT_TRUE(isTemporaryFileNameFor(name, longName));
    EXPECT_TRUE(isTemporaryFileName(temporaryFileName("a.cf", 0)));
    EXPECT_FALSE(isTemporaryFileNameFor(temporaryFileName("a.cf", 0), "b.cf"));
    for (const char* plain : {".a.cf.projcalc-0123456789aX.tmp", "a.cf.projcalc-0123456789ab.tmp",
                              ".a.cf.projcalc-0123456789ab.tmpx", ".projcalc-0123456789ab"}) {
        EXPECT_FALSE(isTemporaryFileName(plain)) << plain;
    }

    MemoryFileSystem memory;
    memory.files["/d/" + temporaryFileName("a.cf", 5)] = "x";
    memory.files["/d/a.cf"] = "y";
    ASSERT_FALSE(memory.removeStaleTemporaryFiles("/d").has_value());
    EXPECT_EQ(memory.files.size(), 1u);
}

TEST(FolderLock, WaitsForAnotherProcessAndIsFreedWhenThatProcessDies) {
    TempDir dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        const auto lock = localFileSystem().lockFolder(dir.path());
        const auto* held = std::get_if<FolderLock>(&lock);
        if (held == nullptr || !held->held()) ::_exit(1);
        (void)!::write(ready[1], "x", 1);
        ::pause();  // until killed
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    auto taken = std::async(std::launch::async, [&] {
        const auto lock = localFileSystem().lockFolder(dir.path());
        const auto* held = std::get_if<FolderLock>(&lock);
        return held != nullptr && held->held();
    });
    EXPECT_EQ(taken.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ASSERT_EQ(taken.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_TRUE(taken.get());
    ::close(ready[0]);
    ::close(ready[1]);

    MemoryFileSystem memory;
    auto first = memory.lockFolder("/d");
    ASSERT_TRUE(std::holds_alternative<FolderLock>(first));
    EXPECT_TRUE(std::holds_alternative<AppError>(memory.lockFolder("/d")));
    std::get<FolderLock>(first).release();
    EXPECT_TRUE(std::holds_alternative<FolderLock>(memory.lockFolder("/d")));
}

// A lock held by a copy that no longer answers is given up after the patience, with words that
// name the folder; other failures are reported at once and an interrupted wait goes on.
TEST(FolderLock, GivesUpAfterItsPatienceAndSaysWhy) {
    struct Case {
        const char* name;
        std::vector<int> flockErrors;  // errno of each call in turn, 0 taking the lock
        bool held;
        const char* words;
    };
    const int busy = EWOULDBLOCK;
    const Case cases[] = {
        {"taken at once", {0}, true, ""},
        {"interrupted, then taken", {EINTR, 0}, true, ""},
        {"busy a while, then taken", {busy, busy, 0}, true, ""},
        {"busy for good", {busy}, false, "Another copy of the program is still changing"},
        {"a device error", {EIO}, false, "The disk could not be read or written."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        PosixCalls calls = realPosixCalls();
        std::size_t call = 0;
        calls.flock = [&](int, int operation) {
            EXPECT_NE(operation & LOCK_NB, 0);
            const int error = c.flockErrors[std::min(call++, c.flockErrors.size() - 1)];
            errno = error;
            return error == 0 ? 0 : -1;
        };
        const auto lock = lockFolder(dir.path(), calls, std::chrono::milliseconds(60));
        const auto* held = std::get_if<FolderLock>(&lock);
        const auto* error = std::get_if<AppError>(&lock);
        EXPECT_EQ(held != nullptr && held->held(), c.held);
        EXPECT_EQ(error != nullptr, !c.held);
        if (error) {
            EXPECT_NE(error->description.find(c.words), std::string::npos) << error->description;
            EXPECT_NE(error->description.find(dir.path().filename().string()), std::string::npos)
                << error->description;
        }
    }
}

}  // namespace
}  // namespace projcalc
