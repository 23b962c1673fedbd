#include "i18n/language_file.h"

#include "util/file_system.h"
#include "util/paths.h"
#include "util/text.h"

namespace projcalc {

std::variant<InterfaceTexts, std::string> readLanguageFile(const std::filesystem::path& file,
                                                           FileSystem& fileSystem) {
    const auto bytes = fileSystem.readFile(file);
    const auto* unreadable = std::get_if<AppError>(&bytes);
    auto texts =
        readInterfaceTexts(unreadable ? Profile() : Profile::parse(std::get<std::string>(bytes)));
    if (auto* read = std::get_if<InterfaceTexts>(&texts)) return std::move(*read);
    // The old message first, then the file and what is wrong with it.
    return std::string(kLanguageErrorMessage) + "\r\n" +
           (unreadable
                ? unreadable->description
                : displayPath(file.string()) + ": the text " + std::get<MissingText>(texts).key +
                      " of section [Language] is missing or empty");
}

std::optional<std::string> readLanguageVersion(const std::filesystem::path& file,
                                               FileSystem& fileSystem) {
    const auto bytes = fileSystem.readFile(file);
    const auto* read = std::get_if<std::string>(&bytes);
    if (read == nullptr) return std::nullopt;
    return readVersionText(Profile::parse(*read));
}

std::string missingVersionMessage(const std::filesystem::path& file) {
    return std::string(kLanguageErrorMessage) + "\r\n" + displayPath(file.string()) +
           ": the text Version of section [Version] is missing or empty";
}

std::optional<std::string> readLanguageName(const std::filesystem::path& file,
                                            FileSystem& fileSystem) {
    const auto bytes = fileSystem.readFile(file);
    const auto* read = std::get_if<std::string>(&bytes);
    if (read == nullptr) return std::nullopt;
    const std::optional<std::string> name = Profile::parse(*read).value("Language", "LanguageName");
    return name ? std::string(trimBlanks(*name)) : std::string();
}

}  // namespace projcalc
