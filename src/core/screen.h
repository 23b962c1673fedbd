#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/light.h"
#include "calc/options.h"
#include "calc/planning.h"
#include "calc/scope.h"
#include "diagrams/metrics.h"
#include "diagrams/scene.h"
#include "util/errors.h"

namespace projcalc {

// The option groups of the main window.
enum class OptionGroup { Aspect, Zoom, Units, Position };

// The fixed name of an option button, whatever the language file calls it: "4 : 3", "WIDE",
// "Feet", "Bottom of Screen", ... Empty for an index outside the group. The command line and
// its report name the options by these.
[[nodiscard]] std::string_view optionName(OptionGroup group, int index) noexcept;

// The names of every option of a group, by index (calc/options.h).
[[nodiscard]] std::span<const ChoiceName> optionNames(OptionGroup group) noexcept;

// One thing a step tells the user: a message box with an OK button, or an error message box
// ("Err : " + number + CR LF + description). A step may say several, in order.
struct Notice {
    enum class Kind { Message, Error };
    Kind kind = Kind::Message;
    std::string text;  // a message's text
    AppError error;    // an error's number and description

    [[nodiscard]] static Notice message(std::string text) {
        return {Kind::Message, std::move(text), {}};
    }
    [[nodiscard]] static Notice failure(AppError error) {
        return {Kind::Error, {}, std::move(error)};
    }

    friend bool operator==(const Notice&, const Notice&) = default;
};

// One option button: whether it is checked, whether it can be clicked, and its tooltip, which
// says why a greyed one is greyed. Units and mounting are always enabled; their tooltips never
// change and stay with the window.
struct OptionButton {
    bool checked = false;
    bool enabled = true;
    std::string tooltip;

    friend bool operator==(const OptionButton&, const OptionButton&) = default;
};

// Every option button, and the choices they stand for.
struct OptionsScreen {
    Options checked;
    Unit unit = Unit::Inches;
    std::array<OptionButton, 4> aspects;    // by Aspect
    std::array<OptionButton, 2> zooms;      // by Zoom
    std::array<OptionButton, 3> units;      // by Unit
    std::array<OptionButton, 2> positions;  // by Mount

    // The buttons of a group, by index.
    [[nodiscard]] std::vector<OptionButton> group(OptionGroup g) const;
    // The checked option of a group, or -1.
    [[nodiscard]] int checkedIndex(OptionGroup g) const;

    friend bool operator==(const OptionsScreen&, const OptionsScreen&) = default;
};

// The planning read-outs of the results shown. Every figure a planning view shows is one field
// here, lengths in inches, to be shown in `unit`.
struct PlanningScreen {
    std::optional<Planning> planning;  // nothing when the selected model has no results
    Unit unit = Unit::Inches;

    // The gain and share typed in, shown whether or not there are figures.
    LightSettings lightSettings;
    // The light of each end on the screen; nothing when the model has no lumens or there are no
    // results.
    std::optional<ScreenLight> light;
    // The light of each end for the scope picture (by Zoom); empty without a scope plan or a
    // figure for that end.
    std::array<std::optional<double>, 2> scopeFootLamberts{};

    // The scope screen chosen, and its figures: nothing when none is chosen, the aspect is not
    // 16 : 9 (then `scopeNeeds16x9`) or there are no results.
    ScopeRatio scopeRatio = ScopeRatio::None;
    std::optional<ScopePlan> scope;
    bool scopeNeeds16x9 = false;

    // Distance ÷ image width of each end of the throw range (by Zoom).
    ZoomLengths throwRatio{};

    friend bool operator==(const PlanningScreen&, const PlanningScreen&) = default;
};

// Everything a view of the calculator shows after a step, as one plain value: `present` makes
// it from the calculation, and the window, the command line's report and the tests all show or
// read this and nothing else.
struct Screen {
    std::string title;  // the window title, without the changed mark
    std::string file;   // the calculation file last opened or saved; empty when none
    bool changed = false;
    bool canUndo = false;
    bool canRedo = false;

    std::vector<std::string> models;  // the model list, one row per catalogue model
    int selectedRow = -1;             // the selected row, or -1

    OptionsScreen options;

    std::array<std::string, 4> boxes;    // the value boxes, by Quantity
    std::array<std::string, 2> offsets;  // offset A, offset B
    std::array<bool, 2> offsetVisible{true, true};

    PlanningScreen planning;

    Scene front;  // the two drawings, laid out for the view's metrics
    Scene side;

    // What the step said, in order.
    std::vector<Notice> notices;

    // The name of the selected row, or nothing.
    [[nodiscard]] std::optional<std::string> selectedModel() const;

    friend bool operator==(const Screen&, const Screen&) = default;
};

// The texts of the value boxes before anything has been worked out: their design texts.
inline constexpr std::array<const char*, 4> kDesignBoxTexts = {"Distance", "SSize", "Width",
                                                               "Height"};
// The texts of the offset boxes before anything has been worked out.
inline constexpr std::array<const char*, 2> kDesignOffsetTexts = {"Offset", "Offset"};

// The sizes a view lays its two drawings out for.
struct DiagramMetrics {
    FrontMetrics front = designFrontMetrics();
    SideMetrics side = designSideMetrics();

    friend bool operator==(const DiagramMetrics&, const DiagramMetrics&) = default;
};

}  // namespace projcalc
