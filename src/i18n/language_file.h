#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "i18n/language.h"

namespace projcalc {

class FileSystem;

// A language file read through the file system the program was given.

// Its interface texts, or the message that ends the program: kLanguageErrorMessage, then the file
// and what is wrong with it (why it cannot be read, or the first text it lacks).
[[nodiscard]] std::variant<InterfaceTexts, std::string> readLanguageFile(
    const std::filesystem::path& file, FileSystem& fileSystem);

// Its Version text (About shows it); nothing when the file cannot be read or lacks the text.
[[nodiscard]] std::optional<std::string> readLanguageVersion(const std::filesystem::path& file,
                                                             FileSystem& fileSystem);

// The message for a language file without its Version text.
[[nodiscard]] std::string missingVersionMessage(const std::filesystem::path& file);

// The name a language file gives itself (its LanguageName, trimmed): empty when it gives none,
// nothing when the file cannot be read.
[[nodiscard]] std::optional<std::string> readLanguageName(const std::filesystem::path& file,
                                                          FileSystem& fileSystem);

}  // namespace projcalc
