#include "ui/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "ui/artwork.h"
#include "ui/control_layout.h"
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
    buildTabOrder();
    connectUserEvents();
    refreshArtwork();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
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
    return calculator_.startUp(dataFolder, rules);
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

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (QWindow* window = windowHandle()) {
        connect(window, &QWindow::screenChanged, this, &MainWindow::refreshArtwork,
                Qt::UniqueConnection);
    }
    refreshArtwork();
}

void MainWindow::refreshArtwork() {
    const qreal ratio = devicePixelRatioF();
    if (qFuzzyCompare(ratio, artworkRatio_)) return;
    artworkRatio_ = ratio;

    // The Enter picture shrinks to fit its button, rendered at the size it is shown.
    const QSize natural = artworkSize(QStringLiteral("cmdEnter"));
    const QSize room = enterButtons_[0]->size() - QSize(6, 4);
    QSize shown = natural;
    if (natural.width() > room.width() || natural.height() > room.height())
        shown = natural.scaled(room, Qt::KeepAspectRatio);
    const qreal scale =
        natural.isEmpty() ? 1.0 : static_cast<qreal>(shown.width()) / natural.width();
    QPixmap enter = artworkPixmap(QStringLiteral("cmdEnter"), ratio * scale);
    enter.setDevicePixelRatio(ratio);
    for (QPushButton* button : enterButtons_) {
        button->setIcon(QIcon(enter));
        button->setIconSize(shown);
    }

    rangeSign_->setPixmap(artworkPixmap(QStringLiteral("imgKara"), ratio));
    rangeSign_->resize(artworkSize(QStringLiteral("imgKara")));

    // The logo is centred in its frame, two pixels left of the middle.
    logo_->setPixmap(artworkPixmap(QStringLiteral("imgLogo"), ratio));
    logo_->resize(artworkSize(QStringLiteral("imgLogo")));
    logo_->move((logoFrame_->width() - logo_->width()) / 2 - 2,
                (logoFrame_->height() - logo_->height()) / 2);
}

void MainWindow::fitTextControls() {
    const auto grow = [](QWidget* widget, bool height) {
        const QSize hint = widget->sizeHint();
        widget->resize(std::max(widget->width(), hint.width()),
                       height ? std::max(widget->height(), hint.height()) : widget->height());
    };
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label != aspectBox_ && label != rangeSign_ && label != logo_) grow(label, true);
    }
    // Options keep their height: the text is centred in it and fits.
    for (QRadioButton* option : findChildren<QRadioButton*>())
        grow(option, false);
    centreAspectCaption();
}

void MainWindow::centreAspectCaption() {
    const QRect box = aspectBox_->geometry();
    const QSize hint = aspectCaption_->sizeHint();
    const ControlDesign* design = controlDesign("lblAspect");
    const QSize size(std::max(designPixels(*design).width(), hint.width()),
                     std::max(designPixels(*design).height(), hint.height()));
    aspectCaption_->setGeometry(box.left() + (box.width() - size.width()) / 2,
                                box.top() + (box.height() - size.height()) / 2, size.width(),
                                size.height());
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
