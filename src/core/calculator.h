#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calc/model_traits.h"
#include "calc/options.h"
#include "calc/solve.h"
#include "core/calculation.h"
#include "core/view.h"
#include "i18n/language.h"
#include "util/file_system.h"

namespace projcalc {

// Key code of the Enter key, as the value boxes' key handler receives it.
inline constexpr int kEnterKey = 13;

// The controller of the main window: it holds the catalogue, the one Calculation and the window's
// own fields, runs the start-up sequence and answers every user action by asking the pure engine
// (solve, readout, the scenes) and telling the view what to show.
//
// Each user event is one public method. A click on the option that is already checked, or a pick
// of the model that is already selected, changes nothing. While the calculator is not ready
// (start-up, opening a file, installing a catalogue) choices are only recorded; the chain of
// solve, read-out and drawings runs once at the end.
class Calculator {
  public:
    explicit Calculator(View& view, FileSystem& fileSystem = localFileSystem());

    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // Runs the start-up sequence against a data folder: the interface texts, the default options,
    // the catalogue, the first model and its results. Returns false when the program must end (a
    // missing interface text or an unreadable catalogue; the message has been shown).
    [[nodiscard]] bool startUp(const std::filesystem::path& dataFolder);

    // The user picks a row of the model list.
    void onModelPicked(int row);

    // Value boxes.
    void onValueFocus(Quantity box);
    void onValueKey(Quantity box, int keyCode);
    void onValueFocusLost(Quantity box);
    void onEnterClicked(Quantity box);

    // Option clicks by the user.
    void onAspectClicked(Aspect aspect);
    void onZoomClicked(Zoom zoom);
    void onUnitsClicked(Unit unit);
    void onPositionClicked(Mount mount);

    // Takes a typed value: reads it, rounds it up to a whole number, solves from it (restoring the
    // previous text when the limits reject it), then refreshes every box and both drawings.
    void commitValue(Quantity box);

    // The version text for the About dialog, read from Language.ini at every call. Nothing when it
    // is missing: the caller shows kLanguageErrorMessage and ends the program.
    [[nodiscard]] std::optional<std::string> readVersionText() const;

    // Calculation files. Open asks for a file with the open dialog, then restores the calculation
    // it holds (adding its model to the list when the catalogue lacks it); a failure changes
    // nothing. Save writes to the current file, asking for a name when there is none (or it no
    // longer exists); Save As always asks. Saving never loses the previous file.
    bool openCalculationFile();
    bool openCalculationFile(const std::string& path);
    bool saveCalculationFile();
    bool saveCalculationFileAs();

    // Replaces the model catalogue with a file the user chooses. The candidate takes the place of
    // the catalogue in force only when it yields a model; the previous one is kept as OLD.ini.
    // Where the data folder cannot be written, the new catalogue is installed in the user's own
    // folder (see setUserDataFolder) with the language file beside it, and that folder is used
    // from then on.
    void replaceCatalogue();
    void setUserDataFolder(std::filesystem::path folder) { userDataFolder_ = std::move(folder); }

    [[nodiscard]] const Calculation& calculation() const noexcept { return calc_; }
    [[nodiscard]] const std::vector<ModelTraits>& catalogue() const noexcept { return catalogue_; }
    // The folder ModelInfo.ini and Language.ini are read from, with one trailing separator.
    [[nodiscard]] const std::string& dataFolder() const noexcept { return dataFolder_; }
    [[nodiscard]] const std::string& title() const noexcept { return title_; }
    [[nodiscard]] const InterfaceTexts& texts() const noexcept { return texts_; }
    [[nodiscard]] bool calculatorReady() const noexcept { return ready_; }
    [[nodiscard]] const std::array<std::string, 4>& committedTexts() const noexcept {
        return committedTexts_;
    }
    [[nodiscard]] const std::string& currentFile() const noexcept { return calc_.file; }
    // The row of the model list that is selected, or -1.
    [[nodiscard]] int selectedRow() const noexcept { return calc_.model; }

  private:
    // Model selection: takes the model's traits, checks its first aspect and starting zoom end,
    // offers what it offers and starts from its largest diagonal.
    void pickModel(int index);
    void showModelList();
    [[nodiscard]] OptionStates optionStates() const;
    // The front scale and limits that the checked aspect and zoom end select.
    void selectScale();

    // Option handlers, run by user clicks and by options checked from code. They return false
    // when an arithmetic fault stopped the recalculation.
    bool aspectChanged(Aspect aspect);
    bool zoomChanged(Zoom zoom);
    bool unitsChanged(Unit unit);
    bool positionChanged(Mount mount);
    // Runs a user's option click; when its recalculation fails, the previous choice comes back,
    // so that what is checked always matches the results shown.
    template <typename Choice>
    void clickOption(Choice chosen, Choice current, bool (Calculator::*handler)(Choice));

    // The recalculation chain: solve, show the results, then draw. Returns false when an
    // arithmetic fault stopped it (the fault has been reported; nothing further ran).
    bool recalculate(Known known, OnLimit onLimit, bool drawFront = true);
    bool refreshAndDraw();
    // Solves and keeps what the solve gives; shows the limit messages. False on a fault, and
    // `kept` tells whether the known value itself was within the limits and kept.
    bool solveAndKeep(Known known, OnLimit onLimit, bool& kept);
    bool showResults();
    // Shows the planning read-outs of the results kept (calculator_planning.cpp).
    void showPlanning();
    void drawFrontView();
    void drawSideView();
    void reportFault(const AppError& error);
    // Empties the value and offset boxes and both drawings: the selected model has no results.
    void clearResults();
    [[nodiscard]] Known storedDiagonal() const noexcept {
        return {Quantity::Diagonal, calc_.results.diagonal};
    }

    // What Open may have to put back when it fails half-way.
    struct Snapshot {
        Calculation calculation;
        std::size_t catalogueSize = 0;
        std::array<std::string, 4> committedTexts;
        std::string title;
        bool ready = false;
    };
    [[nodiscard]] Snapshot takeSnapshot() const;
    // Puts a snapshot back and shows it again: list, options, boxes, drawings and title.
    void restoreSnapshot(const Snapshot& snapshot);
    // Saves to the current file, or to a file the user names (always with `saveAs`).
    bool saveCalculationFile(bool saveAs);
    bool restoreCalculation(const struct CalculationFile& file, const std::string& path);
    void setTitle(std::string title);
    void setTitleForFile(const std::string& path);
    void installCatalogue(std::vector<ModelRecord> models);
    // Takes the texts the boxes show as their last accepted texts. A menu command that changed
    // them may run while a box has the focus; leaving that box must not solve again.
    void takeShownTexts();

    [[nodiscard]] std::filesystem::path dataFile(const char* name) const;

    View& view_;
    FileSystem& fileSystem_;
    std::string dataFolder_;
    std::vector<ModelTraits> catalogue_;
    Calculation calc_;
    InterfaceTexts texts_;
    bool ready_ = false;
    std::array<std::string, 4> committedTexts_;
    std::string title_;
    std::filesystem::path userDataFolder_;
};

}  // namespace projcalc
