#include "core/languages.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "i18n/language_file.h"
#include "util/file_system.h"

namespace projcalc {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

bool hasLanguages(const fs::path& folder, FileSystem& fileSystem) {
    return !folder.empty() && fileSystem.kindOf(folder / "languages") == EntryKind::Folder;
}

}  // namespace

fs::path languagesFolder(const fs::path& dataFolder, const fs::path& executableFolder,
                         FileSystem& fileSystem) {
    if (hasLanguages(dataFolder, fileSystem)) return dataFolder / "languages";
    if (hasLanguages(executableFolder, fileSystem)) return executableFolder / "languages";
    return (executableFolder / ".." / "share" / "projcalc" / "languages").lexically_normal();
}

std::vector<ShippedLanguage> shippedLanguageFiles(const fs::path& folder, FileSystem& fileSystem) {
    std::vector<ShippedLanguage> languages;
    for (const std::string& code : fileSystem.folderEntries(folder)) {  // sorted
        const fs::path file = folder / code / "Language.ini";
        if (fileSystem.fileExists(file)) languages.push_back({code, code, file});
    }
    return languages;
}

std::vector<ShippedLanguage> languageNames(std::vector<ShippedLanguage> languages,
                                           FileSystem& fileSystem) {
    std::vector<ShippedLanguage> named;
    for (ShippedLanguage& language : languages) {
        const std::optional<std::string> name = readLanguageName(language.file, fileSystem);
        if (!name) continue;
        if (!name->empty()) language.name = *name;
        named.push_back(std::move(language));
    }
    return named;
}

std::vector<ShippedLanguage> shippedLanguages(const fs::path& folder, FileSystem& fileSystem) {
    return languageNames(shippedLanguageFiles(folder, fileSystem), fileSystem);
}

LocaleVariables localeFromEnvironment() {
    return {variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")};
}

std::optional<std::string> languageForLocale(const LocaleVariables& locale,
                                             const std::vector<ShippedLanguage>& shipped) {
    const std::optional<std::string>& set = locale.all        ? locale.all
                                            : locale.messages ? locale.messages
                                                              : locale.lang;
    if (!set) return std::nullopt;
    std::string name = set->substr(0, set->find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX") return std::nullopt;
    for (const std::string& wanted : {name, name.substr(0, name.find('_'))}) {
        if (findLanguage(shipped, wanted)) return wanted;
    }
    return std::nullopt;
}

std::optional<ShippedLanguage> findLanguage(const std::vector<ShippedLanguage>& shipped,
                                            const std::string& code) {
    const auto found = std::find_if(shipped.begin(), shipped.end(),
                                    [&code](const ShippedLanguage& l) { return l.code == code; });
    if (found == shipped.end()) return std::nullopt;
    return *found;
}

}  // namespace projcalc
