// The main window as the controller's View: every change is applied with the widgets' signals
// blocked, so that nothing the controller does comes back to it as a user event.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <cmath>

#include "i18n/language.h"
#include "ui/artwork.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/scene_view.h"
#include "ui/value_box.h"

namespace projcalc::ui {
namespace {

bool validIndex(int index, std::size_t count) {
    return index >= 0 && static_cast<std::size_t>(index) < count;
}

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

void MainWindow::setValueText(int index, const std::string& text) {
    if (!validIndex(index, valueBoxes_.size())) return;
    const QSignalBlocker blocker(valueBoxes_[index]);
    valueBoxes_[index]->setText(toQt(text));
}

std::string MainWindow::valueText(int index) const {
    return validIndex(index, valueBoxes_.size()) ? fromQt(valueBoxes_[index]->text())
                                                 : std::string();
}

void MainWindow::setEnterButtonVisible(int index, bool visible) {
    if (validIndex(index, enterButtons_.size())) enterButtons_[index]->setVisible(visible);
}

void MainWindow::selectValueText(int index) {
    if (validIndex(index, valueBoxes_.size())) valueBoxes_[index]->selectWholeText();
}

void MainWindow::setOffsetText(int index, const std::string& text) {
    if (!validIndex(index, offsetBoxes_.size())) return;
    const QSignalBlocker blocker(offsetBoxes_[index]);
    offsetBoxes_[index]->setText(toQt(text));
}

void MainWindow::setOptionChecked(OptionGroup group, int index) {
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

void MainWindow::setOptionEnabled(OptionGroup group, int index, bool enabled) {
    if (QAbstractButton* button = optionGroup(group)->button(index)) button->setEnabled(enabled);
}

void MainWindow::showAspectPreview(double aspectRatio, const std::string& caption) {
    // The box keeps its height and its horizontal centre; the centre is held exactly, so that
    // going back and forth between ratios never shifts the box by a rounded pixel.
    if (std::isfinite(aspectRatio) && aspectRatio > 0 && aspectRatio < 100) {
        const QRect box = aspectBox_->geometry();
        const int width = static_cast<int>(std::lround(box.height() * aspectRatio));
        const int left = static_cast<int>(std::lround(aspectBoxCentre_ - width / 2.0));
        aspectBox_->setGeometry(left, box.top(), width, box.height());
    }
    aspectCaption_->setText(toQt(caption));
    centreAspectCaption();
}

void MainWindow::clearModelList() {
    const QSignalBlocker blocker(modelList_);
    modelList_->clear();
}

void MainWindow::addModelRow(const std::string& name, int modelIndex) {
    const QSignalBlocker blocker(modelList_);
    modelList_->addItem(toQt(name), modelIndex);
}

void MainWindow::selectModelRow(int row) {
    const QSignalBlocker blocker(modelList_);
    modelList_->setCurrentIndex(row >= 0 && row < modelList_->count() ? row : -1);
}

void MainWindow::setTitle(const std::string& title) {
    setWindowTitle(toQt(title));
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
    if (auto* exportPdf = findChild<QAction*>(QStringLiteral("mnuFileExportPdf")))
        exportPdf->setText(toQtLines(texts.exportPdfCaption));
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
}

void MainWindow::showMessage(const std::string& text) {
    messageHook_(this, {MessageRequest::Icon::None, windowTitle(), toQtLines(text)});
}

void MainWindow::showError(const AppError& error) {
    messageHook_(
        this, {MessageRequest::Icon::Critical, windowTitle(), toQtLines(errorMessageText(error))});
}

Size MainWindow::controlSize(const std::string& objectName) const {
    const QString name = toQt(objectName);
    QSize size;
    if (const QWidget* widget = findChild<QWidget*>(name)) {
        size = widget->size();
    } else {
        // Pictures the diagrams paint themselves have their artwork's size.
        size = artworkSize(name);
    }
    return {size.width(), size.height()};
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
