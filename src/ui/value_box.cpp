#include "ui/value_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace projcalc::ui {

ValueBox::ValueBox(QWidget* parent) : QLineEdit(parent) {}

void ValueBox::showValue(const QString& shown) {
    committed_ = shown;
    // The typing that led to the value is no longer the box's to take back.
    if (text() == shown && !isUndoAvailable() && !isRedoAvailable()) return;
    const QSignalBlocker blocker(this);
    setText(shown);
}

void ValueBox::beginEdit() {
    committed_ = text();
    selectWholeText();
}

void ValueBox::selectWholeText() {
    selectAll();
    if (clickFocus_) reselectAfterClick_ = true;
}

bool ValueBox::event(QEvent* event) {
    // The line edit claims its undo and redo keys even with nothing to take back; then they are
    // left to the window's shortcuts.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeyCombination combination = key->keyCombination();
        const bool undoKey =
            key->matches(QKeySequence::Undo) || combination == (Qt::CTRL | Qt::Key_Z);
        const bool redoKey = key->matches(QKeySequence::Redo) ||
                             combination == (Qt::CTRL | Qt::SHIFT | Qt::Key_Z) ||
                             combination == (Qt::CTRL | Qt::Key_Y);
        if ((undoKey && !isUndoAvailable()) || (redoKey && !isRedoAvailable())) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void ValueBox::focusInEvent(QFocusEvent* event) {
    clickFocus_ = event->reason() == Qt::MouseFocusReason;
    QLineEdit::focusInEvent(event);
}

void ValueBox::focusOutEvent(QFocusEvent* event) {
    clickFocus_ = false;
    reselectAfterClick_ = false;
    QLineEdit::focusOutEvent(event);
}

void ValueBox::keyPressEvent(QKeyEvent* event) {
    clickFocus_ = false;
    reselectAfterClick_ = false;
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        const QSignalBlocker blocker(this);
        setText(committed_);
        selectWholeText();
        emit escaped();
        QLineEdit::keyPressEvent(event);
        return;
    }
    emit keyTyped();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ValueBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (reselectAfterClick_) selectAll();
}

void ValueBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    clickFocus_ = false;
    if (reselectAfterClick_) {
        reselectAfterClick_ = false;
        selectAll();
    }
}

}  // namespace projcalc::ui
