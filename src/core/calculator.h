#pragma once

#include <array>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calc/finder.h"
#include "calc/model_traits.h"
#include "calc/options.h"
#include "calc/solve.h"
#include "calc/throw_table.h"
#include "core/calculation.h"
#include "core/view.h"
#include "i18n/language.h"
#include "models/model_catalogue.h"
#include "util/file_system.h"

namespace projcalc {

// Key codes of the Enter and Escape keys, as the value boxes' key handler receives them.
inline constexpr int kEnterKey = 13;
inline constexpr int kEscapeKey = 27;

// How many steps Edit > Undo can take back.
inline constexpr std::size_t kUndoDepth = 100;

// How start-up treats a catalogue it cannot use.
struct StartUpRules {
    // Start on the previous catalogue, OLD.ini, when ModelInfo.ini cannot be used and OLD.ini
    // can, and say so; otherwise such a start ends (scripts rely on that of projcalc-cli).
    bool fallBackToOldCatalogue = false;
    // The interface texts to start with; the data folder's Language.ini when none is given.
    std::optional<std::filesystem::path> languageFile;
};

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
    // missing interface text or an unreadable catalogue; the message has been shown). Our
    // temporary files left in the data folder by interrupted saves are removed first.
    [[nodiscard]] bool startUp(const std::filesystem::path& dataFolder, StartUpRules rules = {});

    // The user picks a row of the model list.
    void onModelPicked(int row);

    // Value boxes. Leaving a box commits its value; false when the value was refused: the box
    // then keeps the edit, and the view gives it the focus back. Escape puts back the text the
    // box had when it took the focus (or when its last value was entered).
    void onValueFocus(Quantity box);
    void onValueKey(Quantity box, int keyCode);
    bool onValueFocusLost(Quantity box);
    void onEnterClicked(Quantity box);

    // Option clicks by the user.
    void onAspectClicked(Aspect aspect);
    void onZoomClicked(Zoom zoom);
    void onUnitsClicked(Unit unit);
    void onPositionClicked(Mount mount);

    // Takes a typed value: reads it (readTypedValue), solves from it, then refreshes every box and
    // both drawings. A refused text or a value the limits reject shows its message, puts the
    // previous text back and selects it; then the result is false and nothing was solved.
    bool commitValue(Quantity box);

    // Commits the value box being edited as if the focus had left it, before a command that must
    // see what the user typed (Save, Print, Open, Quit, a model pick, ...). False when the value
    // was refused: the command must not run.
    bool commitPendingEdit();

    // Edit > Undo and Redo: the calculation before (after) the last step comes back whole and is
    // shown again. A step is a commit that changed the results, an option change or a model pick.
    // Open and a catalogue replacement clear the history. False when there was nothing to do.
    bool undo();
    bool redo();
    // The fields a calculation file stores differ from those of the file last opened or saved,
    // or for a calculation never saved, from the state right after start-up.
    [[nodiscard]] bool changed() const;
    // Asks "Save changes to NAME?" when there are changes; Save saves as File > Save does. True
    // when the caller may go on: no changes, saved, or the user chose to discard them.
    bool offerToSaveChanges();

    // Edit > Copy Results: puts the summary on the clipboard.
    void copyResults();
    // The plain-text summary of the calculation (resultSummaryLines).
    [[nodiscard]] std::string resultsSummary() const;

    // The version text for the About dialog, read from Language.ini at every call. Nothing when it
    // is missing: the caller shows kLanguageErrorMessage and ends the program.
    [[nodiscard]] std::optional<std::string> readVersionText() const;
    // The message shown when the version text is missing: the language message, then the file
    // and what is wrong with it.
    [[nodiscard]] std::string missingVersionMessage() const;

    // Takes the interface texts of another language file at once: captions, menus, messages and
    // the drawings' captions. A file that lacks a text changes nothing; the language message
    // says what is missing.
    bool useLanguageFile(const std::filesystem::path& file);
    [[nodiscard]] const std::filesystem::path& languageFile() const noexcept {
        return languageFile_;
    }

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

    // Which models of the catalogue fit a room for a screen of the given diagonal (inches) and
    // aspect, at the checked mounting.
    [[nodiscard]] std::vector<FittingModel> findModels(double diagonal, Aspect aspect,
                                                       Room room) const;
    // Takes a model the finder found: picks its row, checks the aspect and commits the diagonal
    // text as if the user typed it into the diagonal box.
    void takeFoundModel(int row, Aspect aspect, const std::string& diagonalText);
    // The selected model's throw table at the checked aspect and mounting: the given diagonals,
    // or its limits in steps of `step` inches.
    [[nodiscard]] std::vector<ThrowRow> throwTableOf(const std::vector<double>& diagonals) const;
    [[nodiscard]] std::vector<ThrowRow> throwTableByLimits(double step) const;
    // Writes the throw table of the selected model (limits in steps of `step` inches) as CSV in
    // the selected unit; reports a failure.
    bool exportThrowTableCsv(const std::string& path, double step);
    // Writes an exported document the window made (a PDF) the way saves are written; reports a
    // failure.
    bool writeExport(const std::string& path, std::string_view bytes);

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
    bool openFile(const std::string& path);
    bool restoreCalculation(const struct CalculationFile& file, const std::string& path);
    void setTitle(std::string title);
    void setTitleForFile(const std::string& path);
    void installCatalogue(std::vector<ModelRecord> models);
    // Takes the texts the boxes show as their last accepted texts. A menu command that changed
    // them may run while a box has the focus; leaving that box must not solve again.
    void takeShownTexts();

    [[nodiscard]] std::filesystem::path dataFile(const char* name) const;
    // The texts of a language file, or the language message naming what is wrong with it.
    [[nodiscard]] std::variant<InterfaceTexts, std::string> readTexts(
        const std::filesystem::path& file) const;
    // Loads the catalogue in force at start-up (ModelInfo.ini, or OLD.ini as the rules allow).
    [[nodiscard]] bool loadCatalogueAtStartUp(StartUpRules rules);
    // Installs checked catalogue bytes as ModelInfo.ini in a folder, keeping the catalogue in force
    // as OLD.ini there (and the language file, in a folder other than the data folder), under
    // the folder's lock.
    [[nodiscard]] std::optional<AppError> installCatalogueFile(const std::string& folder,
                                                               const std::string& bytes);
    // Tells the user once which catalogue lines were left out and why.
    void reportLeftOutLines(const std::string& file, const std::vector<LeftOutLine>& leftOut);

    // History and changes (editing.cpp). A user command calls recordStep with the calculation it
    // started from: a calculation that changed becomes an undo step. Either way the view learns
    // the changed mark and what Undo and Redo can do.
    // While a command made of several (a model found by the finder) runs, its parts record no
    // steps of their own: the command records one.
    void recordStep(const Calculation& before);
    void clearHistory();
    // What the calculation file last opened or saved holds is now the state to compare with.
    void markSaved();
    void showEditState();
    // Shows a calculation of the history as the current one: list, options, boxes, drawings.
    void showCalculation(Calculation calculation);

    View& view_;
    FileSystem& fileSystem_;
    std::string dataFolder_;
    std::string catalogueName_ = "ModelInfo.ini";  // the data folder's catalogue in force
    std::filesystem::path languageFile_;           // the interface texts in use
    std::vector<ModelTraits> catalogue_;
    Calculation calc_;
    InterfaceTexts texts_;
    bool ready_ = false;
    std::array<std::string, 4> committedTexts_;
    std::string title_;
    std::filesystem::path userDataFolder_;

    std::optional<Quantity> editing_;  // the value box that has the focus
    std::deque<Calculation> undoSteps_;
    std::deque<Calculation> redoSteps_;
    int stepParts_ = 0;          // above 0 while the parts of one step run
    CalculationFile savedFile_;  // what changed() compares with
};

}  // namespace projcalc
