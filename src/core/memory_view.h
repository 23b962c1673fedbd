#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/screen.h"
#include "core/view.h"
#include "i18n/language.h"

namespace projcalc {

// A view held in memory: it records every Screen it is shown and answers the questions from
// lists given beforehand. The command-line tool and the tests drive the controller through it
// and read back what the user would see.
class MemoryView : public View {
  public:
    // View
    void show(const Screen& shown) override;
    void useTexts(const InterfaceTexts& newTexts) override { texts = newTexts; }
    [[nodiscard]] DiagramMetrics metrics() const override { return sizes; }
    [[nodiscard]] std::string askOpenFileName(const FileFilter& filter,
                                              const std::string& initialFolder) override;
    [[nodiscard]] std::string askSaveFileName(const FileFilter& filter,
                                              const std::string& initialFolder,
                                              const std::string& defaultExtension) override;
    [[nodiscard]] SaveChoice askSaveChanges(const SaveQuestion& question) override;
    [[nodiscard]] bool askToGoOn(const std::string& question) override;

    // The Screen last shown, and how many have been shown.
    Screen screen;
    int screensShown = 0;
    // Every message and error of the Screens shown, in order.
    std::vector<std::string> messages;
    std::vector<AppError> errors;
    InterfaceTexts texts;  // as last taken
    DiagramMetrics sizes;  // what the drawings are laid out for

    // Answers to the file dialogs, taken in order; an empty answer (or none left) cancels.
    std::deque<std::string> dialogAnswers;
    std::vector<FileFilter> dialogFilters;  // the filter of every dialog shown
    // Answers to "Save changes?", taken in order; with none left the changes are discarded, as
    // the command-line tool always does.
    std::deque<SaveChoice> saveAnswers;
    std::vector<std::string> questions;  // the text of every question asked
    // Answers to OK/Cancel questions, taken in order; with none left the answer is OK.
    std::deque<bool> goOnAnswers;

    // What the Screen last shown shows.
    [[nodiscard]] const std::string& boxText(Quantity box) const {
        return screen.boxes[static_cast<std::size_t>(indexOf(box))];
    }
    // The checked option of a group, or -1.
    [[nodiscard]] int checkedOption(OptionGroup g) const { return screen.options.checkedIndex(g); }
    [[nodiscard]] std::vector<OptionButton> group(OptionGroup g) const {
        return screen.options.group(g);
    }
};

}  // namespace projcalc
