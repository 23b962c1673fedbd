#include "util/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "util/paths.h"
#include "util/posix_calls.h"

namespace projcalc {

std::optional<AppError> lockFolder(const std::filesystem::path& folder, FolderLock& lock,
                                   const PosixCalls& calls) {
    lock.release();
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
    int result = 0;
    do {
        result = calls.flock(fd, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        ::close(fd);
        return failed(error);
    }
    lock = FolderLock([fd] { ::close(fd); });
    return std::nullopt;
}

}  // namespace projcalc
