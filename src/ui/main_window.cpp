#include "ui/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "core/asking.h"
#include "ui/option_panel.h"
#include "ui/qt_text.h"
#include "ui/value_box.h"

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
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
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
    showEnterButton(-1);
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
    for (const Quantity box : kAllQuantities) {
        const auto i = static_cast<std::size_t>(indexOf(box));
        const int index = indexOf(box);
        connect(valueBoxes_[i], &ValueBox::keyTyped, this,
                [this, index] { showEnterButton(index); });
        connect(valueBoxes_[i], &ValueBox::escaped, this, [this] { showEnterButton(-1); });
        connect(valueBoxes_[i], &ValueBox::enterPressed, this,
                [this, index] { (void)commitBox(index); });
        connect(enterButtons_[i], &QPushButton::clicked, this,
                [this, index] { (void)commitBox(index); });
    }
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
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);
}

bool MainWindow::commitBox(int box) {
    ValueBox* edit = valueBoxes_[static_cast<std::size_t>(box)];
    showEnterButton(-1);
    const bool kept = calculator_.commit(static_cast<Quantity>(box), fromQt(edit->text()));
    // After a refusal the next keys replace the whole text instead of adding to it.
    if (!kept) edit->selectWholeText();
    return kept;
}

bool MainWindow::commitPendingEdit() {
    ValueBox* box = editedBox();
    if (box == nullptr || !box->holdsTyping()) return true;
    return commitBox(editingBox_);
}

void MainWindow::onFocusChanged(QWidget* /*old*/, QWidget* now) {
    // Another window, a message box or a popup menu has the focus: the edit goes on when the
    // focus comes back. The menu bar takes the focus only while it is opened from the keyboard.
    if (handlingFocus_ || now == nullptr || now->window() != this ||
        qobject_cast<QMenuBar*>(now) != nullptr) {
        return;
    }
    const int target = valueBoxIndex(now);
    if (target >= 0 && target == editingBox_) return;
    // A commit may show a message; the focus changes it causes are not the user's.
    const QScopedValueRollback guard(handlingFocus_, true);
    if (editingBox_ >= 0) {
        const int left = std::exchange(editingBox_, -1);
        if (!commitBox(left)) {
            // A refused value: the box keeps the focus, its previous text selected.
            editingBox_ = left;
            ValueBox* box = valueBoxes_[static_cast<std::size_t>(left)];
            box->setFocus(Qt::OtherFocusReason);
            box->selectWholeText();
            return;
        }
    }
    if (target >= 0) {
        editingBox_ = target;
        showEnterButton(target);
        valueBoxes_[static_cast<std::size_t>(target)]->beginEdit();
    }
}

ValueBox* MainWindow::editedBox() const {
    return editingBox_ >= 0 ? valueBoxes_[static_cast<std::size_t>(editingBox_)] : nullptr;
}

int MainWindow::valueBoxIndex(const QWidget* widget) const {
    const auto found = std::find(valueBoxes_.begin(), valueBoxes_.end(), widget);
    return found == valueBoxes_.end() ? -1 : static_cast<int>(found - valueBoxes_.begin());
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
    if (ValueBox* box = editedBox(); box != nullptr && box->isUndoAvailable()) {
        box->undo();
    } else {
        (void)calculator_.undo();
    }
}

void MainWindow::onRedo() {
    if (ValueBox* box = editedBox(); box != nullptr && box->isRedoAvailable()) {
        box->redo();
    } else {
        (void)calculator_.redo();
    }
}

void MainWindow::onCopyResults() {
    // Like a print, the summary holds what was typed.
    if (!commitPendingEdit()) return;
    QGuiApplication::clipboard()->setText(toQt(calculator_.resultsSummary()));
}

}  // namespace projcalc::ui
