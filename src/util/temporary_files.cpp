#include "util/temporary_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <system_error>
#include <vector>

#include "util/folder_lock.h"
#include "util/paths.h"
#include "util/posix_calls.h"

namespace projcalc {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kNameLimit = 255;  // NAME_MAX of the usual Linux file systems
constexpr std::string_view kMarker = ".projcalc-";
constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kUniqueDigits = 12;
constexpr std::size_t kOverhead = 1 + kMarker.size() + kUniqueDigits + kSuffix.size();
// How long start-up waits for a folder being changed by another copy before it leaves the tidying.
constexpr std::chrono::milliseconds kTidyPatience{2000};

bool isHexDigits(std::string_view text) noexcept {
    if (text.size() != kUniqueDigits) return false;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

std::string_view keptTargetName(std::string_view targetName) noexcept {
    return targetName.substr(0, kNameLimit - kOverhead);
}

// A file of ours that nobody holds is removed; the lock taken here keeps a writer that opened
// the same file a moment ago from going on with it (it finds its name gone and picks another).
void removeIfStale(const fs::path& path, const PosixCalls& calls) {
    const int fd = calls.open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0);
    if (fd < 0) return;
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
        calls.flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0 &&
        named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
        (void)calls.unlink(path.c_str());
    }
    ::close(fd);
}

}  // namespace

std::string temporaryFileName(std::string_view targetName, std::uint64_t unique) {
    char digits[kUniqueDigits + 1];
    std::snprintf(digits, sizeof digits, "%012llx",
                  static_cast<unsigned long long>(unique & 0xFFFFFFFFFFFFULL));
    std::string name = ".";
    name += keptTargetName(targetName);
    name += kMarker;
    name += digits;
    name += kSuffix;
    return name;
}

bool isTemporaryFileName(std::string_view name) noexcept {
    if (name.size() < kOverhead || name.front() != '.' || !name.ends_with(kSuffix)) return false;
    const std::string_view unique =
        name.substr(name.size() - kSuffix.size() - kUniqueDigits, kUniqueDigits);
    const std::string_view marker =
        name.substr(name.size() - kSuffix.size() - kUniqueDigits - kMarker.size(), kMarker.size());
    return marker == kMarker && isHexDigits(unique);
}

bool isTemporaryFileNameFor(std::string_view name, std::string_view targetName) noexcept {
    if (targetName.empty()) return false;
    const std::string_view kept = keptTargetName(targetName);
    if (isTemporaryFileName(name) && name.size() == kOverhead + kept.size() &&
        name.substr(1, kept.size()) == kept) {
        return true;
    }
    // Earlier releases wrote "<target>.<12 hexadecimal digits>.tmp".
    const std::size_t legacySize = targetName.size() + 1 + kUniqueDigits + kSuffix.size();
    return name.size() == legacySize && name.starts_with(targetName) &&
           name[targetName.size()] == '.' &&
           isHexDigits(name.substr(targetName.size() + 1, kUniqueDigits)) &&
           name.ends_with(kSuffix);
}

std::optional<AppError> removeStaleTemporaryFiles(const fs::path& folder, const PosixCalls& calls,
                                                  std::string_view targetName) {
    std::error_code ec;
    const fs::path listed = folder.empty() ? fs::path(".") : folder;
    fs::directory_iterator entries(listed, ec);
    if (ec) return fileError(ec, "cannot list the folder " + displayPath(listed.string()));
    std::vector<fs::path> candidates;
    for (; entries != fs::directory_iterator(); entries.increment(ec)) {
        const std::string name = entries->path().filename().string();
        const bool ours = targetName.empty() ? isTemporaryFileName(name)
                                             : isTemporaryFileNameFor(name, targetName);
        if (ours) candidates.push_back(entries->path());
    }
    if (candidates.empty()) return std::nullopt;
    // Tidying a whole folder waits a little for a catalogue replacement going on there, and is
    // left for another time when that takes longer; a folder that leaves nothing to tidy is not
    // touched at all (no lock file appears in it).
    Result<FolderLock> lock = FolderLock();
    if (targetName.empty()) {
        lock = lockFolder(listed, calls, kTidyPatience);
        if (std::holds_alternative<AppError>(lock)) return std::nullopt;
    }
    for (const fs::path& candidate : candidates)
        removeIfStale(candidate, calls);
    return std::nullopt;
}

std::optional<AppError> removeStaleTemporaryFiles(const fs::path& folder) {
    return removeStaleTemporaryFiles(folder, realPosixCalls());
}

}  // namespace projcalc
