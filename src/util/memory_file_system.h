#pragma once

#include <map>
#include <set>
#include <string>

#include "util/file_system.h"

namespace projcalc {

// A file system held in memory, for tests and fuzzing: files by their path text. Operations on
// paths listed in `failing` fail with the given error, so that any failure can be provoked.
// Folder locks are recorded in `lockedFolders`; as there is no other process to wait for, asking
// for a lock that is held fails. A lock must not outlive its file system.
class MemoryFileSystem final : public FileSystem {
  public:
    std::map<std::string, std::string> files;
    std::set<std::string> failing;  // paths whose every operation fails
    AppError failure = makeError(ErrorCode::DeviceIo, "injected failure");
    std::set<std::string> lockedFolders;

    Result<std::string> readFile(const std::filesystem::path& path) override;
    std::optional<AppError> writeFileAtomic(const std::filesystem::path& path,
                                            std::string_view contents) override;
    std::optional<AppError> copyFile(const std::filesystem::path& from,
                                     const std::filesystem::path& to) override;
    std::optional<AppError> renameFile(const std::filesystem::path& from,
                                       const std::filesystem::path& to) override;
    std::optional<AppError> removeFile(const std::filesystem::path& path) override;
    bool fileExists(const std::filesystem::path& path) override;
    EntryKind kindOf(const std::filesystem::path& path) override;
    std::vector<std::string> folderEntries(const std::filesystem::path& folder) override;
    std::optional<AppError> createFolder(const std::filesystem::path& path) override;
    std::optional<AppError> removeStaleTemporaryFiles(const std::filesystem::path& folder) override;
    Result<FolderLock> lockFolder(const std::filesystem::path& folder) override;

  private:
    [[nodiscard]] std::optional<AppError> failureFor(const std::filesystem::path& path) const;
};

}  // namespace projcalc
