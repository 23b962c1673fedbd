#pragma once

#include <cstddef>
#include <functional>

namespace projcalc {

// The POSIX calls through which the local file system creates, locks, writes, syncs and renames
// files. They are gathered here so that tests can make any one of them fail the way a full disk,
// a broken device or a refused permission would. Each behaves as the call of the same name: -1
// with errno set on failure. Modes and ids are the plain numbers the system calls take.
struct PosixCalls {
    std::function<int(const char* path, int flags, unsigned mode)> open;
    std::function<long(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(int fd, unsigned mode)> fchmod;
    std::function<int(int fd, unsigned owner, unsigned group)> fchown;
    std::function<int(int fd, int operation)> flock;
    std::function<int(const char* from, const char* to)> rename;
    std::function<int(const char* path)> unlink;
};

// The calls of the running system.
[[nodiscard]] PosixCalls realPosixCalls();

}  // namespace projcalc
