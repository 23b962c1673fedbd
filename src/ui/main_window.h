#pragma once

#include <QMainWindow>
#include <filesystem>

#include "core/calculator.h"
#include "core/languages.h"
#include "core/report_content.h"
#include "core/view.h"
#include "ui/dialog_hooks.h"
#include "ui/print_dialog.h"

class QAction;
class QActionGroup;
class QMenu;
class QComboBox;
class QFrame;
class QLabel;

namespace projcalc::ui {

class OptionPanel;
class PlanningPanel;
class SceneView;
class ValuePanel;

// The main window: every control of the calculator under its design name, the menus, and the
// View the controller talks to. It decides nothing itself: user actions go to the Calculator,
// and what the Calculator tells the view is shown with the widgets' signals blocked, so that no
// change made from code comes back as a user event.
class MainWindow : public QMainWindow, public View {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the start-up sequence on a data folder. False when the program must end (the message
    // has been shown). A catalogue replacement moves to `userDataFolder` when the data folder
    // cannot be written.
    [[nodiscard]] bool startUp(const std::filesystem::path& dataFolder,
                               const std::filesystem::path& userDataFolder = {});

    // Where the shipped language files are looked for; by default the data folder's
    // languages/, else the program's own. Tests point it at a folder of their own.
    void setLanguagesFolder(std::filesystem::path folder);

    // Replace how messages and file dialogs are shown (tests record them instead).
    void setMessageHook(MessageHook hook);
    void setFileDialogHook(FileDialogHook hook);
    // Replace where the print dialog gets its printers, and how the program ends from the About
    // command when the version text is missing.
    void setPrinterProvider(PrinterProvider provider);
    void setExitHook(ExitHook hook);
    // Replace how "Save changes?" is asked (tests answer it).
    void setQuestionHook(QuestionHook hook);
    void setGoOnHook(GoOnHook hook);

    [[nodiscard]] Calculator& calculator() noexcept { return calculator_; }

    // Opens a file handed over by a later start or named on the command line: enters what is
    // being typed, asks before unsaved changes would be lost, then opens it.
    bool openFile(const std::string& path);

    // View. QWidget::show() stays what it is.
    using QMainWindow::show;
    void show(const Screen& screen) override;
    void useTexts(const InterfaceTexts& texts) override;
    [[nodiscard]] DiagramMetrics metrics() const override;
    [[nodiscard]] std::string askOpenFileName(const FileFilter& filter,
                                              const std::string& initialFolder) override;
    [[nodiscard]] std::string askSaveFileName(const FileFilter& filter,
                                              const std::string& initialFolder,
                                              const std::string& defaultExtension) override;
    [[nodiscard]] SaveChoice askSaveChanges(const SaveQuestion& question) override;
    [[nodiscard]] bool askToGoOn(const std::string& question) override;

  private slots:
    void onFindModels();
    void onExportThrowTable();
    void onOpen();
    void onSave();
    void onSaveAs();
    void onPrint();
    void onExportPdf();
    // File > Export Report...: asks for the title and "prepared by", then the file name.
    void onExportReport();
    void onSelectModelInfo();
    void onAbout();
    // Edit menu: while a value box holds typing it can take back, Undo and Redo act on that
    // typing, as in any text box; otherwise on the calculation.
    void onUndo();
    void onRedo();
    void onCopyResults();
    void onPlanningToggled(bool shown);

  protected:
    void showEvent(QShowEvent* event) override;
    // A new palette brings the pictures and colours that suit it.
    void changeEvent(QEvent* event) override;
    // Quit and closing the window enter what is being typed and ask before changes are lost.
    void closeEvent(QCloseEvent* event) override;

  private:
    QMenu* languageMenu_ = nullptr;
    QActionGroup* languageChoices_ = nullptr;
    std::filesystem::path languagesFolder_;
    std::vector<ShippedLanguage> languages_;

    // Construction (main_window_controls.cpp).
    void buildControls();
    void buildMenus();
    // Find models... and Export throw table... (main_window_catalogue.cpp).
    void buildCatalogueCommands();
    void buildTabOrder();
    void connectUserEvents();
    // The planning panel and the View menu (main_window_planning.cpp).
    void buildPlanningPanel();
    void applyPlanningCaptions(const PlanningCaptions& captions);
    // The report commands (main_window_report.cpp): File > Export Report... after Export PDF,
    // and what the print dialog prints.
    void buildReportCommands();
    // Option > Language (main_window_language.cpp): the language to start in (the remembered
    // choice, else the locale's, else the data folder's Language.ini), the menu of the shipped
    // languages, and a choice that takes effect at once and is remembered.
    void buildLanguageMenu();
    [[nodiscard]] std::optional<std::filesystem::path> startingLanguage(
        const std::filesystem::path& dataFolder);
    void fillLanguageMenu();
    void checkLanguageInUse();
    void useQtTranslationsOfLanguageInUse();
    // The unit and mounting the window was last closed with, where remembered.
    [[nodiscard]] StartUpRules withRememberedChoices(StartUpRules rules) const;
    void onLanguageChosen(const std::string& code);
    void applyReportCaptions(const InterfaceTexts& texts);
    // Asks for the report's title and "prepared by" (remembering the name), then makes the
    // report of the calculation shown; nothing when the user cancels.
    [[nodiscard]] std::optional<ReportContent> askReport();
    // Prints the window or the report; the choice is remembered for the next print dialog.
    [[nodiscard]] std::optional<AppError> printContent(const QString& printerName,
                                                       PrintContent content);
    [[nodiscard]] static PrintContent rememberedPrintContent();

    // Appearance (main_window_looks.cpp). Pictures rendered for the screen's pixel ratio, the
    // drawings' scale and the palette; `always` renders them even when none of those changed.
    void refreshArtwork(bool always = false);
    // Labels and options whose text does not fit grow to their size hint, keeping their top-left
    // (the drawings size the controls lying on them themselves).
    void fitTextControls();
    // The aspect preview on the drawings' paper, and the offset boxes in the colours of text that
    // cannot be edited.
    void applyColours();

    // The unit beside every value and offset, in the interface language.
    void showUnit(Unit unit);

    // What the window remembers between runs (main_window_settings.cpp): its size, position and
    // maximised state, and the folder each kind of file was last opened from or saved in.
    void restoreWindowPlacement();
    void rememberWindowPlacement();
    [[nodiscard]] QString startFolder(const std::string& pattern, const QString& otherwise) const;
    void rememberFolder(const std::string& pattern, const QString& chosenPath);
    // Where an export of one kind of file ("*.pdf", "*.csv") starts: the folder it was last
    // written to; before that, the calculation file's folder, else the user's documents.
    [[nodiscard]] QString exportFolder(const std::string& pattern) const;

    // Showing a Screen (main_window_view.cpp): each part is compared with what the window shows
    // and only what differs is changed, with the widgets' signals blocked; then the messages and
    // errors of the step, in order.
    void showTitle(const std::string& title);
    void showEditState(bool changed, bool canUndo, bool canRedo);
    void showOptions(const OptionsScreen& options);
    void showModelList(const std::vector<std::string>& names);
    void selectModelRow(int row);
    void showScene(DiagramId diagram, const Scene& scene);
    void showPlanning(const PlanningScreen& planning);
    void showMessage(const std::string& text);
    void showError(const AppError& error);

    // Commits the value box being edited as if the focus had left it, before a command that must
    // see what the user typed (Save, Print, Open, Quit, a model pick, ...). False when the value
    // was refused: the command must not run.
    bool commitPendingEdit();

    Calculator calculator_;
    MessageHook messageHook_ = showMessageBox;
    FileDialogHook fileDialogHook_ = showFileDialog;
    PrinterProvider printerProvider_ = systemPrinters;
    ExitHook exitHook_ = endProgram;
    QuestionHook questionHook_ = askQuestionBox;
    GoOnHook goOnHook_ = askGoOnBox;

    ValuePanel* valuePanel_ = nullptr;
    OptionPanel* optionPanel_ = nullptr;
    QComboBox* modelList_ = nullptr;
    SceneView* frontView_ = nullptr;
    SceneView* sideView_ = nullptr;
    PlanningPanel* planningPanel_ = nullptr;
    QFrame* logoFrame_ = nullptr;
    QLabel* logo_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    Screen shown_;  // what the window shows, but for the notices
    bool shownOnce_ = false;
    // The title as the controller gives it; the window adds the "[*]" of the changed mark.
    QString title_ = QStringLiteral("Projection Distance Calculator");
    bool changed_ = false;
    // What the pictures were last rendered for: the pixel ratio, each drawing's scale and
    // whether the palette is dark.
    qreal artworkRatio_ = 0.0;
    qreal frontArtworkScale_ = 0.0;
    qreal sideArtworkScale_ = 0.0;
    bool darkArtwork_ = false;
};

}  // namespace projcalc::ui
