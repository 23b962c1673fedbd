#pragma once

#include <QLineEdit>

namespace projcalc::ui {

// A value box of the main window (txtValue_0 to txtValue_3). The typing stays here until it is
// committed: the box keeps the text it showed when it took the focus (or when its value was last
// shown), which Escape puts back, and it tells the window when a key edits it and when Enter is
// pressed. It can select its whole text for a focus that came with a mouse click, whose press
// would otherwise put the caret under the mouse and drop the selection. Its undo and redo keys
// act on its own typing while there is typing to take back; otherwise they reach the window's
// Edit menu.
class ValueBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit ValueBox(QWidget* parent = nullptr);

    // Selects the whole text. When the focus came with a mouse press, the text is selected
    // again when that click ends.
    void selectWholeText();

    // Shows a text the calculator gives (without raising the box's signals); it is then the text
    // Escape puts back, and the typing before it can no longer be undone in the box.
    void showValue(const QString& text);
    // The user starts to edit the box: its text is the one Escape puts back, and it is selected.
    void beginEdit();
    // The text Escape puts back.
    [[nodiscard]] const QString& committedText() const noexcept { return committed_; }
    // Whether the box holds typing that has not been committed.
    [[nodiscard]] bool holdsTyping() const { return text() != committed_; }

  signals:
    // A key that is not Escape went down in the box, before the box acts on it.
    void keyTyped();
    // Enter or Return was pressed.
    void enterPressed();
    // Escape put the committed text back.
    void escaped();

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QString committed_;
    bool clickFocus_ = false;  // the focus came with a mouse press not yet released
    bool reselectAfterClick_ = false;
};

}  // namespace projcalc::ui
