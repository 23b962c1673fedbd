#include "core/languages.h"

#include <gtest/gtest.h>

#include <ostream>

#include "controller_fixture.h"
#include "scene_test_support.h"
#include "util/file_system.h"
#include "util/text.h"

namespace projcalc {
namespace {

namespace fs = std::filesystem;

const std::vector<ShippedLanguage> kShipped = {
    {"de", "Deutsch", "de.ini"}, {"en", "English", "en.ini"}, {"pt_BR", "Português", "br.ini"}};

struct LocaleCase {
    const char* name;
    LocaleVariables locale;
    std::optional<std::string> code;
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
    *os << c.name;
}

class LocaleLanguage : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleLanguage, FollowsLcAllThenLcMessagesThenLang) {
    EXPECT_EQ(languageForLocale(GetParam().locale, kShipped), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocaleLanguage,
    ::testing::Values(
        LocaleCase{"LangOnly", {std::nullopt, std::nullopt, "de_DE.UTF-8"}, "de"},
        LocaleCase{"LcAllWins", {"en_GB.UTF-8", "de_DE", "de_DE"}, "en"},
        LocaleCase{"LcMessagesBeforeLang", {std::nullopt, "de_AT@euro", "en_US"}, "de"},
        LocaleCase{"WholeNameFirst", {std::nullopt, std::nullopt, "pt_BR.UTF-8"}, "pt_BR"},
        LocaleCase{"NoMatch", {std::nullopt, std::nullopt, "fr_FR.UTF-8"}, std::nullopt},
        LocaleCase{"CLocale", {"C.UTF-8", std::nullopt, "de_DE"}, std::nullopt},
        LocaleCase{"Posix", {std::nullopt, std::nullopt, "POSIX"}, std::nullopt},
        LocaleCase{"NothingSet", {std::nullopt, std::nullopt, std::nullopt}, std::nullopt}),
    CaseName());

class LanguageFiles : public ControllerFixture {
  protected:
    void writeLanguage(const std::string& code, const std::string& text) {
        fs::create_directories(dir.path() / "languages" / code);
        dir.write("languages/" + code + "/Language.ini", text);
    }
};

TEST_F(LanguageFiles, AreListedByCodeWithTheirOwnNames) {
    writeLanguage("fr", languageFileText("[Language]\nLanguageName=Fran\xc3\xa7"
                                         "ais\n"));
    writeLanguage("de", languageFileText("[Language]\nLanguageName=Deutsch\n"));
    writeLanguage("xx", languageFileText());  // no name of its own: its code stands for it
    fs::create_directories(dir.path() / "languages" / "empty");
    const fs::path folder = languagesFolder(dir.path(), dir.path() / "nowhere", localFileSystem());
    EXPECT_EQ(folder, dir.path() / "languages");
    const auto shipped = shippedLanguages(folder, localFileSystem());
    ASSERT_EQ(shipped.size(), 3u);
    EXPECT_EQ(shipped[0].code, "de");
    EXPECT_EQ(shipped[0].name, "Deutsch");
    EXPECT_EQ(shipped[1].name,
              "Fran\xc3\xa7"
              "ais");
    EXPECT_EQ(shipped[2].name, "xx");
    // A data folder without languages/ (the user's, after a catalogue replacement) uses the
    // program's own.
    EXPECT_EQ(languagesFolder(dir.path() / "user", dir.path(), localFileSystem()),
              dir.path() / "languages");
}

TEST_F(LanguageFiles, AnotherLanguageTakesEffectAtOnceAndABrokenOneChangesNothing) {
    ASSERT_TRUE(start({kModelPlain}));
    type(Quantity::Diagonal, "9999");  // too large: a message in the language in use
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].rfind("Too large", 0), 0u);

    std::string german = languageFileText();
    german = replaceAll(german, "Caption=Projection Distance Calculator", "Caption=Projektion");
    german = replaceAll(german, "msg2=Too large", "msg2=Zu gro\xc3\x9f");
    writeLanguage("de", german);
    ASSERT_TRUE(calculator->useLanguageFile(dir.path() / "languages/de/Language.ini"));
    EXPECT_EQ(view.screen.title, "Projektion");
    type(Quantity::Diagonal, "9998");
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[1].rfind("Zu gro\xc3\x9f", 0), 0u);

    writeLanguage("xx", "[Language]\nCaption=Half a file\n");
    EXPECT_FALSE(calculator->useLanguageFile(dir.path() / "languages/xx/Language.ini"));
    EXPECT_EQ(view.screen.title, "Projektion");
    EXPECT_EQ(calculator->languageFile(), dir.path() / "languages/de/Language.ini");
    EXPECT_EQ(view.messages.back().rfind("LANGUAGE.INI ERRER !!!! ", 0), 0u);
}

}  // namespace
}  // namespace projcalc
