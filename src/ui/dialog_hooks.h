#pragma once

#include <QString>
#include <functional>

#include "core/view.h"

class QWidget;

namespace projcalc::ui {

// A message the window shows in a modal box with an OK button.
struct MessageRequest {
    enum class Icon { None, Critical };
    Icon icon = Icon::None;
    QString title;
    QString text;  // line breaks as "\n"
};

// Shows a message and returns once it is closed. The window uses showMessageBox; tests put a
// recorder in its place so that no modal box ever waits for a user.
using MessageHook = std::function<void(QWidget* parent, const MessageRequest& request)>;

// The real message box: OK button, the request's icon and title.
void showMessageBox(QWidget* parent, const MessageRequest& request);

// The question asked before unsaved changes would be lost, with its three buttons' captions.
struct QuestionRequest {
    QString title;
    QString text;
    QString save;
    QString discard;
    QString cancel;
};

// Asks the question and returns the answer. The window uses askQuestionBox; tests answer in its
// place.
using QuestionHook = std::function<SaveChoice(QWidget* parent, const QuestionRequest& request)>;

// The real question box: Save (the default), Discard and Cancel (also Escape and closing it).
[[nodiscard]] SaveChoice askQuestionBox(QWidget* parent, const QuestionRequest& request);

// A question with OK and Cancel; true for OK. The window uses askGoOnBox; tests answer in its
// place. The request's `save` is the OK button's caption; `discard` is not used.
using GoOnHook = std::function<bool(QWidget* parent, const QuestionRequest& request)>;

// The real question box: OK and Cancel (the default, also Escape and closing it), so that a
// stray Enter never replaces anything.
[[nodiscard]] bool askGoOnBox(QWidget* parent, const QuestionRequest& request);

// A file dialog the window asks for: open an existing file, or save (asking before it overwrites
// a file, appending `defaultSuffix` to a name without an extension).
struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString nameFilter;  // "CalculateFile (*.cf)"
    QString folder;
    QString defaultSuffix;  // "cf", without the point
};

// Returns the chosen path, or an empty text when the user cancels.
using FileDialogHook = std::function<QString(QWidget* parent, const FileDialogRequest& request)>;

// The real file dialog.
[[nodiscard]] QString showFileDialog(QWidget* parent, const FileDialogRequest& request);

// Ends the program from inside the running window with an exit code. Tests record the request
// instead of ending.
using ExitHook = std::function<void(QWidget* window, int exitCode)>;

// The real ending: closes the window and leaves the event loop with `exitCode`.
void endProgram(QWidget* window, int exitCode);

}  // namespace projcalc::ui
