#pragma once

#include <array>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "core/view.h"
#include "i18n/language.h"

namespace projcalc {

// A view held in memory: what a window would show, kept as plain values. The command-line tool
// and the tests drive the controller through it and read back what the user would see.
class MemoryView : public View {
  public:
    struct OptionState {
        bool checked = false;
        bool enabled = true;
    };
    struct ModelRow {
        std::string name;
        int modelIndex = 0;
    };

    // View
    void setValueText(Quantity box, const std::string& text) override;
    [[nodiscard]] std::string valueText(Quantity box) const override;
    void showEnterButton(std::optional<Quantity> box) override;
    void selectValueText(Quantity box) override;
    void showReadout(const Readout& readout) override;
    void showPlanning(const std::optional<Planning>& shownPlanning, Unit unit) override;
    void showOptions(const OptionStates& states) override;
    void showModelList(const std::vector<std::string>& names) override;
    void selectModelRow(int row) override;
    void setTitle(const std::string& title) override;
    void applyInterfaceTexts(const InterfaceTexts& texts) override;
    void showMessage(const std::string& text) override;
    void showError(const AppError& error) override;
    [[nodiscard]] FrontMetrics frontMetrics() const override { return frontSizes; }
    [[nodiscard]] SideMetrics sideMetrics() const override { return sideSizes; }
    void showScene(DiagramId diagram, const Scene& scene) override;
    [[nodiscard]] std::string askOpenFileName(const FileFilter& filter,
                                              const std::string& initialFolder) override;
    [[nodiscard]] std::string askSaveFileName(const FileFilter& filter,
                                              const std::string& initialFolder,
                                              const std::string& defaultExtension) override;
    void showEditState(const EditState& state) override;
    [[nodiscard]] SaveChoice askSaveChanges(const SaveQuestion& question) override;
    void copyText(const std::string& text) override;

    // What the user sees.
    std::array<std::string, 4> valueTexts = {"Distance", "SSize", "Width", "Height"};
    std::array<bool, 4> enterVisible = {true, true, true, true};
    std::array<std::string, 2> offsetTexts = {"Offset", "Offset"};
    int selectedValueBox = -1;  // the box whose text was last selected on focus
    OptionStates optionStates;  // as last shown
    std::array<std::vector<OptionState>, 4> options = {
        std::vector<OptionState>(4), std::vector<OptionState>(2), std::vector<OptionState>(3),
        std::vector<OptionState>(2)};
    double aspectPreviewRatio = 0.0;
    std::string aspectPreviewCaption = "Label1";
    std::vector<ModelRow> modelRows;
    int selectedModelRow = -1;
    std::string title = "Form1";
    InterfaceTexts texts;
    std::vector<std::string> messages;               // every message shown, in order
    std::vector<AppError> errors;                    // every error shown, in order
    FrontMetrics frontSizes = designFrontMetrics();  // what the drawings are laid out for
    SideMetrics sideSizes = designSideMetrics();
    Scene frontScene;  // the last drawing of each picture box
    Scene sideScene;
    int frontDrawings = 0;  // how many times each view was drawn
    int sideDrawings = 0;
    // Answers to the file dialogs, taken in order; an empty answer (or none left) cancels.
    std::deque<std::string> dialogAnswers;
    std::vector<FileFilter> dialogFilters;  // the filter of every dialog shown
    EditState editState;                    // as last shown
    // Answers to "Save changes?", taken in order; with none left the changes are discarded, as
    // the command-line tool always does.
    std::deque<SaveChoice> saveAnswers;
    std::vector<std::string> questions;  // the text of every question asked
    std::string clipboard;

    // The planning read-outs last shown (none without results) and the unit they were shown in.
    std::optional<Planning> planning;
    Unit planningUnit = Unit::Inches;

    [[nodiscard]] const std::vector<OptionState>& group(OptionGroup g) const {
        return options[static_cast<std::size_t>(g)];
    }
    // The checked option of a group, or -1.
    [[nodiscard]] int checkedOption(OptionGroup g) const;
    [[nodiscard]] const std::string& boxText(Quantity box) const {
        return valueTexts[static_cast<std::size_t>(indexOf(box))];
    }
    [[nodiscard]] std::string& boxText(Quantity box) {
        return valueTexts[static_cast<std::size_t>(indexOf(box))];
    }
};

}  // namespace projcalc
