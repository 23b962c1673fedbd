// The main window as the controller's View: every change is applied with the widgets' signals
// blocked, so that nothing the controller does comes back to it as a user event.
#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "i18n/language.h"
#include "i18n/optional_texts.h"
#include "ui/artwork.h"
#include "ui/main_window.h"
#include "ui/option_panel.h"
#include "ui/qt_text.h"
#include "ui/scene_view.h"
#include "ui/value_panel.h"

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

void MainWindow::show(const Screen& screen) {
    const bool first = !std::exchange(shownOnce_, true);
    showTitle(screen.title);
    showEditState(screen.changed, screen.canUndo, screen.canRedo);
    if (first || screen.models != shown_.models) showModelList(screen.models);
    selectModelRow(screen.selectedRow);
    if (first || !(screen.options == shown_.options)) showOptions(screen.options);
    valuePanel_->show(screen);
    if (first || !(screen.planning == shown_.planning)) showPlanning(screen.planning);
    if (first || !(screen.front == shown_.front)) showScene(DiagramId::Front, screen.front);
    if (first || !(screen.side == shown_.side)) showScene(DiagramId::Side, screen.side);
    shown_ = screen;
    shown_.notices.clear();
    for (const Notice& notice : screen.notices) {
        if (notice.kind == Notice::Kind::Message) {
            showMessage(notice.text);
        } else {
            showError(notice.error);
        }
    }
}

void MainWindow::showOptions(const OptionsScreen& options) {
    optionPanel_->show(options);
    showUnit(options.unit);
}

void MainWindow::showUnit(Unit unit) {
    valuePanel_->showUnit(
        toQtLines(calculator_.texts().text("txtUnit_" + std::to_string(indexOf(unit)))));
}

void MainWindow::showModelList(const std::vector<std::string>& names) {
    const QSignalBlocker blocker(modelList_);
    modelList_->clear();
    for (const std::string& name : names)
        modelList_->addItem(toQt(name));
}

void MainWindow::selectModelRow(int row) {
    const int shown = row >= 0 && row < modelList_->count() ? row : -1;
    if (modelList_->currentIndex() == shown) return;
    const QSignalBlocker blocker(modelList_);
    modelList_->setCurrentIndex(shown);
}

void MainWindow::showTitle(const std::string& title) {
    // Before the language file's caption is known the window keeps the title it has.
    if (title.empty()) return;
    title_ = toQt(title);
    // The "[*]" is there only while the mark shows, so that the title reads plainly otherwise.
    const QString shown = changed_ ? title_ + QStringLiteral("[*]") : title_;
    if (windowTitle() != shown) setWindowTitle(shown);
}

void MainWindow::showEditState(bool changed, bool canUndo, bool canRedo) {
    undoAction_->setEnabled(canUndo);
    redoAction_->setEnabled(canRedo);
    if (changed == changed_) return;
    changed_ = changed;
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

bool MainWindow::askToGoOn(const std::string& question) {
    // OK and Cancel in Qt's own words, in the interface language.
    return goOnHook_(this, {title_, toQtLines(question), {}, {}, {}});
}

void MainWindow::useTexts(const InterfaceTexts& texts) {
    // The window's objects by name, found in one walk: the texts name about a hundred of them.
    // A submenu's own action may bear its name; the texts go to the menu, which passes them on.
    QHash<QString, QObject*> named;
    for (QObject* object : findChildren<QObject*>()) {
        if (auto* action = qobject_cast<QAction*>(object); action != nullptr && action->menu())
            continue;
        const QString name = object->objectName();
        if (!name.isEmpty() && !named.contains(name)) named.insert(name, object);
    }
    const auto setMenuText = [&named](const QString& name, const QString& text) {
        QObject* object = named.value(name);
        if (auto* menu = qobject_cast<QMenu*>(object)) {
            menu->setTitle(text);
        } else if (auto* action = qobject_cast<QAction*>(object)) {
            action->setText(text);
        }
    };
    for (const ControlCaption& item : texts.menuCaptions)
        setMenuText(toQt(item.objectName), toQtLines(item.text));
    // Menu items of the optional texts, found by their key as object name.
    for (const OptionalText& optional : optionalTexts()) {
        if (optional.key.starts_with("mnu"))
            setMenuText(toQt(std::string(optional.key)), toQtLines(texts.text(optional.key)));
    }
    for (const ControlCaption& item : texts.editing.menuCaptions)
        setMenuText(toQt(item.objectName), toQtLines(item.text));
    setMenuText(QStringLiteral("mnuHelp"), toQtLines(texts.text("mnuHelp")));
    for (const std::string& name : fontControlNames()) {
        auto* widget = qobject_cast<QWidget*>(named.value(toQt(name)));
        if (widget == nullptr) continue;
        // A control lying on a drawing has its font at the drawing's design scale.
        auto* drawing = qobject_cast<SceneView*>(widget->parentWidget());
        QFont font = drawing != nullptr ? drawing->controlFont(widget) : widget->font();
        if (!texts.fontName.empty()) font.setFamily(toQt(texts.fontName));
        if (texts.fontSize > 0) font.setPointSize(texts.fontSize);
        if (drawing != nullptr) {
            drawing->setControlFont(widget, font);
        } else {
            widget->setFont(font);
        }
    }
    for (const ControlCaption& item : texts.controlCaptions) {
        QObject* widget = named.value(toQt(item.objectName));
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
    if (auto* caption = qobject_cast<QLabel*>(named.value(QStringLiteral("lblModel"))))
        modelList_->setAccessibleName(withoutLineBreaks(caption->text()));
    valuePanel_->useTexts(texts);
    optionPanel_->useTexts(texts);
    fitTextControls();
    showUnit(calculator_.calculation().unit);
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

DiagramMetrics MainWindow::metrics() const {
    return {valuePanel_->frontMetrics(calculator_.texts()),
            valuePanel_->sideMetrics(calculator_.texts())};
}

void MainWindow::showScene(DiagramId diagram, const Scene& scene) {
    SceneView* box = diagram == DiagramId::Front ? frontView_ : sideView_;
    box->setScene(scene);
    for (const ControlPlacement& placement : scene.controls) {
        QWidget* widget =
            box->findChild<QWidget*>(toQt(placement.name), Qt::FindDirectChildrenOnly);
        if (widget == nullptr) continue;  // a picture the scene paints
        // Whether an Enter button shows is decided by the editing, not by the drawing.
        if (!placement.name.starts_with("cmdEnter")) widget->setVisible(placement.visible);
    }
}

std::string MainWindow::askOpenFileName(const FileFilter& filter,
                                        const std::string& initialFolder) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.nameFilter = nameFilterOf(filter);
    request.folder = startFolder(filter.pattern, toQt(initialFolder));
    const QString chosen = fileDialogHook_(this, request);
    rememberFolder(filter.pattern, chosen);
    return fromQt(chosen);
}

std::string MainWindow::askSaveFileName(const FileFilter& filter, const std::string& initialFolder,
                                        const std::string& defaultExtension) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.nameFilter = nameFilterOf(filter);
    request.folder = startFolder(filter.pattern, toQt(initialFolder));
    request.defaultSuffix = toQt(defaultExtension);
    const QString chosen = fileDialogHook_(this, request);
    rememberFolder(filter.pattern, chosen);
    return fromQt(chosen);
}

}  // namespace projcalc::ui
