#pragma once

#include <cerrno>
#include <functional>
#include <string>
#include <system_error>

#include "util/file_system.h"

namespace projcalc {

// The real file system, except that chosen operations on chosen paths fail the way a full disk,
// a read-only folder or a broken device would.
class FailingFileSystem final : public FileSystem {
  public:
    enum class Operation { Read, Write, Copy, Rename, Remove, CreateFolder, Tidy, Lock };
    // Decides whether an operation on a path fails; it fails with `errorNumber`.
    std::function<bool(Operation, const std::filesystem::path&)> fails =
        [](Operation, const std::filesystem::path&) { return false; };
    int errorNumber = EACCES;

    Result<std::string> readFile(const std::filesystem::path& path) override {
        if (auto error = failure(Operation::Read, path)) return std::move(*error);
        return real_.readFile(path);
    }
    std::optional<AppError> writeFileAtomic(const std::filesystem::path& path,
                                            std::string_view contents) override {
        if (auto error = failure(Operation::Write, path)) return error;
        return real_.writeFileAtomic(path, contents);
    }
    std::optional<AppError> copyFile(const std::filesystem::path& from,
                                     const std::filesystem::path& to) override {
        if (auto error = failure(Operation::Copy, to)) return error;
        return real_.copyFile(from, to);
    }
    std::optional<AppError> renameFile(const std::filesystem::path& from,
                                       const std::filesystem::path& to) override {
        if (auto error = failure(Operation::Rename, to)) return error;
        return real_.renameFile(from, to);
    }
    std::optional<AppError> removeFile(const std::filesystem::path& path) override {
        if (auto error = failure(Operation::Remove, path)) return error;
        return real_.removeFile(path);
    }
    bool fileExists(const std::filesystem::path& path) override { return real_.fileExists(path); }
    EntryKind kindOf(const std::filesystem::path& path) override { return real_.kindOf(path); }
    std::vector<std::string> folderEntries(const std::filesystem::path& folder) override {
        return real_.folderEntries(folder);
    }
    std::optional<AppError> createFolder(const std::filesystem::path& path) override {
        if (auto error = failure(Operation::CreateFolder, path)) return error;
        return real_.createFolder(path);
    }

    std::optional<AppError> removeStaleTemporaryFiles(
        const std::filesystem::path& folder) override {
        if (auto error = failure(Operation::Tidy, folder)) return error;
        return real_.removeStaleTemporaryFiles(folder);
    }
    Result<FolderLock> lockFolder(const std::filesystem::path& folder) override {
        if (auto error = failure(Operation::Lock, folder)) return std::move(*error);
        return real_.lockFolder(folder);
    }

  private:
    std::optional<AppError> failure(Operation operation, const std::filesystem::path& path) {
        if (!fails(operation, path)) return std::nullopt;
        return fileError(std::error_code(errorNumber, std::generic_category()), path.string());
    }
    LocalFileSystem real_;
};

}  // namespace projcalc
