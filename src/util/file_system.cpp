#include "util/file_system.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <system_error>

#include "util/durable_files.h"
#include "util/paths.h"
#include "util/posix_calls.h"
#include "util/temporary_files.h"

namespace projcalc {
namespace {

namespace fs = std::filesystem;

struct FileCloser {
    void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// No file the program reads (a catalogue, a language file, a calculation) comes near this size.
constexpr std::uintmax_t kMaxReadSize = 64ULL * 1024 * 1024;

std::error_code lastError() {
    return {errno, std::generic_category()};
}

std::string quoted(const fs::path& path) {
    return displayPath(path.string());
}

}  // namespace

LocalFileSystem::LocalFileSystem() : LocalFileSystem(realPosixCalls()) {}

LocalFileSystem::LocalFileSystem(const PosixCalls& calls)
    : calls_(std::make_unique<const PosixCalls>(calls)) {}

LocalFileSystem::~LocalFileSystem() = default;

Result<std::string> LocalFileSystem::readFile(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_directory(status)) {
        return describedError(ErrorCode::PathFileAccess, "This is a folder, not a file.",
                              quoted(path));
    }
    // A pipe or a device would never end or never fit: only regular files are read.
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        return describedError(ErrorCode::PathFileAccess,
                              "This is not a file that can be read (a device or a pipe?).",
                              quoted(path));
    }
    if (fs::is_regular_file(status) && fs::file_size(path, ec) > kMaxReadSize) {
        return describedError(ErrorCode::PathFileAccess,
                              "This file is too large: it is larger than " +
                                  std::to_string(kMaxReadSize / (std::uintmax_t{1024} * 1024)) +
                                  " MB.",
                              quoted(path));
    }
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) return fileError(lastError(), quoted(path));
    std::string contents;
    char buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        contents.append(buffer, n);
        if (contents.size() > kMaxReadSize) {
            return describedError(ErrorCode::PathFileAccess, "This file is too large to read.",
                                  quoted(path));
        }
        if (n < sizeof buffer) {
            if (std::ferror(file.get())) {
                return describedError(ErrorCode::DeviceIo, "The file could not be read to its end.",
                                      quoted(path));
            }
            break;
        }
    }
    return contents;
}

std::optional<AppError> LocalFileSystem::writeFileAtomic(const fs::path& path,
                                                         std::string_view contents) {
    // A new file gets the usual 0666 less the umask.
    return writeDurably(*calls_, path, contents, 0666);
}

std::optional<AppError> LocalFileSystem::copyFile(const fs::path& from, const fs::path& to) {
    auto contents = readFile(from);
    if (auto* error = std::get_if<AppError>(&contents)) return std::move(*error);
    struct stat source {};
    const unsigned mode = ::stat(from.c_str(), &source) == 0 ? (source.st_mode & 0777U) : 0666U;
    return writeDurably(*calls_, to, std::get<std::string>(contents), mode);
}

std::optional<AppError> LocalFileSystem::renameFile(const fs::path& from, const fs::path& to) {
    return renameDurably(*calls_, from, to);
}

std::optional<AppError> LocalFileSystem::removeFile(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
    if (ec) return fileError(ec, "cannot delete " + quoted(path));
    return std::nullopt;
}

bool LocalFileSystem::fileExists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

EntryKind LocalFileSystem::kindOf(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_regular_file(status)) return EntryKind::File;
    if (fs::is_directory(status)) return EntryKind::Folder;
    return fs::exists(status) ? EntryKind::Other : EntryKind::Nothing;
}

std::vector<std::string> LocalFileSystem::folderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<AppError> LocalFileSystem::createFolder(const fs::path& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    if (ec) return fileError(ec, "cannot create the folder " + quoted(path));
    return std::nullopt;
}

std::optional<AppError> LocalFileSystem::removeStaleTemporaryFiles(const fs::path& folder) {
    return projcalc::removeStaleTemporaryFiles(folder, *calls_);
}

Result<FolderLock> LocalFileSystem::lockFolder(const fs::path& folder) {
    return projcalc::lockFolder(folder, *calls_);
}

FileSystem& localFileSystem() {
    static LocalFileSystem instance;
    return instance;
}

}  // namespace projcalc
