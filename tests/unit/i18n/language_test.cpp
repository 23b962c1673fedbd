// The optional interface texts: a language file may leave them out and still works in English.
#include "i18n/language.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "controller_fixture.h"

namespace projcalc {
namespace {

InterfaceTexts textsOf(const std::string& extra) {
    const std::optional<InterfaceTexts> texts =
        readInterfaceTexts(Profile::parse(languageFileText() + extra));
    EXPECT_TRUE(texts.has_value());
    return texts.value_or(InterfaceTexts{});
}

struct OptionalKey {
    const char* key;
    std::function<const std::string&(const InterfaceTexts&)> text;
};

const std::string& menuCaption(const InterfaceTexts& t, std::size_t i) {
    return t.editing.menuCaptions[i].text;
}

TEST(OptionalInterfaceTexts, EachKeyReplacesItsEnglishTextWhenPresentAndNotBlank) {
    const std::vector<OptionalKey> keys = {
        {"mnuEdit", [](const InterfaceTexts& t) -> auto& {return menuCaption(t, 0);
}
}  // namespace
, {"mnuEditUndo", [](const InterfaceTexts& t) -> auto& {return menuCaption(t, 1);
}  // namespace projcalc
}
, {"mnuEditRedo", [](const InterfaceTexts& t) -> auto& {return menuCaption(t, 2);
}
}
, {"mnuEditCopyResults", [](const InterfaceTexts& t) -> auto& {return menuCaption(t, 3);
}
}
, {"msgNotANumber", [](const InterfaceTexts& t) -> auto& {return t.editing.input.notANumber;
}
}
, {"msgNotAboveZero", [](const InterfaceTexts& t) -> auto& {return t.editing.input.notAboveZero;
}
}
, {"msgSaveChanges", [](const InterfaceTexts& t) -> auto& {return t.editing.saveChangesQuestion;
}
}
, {"txtUntitled", [](const InterfaceTexts& t) -> auto& {return t.editing.untitled;
}
}
, {"btnSave", [](const InterfaceTexts& t) -> auto& {return t.editing.saveButton;
}
}
, {"btnDiscard", [](const InterfaceTexts& t) -> auto& {return t.editing.discardButton;
}
}
, {"btnCancel", [](const InterfaceTexts& t) -> auto& {return t.editing.cancelButton;
}
}
,
}
;
const InterfaceTexts english = textsOf("");
EXPECT_EQ(english.editing, EditingTexts{});
for (const OptionalKey& k : keys) {
    SCOPED_TRACE(k.key);
    const std::string english_text = k.text(english);
    EXPECT_FALSE(english_text.empty());
    EXPECT_EQ(k.text(textsOf(std::string("[Language]\n") + k.key + "=Eigen\n")), "Eigen");
    EXPECT_EQ(k.text(textsOf(std::string("[Language]\n") + k.key + "=  \n")), english_text);
}
}

TEST(OptionalInterfaceTexts, TheShippedLanguageFileSaysWhatTheDefaultsSay) {
    std::ifstream in(std::string(PROJCALC_SOURCE_DIR) + "/data/Language.ini", std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::optional<InterfaceTexts> texts = readInterfaceTexts(Profile::parse(bytes.str()));
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->editing, EditingTexts{});
}

TEST(Captions, AreReadOnOneLineByObjectName) {
    const InterfaceTexts texts = textsOf("");
    EXPECT_EQ(boxCaption(texts, Quantity::Distance), "Projection Distance");  // "<BR>" in it
    EXPECT_EQ(boxCaption(texts, Quantity::Height), "Height");
    EXPECT_EQ(captionOf(texts, "optUnits_1"), "Feet");
    EXPECT_EQ(captionOf(texts, "noSuchControl"), "");
}

}  // namespace
}  // namespace projcalc
