#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/finder.h"
#include "calc/model_traits.h"
#include "calc/options.h"
#include "calc/throw_table.h"
#include "core/calculation.h"
#include "core/catalogue_store.h"
#include "core/history.h"
#include "core/screen.h"
#include "core/transitions.h"
#include "core/view.h"
#include "i18n/language.h"
#include "models/model_catalogue.h"
#include "util/file_system.h"

namespace projcalc {

// How start-up treats a catalogue it cannot use.
struct StartUpRules {
    // Start on the previous catalogue, OLD.ini, when ModelInfo.ini cannot be used and OLD.ini
    // can, and say so; otherwise such a start ends (scripts rely on that of projcalc-cli).
    bool fallBackToOldCatalogue = false;
    // The interface texts to start with; the data folder's Language.ini when none is given.
    std::optional<std::filesystem::path> languageFile;
    // The unit and mounting to start with (the window's last used; the CLI's are the defaults).
    Unit unit = Unit::Inches;
    Mount mount = Mount::Bottom;
};

// The controller of the main window. It holds the catalogue store, the one Calculation and its
// history, and answers every intent of the user (a value committed, a model picked, an option
// chosen, a file to open) with one command: a transition from the calculation to the next (or
// a refusal), then one Screen for the view, made by `present`, with everything the command said.
//
// Commands take the answers of the user's questions as data (the file to open, the name to save
// as); core/asking.h asks them through a View first. Choosing the option that is already
// checked, or picking the model that is already selected, changes nothing and shows nothing.
class Calculator {
  public:
    explicit Calculator(View& view, FileSystem& fileSystem = localFileSystem());

    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // Runs the start-up sequence against a data folder: the interface texts, the default options,
    // the catalogue, the first model and its results. Returns false when the program must end (a
    // missing interface text or an unreadable catalogue; the Screen shown says why). Our
    // temporary files left in the data folder by interrupted saves are removed first.
    [[nodiscard]] bool startUp(const std::filesystem::path& dataFolder,
                               const StartUpRules& rules = {});

    // ---- intents --------------------------------------------------------------------------

    // The user picks a row of the model list. The model starts from its largest picture; with
    // keepScreenOnPick, from the screen shown before: its aspect, where the model offers it, and
    // its diagonal as if typed (refused with the usual message, the largest picture then
    // standing, when the model cannot throw it). One step of the history either way.
    void pickModel(int row);

    // Option > "Keep the screen when changing model", for comparing projectors for one screen.
    void setKeepScreenOnPick(bool keep) noexcept { keepScreenOnPick_ = keep; }
    [[nodiscard]] bool keepsScreenOnPick() const noexcept { return keepScreenOnPick_; }

    // A value box was left, or Enter pressed in it or beside it, holding `typed`. False when the
    // value was refused: the box then keeps the edit (the view gives it the focus back and
    // selects its text, which is the one it had before).
    bool commit(Quantity box, std::string_view typed);

    // Option clicks.
    void choose(Aspect aspect);
    void choose(Zoom zoom);
    void choose(Unit unit);
    void choose(Mount mount);

    // The light inputs of the planning panel, left or Enter pressed in them holding `typed`. False
    // when the text was refused (a message says why; the input shows its previous text again).
    bool setScreenGain(std::string_view typed);
    bool setLightShare(std::string_view typed);
    // The "Scope screen" choice.
    void choose(ScopeRatio ratio);

    // Edit > Undo and Redo: the calculation before (after) the last step comes back whole and is
    // shown again. A step is a commit that changed the results, an option change or a model pick.
    // Open and a catalogue replacement clear the history. False when there was nothing to do.
    bool undo();
    bool redo();

    // Takes a model the finder found: picks its row, checks the aspect and commits the diagonal
    // text as if the user typed it into the diagonal box. One step of the history.
    void takeFoundModel(int row, Aspect aspect, const std::string& diagonalText);

    // Takes the interface texts of another language file at once: captions, menus, messages and
    // the drawings' captions. A file that lacks a text changes nothing; the language message
    // says what is missing.
    bool useLanguageFile(const std::filesystem::path& file);

    // ---- files ----------------------------------------------------------------------------

    // Restores the calculation a file holds (adding its model to the list when the catalogue
    // lacks it); a failure changes nothing.
    bool open(const std::string& path);
    // Save needs a name when the calculation has no file, or its file no longer exists.
    [[nodiscard]] bool saveNeedsName() const;
    // Saves to the current file (Save without a name to ask for), or to `path` (Save As, or a
    // Save that asked). Saving never loses the previous file.
    bool save();
    bool saveAs(const std::string& path);
    // A Save whose question for a name was cancelled forgets the file that is gone.
    void forgetMissingFile();
    // The question before changes would be lost, or nothing when there are no changes.
    [[nodiscard]] std::optional<SaveQuestion> saveQuestion() const;

    // Replaces the model catalogue with a chosen file. The candidate takes the place of the
    // catalogue in force only when it yields a model; the previous one is kept as OLD.ini.
    // Where the data folder cannot be written, the new catalogue is installed in the user's own
    // folder (see setUserDataFolder) with the language file beside it, and that folder is used
    // from then on.
    bool replaceCatalogue(const std::string& chosen);

    // The question before a replacement: "Replace the 16 models of the current catalogue with
    // the 2 models of FILE? The current catalogue is kept." Nothing when the file cannot be
    // used; what is wrong with it is then shown, as replaceCatalogue would.
    [[nodiscard]] std::optional<std::string> replacementQuestion(const std::string& chosen);

    // Option > Restore previous catalogue: puts OLD.ini back as the catalogue in force, the
    // replaced one becoming OLD.ini, under the same lock and checks as a replacement. False,
    // with a message, when there is no usable previous catalogue.
    bool restorePreviousCatalogue();
    [[nodiscard]] bool hasPreviousCatalogue() const { return catalogue_.hasPrevious(); }
    void setUserDataFolder(std::filesystem::path folder) {
        catalogue_.setUserDataFolder(std::move(folder));
    }

    // Writes the throw table of the selected model (limits in steps of `step` inches) as CSV in
    // the selected unit; reports a failure.
    bool exportThrowTableCsv(const std::string& path, double step);
    // Writes an exported document the window made (a PDF) the way saves are written; reports a
    // failure.
    bool writeExport(const std::string& path, std::string_view bytes);
    // Shows an error the view met itself (a print that failed) the way the commands do.
    void report(const AppError& error);

    // ---- questions ------------------------------------------------------------------------

    // The fields a calculation file stores differ from those of the file last opened or saved,
    // or for a calculation never saved, from the state right after start-up.
    [[nodiscard]] bool changed() const { return history_.changed(calc_); }
    // The Screen of the calculation as it is, with nothing said.
    [[nodiscard]] Screen screen() const;
    // The plain-text summary of the calculation (resultSummaryLines), which Copy Results puts on
    // the clipboard.
    [[nodiscard]] std::string resultsSummary() const;

    // The version text for the About dialog, read from Language.ini at every call. Nothing when it
    // is missing: the caller shows kLanguageErrorMessage and ends the program.
    [[nodiscard]] std::optional<std::string> readVersionText() const;
    // The message shown when the version text is missing: the language message, then the file
    // and what is wrong with it.
    [[nodiscard]] std::string missingVersionMessage() const;
    [[nodiscard]] const std::filesystem::path& languageFile() const noexcept {
        return languageFile_;
    }
    // The file system every file of the program is read and written through.
    [[nodiscard]] FileSystem& fileSystem() const noexcept { return fileSystem_; }

    // Which models of the catalogue fit a room for a screen of the given diagonal (inches) and
    // aspect, at the checked mounting, with the light worked out for the calculation's gain and
    // share; with `minimumFootLamberts` above 0 only those some counting end of which reaches it.
    [[nodiscard]] std::vector<FittingModel> findModels(double diagonal, Aspect aspect, Room room,
                                                       double minimumFootLamberts = 0.0) const;
    // The selected model's throw table at the checked aspect and mounting, with the light of the
    // calculation's gain and share: the given diagonals,
    // or its limits in steps of `step` inches.
    [[nodiscard]] std::vector<ThrowRow> throwTableOf(const std::vector<double>& diagonals) const;
    [[nodiscard]] std::vector<ThrowRow> throwTableByLimits(double step) const;

    [[nodiscard]] const Calculation& calculation() const noexcept { return calc_; }
    [[nodiscard]] const std::vector<ModelTraits>& catalogue() const noexcept {
        return catalogue_.models();
    }
    // The folder ModelInfo.ini and Language.ini are read from, with one trailing separator.
    [[nodiscard]] const std::string& dataFolder() const noexcept { return catalogue_.dataFolder(); }
    [[nodiscard]] const InterfaceTexts& texts() const noexcept { return texts_; }
    [[nodiscard]] const std::string& currentFile() const noexcept { return calc_.file; }
    // The row of the model list that is selected, or -1.
    [[nodiscard]] int selectedRow() const noexcept { return calc_.model; }

  private:
    [[nodiscard]] StepContext context() const { return {texts_, view_.metrics()}; }
    // Takes a step's calculation (unless refused), records it in the history when it is one of
    // the user's steps, and shows the Screen with what the step said. True unless refused.
    bool apply(Transition step, bool record = true);
    // Shows the Screen of the calculation as it is now, with `notices`.
    void show(std::vector<Notice> notices = {});
    // The Screen of the calculation as it is now, with `notices`, for `metrics`.
    [[nodiscard]] Screen screenFor(const DiagramMetrics& metrics,
                                   std::vector<Notice> notices) const;
    // Runs a choice through its transition, unless it is the current one.
    template <typename Choice>
    void chooseWith(Choice chosen, Choice current,
                    Transition (*transition)(const Calculation&, Choice, const StepContext&));

    // Takes the first model of a catalogue that came into force, with a new history, and shows
    // what its step and the catalogue said; shows why when none came into force.
    bool takeCatalogue(CatalogueOutcome outcome);
    bool restoreCalculation(const struct CalculationFile& file, const std::string& path);
    bool saveTo(const std::string& path);

    View& view_;
    FileSystem& fileSystem_;
    CatalogueStore catalogue_;
    std::filesystem::path languageFile_;  // the interface texts in use
    Calculation calc_;
    InterfaceTexts texts_;
    History history_;
    bool keepScreenOnPick_ = false;
};

}  // namespace projcalc
