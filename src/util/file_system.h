#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "util/errors.h"
#include "util/folder_lock.h"

namespace projcalc {

struct PosixCalls;

// What a path leads to.
enum class EntryKind { Nothing, File, Folder, Other };

// The few file operations the program performs, behind one seam so that tests can make any of
// them fail. Every failure comes back as an error that names the file concerned.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Reads a whole file.
    [[nodiscard]] virtual Result<std::string> readFile(const std::filesystem::path& path) = 0;
    // Writes a whole file so that an existing file at `path` is replaced only once the new one is
    // complete and on disk: a temporary file beside it is written, synced and renamed over it,
    // and the folder synced. A link at `path` stays a link and its target gets the contents; the
    // replaced file's permission bits stay. On failure the old file is untouched and the
    // temporary file is removed. Temporary files that earlier saves of the same target left
    // behind are removed.
    [[nodiscard]] virtual std::optional<AppError> writeFileAtomic(const std::filesystem::path& path,
                                                                  std::string_view contents) = 0;
    // Copies a file as writeFileAtomic writes one; a new file `to` gets the permission bits of
    // `from`.
    [[nodiscard]] virtual std::optional<AppError> copyFile(const std::filesystem::path& from,
                                                           const std::filesystem::path& to) = 0;
    // Renames a file over another as durably as writeFileAtomic, keeping a link at `to` and the
    // permission bits of the file it replaces.
    [[nodiscard]] virtual std::optional<AppError> renameFile(const std::filesystem::path& from,
                                                             const std::filesystem::path& to) = 0;
    [[nodiscard]] virtual std::optional<AppError> removeFile(const std::filesystem::path& path) = 0;
    // True when a regular file exists at `path` (a folder is not a file).
    [[nodiscard]] virtual bool fileExists(const std::filesystem::path& path) = 0;
    // What is at `path`, links followed.
    [[nodiscard]] virtual EntryKind kindOf(const std::filesystem::path& path) = 0;
    // The names of the entries of a folder, sorted; none when it cannot be read.
    [[nodiscard]] virtual std::vector<std::string> folderEntries(
        const std::filesystem::path& folder) = 0;
    // Creates a folder and the folders above it that are missing.
    [[nodiscard]] virtual std::optional<AppError> createFolder(
        const std::filesystem::path& path) = 0;
    // Removes the temporary files that interrupted saves left in a folder (temporary_files.h);
    // those of saves still running stay.
    [[nodiscard]] virtual std::optional<AppError> removeStaleTemporaryFiles(
        const std::filesystem::path& folder) = 0;
    // Takes the exclusive lock of a folder (folder_lock.h), waiting while another process holds
    // it.
    [[nodiscard]] virtual Result<FolderLock> lockFolder(const std::filesystem::path& folder) = 0;
};

// The real file system.
class LocalFileSystem final : public FileSystem {
  public:
    LocalFileSystem();
    // The real file system reached through other calls, for tests that make calls fail.
    explicit LocalFileSystem(const PosixCalls& calls);
    ~LocalFileSystem() override;

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
    std::unique_ptr<const PosixCalls> calls_;
};

// The process's one real file system.
[[nodiscard]] FileSystem& localFileSystem();

}  // namespace projcalc
