#include "ui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "core/asking.h"
#include "ui/option_panel.h"
#include "ui/qt_text.h"
#include "ui/value_panel.h"

namespace projcalc::ui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), calculator_(*this) {
    // The title until the language file's caption replaces it; messages at start-up carry it.
    setWindowTitle(title_);
    buildControls();
    buildMenus();
    buildCatalogueCommands();
    buildPlanningPanel();
    buildReportCommands();
    buildLanguageMenu();
    buildTabOrder();
    connectUserEvents();
    applyColours();
    refreshArtwork();
    // The window can grow from its design size, which is its smallest; it comes back as it was.
    restoreWindowPlacement();
    modelList_->setFocus();
}

MainWindow::~MainWindow() {
    // Closing the window moves the focus; by then the controller is going away. The model
    // list's field would be told it lost the focus after the window is gone.
    disconnect(qApp, &QApplication::focusChanged, valuePanel_, nullptr);
    disconnect(modelList_->lineEdit(), nullptr, this, nullptr);
}

bool MainWindow::startUp(const std::filesystem::path& dataFolder,
                         const std::filesystem::path& userDataFolder) {
    calculator_.setUserDataFolder(userDataFolder);
    // The window starts on the previous catalogue when the one in force cannot be used.
    StartUpRules rules;
    rules.fallBackToOldCatalogue = true;
    rules.languageFile = startingLanguage(dataFolder);
    rules = withRememberedChoices(std::move(rules));
    valuePanel_->hideEnterButtons();
    const bool started = calculator_.startUp(dataFolder, rules);
    languageMenu_->setEnabled(!languages_.empty());
    useQtTranslationsOfLanguageInUse();
    return started;
}

void MainWindow::setMessageHook(MessageHook hook) {
    messageHook_ = std::move(hook);
}

void MainWindow::setFileDialogHook(FileDialogHook hook) {
    fileDialogHook_ = std::move(hook);
}

void MainWindow::setQuestionHook(QuestionHook hook) {
    questionHook_ = std::move(hook);
}

void MainWindow::setGoOnHook(GoOnHook hook) {
    goOnHook_ = std::move(hook);
}

void MainWindow::connectUserEvents() {
    connect(optionPanel_, &OptionPanel::chosen, this, [this](OptionGroup group, int index) {
        const auto choose = [this, index]<typename Choice>(Choice) {
            if (const std::optional<Choice> choice = choiceAt<Choice>(index))
                calculator_.choose(*choice);
        };
        switch (group) {
            case OptionGroup::Aspect:
                choose(Aspect{});
                break;
            case OptionGroup::Zoom:
                choose(Zoom{});
                break;
            case OptionGroup::Units:
                choose(Unit{});
                break;
            case OptionGroup::Position:
                choose(Mount{});
                break;
        }
    });
    connect(modelList_, &QComboBox::activated, this, [this](int row) {
        // A refused value keeps the model its text belongs to.
        if (!commitPendingEdit()) {
            selectModelRow(calculator_.selectedRow());
            return;
        }
        calculator_.pickModel(row);
    });
}

bool MainWindow::commitPendingEdit() {
    return valuePanel_->commitPendingEdit();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::ApplicationPaletteChange) {
        applyColours();
        refreshArtwork();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (QWindow* window = windowHandle()) {
        disconnect(window, &QWindow::screenChanged, this, nullptr);
        connect(window, &QWindow::screenChanged, this, [this] { refreshArtwork(); });
    }
    refreshArtwork();
}

// Menu commands of calculation files and catalogue replacement: what is being typed is entered
// first, then core/asking.h asks the questions through this view and gives the calculator the
// answers. Printing and About are in main_window_print.cpp.
bool MainWindow::openFile(const std::string& path) {
    return commitPendingEdit() && openAfterAsking(calculator_, *this, path);
}
void MainWindow::onOpen() {
    if (commitPendingEdit()) (void)askAndOpen(calculator_, *this);
}
void MainWindow::onSave() {
    if (commitPendingEdit()) (void)askAndSave(calculator_, *this);
}
void MainWindow::onSaveAs() {
    if (commitPendingEdit()) (void)askAndSaveAs(calculator_, *this);
}
void MainWindow::onSelectModelInfo() {
    if (commitPendingEdit()) (void)askAndReplaceCatalogue(calculator_, *this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (commitPendingEdit() && offerToSaveChanges(calculator_, *this)) {
        rememberWindowPlacement();
        QMainWindow::closeEvent(event);
    } else {
        event->ignore();
    }
}

void MainWindow::onUndo() {
    if (!valuePanel_->undoTyping()) (void)calculator_.undo();
}

void MainWindow::onRedo() {
    if (!valuePanel_->redoTyping()) (void)calculator_.redo();
}

void MainWindow::onCopyResults() {
    // Like a print, the summary holds what was typed.
    if (!commitPendingEdit()) return;
    QGuiApplication::clipboard()->setText(toQt(calculator_.resultsSummary()));
}

}  // namespace projcalc::ui
