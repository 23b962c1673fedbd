#pragma once

#include <QLineEdit>

namespace projcalc::ui {

// A value box of the main window (txtValue_0 to txtValue_3). It reports every key press with
// the key's code (13 for Enter and Return, which it keeps from the line edit) and can select its
// whole text for a focus that came with a mouse click, whose press would otherwise put the
// caret under the mouse and drop the selection. Its undo and redo keys act on its own typing
// while there is typing to take back; otherwise they reach the window's Edit menu.
class ValueBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit ValueBox(QWidget* parent = nullptr);

    // Selects the whole text. When the focus came with a mouse press, the text is selected
    // again when that click ends.
    void selectWholeText();

  signals:
    // A key went down in the box, before the box acts on it.
    void keyDown(int keyCode);

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool clickFocus_ = false;  // the focus came with a mouse press not yet released
    bool reselectAfterClick_ = false;
};

// The key code a value box reports: 13 for Enter and Return, 8 Backspace, 27 Escape, 46 Delete,
// 35 to 40 End, Home and the arrows, the upper-case letter or digit for those keys, 0 otherwise.
[[nodiscard]] int keyCodeOf(int qtKey) noexcept;

}  // namespace projcalc::ui
