#pragma once

#include <string>
#include <vector>

#include "core/calculation.h"
#include "core/screen.h"
#include "i18n/language.h"

namespace projcalc {

// What a view shows besides the calculation itself: the model list, the interface texts, the
// sizes the drawings are laid out for, the state of the history and what the step said.
struct PresentInput {
    const Calculation& calculation;
    const std::vector<std::string>& models;  // the model list, in catalogue order
    const InterfaceTexts& texts;
    DiagramMetrics metrics;
    bool changed = false;
    bool canUndo = false;
    bool canRedo = false;
    std::vector<Notice> notices;
};

// The Screen of a calculation: the title and its changed mark, the model list and selection,
// every option button with the reason a greyed one is greyed, the box and offset texts, the
// planning figures and both drawings. Only reads: the front view is drawn at the scale the
// calculation keeps (the commands refit it), so presenting twice gives the same Screen.
[[nodiscard]] Screen present(const PresentInput& input);

// The planning figures of a calculation, as present gives them: the planning read-outs, the light
// of each end, the scope plan and the throw ratios.
[[nodiscard]] PlanningScreen planningScreen(const Calculation& calculation);

// The window title: the language file's caption, with the file's name in brackets once the
// calculation has been opened from or saved to a file.
[[nodiscard]] std::string titleFor(const InterfaceTexts& texts, const std::string& file);

// The option buttons of a calculation: the checked choices, which aspects and zoom ends the
// model offers, and the tooltips that say why the others are greyed.
[[nodiscard]] OptionsScreen optionsScreen(const Calculation& calculation,
                                          const InterfaceTexts& texts);

}  // namespace projcalc
