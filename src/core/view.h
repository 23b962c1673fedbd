#pragma once

#include <string>

#include "core/screen.h"

namespace projcalc {

struct InterfaceTexts;

// One entry of a file dialog's filter list: "CalculateFile (*.cf)" with the pattern "*.cf".
struct FileFilter {
    std::string description;
    std::string pattern;
};

// The question asked before changes would be lost: its text and the captions of its buttons.
struct SaveQuestion {
    std::string text;  // "Save changes to NAME?"
    std::string save;
    std::string discard;
    std::string cancel;

    friend bool operator==(const SaveQuestion&, const SaveQuestion&) = default;
};

// The answer to a SaveQuestion.
enum class SaveChoice { Save, Discard, Cancel };

// What the controller asks of a view: show a Screen, take the interface texts, give the sizes the
// drawings are laid out for, and the few questions only a person can answer. The Qt main window
// implements it with widgets; the command-line tool and the tests implement it in memory.
// Showing never raises the view's own events: only the user's actions do.
class View {
  public:
    virtual ~View() = default;

    // Everything the view shows after a step, messages and errors included (in order, after the
    // rest is shown).
    virtual void show(const Screen& screen) = 0;

    // Captions, menus and fonts of a language file; comes before the Screen that uses them, so
    // that the metrics below already fit their texts.
    virtual void useTexts(const InterfaceTexts& texts) = 0;

    // The sizes the drawings are laid out for.
    [[nodiscard]] virtual DiagramMetrics metrics() const = 0;

    // File dialogs, starting in `initialFolder`. They return the chosen path, or an empty text
    // when the user cancels. The save dialog appends `defaultExtension` to a name without one
    // and asks before overwriting an existing file.
    [[nodiscard]] virtual std::string askOpenFileName(const FileFilter& filter,
                                                      const std::string& initialFolder) = 0;
    [[nodiscard]] virtual std::string askSaveFileName(const FileFilter& filter,
                                                      const std::string& initialFolder,
                                                      const std::string& defaultExtension) = 0;

    // Asks the question with its three buttons and returns the answer.
    [[nodiscard]] virtual SaveChoice askSaveChanges(const SaveQuestion& question) = 0;

    // Asks a question with OK and Cancel ("Replace the 16 models ...?"); true for OK.
    [[nodiscard]] virtual bool askToGoOn(const std::string& question) = 0;
};

}  // namespace projcalc
