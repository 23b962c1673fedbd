#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace projcalc::gui_test {

// Drives the next modal dialog from inside its own event loop: once a dialog is the active modal
// widget and shown, `act` runs on it (clicking its buttons as a user would). A dialog that is
// still open two seconds later is closed, so that a failing test never hangs on it.
class ModalDialog {
  public:
    explicit ModalDialog(std::function<void(QDialog&)> act)
        : state_(std::make_shared<State>(std::move(act))) {
        state_->clock.start();
        poll(state_);
    }
    // A dialog that has not opened by now is no longer waited for.
    ~ModalDialog() { state_->cancelled = true; }
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // The dialog was met and `act` ran on it.
    [[nodiscard]] bool opened() const { return state_->opened; }
    // The dialog had to be closed by force: `act` did not close it.
    [[nodiscard]] bool leftOpen() const { return state_->leftOpen; }

  private:
    struct State {
        explicit State(std::function<void(QDialog&)> a) : act(std::move(a)) {}
        std::function<void(QDialog&)> act;
        QElapsedTimer clock;
        bool opened = false;
        bool leftOpen = false;
        bool cancelled = false;
    };

    static void poll(const std::shared_ptr<State>& state) {
        QTimer::singleShot(10, [state] {
            if (state->cancelled) return;
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) {
                if (state->clock.elapsed() < 5000) poll(state);
                return;
            }
            state->opened = true;
            const QPointer<QDialog> guarded(dialog);
            state->act(*dialog);
            QTimer::singleShot(2000, [state, guarded] {
                if (guarded && guarded->isVisible()) {
                    state->leftOpen = true;
                    guarded->reject();
                }
            });
        });
    }

    std::shared_ptr<State> state_;
};

}  // namespace projcalc::gui_test
