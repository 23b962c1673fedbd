#include "util/durable_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <random>
#include <string>
#include <system_error>
#include <utility>

#include "util/paths.h"
#include "util/posix_calls.h"
#include "util/temporary_files.h"

namespace projcalc {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40;       // as many as the system follows (ELOOP)
constexpr int kNameAttempts = 100;  // unique names that may be taken before a save gives up

// A file descriptor closed when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) noexcept : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }

    [[nodiscard]] int get() const noexcept { return fd_; }
    void close() noexcept {
        if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    }

  private:
    int fd_;
};

std::error_code errnoCode(int error) {
    return {error, std::generic_category()};
}

fs::path folderOf(const fs::path& file) {
    fs::path folder = file.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

std::uint64_t uniqueNumber() {
    thread_local std::mt19937_64 generator{std::random_device{}()};
    return generator();
}

bool sameFile(const struct stat& a, const struct stat& b) noexcept {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Writes the folder's entries to disk, so that a rename in it survives a power cut. File systems
// that cannot sync a folder say EINVAL; they have nothing to sync.
std::optional<AppError> syncFolder(const PosixCalls& calls, const fs::path& folder,
                                   const std::string& shown) {
    const auto failed = [&](int error) {
        return fileError(errnoCode(error), "cannot write the folder of " + shown + " to disk");
    };
    const Descriptor fd(calls.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    if (fd.get() < 0) return failed(errno);
    if (calls.fsync(fd.get()) != 0 && errno != EINVAL) return failed(errno);
    return std::nullopt;
}

bool writeAll(const PosixCalls& calls, int fd, std::string_view data) {
    while (!data.empty()) {
        const long written = calls.write(fd, data.data(), data.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Gives a file the owner (where this process may) and the permission bits of the file it is
// about to replace. The owner comes first: changing it clears set-id bits.
bool adoptAttributes(const PosixCalls& calls, int fd, const struct stat& replaced) {
    struct stat own {};
    if (::fstat(fd, &own) == 0 &&
        (own.st_uid != replaced.st_uid || own.st_gid != replaced.st_gid)) {
        (void)calls.fchown(fd, replaced.st_uid, replaced.st_gid);
    }
    return calls.fchmod(fd, replaced.st_mode & 07777) == 0;
}

// A new temporary file of ours beside the target, created exclusively and locked. A name whose
// file a tidy-up of another process holds or has just removed is given up for another.
std::optional<AppError> createTemporary(const PosixCalls& calls, const fs::path& folder,
                                        const std::string& targetName, unsigned mode,
                                        const std::string& shown, fs::path& path, Descriptor& fd) {
    const auto failed = [&](int error) {
        return fileError(errnoCode(error), "cannot create a file beside " + shown);
    };
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path = folder / temporaryFileName(targetName, uniqueNumber());
        fd = Descriptor(
            calls.open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode));
        if (fd.get() < 0) {
            if (errno == EEXIST) continue;
            return failed(errno);
        }
        if (calls.flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error == EWOULDBLOCK) continue;  // a tidy-up holds it and removes it
            fd.close();
            (void)calls.unlink(path.c_str());
            return failed(error);
        }
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd.get(), &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
            sameFile(opened, named)) {
            return std::nullopt;
        }
    }
    return failed(EEXIST);
}

}  // namespace

Result<fs::path> followLinks(const fs::path& path) {
    fs::path target = path;
    for (int step = 0; step <= kMaxLinks; ++step) {
        struct stat entry {};
        if (::lstat(target.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode)) return target;
        std::error_code ec;
        const fs::path link = fs::read_symlink(target, ec);
        if (ec) return fileError(ec, "cannot follow the link " + displayPath(path.string()));
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return fileError(errnoCode(ELOOP), "cannot follow the link " + displayPath(path.string()));
}

std::optional<AppError> writeDurably(const PosixCalls& calls, const fs::path& path,
                                     std::string_view contents, unsigned newFileMode) {
    const std::string shown = displayPath(path.string());
    const Result<fs::path> followed = followLinks(path);
    if (const auto* error = std::get_if<AppError>(&followed)) return *error;
    const fs::path& target = std::get<fs::path>(followed);
    struct stat replaced {};
    const bool replaces = ::stat(target.c_str(), &replaced) == 0;
    if (replaces && S_ISDIR(replaced.st_mode)) {
        return makeError(ErrorCode::PathFileAccess, shown + " is a folder, not a file");
    }
    // A link may lead to a device or a pipe: nothing of that kind is ever replaced.
    if (replaces && !S_ISREG(replaced.st_mode)) {
        return makeError(ErrorCode::PathFileAccess, shown + " is not a regular file");
    }
    const fs::path folder = folderOf(target);
    const std::string targetName = target.filename().string();
    // Left by saves that were interrupted; removed now, their removal is synced with this save.
    (void)removeStaleTemporaryFiles(folder, calls, targetName);

    fs::path temp;
    Descriptor fd;
    // A file that replaces another gets its bits once it is ours alone; until then nobody else
    // may read it.
    if (auto error = createTemporary(calls, folder, targetName,
                                     replaces ? 0600U : (newFileMode & 07777U), shown, temp, fd)) {
        return error;
    }
    const auto fail = [&](std::string_view what) {
        const int error = errno;
        fd.close();
        (void)calls.unlink(temp.c_str());
        return fileError(errnoCode(error), std::string(what) + shown);
    };
    if (replaces && !adoptAttributes(calls, fd.get(), replaced)) {
        return fail("cannot give the new file the permissions of ");
    }
    if (!writeAll(calls, fd.get(), contents) || calls.fsync(fd.get()) != 0) {
        return fail("cannot write ");
    }
    if (calls.rename(temp.c_str(), target.c_str()) != 0) return fail("cannot replace ");
    fd.close();  // the lock is held until the file has its name
    return syncFolder(calls, folder, shown);
}

std::optional<AppError> renameDurably(const PosixCalls& calls, const fs::path& from,
                                      const fs::path& to) {
    const std::string shown =
        "cannot rename " + displayPath(from.string()) + " to " + displayPath(to.string());
    const Result<fs::path> followed = followLinks(to);
    if (const auto* error = std::get_if<AppError>(&followed)) return *error;
    const fs::path& target = std::get<fs::path>(followed);
    struct stat source {};
    if (::lstat(from.c_str(), &source) != 0) return fileError(errnoCode(errno), shown);
    Descriptor fd;
    if (S_ISREG(source.st_mode)) {
        fd = Descriptor(calls.open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW, 0));
        if (fd.get() < 0) return fileError(errnoCode(errno), shown);
        struct stat replaced {};
        const bool replaces = ::stat(target.c_str(), &replaced) == 0;
        if (replaces && !S_ISREG(replaced.st_mode)) {
            return makeError(ErrorCode::PathFileAccess,
                             shown + ": " + displayPath(to.string()) + " is not a regular file");
        }
        if (replaces && !adoptAttributes(calls, fd.get(), replaced)) {
            return fileError(errnoCode(errno), shown);
        }
        if (calls.fsync(fd.get()) != 0) return fileError(errnoCode(errno), shown);
    }
    if (calls.rename(from.c_str(), target.c_str()) != 0) {
        return fileError(errnoCode(errno), shown);
    }
    fd.close();
    const std::string shownTarget = displayPath(to.string());
    if (auto error = syncFolder(calls, folderOf(target), shownTarget)) return error;
    struct stat fromFolder {};
    struct stat toFolder {};
    if (::stat(folderOf(from).c_str(), &fromFolder) == 0 &&
        ::stat(folderOf(target).c_str(), &toFolder) == 0 && !sameFile(fromFolder, toFolder)) {
        return syncFolder(calls, folderOf(from), displayPath(from.string()));
    }
    return std::nullopt;
}

}  // namespace projcalc
