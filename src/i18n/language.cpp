#include "i18n/language.h"

#include <cmath>

#include "i18n/optional_texts.h"
#include "util/numbers.h"
#include "util/text.h"

namespace projcalc {
namespace {

constexpr const char* kSection = "Language";

struct KeyTarget {
    const char* key;
    const char* objectName;
};

// Menu items: the File menu's object name differs from its key.
constexpr KeyTarget kMenuKeys[] = {
    {"mnuFile", "nmuFile"},           {"mnuFileOpen", "mnuFileOpen"},
    {"mnuFileSave", "mnuFileSave"},   {"mnuFileSaveAs", "mnuFileSaveAs"},
    {"mnuFilePrint", "mnuFilePrint"}, {"mnuFileQuit", "mnuFileQuit"},
    {"mnuOption", "mnuOption"},       {"mnuOptionModelInfo", "mnuOptionModelInfo"},
    {"mnuAbout", "mnuAbout"},         {"mnuAboutAbout", "mnuAboutAbout"},
};

constexpr KeyTarget kLabelKeys[] = {
    {"LBL1", "lblModel"},       {"LBL2", "fraUnits"},       {"LBL3", "optUnits_0"},
    {"LBL4", "optUnits_1"},     {"LBL5", "optUnits_2"},     {"LBL6", "fraWIDE"},
    {"LBL7", "optWIDE_0"},      {"LBL8", "optWIDE_1"},      {"LBL9", "fraPosition"},
    {"LBL10", "optPosition_0"}, {"LBL11", "optPosition_1"}, {"LBL12", "fraAspect"},
    {"LBL13", "lblValue_0"},    {"LBL14", "lblValue_1"},    {"LBL15", "lblValue_2"},
    {"LBL16", "lblValue_3"},    {"LBL17", "lblOffset"},
};
constexpr std::size_t kFirstMultiLineLabel = 12;  // LBL13 to LBL17 take "<BR>" line breaks

bool isBlank(const std::string& text) {
    return trimBlanks(text).empty();
}

// The editing texts, from the optional texts read (or their English text).
void readEditingTexts(InterfaceTexts& texts) {
    EditingTexts& editing = texts.editing;
    for (ControlCaption& caption : editing.menuCaptions)
        caption.text = texts.text(caption.objectName);
    editing.input.notANumber = texts.text("msgNotANumber");
    editing.input.notAboveZero = texts.text("msgNotAboveZero");
    editing.saveChangesQuestion = texts.text("msgSaveChanges");
    editing.untitled = texts.text("txtUntitled");
    editing.saveButton = texts.text("btnSave");
    editing.discardButton = texts.text("btnDiscard");
    editing.cancelButton = texts.text("btnCancel");
}

}  // namespace

const std::vector<std::string>& fontControlNames() {
    static const std::vector<std::string> names = {
        "lblModel",   "fraUnits",   "optUnits_0",  "optUnits_1",    "optUnits_2",    "fraWIDE",
        "optWIDE_0",  "optWIDE_1",  "fraPosition", "optPosition_0", "optPosition_1", "fraAspect",
        "lblValue_0", "lblValue_1", "lblValue_2",  "lblValue_3",    "lblOffset"};
    return names;
}

std::optional<std::string> readLanguageText(const Profile& languageFile, const std::string& key) {
    std::optional<std::string> value = languageFile.value(kSection, key);
    if (!value || isBlank(*value)) return std::nullopt;
    return value;
}

std::optional<std::string> readVersionText(const Profile& languageFile) {
    std::optional<std::string> value = languageFile.value("Version", "Version");
    if (!value || isBlank(*value)) return std::nullopt;
    return value;
}

std::variant<InterfaceTexts, MissingText> readInterfaceTexts(const Profile& languageFile) {
    InterfaceTexts texts;
    std::string failed;
    const auto read = [&](const std::string& key, std::string& target) {
        if (!failed.empty()) return;
        if (auto value = readLanguageText(languageFile, key)) {
            target = std::move(*value);
        } else {
            failed = key;
        }
    };

    read("Caption", texts.captionText);
    read("FontName", texts.fontName);
    std::string fontSize;
    read("FontSize", fontSize);
    if (failed.empty()) {
        const double size = roundHalfEven(readLeadingNumber(fontSize).value);
        texts.fontSize = size > 0 && size < 1000 ? static_cast<int>(size) : 0;
    }
    read("msg1", texts.invalidModelFileMessage);
    for (std::size_t unit = 0; unit < 3; ++unit) {
        read("msg" + std::to_string(2 + unit), texts.limitMessages.tooLarge[unit]);
    }
    for (std::size_t unit = 0; unit < 3; ++unit) {
        read("msg" + std::to_string(5 + unit), texts.limitMessages.tooSmall[unit]);
    }
    for (const KeyTarget& item : kMenuKeys) {
        std::string caption;
        read(item.key, caption);
        texts.menuCaptions.push_back({item.objectName, caption});
    }
    for (std::size_t i = 0; i < std::size(kLabelKeys); ++i) {
        std::string caption;
        read(kLabelKeys[i].key, caption);
        if (i >= kFirstMultiLineLabel) caption = replaceAll(caption, "<BR>", "\r\n");
        texts.controlCaptions.push_back({kLabelKeys[i].objectName, caption});
    }
    for (std::size_t i = 0; i < texts.printDialogTexts.size(); ++i) {
        read("LBL" + std::to_string(18 + i), texts.printDialogTexts[i]);
    }
    if (!failed.empty()) {
        return MissingText{failed};
    }
    for (const OptionalText& optional : optionalTexts()) {
        const std::string key(optional.key);
        if (auto value = readLanguageText(languageFile, key))
            texts.optional[key] = replaceAll(*value, "<BR>", "\r\n");
    }
    texts.exportPdfCaption = texts.text("mnuFileExportPdf");
    readEditingTexts(texts);
    texts.languageName = readLanguageText(languageFile, "LanguageName").value_or("");
    texts.decimalComma = trimBlanks(texts.text("DecimalComma")) == "1";
    texts.planning = readPlanningCaptions(languageFile);
    return texts;
}

std::string InterfaceTexts::text(std::string_view key) const {
    if (const auto found = optional.find(key); found != optional.end()) return found->second;
    if (const auto english = englishText(key))
        return replaceAll(std::string(*english), "<BR>", "\r\n");
    return std::string(key);
}

std::string plainMenuText(std::string_view caption) {
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const char c = caption[i];
        // "(&F)" after a Japanese caption goes as a whole.
        if (c == '(' && i + 3 < caption.size() && caption[i + 1] == '&' && caption[i + 3] == ')' &&
            caption[i + 2] != '&') {
            i += 3;
            continue;
        }
        if (c == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                plain += '&';
                ++i;
            }
            continue;
        }
        plain += c;
    }
    for (const std::string_view ellipsis : {std::string_view("..."), std::string_view("\u2026")}) {
        if (plain.ends_with(ellipsis)) plain.erase(plain.size() - ellipsis.size());
    }
    return std::string(trimBlanks(plain));
}

std::string exportPdfMenuPath(const InterfaceTexts& texts) {
    std::string file;
    for (const ControlCaption& menu : texts.menuCaptions) {
        if (menu.objectName == "nmuFile") file = plainMenuText(menu.text);
    }
    const std::string item = plainMenuText(texts.exportPdfCaption);
    return file.empty() ? item : file + " > " + item;
}

std::string captionOf(const InterfaceTexts& texts, std::string_view objectName) {
    for (const ControlCaption& caption : texts.controlCaptions) {
        if (caption.objectName == objectName) return replaceAll(caption.text, "\r\n", " ");
    }
    return {};
}

std::string boxCaption(const InterfaceTexts& texts, Quantity box) {
    return captionOf(texts, "lblValue_" + std::to_string(indexOf(box)));
}

}  // namespace projcalc
