#include "app/command_line_paths.h"

#include <array>
#include <string_view>
#include <system_error>

namespace projcalc::app {

namespace {

// The options that take a value, and which field of PathArguments it goes to (none: the value
// is text, not a path).
struct ValueOption {
    std::string_view name;
    std::optional<std::filesystem::path> PathArguments::*field;
};
constexpr std::array<ValueOption, 4> kValueOptions = {{{"--data-dir", &PathArguments::dataDir},
                                                       {"--report", &PathArguments::report},
                                                       {"--title", nullptr},
                                                       {"--prepared-by", nullptr}}};

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
        } else {
            for (const ValueOption& option : kValueOptions) {
                std::optional<std::string_view> value;
                if (arg == option.name) {
                    if (i + 1 < argc) value = argv[++i];
                } else if (arg.starts_with(option.name) && arg[option.name.size()] == '=') {
                    value = arg.substr(option.name.size() + 1);
                }
                if (!value) continue;
                if (option.field != nullptr) result.*option.field = std::filesystem::path(*value);
                break;
            }
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
