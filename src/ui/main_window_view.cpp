// The main window as the controller's View: every change is applied with the widgets' signals
// blocked, so that nothing the controller does comes back to it as a user event.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <cmath>

#include "i18n/language.h"
#include "i18n/optional_texts.h"
#include "ui/artwork.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/scene_view.h"
#include "ui/value_box.h"

namespace projcalc::ui {
namespace {

// A dialog filter as Qt writes it: "CalculateFile (*.cf)".
QString nameFilterOf(const FileFilter& filter) {
    QString text = toQt(filter.description);
    const QString pattern = toQt(filter.pattern);
    if (!text.contains(pattern)) text += QStringLiteral(" (%1)").arg(pattern);
    return text;
}

QString withoutLineBreaks(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('&'));
}

}  // namespace

void MainWindow::setValueText(Quantity box, const std::string& text) {
    ValueBox* edit = valueBoxes_[static_cast<std::size_t>(indexOf(box))];
    const QSignalBlocker blocker(edit);
    edit->setText(toQt(text));
}

std::string MainWindow::valueText(Quantity box) const {
    return fromQt(valueBoxes_[static_cast<std::size_t>(indexOf(box))]->text());
}

void MainWindow::showEnterButton(std::optional<Quantity> box) {
    for (std::size_t i = 0; i < enterButtons_.size(); ++i)
        enterButtons_[i]->setVisible(box && static_cast<int>(i) == indexOf(*box));
}

void MainWindow::selectValueText(Quantity box) {
    valueBoxes_[static_cast<std::size_t>(indexOf(box))]->selectWholeText();
}

void MainWindow::showReadout(const Readout& readout) {
    for (const Quantity box : kAllQuantities)
        setValueText(box, readout.boxes[static_cast<std::size_t>(indexOf(box))]);
    for (std::size_t i = 0; i < offsetBoxes_.size(); ++i) {
        const QSignalBlocker blocker(offsetBoxes_[i]);
        offsetBoxes_[i]->setText(toQt(readout.offsets[i]));
    }
}

void MainWindow::checkOption(OptionGroup group, int index) {
    QButtonGroup* buttons = optionGroup(group);
    const QSignalBlocker groupBlocker(buttons);
    // Exclusive groups refuse to uncheck their last checked button.
    buttons->setExclusive(false);
    for (QAbstractButton* button : buttons->buttons()) {
        const QSignalBlocker blocker(button);
        button->setChecked(buttons->id(button) == index);
    }
    buttons->setExclusive(true);
}

void MainWindow::showOptions(const OptionStates& states) {
    checkOption(OptionGroup::Aspect, indexOf(states.checked.aspect));
    checkOption(OptionGroup::Zoom, indexOf(states.checked.zoom));
    checkOption(OptionGroup::Units, indexOf(states.unit));
    checkOption(OptionGroup::Position, indexOf(states.checked.mount));
    for (const Aspect aspect : kAllAspects) {
        if (QAbstractButton* button = optionGroup(OptionGroup::Aspect)->button(indexOf(aspect)))
            button->setEnabled(states.aspectEnabled[static_cast<std::size_t>(indexOf(aspect))]);
    }
    for (const Zoom zoom : kAllZooms) {
        if (QAbstractButton* button = optionGroup(OptionGroup::Zoom)->button(indexOf(zoom)))
            button->setEnabled(states.zoomEnabled[static_cast<std::size_t>(indexOf(zoom))]);
    }
    showAspectPreview(states.checked.aspect);
}

void MainWindow::showAspectPreview(Aspect aspect) {
    // The box keeps its height and its horizontal centre; the centre is held exactly, so that
    // going back and forth between ratios never shifts the box by a rounded pixel.
    const QRect box = aspectBox_->geometry();
    const int width = static_cast<int>(std::lround(box.height() * ratioOf(aspect)));
    const int left = static_cast<int>(std::lround(aspectBoxCentre_ - width / 2.0));
    aspectBox_->setGeometry(left, box.top(), width, box.height());
    aspectCaption_->setText(toQt(std::string(shapeOf(aspect).caption)));
    centreAspectCaption();
}

void MainWindow::showModelList(const std::vector<std::string>& names) {
    const QSignalBlocker blocker(modelList_);
    modelList_->clear();
    for (const std::string& name : names)
        modelList_->addItem(toQt(name));
}

void MainWindow::selectModelRow(int row) {
    const QSignalBlocker blocker(modelList_);
    modelList_->setCurrentIndex(row >= 0 && row < modelList_->count() ? row : -1);
}

void MainWindow::setTitle(const std::string& title) {
    title_ = toQt(title);
    // The "[*]" is there only while the mark shows, so that the title reads plainly otherwise.
    setWindowTitle(changed_ ? title_ + QStringLiteral("[*]") : title_);
}

void MainWindow::showEditState(const EditState& state) {
    undoAction_->setEnabled(state.canUndo);
    redoAction_->setEnabled(state.canRedo);
    if (state.changed == changed_) return;
    changed_ = state.changed;
    if (changed_) {
        setWindowTitle(title_ + QStringLiteral("[*]"));
        setWindowModified(true);
    } else {
        setWindowModified(false);
        setWindowTitle(title_);
    }
}

SaveChoice MainWindow::askSaveChanges(const SaveQuestion& question) {
    return questionHook_(this, {title_, toQtLines(question.text), toQtLines(question.save),
                                toQtLines(question.discard), toQtLines(question.cancel)});
}

void MainWindow::copyText(const std::string& text) {
    QGuiApplication::clipboard()->setText(toQt(text));
}

void MainWindow::applyInterfaceTexts(const InterfaceTexts& texts) {
    for (const ControlCaption& item : texts.menuCaptions) {
        const QString name = toQt(item.objectName);
        if (auto* menu = findChild<QMenu*>(name)) {
            menu->setTitle(toQtLines(item.text));
        } else if (auto* action = findChild<QAction*>(name)) {
            action->setText(toQtLines(item.text));
        }
    }
    // Menu items of the optional texts, found by their key as object name.
    for (const OptionalText& optional : optionalTexts()) {
        if (!optional.key.starts_with("mnu")) continue;
        const QString name = toQt(std::string(optional.key));
        const QString text = toQtLines(texts.text(optional.key));
        if (auto* menu = findChild<QMenu*>(name)) {
            menu->setTitle(text);
        } else if (auto* action = findChild<QAction*>(name)) {
            action->setText(text);
        }
    }
    for (const ControlCaption& item : texts.editing.menuCaptions) {
        const QString name = toQt(item.objectName);
        if (auto* menu = findChild<QMenu*>(name)) {
            menu->setTitle(toQtLines(item.text));
        } else if (auto* action = findChild<QAction*>(name)) {
            action->setText(toQtLines(item.text));
        }
    }
    for (const std::string& name : fontControlNames()) {
        QWidget* widget = findChild<QWidget*>(toQt(name));
        if (widget == nullptr) continue;
        QFont font = widget->font();
        if (!texts.fontName.empty()) font.setFamily(toQt(texts.fontName));
        if (texts.fontSize > 0) font.setPointSize(texts.fontSize);
        widget->setFont(font);
    }
    for (const ControlCaption& item : texts.controlCaptions) {
        QWidget* widget = findChild<QWidget*>(toQt(item.objectName));
        const QString text = toQtLines(item.text);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(text);
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            frame->setTitle(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(text);
        }
    }
    // Screen readers name each box by its caption and each option by its text and frame.
    for (std::size_t i = 0; i < valueBoxes_.size(); ++i)
        valueBoxes_[i]->setAccessibleName(withoutLineBreaks(valueCaptions_[i]->text()));
    for (QRadioButton* option : findChildren<QRadioButton*>()) {
        option->setAccessibleName(withoutLineBreaks(option->text()));
        if (auto* frame = qobject_cast<QGroupBox*>(option->parentWidget()))
            option->setAccessibleDescription(withoutLineBreaks(frame->title()));
    }
    fitTextControls();
    applyPlanningCaptions(texts.planning);
    applyReportCaptions(texts);
}

void MainWindow::showMessage(const std::string& text) {
    messageHook_(this, {MessageRequest::Icon::None, title_, toQtLines(text)});
}

void MainWindow::showError(const AppError& error) {
    messageHook_(this,
                 {MessageRequest::Icon::Critical, title_, toQtLines(errorMessageText(error))});
}

Size MainWindow::controlSize(const QString& name) const {
    QSize size;
    if (const QWidget* widget = findChild<QWidget*>(name)) {
        size = widget->size();
    } else {
        // Pictures the diagrams paint themselves have their artwork's size.
        size = artworkSize(name);
    }
    return {size.width(), size.height()};
}

FrontMetrics MainWindow::frontMetrics() const {
    FrontMetrics m;
    m.picture = controlSize(QStringLiteral("picDraw1"));
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        m.valueBox[k] = controlSize(QStringLiteral("txtValue_%1").arg(i));
        m.enterButton[k] = controlSize(QStringLiteral("cmdEnter_%1").arg(i));
        m.caption[k] = controlSize(QStringLiteral("lblValue_%1").arg(i));
    }
    m.projector = controlSize(QStringLiteral("imgProjector"));
    return m;
}

SideMetrics MainWindow::sideMetrics() const {
    SideMetrics m;
    m.picture = controlSize(QStringLiteral("picDraw2"));
    m.offsetBox = {controlSize(QStringLiteral("txtOffset_0")),
                   controlSize(QStringLiteral("txtOffset_1"))};
    m.rangeSign = controlSize(QStringLiteral("imgKara"));
    m.caption = controlSize(QStringLiteral("lblOffset"));
    m.projector = {controlSize(QStringLiteral("imgProjectorSide_1")),
                   controlSize(QStringLiteral("imgProjectorSide_0"))};
    return m;
}

void MainWindow::showScene(DiagramId diagram, const Scene& scene) {
    SceneView* box = diagram == DiagramId::Front ? frontView_ : sideView_;
    box->setScene(scene);
    for (const ControlPlacement& placement : scene.controls) {
        QWidget* widget =
            box->findChild<QWidget*>(toQt(placement.name), Qt::FindDirectChildrenOnly);
        if (widget == nullptr) continue;  // a picture the scene paints
        widget->move(placement.at.x, placement.at.y);
        // Whether an Enter button shows is decided by the editing, not by the drawing.
        if (!placement.name.starts_with("cmdEnter")) widget->setVisible(placement.visible);
    }
}

std::string MainWindow::askOpenFileName(const FileFilter& filter,
                                        const std::string& initialFolder) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.nameFilter = nameFilterOf(filter);
    request.folder = toQt(initialFolder);
    return fromQt(fileDialogHook_(this, request));
}

std::string MainWindow::askSaveFileName(const FileFilter& filter, const std::string& initialFolder,
                                        const std::string& defaultExtension) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.nameFilter = nameFilterOf(filter);
    request.folder = toQt(initialFolder);
    request.defaultSuffix = toQt(defaultExtension);
    return fromQt(fileDialogHook_(this, request));
}

}  // namespace projcalc::ui
