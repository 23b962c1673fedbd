#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "calc/limit_message.h"
#include "calc/typed_value.h"
#include "i18n/planning_captions.h"
#include "util/profile.h"

namespace projcalc {

// The message shown when a text is missing from Language.ini; the program then ends.
inline constexpr const char* kLanguageErrorMessage = "LANGUAGE.INI ERRER !!!! ";

// A caption for one control or menu item, by the control's object name ("fraUnits",
// "optUnits_0", "mnuFileOpen", ...).
struct ControlCaption {
    std::string objectName;
    std::string text;

    friend bool operator==(const ControlCaption&, const ControlCaption&) = default;
};

// The texts of the Edit menu, of refused input and of the question before changes are lost.
// Each has an optional key of its own; a language file without it gets the English text.
struct EditingTexts {
    // The Edit menu and its items, by object name, which is also the key.
    std::vector<ControlCaption> menuCaptions = {{"mnuEdit", "&Edit"},
                                                {"mnuEditUndo", "&Undo"},
                                                {"mnuEditRedo", "&Redo"},
                                                {"mnuEditCopyResults", "&Copy Results"}};
    InputMessages input;                                      // msgNotANumber, msgNotAboveZero
    std::string saveChangesQuestion = "Save changes to %1?";  // msgSaveChanges
    std::string untitled = "Untitled";       // txtUntitled: NAME for a calculation never saved
    std::string saveButton = "&Save";        // btnSave
    std::string discardButton = "&Discard";  // btnDiscard
    std::string cancelButton = "Cancel";     // btnCancel

    friend bool operator==(const EditingTexts&, const EditingTexts&) = default;
};

// Every text of the interface read from Language.ini.
struct InterfaceTexts {
    std::string captionText;  // the window title
    std::string fontName;
    int fontSize = 0;
    std::string invalidModelFileMessage;  // "%1" is the chosen file's path
    LimitMessages limitMessages;
    std::vector<ControlCaption> menuCaptions;     // the ten menu items, in menu order
    std::vector<ControlCaption> controlCaptions;  // labels, frames and options; "<BR>" made CR LF
    std::array<std::string, 4> printDialogTexts;  // title, label, Print, Cancel
    std::string exportPdfCaption = "Export P&DF...";  // optional key mnuFileExportPdf

    // The optional texts the language file holds (see optional_texts.h), "<BR>" made CR LF.
    std::map<std::string, std::string, std::less<>> optional;

    // An optional text: the language file's, else its English text ("<BR>" made CR LF); the key
    // itself for a key the program does not know.
    [[nodiscard]] std::string text(std::string_view key) const;
    EditingTexts editing;  // optional keys, English by default
    bool decimalComma = false;
    std::string languageName;  // LanguageName: the language's own name, "Deutsch"; may be empty  //
                               // DecimalComma=1: the language writes "150,7" for 150.7
    PlanningCaptions planning;  // optional keys, see PlanningCaptions
};

// The caption of a control (a label, frame or option) on one line, as a message or a summary
// names it: "Projection Distance" for a caption shown on two lines. Empty for an unknown name.
[[nodiscard]] std::string captionOf(const InterfaceTexts& texts, std::string_view objectName);

// A menu caption as a sentence names it: without its accelerator ("&File", "ファイル(&F)") and
// without the "..." of an item that opens a dialog; "&&" stays one "&".
[[nodiscard]] std::string plainMenuText(std::string_view caption);

// The way to File > Export PDF in the interface language: "File > Export PDF".
[[nodiscard]] std::string exportPdfMenuPath(const InterfaceTexts& texts);

// The caption of a value box: "Width", "Screen Size Diagonal".
[[nodiscard]] std::string boxCaption(const InterfaceTexts& texts, Quantity box);

// The controls that take the interface font, in the order the font is applied.
[[nodiscard]] const std::vector<std::string>& fontControlNames();

// Reads a text of section "Language". Missing, or only blanks, gives nothing (the caller shows
// kLanguageErrorMessage and ends the program); otherwise the value is returned untrimmed.
[[nodiscard]] std::optional<std::string> readLanguageText(const Profile& languageFile,
                                                          const std::string& key);

// The version text of section "Version", under the same rule.
[[nodiscard]] std::optional<std::string> readVersionText(const Profile& languageFile);

// The first text a language file lacks (missing, or only blanks).
struct MissingText {
    std::string key;
};

// Reads every interface text, in the order the keys have always been read; the first key that is
// missing stops it.
[[nodiscard]] std::variant<InterfaceTexts, MissingText> readInterfaceTexts(
    const Profile& languageFile);

}  // namespace projcalc
