#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <utility>

#include "util/errors.h"

namespace projcalc {

struct PosixCalls;

// The file in a folder whose lock stands for the whole folder. It stays when the lock is
// released: removing it could let two processes hold locks on two different files of that name.
inline constexpr const char* kFolderLockName = ".projcalc-folder.lock";

// An exclusive lock on a folder, held until it is released or destroyed. For the real file
// system it is a flock on the folder's lock file, so the system releases it when the process
// ends in any way; other processes that ask for it wait until then.
class FolderLock {
  public:
    FolderLock() = default;
    // A held lock that `release` gives back.
    explicit FolderLock(std::function<void()> release) : release_(std::move(release)) {}
    FolderLock(FolderLock&& other) noexcept : release_(std::exchange(other.release_, nullptr)) {}
    FolderLock& operator=(FolderLock&& other) noexcept {
        if (this != &other) {
            release();
            release_ = std::exchange(other.release_, nullptr);
        }
        return *this;
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock() { release(); }

    [[nodiscard]] bool held() const noexcept { return static_cast<bool>(release_); }
    void release() noexcept {
        if (auto give = std::exchange(release_, nullptr)) give();
    }

  private:
    std::function<void()> release_;
};

// How long a lock is waited for before the operation gives up and says why.
inline constexpr std::chrono::milliseconds kFolderLockPatience{10'000};

// Takes the exclusive lock of `folder` on the real file system, waiting while another process
// holds it, for at most `patience`. A folder this process cannot write, and whose lock file does
// not exist yet, cannot be locked (Permission denied); nobody without more rights can change such
// a folder either.
[[nodiscard]] Result<FolderLock> lockFolder(
    const std::filesystem::path& folder, const PosixCalls& calls,
    std::chrono::milliseconds patience = kFolderLockPatience);

}  // namespace projcalc
