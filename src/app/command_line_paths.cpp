#include "app/command_line_paths.h"

#include <string_view>
#include <system_error>

namespace projcalc::app {

namespace {

constexpr std::string_view kDataDir = "--data-dir";

}  // namespace

PathArguments pathArguments(int argc, const char* const* argv) {
    PathArguments result;
    bool positionalOnly = false;
    const auto positional = [&](const char* arg) {
        if (!result.file) result.file = std::filesystem::path(arg);
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (positionalOnly || arg == "-" || !arg.starts_with("-")) {
            positional(argv[i]);
        } else if (arg == "--") {
            positionalOnly = true;
        } else if (arg == kDataDir) {
            if (i + 1 < argc) result.dataDir = std::filesystem::path(argv[++i]);
        } else if (arg.starts_with(kDataDir) && arg[kDataDir.size()] == '=') {
            result.dataDir = std::filesystem::path(arg.substr(kDataDir.size() + 1));
        }
    }
    return result;
}

std::filesystem::path absolutePath(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return (ec ? path : absolute).lexically_normal();
}

std::filesystem::path executableFolder() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : program.parent_path();
}

}  // namespace projcalc::app
