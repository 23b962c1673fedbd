// Construction of the main window's controls and menus, under their design names and at their
// design positions.
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <array>
#include <string>
#include <vector>

#include "ui/control_layout.h"
#include "ui/main_window.h"
#include "ui/option_panel.h"
#include "ui/qt_text.h"
#include "ui/scene_view.h"
#include "ui/value_box.h"

namespace projcalc::ui {
namespace {

template <typename Widget>
Widget* placed(Widget* widget, const std::string& name) {
    return placedByDesign(widget, name);
}

std::string indexed(const char* name, int index) {
    return indexedName(name, index);
}

QLabel* caption(QWidget* parent, const std::string& name, const QString& text) {
    auto* label = placed(new QLabel(text, parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The program's style, except that a combo box opens a popup list that honours its number of
// visible rows: Fusion opens a plain list over the box showing every row. (A style sheet saying
// the same costs the window's start-up the whole style sheet machinery.)
class ListPopupStyle : public QProxyStyle {
  public:
    explicit ListPopupStyle(QObject* owner)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
        setParent(owner);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The design texts of the value boxes, by index.
constexpr std::array<const char*, 4> kValueDesignTexts = {"Distance", "SSize", "Width", "Height"};
constexpr std::array<const char*, 4> kValueCaptions = {"Projection Distance",
                                                       "Screen Size Diagonal", "Width", "Height"};

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
    buildValueControls(frontView_);
    sideView_ = placed(new SceneView(area), "picDraw2");
    sideView_->setFrameSize(sideView_->size());
    sideView_->setFocusPolicy(Qt::ClickFocus);
    buildOffsetControls(sideView_);
    for (SceneView* view : {frontView_, sideView_})
        connect(view, &SceneView::scaleChanged, this, [this] { refreshArtwork(); });

    logoFrame_ = placed(new QFrame(area), "picLogo");
    logoFrame_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    logo_ = new QLabel(logoFrame_);
    logo_->setObjectName(QStringLiteral("imgLogo"));

    optionPanel_ = new OptionPanel(area);

    modelList_ = placed(new QComboBox(area), "cboModel");
    modelList_->setStyle(new ListPopupStyle(modelList_));
    modelList_->setMaxVisibleItems(30);
    modelList_->setAccessibleName(QStringLiteral("Model"));
    // Typing filters the list: a model is found by any part of its name, in any case. What is
    // typed picks nothing by itself; leaving the list shows the selected model's name again.
    modelList_->setEditable(true);
    modelList_->setInsertPolicy(QComboBox::NoInsert);
    auto* finder = new QCompleter(modelList_->model(), modelList_);
    finder->setObjectName(QStringLiteral("cmpModel"));
    finder->setFilterMode(Qt::MatchContains);
    finder->setCaseSensitivity(Qt::CaseInsensitive);
    finder->setCompletionMode(QCompleter::PopupCompletion);
    finder->setMaxVisibleItems(15);
    modelList_->setCompleter(finder);
    connect(modelList_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        const QString selected = modelList_->itemText(modelList_->currentIndex());
        if (modelList_->lineEdit()->text() != selected) modelList_->setEditText(selected);
    });
    caption(area, "lblModel", QStringLiteral("Model"));
}

void MainWindow::buildValueControls(QWidget* front) {
    // Created in the window's control order: distance, diagonal, height, width.
    for (const int i : {0, 1, 3, 2}) {
        auto* box = placed(new ValueBox(front), indexed("txtValue", i));
        box->setText(QString::fromLatin1(kValueDesignTexts[i]));
        box->setAccessibleName(QString::fromLatin1(kValueCaptions[i]));
        valueBoxes_[i] = box;
    }
    for (int i = 0; i < 4; ++i) {
        auto* button = placed(new QPushButton(front), indexed("cmdEnter", i));
        // A click on the button leaves the focus in its value box, as the Enter key does.
        button->setFocusPolicy(Qt::ClickFocus);
        button->setFocusProxy(valueBoxes_[i]);
        button->setToolTip(QStringLiteral("Enter"));
        button->setAccessibleName(QStringLiteral("Enter"));
        enterButtons_[i] = button;
    }
    for (const int i : {1, 0, 3, 2}) {
        valueCaptions_[i] =
            caption(front, indexed("lblValue", i), QString::fromLatin1(kValueCaptions[i]));
    }
    // The unit beside each box, until the drawing places it.
    for (int i = 0; i < 4; ++i) {
        const QRect box = valueBoxes_[i]->geometry();
        valueUnits_[i] = caption(front, indexed("lblUnit", i), QStringLiteral("in"));
        valueUnits_[i]->move(box.right() + 3, box.top() + 3);
    }
    // Captions only show: clicks go to what lies under them, and they lie under the controls.
    for (QLabel* label : front->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->lower();
    }
}

void MainWindow::buildOffsetControls(QWidget* side) {
    // The range sign lies under the offset boxes it stands between.
    rangeSign_ = new QLabel(side);
    rangeSign_->setObjectName(QStringLiteral("imgKara"));
    rangeSign_->setGeometry(381, 56, 28, 19);
    for (const int i : {1, 0}) {
        auto* box = placed(new QLineEdit(QStringLiteral("Offset"), side), indexed("txtOffset", i));
        // Results only: they can be selected and copied, and Tab passes them by.
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::ClickFocus);
        box->setAccessibleName(i == 0 ? QStringLiteral("Offset") : QStringLiteral("Second offset"));
        offsetBoxes_[i] = box;
    }
    caption(side, "lblOffset", QStringLiteral("Offset"));
    const QRect second = offsetBoxes_[1]->geometry();
    offsetUnit_ = caption(side, "lblOffsetUnit", QStringLiteral("in"));
    offsetUnit_->move(second.right() + 3, second.top() + 3);
    offsetUnit_->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The caption and the range sign explain themselves in tooltips, under the boxes.
    for (QLabel* label : side->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        label->lower();
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
    order.insert(order.end(), valueBoxes_.begin(), valueBoxes_.end());
    const std::vector<QWidget*> options = optionPanel_->tabOrder();
    order.insert(order.end(), options.begin(), options.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

}  // namespace projcalc::ui
