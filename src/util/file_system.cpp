#include "util/file_system.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

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
    return path.string();
}

fs::path temporaryBeside(const fs::path& path) {
    static std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<unsigned long long> pick;
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%012llx.tmp", pick(generator) & 0xFFFFFFFFFFFFULL);
    fs::path temp = path;
    temp += suffix;
    return temp;
}

}  // namespace

std::optional<AppError> LocalFileSystem::readFile(const fs::path& path, std::string& contents) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_directory(status)) {
        return makeError(ErrorCode::PathFileAccess, quoted(path) + " is a folder, not a file");
    }
    // A pipe or a device would never end or never fit: only regular files are read.
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        return makeError(ErrorCode::PathFileAccess, quoted(path) + " is not a regular file");
    }
    if (fs::is_regular_file(status) && fs::file_size(path, ec) > kMaxReadSize) {
        return makeError(ErrorCode::PathFileAccess,
                         quoted(path) + " is larger than " +
                             std::to_string(kMaxReadSize / (1024 * 1024)) + " MB");
    }
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) return fileError(lastError(), quoted(path));
    contents.clear();
    char buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        contents.append(buffer, n);
        if (contents.size() > kMaxReadSize) {
            return makeError(ErrorCode::PathFileAccess, quoted(path) + " is too large to read");
        }
        if (n < sizeof buffer) {
            if (std::ferror(file.get())) {
                return makeError(ErrorCode::DeviceIo, "cannot read " + quoted(path));
            }
            break;
        }
    }
    return std::nullopt;
}

std::optional<AppError> LocalFileSystem::writeFileAtomic(const fs::path& path,
                                                         std::string_view contents) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        return makeError(ErrorCode::PathFileAccess, quoted(path) + " is a folder, not a file");
    }
    const fs::path temp = temporaryBeside(path);
    errno = 0;
    FilePtr file(std::fopen(temp.c_str(), "wb"));
    if (!file) return fileError(lastError(), "cannot create a file beside " + quoted(path));
    const auto fail = [&](std::error_code cause) {
        file.reset();
        std::error_code ignored;
        fs::remove(temp, ignored);
        return fileError(cause, "cannot write " + quoted(path));
    };
    errno = 0;
    if (std::fwrite(contents.data(), 1, contents.size(), file.get()) != contents.size()) {
        return fail(lastError());
    }
    errno = 0;
    if (std::fflush(file.get()) != 0) return fail(lastError());
    errno = 0;
    if (std::fclose(file.release()) != 0) return fail(lastError());
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return fileError(ec, "cannot replace " + quoted(path));
    }
    return std::nullopt;
}

std::optional<AppError> LocalFileSystem::copyFile(const fs::path& from, const fs::path& to) {
    std::string contents;
    if (auto error = readFile(from, contents)) return error;
    return writeFileAtomic(to, contents);
}

std::optional<AppError> LocalFileSystem::renameFile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) return fileError(ec, "cannot rename " + quoted(from) + " to " + quoted(to));
    return std::nullopt;
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

std::optional<AppError> LocalFileSystem::createFolder(const fs::path& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    if (ec) return fileError(ec, "cannot create the folder " + quoted(path));
    return std::nullopt;
}

FileSystem& localFileSystem() {
    static LocalFileSystem instance;
    return instance;
}

}  // namespace projcalc
