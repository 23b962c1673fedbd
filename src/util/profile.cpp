#include "util/profile.h"

#include "util/file_system.h"
#include "util/text.h"
#include "util/text_decoding.h"

namespace projcalc {
namespace {

std::string lowerAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

std::string_view trimSpace(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string makeKey(std::string_view section, std::string_view key) {
    return lowerAscii(trimSpace(section)) + '\n' + lowerAscii(trimSpace(key));
}

}  // namespace

Profile Profile::parse(std::string_view bytes) {
    Profile profile;
    const std::string text = decodeText(bytes);
    std::string section;
    bool inSection = false;
    for (std::string_view line : splitLines(text)) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view trimmed = trimSpace(line);
        if (trimmed.empty() || trimmed.front() == ';') continue;
        if (trimmed.front() == '[') {
            const auto close = trimmed.find(']');
            section = std::string(close == std::string_view::npos ? trimmed.substr(1)
                                                                  : trimmed.substr(1, close - 1));
            inSection = true;
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        std::string_view value = line.substr(equals + 1);
        value = utf8Prefix(value, kMaxValueLength);
        profile.values_.try_emplace(makeKey(section, line.substr(0, equals)), value);
    }
    return profile;
}

Profile Profile::load(const std::filesystem::path& path, FileSystem& fileSystem) {
    const auto bytes = fileSystem.readFile(path);
    const auto* read = std::get_if<std::string>(&bytes);
    return read ? parse(*read) : Profile();
}

std::optional<std::string> Profile::value(std::string_view section, std::string_view key) const {
    const auto it = values_.find(makeKey(section, key));
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

}  // namespace projcalc
