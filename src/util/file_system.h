#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "util/errors.h"

namespace projcalc {

// The few file operations the program performs, behind one seam so that tests can make any of
// them fail. Every failure comes back as an error that names the file concerned.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Reads a whole file into `contents`.
    [[nodiscard]] virtual std::optional<AppError> readFile(const std::filesystem::path& path,
                                                           std::string& contents) = 0;
    // Writes a whole file so that an existing file at `path` is replaced only once the new one is
    // complete: a temporary file beside it is written, flushed and renamed over it. On failure the
    // old file is untouched and the temporary file is removed.
    [[nodiscard]] virtual std::optional<AppError> writeFileAtomic(const std::filesystem::path& path,
                                                                  std::string_view contents) = 0;
    [[nodiscard]] virtual std::optional<AppError> copyFile(const std::filesystem::path& from,
                                                           const std::filesystem::path& to) = 0;
    [[nodiscard]] virtual std::optional<AppError> renameFile(const std::filesystem::path& from,
                                                             const std::filesystem::path& to) = 0;
    [[nodiscard]] virtual std::optional<AppError> removeFile(const std::filesystem::path& path) = 0;
    // True when a regular file exists at `path` (a folder is not a file).
    [[nodiscard]] virtual bool fileExists(const std::filesystem::path& path) = 0;
    // Creates a folder and the folders above it that are missing.
    [[nodiscard]] virtual std::optional<AppError> createFolder(
        const std::filesystem::path& path) = 0;
};

// The real file system.
class LocalFileSystem final : public FileSystem {
  public:
    std::optional<AppError> readFile(const std::filesystem::path& path,
                                     std::string& contents) override;
    std::optional<AppError> writeFileAtomic(const std::filesystem::path& path,
                                            std::string_view contents) override;
    std::optional<AppError> copyFile(const std::filesystem::path& from,
                                     const std::filesystem::path& to) override;
    std::optional<AppError> renameFile(const std::filesystem::path& from,
                                       const std::filesystem::path& to) override;
    std::optional<AppError> removeFile(const std::filesystem::path& path) override;
    bool fileExists(const std::filesystem::path& path) override;
    std::optional<AppError> createFolder(const std::filesystem::path& path) override;
};

// The process's one real file system.
[[nodiscard]] FileSystem& localFileSystem();

}  // namespace projcalc
