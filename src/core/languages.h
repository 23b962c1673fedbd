#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/data_folder.h"

namespace projcalc {

class FileSystem;

// A language file the program ships: its code (the name of its folder under languages/), its
// own name (its LanguageName text, "Deutsch") and the file.
struct ShippedLanguage {
    std::string code;
    std::string name;
    std::filesystem::path file;

    friend bool operator==(const ShippedLanguage&, const ShippedLanguage&) = default;
};

// The folder of the shipped language files: the data folder's languages/ when it has one, else
// the program's own (beside the executable in a build, ../share/projcalc/languages when
// installed). A catalogue replacement moves the data folder to the user's folder without them.
[[nodiscard]] std::filesystem::path languagesFolder(const std::filesystem::path& dataFolder,
                                                    const std::filesystem::path& executableFolder,
                                                    FileSystem& fileSystem);

// Every <code>/Language.ini of the folder, sorted by code, without reading them: each name is
// its code until languageNames reads it.
[[nodiscard]] std::vector<ShippedLanguage> shippedLanguageFiles(const std::filesystem::path& folder,
                                                                FileSystem& fileSystem);

// The languages with the names their files give; an unreadable file is left out.
[[nodiscard]] std::vector<ShippedLanguage> languageNames(std::vector<ShippedLanguage> languages,
                                                         FileSystem& fileSystem);

// shippedLanguageFiles with their names.
[[nodiscard]] std::vector<ShippedLanguage> shippedLanguages(const std::filesystem::path& folder,
                                                            FileSystem& fileSystem);

// The locale as the environment gives it.
struct LocaleVariables {
    std::optional<std::string> all;       // LC_ALL
    std::optional<std::string> messages;  // LC_MESSAGES
    std::optional<std::string> lang;      // LANG
};

[[nodiscard]] LocaleVariables localeFromEnvironment();

// The code of the shipped language the locale asks for: the first of LC_ALL, LC_MESSAGES and
// LANG that is set, without its encoding and modifier ("de_DE.UTF-8@euro" asks for "de_DE",
// then "de"). Nothing for the C and POSIX locales, or when no shipped language matches.
[[nodiscard]] std::optional<std::string> languageForLocale(
    const LocaleVariables& locale, const std::vector<ShippedLanguage>& shipped);

// The shipped language of a code, or nothing.
[[nodiscard]] std::optional<ShippedLanguage> findLanguage(
    const std::vector<ShippedLanguage>& shipped, const std::string& code);

}  // namespace projcalc
