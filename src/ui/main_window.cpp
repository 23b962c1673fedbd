#include "ui/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QWindow>
#include <algorithm>
#include <utility>

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
    // Closing the window moves the focus; by then the controller is going away.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

bool MainWindow::startUp(const std::filesystem::path& dataFolder,
                         const std::filesystem::path& userDataFolder) {
    calculator_.setUserDataFolder(userDataFolder);
    // The window starts on the previous catalogue when the one in force cannot be used.
    StartUpRules rules;
    rules.fallBackToOldCatalogue = true;
    rules.languageFile = startingLanguage(dataFolder);
    const bool started = calculator_.startUp(dataFolder, rules);
    fillLanguageMenu();
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

void MainWindow::connectUserEvents() {
    for (const Quantity box : kAllQuantities) {
        const auto i = static_cast<std::size_t>(indexOf(box));
        connect(valueBoxes_[i], &ValueBox::keyDown, this,
                [this, box](int keyCode) { calculator_.onValueKey(box, keyCode); });
        connect(enterButtons_[i], &QPushButton::clicked, this,
                [this, box] { calculator_.onEnterClicked(box); });
    }
    const auto onClick = [this]<typename Choice>(OptionGroup group,
                                                 void (Calculator::*handler)(Choice)) {
        connect(optionGroup(group), &QButtonGroup::idClicked, this, [this, handler](int index) {
            if (const std::optional<Choice> choice = choiceAt<Choice>(index))
                (calculator_.*handler)(*choice);
        });
    };
    onClick(OptionGroup::Aspect, &Calculator::onAspectClicked);
    onClick(OptionGroup::Zoom, &Calculator::onZoomClicked);
    onClick(OptionGroup::Units, &Calculator::onUnitsClicked);
    onClick(OptionGroup::Position, &Calculator::onPositionClicked);
    for (QButtonGroup* group : optionGroups_) {
        for (QAbstractButton* option : group->buttons())
            option->installEventFilter(this);
    }
    connect(modelList_, &QComboBox::activated, this,
            [this](int row) { calculator_.onModelPicked(row); });
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);
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
        if (!calculator_.onValueFocusLost(static_cast<Quantity>(left))) {
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
        calculator_.onValueFocus(static_cast<Quantity>(target));
    }
}

ValueBox* MainWindow::editedBox() const {
    return editingBox_ >= 0 ? valueBoxes_[static_cast<std::size_t>(editingBox_)] : nullptr;
}

int MainWindow::valueBoxIndex(const QWidget* widget) const {
    const auto found = std::find(valueBoxes_.begin(), valueBoxes_.end(), widget);
    return found == valueBoxes_.end() ? -1 : static_cast<int>(found - valueBoxes_.begin());
}

QButtonGroup* MainWindow::optionGroup(OptionGroup group) const {
    return optionGroups_[static_cast<std::size_t>(group)];
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        auto* option = qobject_cast<QAbstractButton*>(watched);
        if (option != nullptr && option->group() != nullptr && !option->isChecked() &&
            (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
            QAbstractButton* checked = option->group()->checkedButton();
            if (checked != nullptr && checked->isEnabled()) checked->setFocus(reason);
        }
    }
    return QMainWindow::eventFilter(watched, event);
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

// Menu commands of calculation files and catalogue replacement; the controller does the work and
// asks for file names through the View. Printing and About are in main_window_print.cpp.
void MainWindow::onOpen() {
    (void)calculator_.openCalculationFile();
}
void MainWindow::onSave() {
    (void)calculator_.saveCalculationFile();
}
void MainWindow::onSaveAs() {
    (void)calculator_.saveCalculationFileAs();
}
void MainWindow::onSelectModelInfo() {
    calculator_.replaceCatalogue();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (calculator_.commitPendingEdit() && calculator_.offerToSaveChanges()) {
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
    calculator_.copyResults();
}

}  // namespace projcalc::ui
