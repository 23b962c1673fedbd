#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "core/screen.h"
#include "i18n/language.h"

class QLabel;
class QLineEdit;
class QPalette;
class QPushButton;
class QWidget;

namespace projcalc::ui {

class SceneView;
class ValueBox;

// The four value boxes on the front drawing with their captions, units and Enter buttons, and the
// two offset boxes on the side drawing with theirs and the range sign. The typing stays here:
// the Enter button of the box being edited shows, and what a box holds is committed when the
// focus leaves it for another control of the window, on Enter or its button, or before a
// command (commitPendingEdit). A refused value keeps the focus in its box with the text the box
// showed before, selected.
//
// The controls lie on the drawings, which place them as their scenes say, so the panel owns them
// without being their parent.
class ValuePanel : public QObject {
    Q_OBJECT

  public:
    // Gives typed text to the calculator; true when the value was kept.
    using Commit = std::function<bool(Quantity box, const std::string& typed)>;

    ValuePanel(SceneView* front, SceneView* side, Commit commit);

    // The box and offset texts of a Screen; a box being edited takes the text too.
    void show(const Screen& screen);
    // The unit beside every value and offset.
    void showUnit(const QString& unit);
    // What the language file says that the captions do not: the tooltips, and the names a
    // screen reader gives the boxes (from their captions, applied before).
    void useTexts(const InterfaceTexts& texts);
    // The offset boxes in the colours of text that cannot be edited, from the window's palette.
    void applyColours(const QPalette& window);
    // The Enter picture and the range sign for the screen's pixel ratio at the drawings' scales.
    void refreshArtwork(qreal ratio);
    // The room the captions and units need on the drawings for their texts and fonts.
    [[nodiscard]] FrontMetrics frontMetrics(const InterfaceTexts& texts) const;
    [[nodiscard]] SideMetrics sideMetrics(const InterfaceTexts& texts) const;

    // Commits the box being edited as if the focus had left it, before a command that must see
    // what the user typed. False when the value was refused: the command must not run.
    bool commitPendingEdit();
    // Undo and Redo of the typing in the box being edited; false when it has none to take back
    // (then they act on the calculation).
    bool undoTyping();
    bool redoTyping();
    // No box is being edited: no Enter button shows.
    void hideEnterButtons() { showEnterButton(-1); }
    // The value boxes in the window's control order, for Tab: distance, diagonal, width, height.
    [[nodiscard]] std::array<QWidget*, 4> boxes() const;

  private:
    void buildValueControls();
    void buildOffsetControls();
    void showEnterButton(int box);
    bool commitBox(int box);
    // Commits a value box when the focus moves to another control of this window; a message
    // box, a popup or another window taking the focus leaves the edit alone.
    void onFocusChanged(QWidget* old, QWidget* now);
    [[nodiscard]] int valueBoxIndex(const QWidget* widget) const;
    // The value box being edited, or nullptr.
    [[nodiscard]] ValueBox* editedBox() const;

    SceneView* front_;
    SceneView* side_;
    Commit commit_;
    std::array<ValueBox*, 4> valueBoxes_{};
    std::array<QPushButton*, 4> enterButtons_{};
    std::array<QLabel*, 4> valueCaptions_{};
    std::array<QLabel*, 4> valueUnits_{};
    std::array<QLineEdit*, 2> offsetBoxes_{};
    QLabel* offsetCaption_ = nullptr;
    QLabel* offsetUnit_ = nullptr;
    QLabel* rangeSign_ = nullptr;
    int editingBox_ = -1;  // the value box that holds the window's focus, or -1
    bool handlingFocus_ = false;
};

}  // namespace projcalc::ui
