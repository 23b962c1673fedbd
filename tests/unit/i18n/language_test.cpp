// The optional interface texts: a language file may leave them out and still works in English.
#include "i18n/language.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "controller_fixture.h"
#include "i18n/optional_texts.h"

namespace projcalc {
namespace {

InterfaceTexts textsOf(const std::string& extra) {
    const auto texts = readInterfaceTexts(Profile::parse(languageFileText() + extra));
    EXPECT_TRUE(std::holds_alternative<InterfaceTexts>(texts));
    const auto* read = std::get_if<InterfaceTexts>(&texts);
    return read ? *read : InterfaceTexts{};
}

std::string shippedLanguageFile() {
    std::ifstream in(std::string(PROJCALC_SOURCE_DIR) + "/data/Language.ini", std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(OptionalInterfaceTexts, EachKeyReplacesItsEnglishTextWhenPresentAndNotBlank) {
    const InterfaceTexts english = textsOf("");
    EXPECT_EQ(english.editing, EditingTexts{});
    for (const OptionalText& optional : optionalTexts()) {
        const std::string key(optional.key);
        SCOPED_TRACE(key);
        const std::string englishText = english.text(key);
        EXPECT_FALSE(englishText.empty());
        EXPECT_EQ(textsOf("[Language]\n" + key + "=Eigen\n").text(key), "Eigen");
        EXPECT_EQ(textsOf("[Language]\n" + key + "=  \n").text(key), englishText);
    }
    // The editing texts the window and the controller use come from the same keys.
    const InterfaceTexts own = textsOf("[Language]\nmnuEditUndo=&Zurück\nbtnCancel=Abbrechen\n");
    EXPECT_EQ(own.editing.menuCaptions[1].text, "&Zurück");
    EXPECT_EQ(own.editing.cancelButton, "Abbrechen");
}

TEST(OptionalInterfaceTexts, TheShippedLanguageFileHoldsEveryOneAsTheDefaultSaysIt) {
    const Profile file = Profile::parse(shippedLanguageFile());
    const auto read = readInterfaceTexts(file);
    const auto* texts = std::get_if<InterfaceTexts>(&read);
    ASSERT_NE(texts, nullptr);
    EXPECT_EQ(texts->editing, EditingTexts{});
    for (const OptionalText& optional : optionalTexts()) {
        EXPECT_EQ(file.value("Language", std::string(optional.key)), std::string(optional.english))
            << optional.key;
    }
}

TEST(Captions, AreReadOnOneLineByObjectName) {
    const InterfaceTexts texts = textsOf("");
    EXPECT_EQ(boxCaption(texts, Quantity::Distance), "Projection Distance");  // "<BR>" in it
    EXPECT_EQ(boxCaption(texts, Quantity::Height), "Height");
    EXPECT_EQ(captionOf(texts, "optUnits_1"), "Feet");
    EXPECT_EQ(captionOf(texts, "noSuchControl"), "");
}

TEST(PlainMenuText, LeavesOutAcceleratorsAndTheEllipsis) {
    const std::pair<const char*, const char*> cases[] = {
        {"&File", "File"},
        {"Export P&DF...", "Export PDF"},
        {"\u30d5\u30a1\u30a4\u30eb(&F)", "\u30d5\u30a1\u30a4\u30eb"},
        {"PDF \u306b\u30a8\u30af\u30b9\u30dd\u30fc\u30c8(&D)...",
         "PDF \u306b\u30a8\u30af\u30b9\u30dd\u30fc\u30c8"},
        {"Save && Close", "Save & Close"},
        {"Weiter\u2026", "Weiter"},
        {"(&&)", "(&)"},
        {"", ""},
    };
    for (const auto& [caption, plain] : cases)
        EXPECT_EQ(plainMenuText(caption), plain) << caption;
    EXPECT_EQ(exportPdfMenuPath(textsOf("")), "File > Export PDF");
}

}  // namespace
}  // namespace projcalc
