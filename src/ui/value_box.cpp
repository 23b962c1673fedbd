#include "ui/value_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "core/calculator.h"

namespace projcalc::ui {

ValueBox::ValueBox(QWidget* parent) : QLineEdit(parent) {}

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
    const int code = keyCodeOf(event->key());
    emit keyDown(code);
    if (code == kEnterKey) {
        event->accept();
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

int keyCodeOf(int qtKey) noexcept {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kEnterKey;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Delete:
            return 46;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        default:
            break;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) ||
        qtKey == Qt::Key_Space) {
        return qtKey;
    }
    return 0;
}

}  // namespace projcalc::ui
