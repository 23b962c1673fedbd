#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace projcalc::app {

// Ends the program right after the first complete paint of a window, printing "painted" to
// standard error, when PROJCALC_EXIT_AFTER_FIRST_PAINT=1. The start-up benchmark times the
// program and its baseline this way; both include this header, so they stop at the same point.
class FirstPaintExit : public QObject {
  public:
    [[nodiscard]] static bool requested() noexcept {
        const char* value = std::getenv("PROJCALC_EXIT_AFTER_FIRST_PAINT");
        return value != nullptr && std::strcmp(value, "1") == 0;
    }

    explicit FirstPaintExit(QWidget* window) : QObject(window) { window->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued: the window's controls paint and the picture is flushed before this runs.
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::fputs("painted\n", stderr);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

}  // namespace projcalc::app
