#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <string>

namespace projcalc::app {

namespace {

// Tries to take the lock a few times: the copy that held it may remove the file just as it is
// opened here, and a lock on a removed file keeps out nobody.
constexpr int kAttempts = 5;

}  // namespace

SingleInstance::SingleInstance(const QString& folder)
    : path_(QDir(folder).filePath(QString::fromLatin1(kLockFileName))),
      encodedPath_(QFile::encodeName(path_)) {}

SingleInstance::~SingleInstance() {
    release();
}

SingleInstance::Result SingleInstance::acquire() {
    if (isLocked()) return Result::Acquired;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int fd =
            ::open(encodedPath_.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) return Result::Unavailable;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? Result::HeldByOther : Result::Unavailable;
        }
        struct stat locked {};
        struct stat named {};
        if (::fstat(fd, &locked) == 0 && ::lstat(encodedPath_.constData(), &named) == 0 &&
            locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
            // The number over what a crashed copy left, then cut to its length. Emptied first,
            // the file would be written out to disk when it is closed (ext4's guard for files
            // rewritten in place), which here is when it is removed at the end: a disk write and
            // a discard on every run, for a file that lives as long as the window.
            const std::string pid = std::to_string(::getpid()) + "\n";
            const auto length = static_cast<off_t>(pid.size());
            const bool written = ::pwrite(fd, pid.data(), pid.size(), 0) == length;
            (void)!::ftruncate(fd, written ? length : 0);
            fd_ = fd;
            return Result::Acquired;
        }
        ::close(fd);
    }
    return Result::HeldByOther;
}

void SingleInstance::release() noexcept {
    if (fd_ < 0) return;
    // Removed while still locked, so that no later start takes a lock on a file about to go.
    ::unlink(encodedPath_.constData());
    ::close(fd_);
    fd_ = -1;
}

long long SingleInstance::holderProcess() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    bool ok = false;
    const long long pid = file.readLine(32).trimmed().toLongLong(&ok);
    return ok ? pid : 0;
}

QString runtimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

}  // namespace projcalc::app
