// Construction of the main window's controls and menus, under their design names and at their
// design positions.
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <array>
#include <string>
#include <vector>

#include "ui/control_layout.h"
#include "ui/main_window.h"
#include "ui/option_panel.h"
#include "ui/qt_text.h"
#include "ui/scene_view.h"
#include "ui/value_panel.h"

namespace projcalc::ui {
namespace {

template <typename Widget>
Widget* placed(Widget* widget, const std::string& name) {
    return placedByDesign(widget, name);
}

std::string indexed(const char* name, int index) {
    return indexedName(name, index);
}

}  // namespace

void MainWindow::buildControls() {
    setObjectName(QStringLiteral("frmMain"));
    auto* area = new ControlArea(this);
    area->resize(kWindowInnerWidth, kWindowInnerHeight);
    // A click on an empty part of the window ends the edit of a value box.
    area->setFocusPolicy(Qt::ClickFocus);
    setCentralWidget(area);

    // Two lines under the menu bar, dark above light, across the window.
    for (int i = 0; i < 2; ++i) {
        auto* line = new QFrame(area);
        line->setObjectName(toQt(indexed("lineMenu", i)));
        line->setGeometry(0, i, kWindowInnerWidth, 1);
        line->setAutoFillBackground(true);
        QPalette colours = line->palette();
        colours.setColor(QPalette::Window,
                         colours.color(i == 0 ? QPalette::Dark : QPalette::Light));
        line->setPalette(colours);
    }

    // The drawings are built for their design sizes, which their views scale to fit.
    frontView_ = placed(new SceneView(area), "picDraw1");
    frontView_->setFrameSize(frontView_->size());
    frontView_->setFocusPolicy(Qt::ClickFocus);
    sideView_ = placed(new SceneView(area), "picDraw2");
    sideView_->setFrameSize(sideView_->size());
    sideView_->setFocusPolicy(Qt::ClickFocus);
    valuePanel_ = new ValuePanel(
        frontView_, sideView_,
        [this](Quantity box, const std::string& typed) { return calculator_.commit(box, typed); });
    for (SceneView* view : {frontView_, sideView_})
        connect(view, &SceneView::scaleChanged, this, [this] { refreshArtwork(); });

    logoFrame_ = placed(new QFrame(area), "picLogo");
    logoFrame_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    logo_ = new QLabel(logoFrame_);
    logo_->setObjectName(QStringLiteral("imgLogo"));

    optionPanel_ = new OptionPanel(area);

    modelList_ = placed(new QComboBox(area), "cboModel");
    modelList_->setMaxVisibleItems(30);
    modelList_->setAccessibleName(QStringLiteral("Model"));
    // Typing filters the list: a model is found by any part of its name, in any case. What is
    // typed picks nothing by itself; leaving the list shows the selected model's name again.
    auto* finder = new QCompleter(modelList_->model(), modelList_);
    finder->setObjectName(QStringLiteral("cmpModel"));
    finder->setFilterMode(Qt::MatchContains);
    finder->setCaseSensitivity(Qt::CaseInsensitive);
    finder->setCompletionMode(QCompleter::PopupCompletion);
    finder->setMaxVisibleItems(15);
    // The list becomes editable through a line edit that comes with this completer: made
    // editable with setEditable(), the box would build its popup list at once and a completer of
    // its own, the one unused until the list opens and the other never, and the window would
    // start with about 0.4 MB more.
    auto* edit = new QLineEdit(modelList_);
    edit->setPalette(modelList_->palette());
    edit->setCompleter(finder);
    modelList_->setLineEdit(edit);
    modelList_->setInsertPolicy(QComboBox::NoInsert);
    modelList_->setCompleter(finder);
    connect(modelList_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        const QString selected = modelList_->itemText(modelList_->currentIndex());
        if (modelList_->lineEdit()->text() != selected) modelList_->setEditText(selected);
    });
    placedCaption(area, "lblModel", QStringLiteral("Model"));
}

void MainWindow::buildMenus() {
    const auto menu = [this](const char* name, const char* text) {
        QMenu* added = menuBar()->addMenu(QString::fromLatin1(text));
        added->setObjectName(QString::fromLatin1(name));
        return added;
    };
    const auto command = [this](QMenu* parent, const char* name, const char* text,
                                const QKeySequence& shortcut, void (MainWindow::*slot)()) {
        QAction* action = parent->addAction(QString::fromLatin1(text));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        if (slot != nullptr) connect(action, &QAction::triggered, this, slot);
        return action;
    };
    const auto separator = [](QMenu* parent, const char* name) {
        parent->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QMenu* file = menu("nmuFile", "&File");
    command(file, "mnuFileOpen", "&Open Calculate", QKeySequence(Qt::CTRL | Qt::Key_O),
            &MainWindow::onOpen);
    separator(file, "mnuFileSplit1");
    command(file, "mnuFileSave", "&Save Calculate", QKeySequence(Qt::CTRL | Qt::Key_S),
            &MainWindow::onSave);
    command(file, "mnuFileSaveAs", "Save&As Calculate",
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &MainWindow::onSaveAs);
    separator(file, "mnuFileSplit2");
    command(file, "mnuFilePrint", "&Print Calculate", QKeySequence(Qt::CTRL | Qt::Key_P),
            &MainWindow::onPrint);
    command(file, "mnuFileExportPdf", "Export P&DF...",
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &MainWindow::onExportPdf);
    separator(file, "mnuFileSplit3");
    QAction* quit =
        command(file, "mnuFileQuit", "&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q), nullptr);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menu("mnuEdit", "&Edit");
    undoAction_ = command(edit, "mnuEditUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z),
                          &MainWindow::onUndo);
    redoAction_ = command(edit, "mnuEditRedo", "&Redo", QKeySequence(), &MainWindow::onRedo);
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    undoAction_->setEnabled(false);
    redoAction_->setEnabled(false);
    separator(edit, "mnuEditSplit1");
    command(edit, "mnuEditCopyResults", "&Copy Results",
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &MainWindow::onCopyResults);

    QMenu* option = menu("mnuOption", "&Option");
    command(option, "mnuOptionModelInfo", "Select model info file...", QKeySequence(),
            &MainWindow::onSelectModelInfo);

    QMenu* help = menu("mnuHelp", "&Help");
    command(help, "mnuAboutAbout", "&About", QKeySequence(), &MainWindow::onAbout);
}

void MainWindow::buildTabOrder() {
    std::vector<QWidget*> order = {modelList_};
    const std::array<QWidget*, 4> boxes = valuePanel_->boxes();
    order.insert(order.end(), boxes.begin(), boxes.end());
    const std::vector<QWidget*> options = optionPanel_->tabOrder();
    order.insert(order.end(), options.begin(), options.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

}  // namespace projcalc::ui
