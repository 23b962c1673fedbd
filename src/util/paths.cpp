#include "util/paths.h"

#include <filesystem>
#include <system_error>

#include "util/file_system.h"
#include "util/text.h"

namespace projcalc {

std::string fileNameOf(std::string_view path) {
    const auto at = path.find_last_of("/\\");
    if (at == std::string_view::npos) return {};
    return std::string(path.substr(at + 1));
}

std::string stripExtension(std::string_view name) {
    const auto at = name.rfind('.');
    if (at == std::string_view::npos) return std::string(name);
    return std::string(name.substr(0, at));
}

std::string withTrailingBackslash(std::string_view path) {
    std::string result(path);
    if (result.empty() || result.back() != kPathSeparator) result.push_back(kPathSeparator);
    return result;
}

std::string displayPath(std::string_view path) {
    return shortenForMessage(path, kShownPathCharacters);
}

std::string currentFolder() {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::current_path(ec);
    return ec ? std::string() : folder.string();
}

}  // namespace projcalc
