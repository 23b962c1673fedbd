#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/limit_message.h"
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
    PlanningCaptions planning;                        // optional keys, see PlanningCaptions
};

// The controls that take the interface font, in the order the font is applied.
[[nodiscard]] const std::vector<std::string>& fontControlNames();

// Reads a text of section "Language". Missing, or only blanks, gives nothing (the caller shows
// kLanguageErrorMessage and ends the program); otherwise the value is returned untrimmed.
[[nodiscard]] std::optional<std::string> readLanguageText(const Profile& languageFile,
                                                          const std::string& key);

// The version text of section "Version", under the same rule.
[[nodiscard]] std::optional<std::string> readVersionText(const Profile& languageFile);

// Reads every interface text, in the order the keys have always been read. Gives nothing, and the
// key that failed in `missingKey`, when a text is missing.
[[nodiscard]] std::optional<InterfaceTexts> readInterfaceTexts(const Profile& languageFile,
                                                               std::string* missingKey = nullptr);

}  // namespace projcalc
