#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calc/solver.h"
#include "core/calculator_state.h"
#include "core/view.h"
#include "i18n/language.h"
#include "util/file_system.h"

namespace projcalc {

// Key code of the Enter key, as the value boxes' key handler receives it.
inline constexpr int kEnterKey = 13;

// The controller of the main window: it owns the calculator state and the window's own fields,
// runs the start-up sequence and reacts to every user action by telling the view what to show.
//
// Each user event is one public method. Where an option is checked from code, the controller
// checks it on the view and runs its handler directly; the ready flag decides whether the
// handler recalculates. A click on the option that is already checked, or a pick of the model
// that is already selected, changes nothing.
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

    // Value boxes (0 distance, 1 diagonal, 2 width, 3 height).
    void onValueFocus(int index);
    void onValueKey(int index, int keyCode);
    void onValueFocusLost(int index);
    void onEnterClicked(int index);

    // Option clicks by the user.
    void onAspectClicked(int index);
    void onZoomClicked(int index);
    void onUnitsClicked(int index);
    void onPositionClicked(int index);

    // Takes a typed value: reads it, rounds it up to a whole number, solves from it (restoring the
    // previous text when the limits reject it), then refreshes every box and both drawings.
    void commitValue(int index);

    // Hides every Enter button, then shows the one of `index` (0 to 3; -1 shows none).
    void showEnterButton(int index);

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

    [[nodiscard]] const std::string& title() const noexcept { return title_; }
    [[nodiscard]] const CalculatorState& state() const noexcept { return state_; }
    [[nodiscard]] const InterfaceTexts& texts() const noexcept { return texts_; }
    [[nodiscard]] bool calculatorReady() const noexcept { return calculatorReady_; }
    [[nodiscard]] bool clampToLimit() const noexcept { return clampToLimit_; }
    [[nodiscard]] const std::array<std::string, 4>& committedTexts() const noexcept {
        return committedTexts_;
    }
    [[nodiscard]] const std::string& currentFile() const noexcept { return currentFile_; }
    // The row of the model list that is selected, or -1.
    [[nodiscard]] int selectedRow() const noexcept { return selectedRow_; }
    // The model index carried by each row of the model list.
    [[nodiscard]] const std::vector<int>& listRows() const noexcept { return listRows_; }

  private:
    // Model selection: copies the model's values into the state, offers its aspects and zoom ends,
    // works out the drawing reference distances and starts from its largest diagonal.
    void applyModel(int modelIndex);
    void selectListRow(int row);
    void fillModelList();
    // Enables the aspect and zoom options the model offers.
    void showCapabilities(const ModelRecord& model);
    void selectDiagonalLimits();

    // Option handlers, run by user clicks and by options checked from code. They return false
    // when an arithmetic fault stopped the recalculation.
    bool aspectChanged(int index);
    bool zoomChanged(int index);
    bool unitsChanged(int index);
    bool positionChanged(int index);
    // Runs a user's option click; when its recalculation fails, the previous choice comes back,
    // so that what is checked always matches the results shown.
    template <typename Handler>
    void clickOption(OptionGroup group, int index, int& selection, Handler handler);

    // The recalculation chain: solve, show the results, then draw. Returns false when an
    // arithmetic fault stopped it (the fault has been reported; nothing further ran).
    bool recalculate(int mode, double value, bool drawFront = true);
    bool refreshAndDraw();
    bool solve(int mode, double value, bool& ok);
    void drawFrontView();
    void drawSideView();
    void reportFault(const AppError& error);
    // Empties the value and offset boxes and both drawings: the selected model has no results.
    void clearResults();

    // What Open may have to put back when it fails half-way.
    struct Snapshot {
        CalculatorState state;
        std::vector<int> listRows;
        int selectedRow = -1;
        std::array<std::string, 4> committedTexts;
        std::string currentFile;
        std::string title;
        bool calculatorReady = false;
        bool resultsValid = false;
    };
    [[nodiscard]] Snapshot takeSnapshot() const;
    // Puts a snapshot back and shows it again: list, options, boxes, drawings and title.
    void restoreSnapshot(const Snapshot& snapshot);
    bool saveCalculationFile(std::string& path);
    bool restoreCalculation(const struct CalculationFile& file, const std::string& path);
    void setTitle(std::string title);
    void setTitleForFile(const std::string& path);
    void installCatalogue(std::vector<ModelRecord> models);
    // Takes the texts the boxes show as their last accepted texts. A menu command that changed
    // them may run while a box has the focus; leaving that box must not solve again.
    void takeShownTexts();

    [[nodiscard]] std::filesystem::path dataFile(const char* name) const;
    [[nodiscard]] SolverContext solverContext();

    View& view_;
    FileSystem& fileSystem_;
    CalculatorState state_;
    InterfaceTexts texts_;
    bool calculatorReady_ = false;
    bool clampToLimit_ = false;
    bool resultsValid_ = false;  // the stored results belong to the selected model
    std::array<std::string, 4> committedTexts_;
    std::string currentFile_;
    std::string title_;
    std::filesystem::path userDataFolder_;
    std::vector<int> listRows_;
    int selectedRow_ = -1;
};

}  // namespace projcalc
