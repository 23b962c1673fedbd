#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace projcalc {

class FileSystem;

// A profile file ("[section]" headers and "key=value" lines) read once. Section and key names are
// matched without regard to ASCII case; lines starting with ";" are comments. A value is
// everything after the first "=", blanks kept, cut to 1023 characters. When a key appears twice
// in a section, the first one counts.
class Profile {
  public:
    static constexpr std::size_t kMaxValueLength = 1023;

    Profile() = default;
    // Parses the text of a profile file (any encoding is decoded to UTF-8 first).
    [[nodiscard]] static Profile parse(std::string_view bytes);
    // Reads and parses a file; a missing or unreadable file gives an empty profile.
    [[nodiscard]] static Profile load(const std::filesystem::path& path, FileSystem& fileSystem);

    // The value of a key, or nothing when the section or key is missing.
    [[nodiscard]] std::optional<std::string> value(std::string_view section,
                                                   std::string_view key) const;

  private:
    std::map<std::string, std::string> values_;  // "section\nkey" in lower case -> value
};

}  // namespace projcalc
