// The language files we ship (data/Language.ini and data/languages/<code>/Language.ini) are
// complete translations of the English one: every text present, the same placeholders, menus
// whose accelerators do not clash, and the file itself UTF-8 as the English one is written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "i18n/language.h"
#include "i18n/optional_texts.h"
#include "util/profile.h"
#include "util/text.h"
#include "util/text_decoding.h"

namespace projcalc {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(PROJCALC_SOURCE_DIR) / "data";

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The language files below data/, relative to it: the English one first, then each
// translation, so that a language added later is checked without naming it here.
std::vector<std::string> shippedLanguageFiles() {
    std::vector<std::string> files = {"Language.ini"};
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(kData / "languages", error)) {
        if (entry.is_directory())
            files.push_back(
                (fs::path("languages") / entry.path().filename() / "Language.ini").string());
    }
    std::sort(files.begin() + 1, files.end());
    return files;
}

std::string lowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The keys of section [Language] as written, in file order (Profile only looks keys up).
std::vector<std::string> languageKeys(const std::string& bytes) {
    std::vector<std::string> keys;
    bool inLanguage = false;
    const std::string text = decodeText(bytes);
    for (std::string_view line : splitLines(text)) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view trimmed = trimBlanks(line);
        if (trimmed.empty() || trimmed.front() == ';') continue;
        if (trimmed.front() == '[') {
            const std::string_view name = trimmed.substr(1, trimmed.find(']') - 1);
            inLanguage = lowerAscii(std::string(trimBlanks(name))) == "language";
        } else if (const auto equals = line.find('='); inLanguage && equals != line.npos) {
            keys.emplace_back(trimBlanks(line.substr(0, equals)));
        }
    }
    return keys;
}

// "%1", "%2", ... in the order they appear, sorted: what the program fills in.
std::vector<std::string> placeholders(const std::string& text) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '0' && text[i + 1] <= '9')
            found.push_back(text.substr(i, 2));
    }
    std::sort(found.begin(), found.end());
    return found;
}

// The accelerators of a menu caption: the character after each "&" that is not "&&", as
// lower-case ASCII or as its UTF-8 bytes.
std::vector<std::string> accelerators(const std::string& caption) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        std::string next = std::string(utf8Prefix(std::string_view(caption).substr(i + 1), 1));
        found.push_back(lowerAscii(next));
    }
    return found;
}

// The groups of captions that one window or menu shows together, so that their accelerators
// must differ: the menu bar, each menu, and the question before changes are lost.
const std::vector<std::vector<std::string>> kAcceleratorGroups = {
    {"mnuFile", "mnuEdit", "mnuView", "mnuOption", "mnuHelp"},
    {"mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuFilePrint", "mnuFileExportPdf",
     "mnuFileExportThrowTable", "mnuFileExportReport", "mnuFileQuit"},
    {"mnuEditUndo", "mnuEditRedo", "mnuEditCopyResults"},
    {"mnuOptionFindModels", "mnuOptionModelInfo", "mnuOptionKeepScreen",
     "mnuOptionRestoreCatalogue", "mnuOptionLanguage"},
    {"btnSave", "btnDiscard", "btnCancel"},
};

// Whether fontconfig knows a font family; nothing when fc-list is not there to ask.
std::optional<bool> fontInstalled(const std::string& family) {
    if (std::system("command -v fc-list >/dev/null 2>&1") != 0) return std::nullopt;
    const bool plain = std::all_of(family.begin(), family.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == ' ' || c == '-';
    });
    if (!plain) return false;
    const std::string command = "fc-list -q ':family=" + family + "'";
    return std::system(command.c_str()) == 0;
}

// One shipped file, read once per test, beside the English one.
class ShippedLanguageFile : public testing::TestWithParam<std::string> {
  protected:
    const std::string englishBytes_ = readBytes(kData / "Language.ini");
    const std::string bytes_ = readBytes(kData / GetParam());
    const Profile english_ = Profile::parse(englishBytes_);
    const Profile file_ = Profile::parse(bytes_);
};

TEST_P(ShippedLanguageFile, IsUtf8WithTheEnglishLineEnds) {
    ASSERT_FALSE(bytes_.empty()) << GetParam();
    EXPECT_TRUE(isValidUtf8(bytes_));
    EXPECT_FALSE(bytes_.starts_with("\xEF\xBB\xBF")) << "a byte order mark";
    const bool crlf = englishBytes_.find("\r\n") != std::string::npos;
    const auto lineFeeds = std::count(bytes_.begin(), bytes_.end(), '\n');
    EXPECT_EQ(std::count(bytes_.begin(), bytes_.end(), '\r'), crlf ? lineFeeds : 0);
}

TEST_P(ShippedLanguageFile, HasEveryTextWithTheEnglishPlaceholders) {
    // The program starts on it, and About has a version to show.
    const auto texts = readInterfaceTexts(file_);
    const auto* missing = std::get_if<MissingText>(&texts);
    EXPECT_EQ(missing, nullptr) << missing->key;
    EXPECT_TRUE(readVersionText(file_).has_value());
    EXPECT_TRUE(readLanguageText(file_, "LanguageName").has_value());

    // Every key of the English file, then the optional texts it lacks, with their English.
    std::vector<std::pair<std::string, std::string>> expected;
    std::set<std::string> known;
    for (const std::string& key : languageKeys(englishBytes_)) {
        if (known.insert(lowerAscii(key)).second)
            expected.emplace_back(key, english_.value("Language", key).value_or(""));
    }
    for (const OptionalText& optional : optionalTexts()) {
        if (known.insert(lowerAscii(std::string(optional.key))).second)
            expected.emplace_back(std::string(optional.key), std::string(optional.english));
    }
    for (const auto& [key, englishText] : expected) {
        const std::optional<std::string> text = readLanguageText(file_, key);
        if (!text) {
            ADD_FAILURE() << key << " is missing or blank";
            continue;
        }
        EXPECT_EQ(placeholders(*text), placeholders(englishText)) << key << "=" << *text;
    }
    // No key the program does not know, such as a misspelt one.
    for (const std::string& key : languageKeys(bytes_)) {
        EXPECT_TRUE(known.contains(lowerAscii(key))) << key << " is not an interface text";
    }
}

TEST_P(ShippedLanguageFile, KeepsTheEnglishAcceleratorsWithoutClashes) {
    // Menu items and buttons have an accelerator where the English has one.
    for (const std::string& key : languageKeys(englishBytes_)) {
        if (!key.starts_with("mnu") && !key.starts_with("btn")) continue;
        const std::string text = readLanguageText(file_, key).value_or("");
        EXPECT_EQ(accelerators(text).size(),
                  accelerators(english_.value("Language", key).value_or("")).size())
            << key << "=" << text;
    }
    for (const auto& group : kAcceleratorGroups) {
        std::set<std::string> letters;
        for (const std::string& key : group) {
            for (const std::string& letter :
                 accelerators(readLanguageText(file_, key).value_or(""))) {
                EXPECT_TRUE(letters.insert(letter).second) << key << " repeats &" << letter;
            }
        }
    }
}

TEST_P(ShippedLanguageFile, NamesAnInstalledFont) {
    const std::string font = readLanguageText(file_, "FontName").value_or("");
    const std::optional<bool> installed = fontInstalled(font);
    if (!installed) GTEST_SKIP() << "fc-list is not installed";
    EXPECT_TRUE(*installed) << "the font " << font << " is not installed";
}

// "data" for the English file, the language code for a translation.
std::string languageTestName(const testing::TestParamInfo<std::string>& param) {
    const fs::path path(param.param);
    std::string name =
        path.has_parent_path() ? path.parent_path().filename().string() : std::string("data");
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedLanguageFile, testing::ValuesIn(shippedLanguageFiles()),
                         languageTestName);

TEST(ShippedLanguages, AreEnglishGermanFrenchSpanishItalianAndJapanese) {
    const std::vector<std::string> files = shippedLanguageFiles();
    for (const char* code : {"en", "de", "fr", "es", "it", "ja"}) {
        const std::string file = "languages/" + std::string(code) + "/Language.ini";
        EXPECT_NE(std::find(files.begin(), files.end(), file), files.end()) << file;
    }
}

}  // namespace
}  // namespace projcalc
