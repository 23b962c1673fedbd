#include "util/memory_file_system.h"

#include <algorithm>

#include "util/temporary_files.h"

namespace projcalc {

std::optional<AppError> MemoryFileSystem::failureFor(const std::filesystem::path& path) const {
    if (failing.count(path.string()) != 0) return failure;
    return std::nullopt;
}

Result<std::string> MemoryFileSystem::readFile(const std::filesystem::path& path) {
    if (auto error = failureFor(path)) return std::move(*error);
    const auto it = files.find(path.string());
    if (it == files.end()) return makeError(ErrorCode::FileNotFound, path.string());
    return it->second;
}

std::optional<AppError> MemoryFileSystem::writeFileAtomic(const std::filesystem::path& path,
                                                          std::string_view contents) {
    if (auto error = failureFor(path)) return error;
    files[path.string()] = std::string(contents);
    return std::nullopt;
}

std::optional<AppError> MemoryFileSystem::copyFile(const std::filesystem::path& from,
                                                   const std::filesystem::path& to) {
    auto contents = readFile(from);
    if (auto* error = std::get_if<AppError>(&contents)) return std::move(*error);
    return writeFileAtomic(to, std::get<std::string>(contents));
}

std::optional<AppError> MemoryFileSystem::renameFile(const std::filesystem::path& from,
                                                     const std::filesystem::path& to) {
    if (auto error = failureFor(from)) return error;
    if (auto error = failureFor(to)) return error;
    const auto it = files.find(from.string());
    if (it == files.end()) return makeError(ErrorCode::FileNotFound, from.string());
    std::string contents = std::move(it->second);
    files.erase(it);
    files[to.string()] = std::move(contents);
    return std::nullopt;
}

std::optional<AppError> MemoryFileSystem::removeFile(const std::filesystem::path& path) {
    if (auto error = failureFor(path)) return error;
    files.erase(path.string());
    return std::nullopt;
}

bool MemoryFileSystem::fileExists(const std::filesystem::path& path) {
    return files.count(path.string()) != 0;
}

// A folder is there while a file lies somewhere inside it.
EntryKind MemoryFileSystem::kindOf(const std::filesystem::path& path) {
    if (fileExists(path)) return EntryKind::File;
    const std::string inside = (path / "").string();
    const auto it = files.lower_bound(inside);
    return it != files.end() && it->first.compare(0, inside.size(), inside) == 0
               ? EntryKind::Folder
               : EntryKind::Nothing;
}

std::vector<std::string> MemoryFileSystem::folderEntries(const std::filesystem::path& folder) {
    const std::string inside = (folder / "").string();
    std::vector<std::string> names;
    for (auto it = files.lower_bound(inside);
         it != files.end() && it->first.compare(0, inside.size(), inside) == 0; ++it) {
        const std::string rest = it->first.substr(inside.size());
        names.push_back(rest.substr(0, rest.find('/')));
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::optional<AppError> MemoryFileSystem::createFolder(const std::filesystem::path& path) {
    return failureFor(path);
}

// No save in memory is ever interrupted, so every temporary file of ours is stale.
std::optional<AppError> MemoryFileSystem::removeStaleTemporaryFiles(
    const std::filesystem::path& folder) {
    if (auto error = failureFor(folder)) return error;
    for (auto it = files.begin(); it != files.end();) {
        const std::filesystem::path path(it->first);
        if (path.parent_path() == folder && isTemporaryFileName(path.filename().string())) {
            it = files.erase(it);
        } else {
            ++it;
        }
    }
    return std::nullopt;
}

Result<FolderLock> MemoryFileSystem::lockFolder(const std::filesystem::path& folder) {
    if (auto error = failureFor(folder)) return std::move(*error);
    const std::string key = folder.string();
    if (!lockedFolders.insert(key).second) {
        return makeError(ErrorCode::PermissionDenied, "the folder " + key + " is locked");
    }
    return FolderLock([this, key] { lockedFolders.erase(key); });
}

}  // namespace projcalc
