#include "util/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>
#include <thread>

#include "util/paths.h"
#include "util/posix_calls.h"

namespace projcalc {

namespace {

constexpr std::chrono::milliseconds kLockRetry{20};

}  // namespace

Result<FolderLock> lockFolder(const std::filesystem::path& folder, const PosixCalls& calls,
                              std::chrono::milliseconds patience) {
    const std::filesystem::path path = folder / kFolderLockName;
    const auto failed = [&](int error) {
        return fileError(std::error_code(error, std::generic_category()),
                         "cannot lock the folder " + displayPath(folder.string()));
    };
    int fd = calls.open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    // A lock needs no write access: an existing lock file of a folder we may not write will do.
    if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS)) {
        fd = calls.open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW, 0);
    }
    if (fd < 0) return failed(errno);
    // A copy that holds the lock and has stopped answering must not stall this one for ever.
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (calls.flock(fd, LOCK_EX | LOCK_NB) == 0) break;
        const int error = errno;
        if (error == EINTR) continue;
        if (error == EWOULDBLOCK && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(kLockRetry);
            continue;
        }
        ::close(fd);
        if (error != EWOULDBLOCK) return failed(error);
        return describedError(ErrorCode::PathFileAccess,
                              "Another copy of the program is still changing this folder; try "
                              "again when it has finished.",
                              displayPath(folder.string()));
    }
    return FolderLock([fd] { ::close(fd); });
}

}  // namespace projcalc
