#include "util/posix_calls.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace projcalc {

PosixCalls realPosixCalls() {
    PosixCalls calls;
    calls.open = [](const char* path, int flags, unsigned mode) {
        return ::open(path, flags, static_cast<mode_t>(mode));
    };
    calls.write = [](int fd, const void* data, std::size_t size) -> long {
        return ::write(fd, data, size);
    };
    calls.fsync = [](int fd) { return ::fsync(fd); };
    calls.fchmod = [](int fd, unsigned mode) { return ::fchmod(fd, static_cast<mode_t>(mode)); };
    calls.fchown = [](int fd, unsigned owner, unsigned group) {
        return ::fchown(fd, static_cast<uid_t>(owner), static_cast<gid_t>(group));
    };
    calls.flock = [](int fd, int operation) { return ::flock(fd, operation); };
    calls.rename = [](const char* from, const char* to) { return std::rename(from, to); };
    calls.unlink = [](const char* path) { return ::unlink(path); };
    return calls;
}

}  // namespace projcalc
