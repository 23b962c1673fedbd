#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/options.h"
#include "calc/planning.h"
#include "calc/readout.h"
#include "diagrams/metrics.h"
#include "diagrams/scene.h"
#include "util/errors.h"

namespace projcalc {

struct InterfaceTexts;

// One entry of a file dialog's filter list: "CalculateFile (*.cf)" with the pattern "*.cf".
struct FileFilter {
    std::string description;
    std::string pattern;
};

// The option groups of the main window.
enum class OptionGroup { Aspect, Zoom, Units, Position };

// What the option buttons show: the checked choice of each group and which buttons can be
// clicked. Units and mounting are always enabled.
struct OptionStates {
    Options checked;
    Unit unit = Unit::Inches;
    std::array<bool, 4> aspectEnabled{true, true, true, true};  // by Aspect
    std::array<bool, 2> zoomEnabled{true, true};                // by Zoom

    friend bool operator==(const OptionStates&, const OptionStates&) = default;
};

// Whether the calculation differs from what its file holds (or, never saved, from its state at
// start-up), and whether Edit > Undo and Redo have a step to take.
struct EditState {
    bool changed = false;
    bool canUndo = false;
    bool canRedo = false;

    friend bool operator==(const EditState&, const EditState&) = default;
};

// The question asked before changes would be lost: its text and the captions of its buttons.
struct SaveQuestion {
    std::string text;  // "Save changes to NAME?"
    std::string save;
    std::string discard;
    std::string cancel;
};

// The answer to a SaveQuestion.
enum class SaveChoice { Save, Discard, Cancel };

// What the controller asks of the window. The Qt main window implements it with widgets; tests
// and the command-line tool implement it in memory. Changes made through it never raise the
// window's own events: only the user's actions do.
class View {
  public:
    virtual ~View() = default;

    // A value box's text, and its Enter button.
    virtual void setValueText(Quantity box, const std::string& text) = 0;
    [[nodiscard]] virtual std::string valueText(Quantity box) const = 0;
    // Shows the Enter button of one box and hides the others; none for nothing.
    virtual void showEnterButton(std::optional<Quantity> box) = 0;
    // Selects the whole text of a value box that has just gained the focus.
    virtual void selectValueText(Quantity box) = 0;

    // The four value boxes and the two offset boxes at once.
    virtual void showReadout(const Readout& readout) = 0;

    // The planning read-outs of the results shown, its lengths to be shown in `unit`; nothing
    // when the selected model has no results.
    virtual void showPlanning(const std::optional<Planning>& planning, Unit unit) = 0;

    // Every option button, and the aspect preview of the checked aspect.
    virtual void showOptions(const OptionStates& states) = 0;

    // The model list: one row per catalogue model, in catalogue order.
    virtual void showModelList(const std::vector<std::string>& names) = 0;
    virtual void selectModelRow(int row) = 0;

    // Window title, captions and fonts.
    virtual void setTitle(const std::string& title) = 0;
    virtual void applyInterfaceTexts(const InterfaceTexts& texts) = 0;

    // A message box with an OK button and the program's title; returns when it is closed.
    virtual void showMessage(const std::string& text) = 0;
    // An error message box with the error icon: "Err : " + number + CR LF + description.
    virtual void showError(const AppError& error) = 0;

    // The sizes the drawings are laid out for, and a drawing to show in its picture box (the
    // controls lying on it move as the scene says).
    [[nodiscard]] virtual FrontMetrics frontMetrics() const = 0;
    [[nodiscard]] virtual SideMetrics sideMetrics() const = 0;
    virtual void showScene(DiagramId diagram, const Scene& scene) = 0;

    // File dialogs, starting in `initialFolder`. They return the chosen path, or an empty text
    // when the user cancels. The save dialog appends `defaultExtension` to a name without one
    // and asks before overwriting an existing file.
    [[nodiscard]] virtual std::string askOpenFileName(const FileFilter& filter,
                                                      const std::string& initialFolder) = 0;
    [[nodiscard]] virtual std::string askSaveFileName(const FileFilter& filter,
                                                      const std::string& initialFolder,
                                                      const std::string& defaultExtension) = 0;

    // The changed mark of the title and which of Edit > Undo and Redo can be chosen.
    virtual void showEditState(const EditState& state) = 0;
    // Asks the question with its three buttons and returns the answer.
    [[nodiscard]] virtual SaveChoice askSaveChanges(const SaveQuestion& question) = 0;
    // Puts a plain text on the clipboard.
    virtual void copyText(const std::string& text) = 0;
};

}  // namespace projcalc
