#pragma once

#include <QLockFile>
#include <QString>

namespace projcalc::app {

// One running copy of the program per user: a lock file in the user's runtime folder. A lock
// left behind by a copy that crashed is recognised as stale (its process is gone) and taken over.
class SingleInstance {
  public:
    enum class Result {
        Acquired,     // this is the only copy
        HeldByOther,  // another copy runs
        Unavailable,  // no lock could be made (unwritable folder): the program runs anyway
    };

    // The lock file `projcalc.lock` in `folder`.
    explicit SingleInstance(const QString& folder);

    [[nodiscard]] Result acquire();
    // Whether this copy holds the lock.
    [[nodiscard]] bool isLocked() const { return lock_.isLocked(); }
    [[nodiscard]] const QString& path() const noexcept { return path_; }

  private:
    QString path_;
    QLockFile lock_;
};

// The user's runtime folder ($XDG_RUNTIME_DIR on Linux).
[[nodiscard]] QString runtimeFolder();

}  // namespace projcalc::app
