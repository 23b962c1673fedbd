#pragma once

#include <QByteArray>
#include <QString>

namespace projcalc::app {

// The names of the running copy's files in the user's runtime folder.
inline constexpr const char* kLockFileName = "projcalc.lock";
inline constexpr const char* kSocketFileName = "projcalc.socket";

// One running copy of the program per user: an exclusive flock on `projcalc.lock` in the user's
// runtime folder. The system releases the lock when its process ends in any way, so a lock file
// left by a copy that crashed is simply taken over; the process id written into the file is only
// there for people to read.
class SingleInstance {
  public:
    enum class Result {
        Acquired,     // this is the only copy
        HeldByOther,  // another copy runs
        Unavailable,  // no lock could be made (unwritable folder): the program runs anyway
    };

    // The lock file `projcalc.lock` in `folder`.
    explicit SingleInstance(const QString& folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    [[nodiscard]] Result acquire();
    // Whether this copy holds the lock.
    [[nodiscard]] bool isLocked() const noexcept { return fd_ >= 0; }
    // Removes the lock file and gives the lock up; nothing when this copy does not hold it.
    void release() noexcept;
    [[nodiscard]] const QString& path() const noexcept { return path_; }
    // The process id the holder wrote into the lock file, or 0.
    [[nodiscard]] long long holderProcess() const;

  private:
    QString path_;
    QByteArray encodedPath_;  // the path as the system takes it
    int fd_ = -1;
};

// The user's runtime folder ($XDG_RUNTIME_DIR on Linux).
[[nodiscard]] QString runtimeFolder();

}  // namespace projcalc::app
