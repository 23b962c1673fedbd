#include "ui/value_panel.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "ui/artwork.h"
#include "ui/control_layout.h"
#include "ui/qt_text.h"
#include "ui/scene_view.h"
#include "ui/value_box.h"

namespace projcalc::ui {
namespace {

// The design texts of the value boxes, by index.
constexpr std::array<const char*, 4> kValueDesignTexts = {"Distance", "SSize", "Width", "Height"};
constexpr std::array<const char*, 4> kValueCaptions = {"Projection Distance",
                                                       "Screen Size Diagonal", "Width", "Height"};

QString withoutLineBreaks(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('&'));
}

Size atLeast(Size size, QSize needed) {
    return {std::max(size.width, needed.width()), std::max(size.height, needed.height())};
}

// The size the widest of the unit texts needs in a unit label's font at the design scale.
QSize widestUnit(const SceneView& drawing, const QLabel& label, const InterfaceTexts& texts) {
    const QFontMetrics metrics(drawing.controlFont(&label));
    QSize widest;
    for (const Unit unit : kAllUnits) {
        const QString text = toQtLines(texts.text("txtUnit_" + std::to_string(indexOf(unit))));
        widest = widest.expandedTo(metrics.size(0, text));
    }
    return widest;
}

}  // namespace

ValuePanel::ValuePanel(SceneView* front, SceneView* side, Commit commit)
    : QObject(front), front_(front), side_(side), commit_(std::move(commit)) {
    buildValueControls();
    buildOffsetControls();
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
    connect(qApp, &QApplication::focusChanged, this, &ValuePanel::onFocusChanged);
}

void ValuePanel::buildValueControls() {
    const auto indexed = [](const char* name, int index) { return indexedName(name, index); };
    // Created in the window's control order: distance, diagonal, height, width.
    for (const int i : {0, 1, 3, 2}) {
        auto* box = placedByDesign(new ValueBox(front_), indexed("txtValue", i));
        box->setText(QString::fromLatin1(kValueDesignTexts[i]));
        box->setAccessibleName(QString::fromLatin1(kValueCaptions[i]));
        valueBoxes_[i] = box;
    }
    for (int i = 0; i < 4; ++i) {
        auto* button = placedByDesign(new QPushButton(front_), indexed("cmdEnter", i));
        // A click on the button leaves the focus in its value box, as the Enter key does.
        button->setFocusPolicy(Qt::ClickFocus);
        button->setFocusProxy(valueBoxes_[i]);
        button->setToolTip(QStringLiteral("Enter"));
        button->setAccessibleName(QStringLiteral("Enter"));
        enterButtons_[i] = button;
    }
    for (const int i : {1, 0, 3, 2}) {
        valueCaptions_[i] =
            placedCaption(front_, indexed("lblValue", i), QString::fromLatin1(kValueCaptions[i]));
    }
    // The unit beside each box, until the drawing places it.
    for (int i = 0; i < 4; ++i) {
        const QRect box = valueBoxes_[i]->geometry();
        valueUnits_[i] = placedCaption(front_, indexed("lblUnit", i), QStringLiteral("in"));
        valueUnits_[i]->move(box.right() + 3, box.top() + 3);
    }
    // Captions only show: clicks go to what lies under them, and they lie under the controls.
    for (QLabel* label : front_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->lower();
    }
}

void ValuePanel::buildOffsetControls() {
    // The range sign lies under the offset boxes it stands between.
    rangeSign_ = new QLabel(side_);
    rangeSign_->setObjectName(QStringLiteral("imgKara"));
    rangeSign_->setGeometry(381, 56, 28, 19);
    for (const int i : {1, 0}) {
        auto* box = placedByDesign(new QLineEdit(QStringLiteral("Offset"), side_),
                                   indexedName("txtOffset", i));
        // Results only: they can be selected and copied, and Tab passes them by.
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::ClickFocus);
        box->setAccessibleName(i == 0 ? QStringLiteral("Offset") : QStringLiteral("Second offset"));
        offsetBoxes_[i] = box;
    }
    offsetCaption_ = placedCaption(side_, "lblOffset", QStringLiteral("Offset"));
    const QRect second = offsetBoxes_[1]->geometry();
    offsetUnit_ = placedCaption(side_, "lblOffsetUnit", QStringLiteral("in"));
    offsetUnit_->move(second.right() + 3, second.top() + 3);
    offsetUnit_->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The caption and the range sign explain themselves in tooltips, under the boxes.
    for (QLabel* label : side_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        label->lower();
}

void ValuePanel::show(const Screen& screen) {
    for (std::size_t i = 0; i < valueBoxes_.size(); ++i)
        valueBoxes_[i]->showValue(toQt(screen.boxes[i]));
    for (std::size_t i = 0; i < offsetBoxes_.size(); ++i) {
        const QString text = toQt(screen.offsets[i]);
        if (offsetBoxes_[i]->text() == text) continue;
        const QSignalBlocker blocker(offsetBoxes_[i]);
        offsetBoxes_[i]->setText(text);
    }
}

void ValuePanel::showUnit(const QString& unit) {
    for (QLabel* label : valueUnits_)
        label->setText(unit);
    offsetUnit_->setText(unit);
}

void ValuePanel::useTexts(const InterfaceTexts& texts) {
    const auto tip = [&texts](const std::string& key) { return toQtLines(texts.text(key)); };
    // Screen readers name each box by its caption.
    for (std::size_t i = 0; i < valueBoxes_.size(); ++i)
        valueBoxes_[i]->setAccessibleName(withoutLineBreaks(valueCaptions_[i]->text()));
    offsetBoxes_[0]->setAccessibleName(withoutLineBreaks(offsetCaption_->text()));
    offsetBoxes_[1]->setAccessibleName(tip("accSecondOffset"));
    const QString valueTip = tip("tipValue");
    for (ValueBox* box : valueBoxes_)
        box->setToolTip(valueTip);
    const QString offsetTip = tip("tipOffset");
    for (QLineEdit* box : offsetBoxes_)
        box->setToolTip(offsetTip);
    offsetCaption_->setToolTip(offsetTip);
    rangeSign_->setToolTip(tip("tipRange"));
    const QString enterTip = tip("tipEnter");
    for (QPushButton* button : enterButtons_) {
        button->setToolTip(enterTip);
        button->setAccessibleName(enterTip);
    }
}

void ValuePanel::applyColours(const QPalette& window) {
    // Results that cannot be edited show on the window's colour rather than the white of a box
    // that takes typing, in the palette's own text colour.
    for (QLineEdit* box : offsetBoxes_) {
        QPalette colours = window;
        colours.setColor(QPalette::Base, colours.color(QPalette::Window));
        colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
        box->setPalette(colours);
    }
}

void ValuePanel::refreshArtwork(qreal ratio) {
    // The Enter picture grows with the drawing and shrinks to fit its button, rendered at the
    // size it is shown in the colours of the button's palette.
    const QString enterName = artworkFor(QStringLiteral("cmdEnter"), enterButtons_[0]->palette());
    const QSize natural = artworkSize(enterName) * front_->scale();
    const QSize room = enterButtons_[0]->size() - QSize(6, 4);
    QSize shown = natural;
    if (natural.width() > room.width() || natural.height() > room.height())
        shown = natural.scaled(room, Qt::KeepAspectRatio);
    const QPixmap enter = artworkPixmap(enterName, shown, ratio);
    for (QPushButton* button : enterButtons_) {
        button->setIcon(QIcon(enter));
        button->setIconSize(shown);
    }
    // The range sign lies on the side view's paper, at its scale.
    const QString sign = QStringLiteral("imgKara");
    rangeSign_->setPixmap(artworkPixmap(sign, artworkSize(sign) * side_->scale(), ratio));
}

// The drawings are built for their design sizes, whatever the window's size; only the captions
// and units lying on them get the room their texts need in their fonts at the design scale.
FrontMetrics ValuePanel::frontMetrics(const InterfaceTexts& texts) const {
    FrontMetrics m = designFrontMetrics();
    for (std::size_t i = 0; i < 4; ++i) {
        m.caption[i] = atLeast(m.caption[i], front_->naturalTextSize(valueCaptions_[i]));
        m.unit[i] = atLeast(m.unit[i], widestUnit(*front_, *valueUnits_[i], texts));
    }
    return m;
}

SideMetrics ValuePanel::sideMetrics(const InterfaceTexts& texts) const {
    SideMetrics m = designSideMetrics();
    m.caption = atLeast(m.caption, side_->naturalTextSize(offsetCaption_));
    m.unit = atLeast(m.unit, widestUnit(*side_, *offsetUnit_, texts));
    return m;
}

std::array<QWidget*, 4> ValuePanel::boxes() const {
    return {valueBoxes_[0], valueBoxes_[1], valueBoxes_[2], valueBoxes_[3]};
}

void ValuePanel::showEnterButton(int box) {
    for (std::size_t i = 0; i < enterButtons_.size(); ++i)
        enterButtons_[i]->setVisible(static_cast<int>(i) == box);
}

bool ValuePanel::commitBox(int box) {
    ValueBox* edit = valueBoxes_[static_cast<std::size_t>(box)];
    showEnterButton(-1);
    const bool kept = commit_(static_cast<Quantity>(box), fromQt(edit->text()));
    // After a refusal the next keys replace the whole text instead of adding to it.
    if (!kept) edit->selectWholeText();
    return kept;
}

bool ValuePanel::commitPendingEdit() {
    ValueBox* box = editedBox();
    if (box == nullptr || !box->holdsTyping()) return true;
    return commitBox(editingBox_);
}

bool ValuePanel::undoTyping() {
    ValueBox* box = editedBox();
    if (box == nullptr || !box->isUndoAvailable()) return false;
    box->undo();
    return true;
}

bool ValuePanel::redoTyping() {
    ValueBox* box = editedBox();
    if (box == nullptr || !box->isRedoAvailable()) return false;
    box->redo();
    return true;
}

void ValuePanel::onFocusChanged(QWidget* /*old*/, QWidget* now) {
    // Another window, a message box or a popup menu has the focus: the edit goes on when the
    // focus comes back. The menu bar takes the focus only while it is opened from the keyboard.
    if (handlingFocus_ || now == nullptr || now->window() != front_->window() ||
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

ValueBox* ValuePanel::editedBox() const {
    return editingBox_ >= 0 ? valueBoxes_[static_cast<std::size_t>(editingBox_)] : nullptr;
}

int ValuePanel::valueBoxIndex(const QWidget* widget) const {
    const auto found = std::find(valueBoxes_.begin(), valueBoxes_.end(), widget);
    return found == valueBoxes_.end() ? -1 : static_cast<int>(found - valueBoxes_.begin());
}

}  // namespace projcalc::ui
