#include "app/window_requests.h"

#include <QApplication>
#include <QScopedValueRollback>

#include "ui/main_window.h"

namespace projcalc::app {

namespace {

constexpr int kRetryMs = 200;

}  // namespace

WindowRequests::WindowRequests(ui::MainWindow& window) : QObject(&window), window_(window) {
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &WindowRequests::process);
}

void WindowRequests::start() {
    started_ = true;
    process();
}

void WindowRequests::add(const QString& file) {
    pending_.append(file);
    process();
}

void WindowRequests::process() {
    if (!started_ || busy_ || pending_.isEmpty()) return;
    if (QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr) {
        retry_.start();
        return;
    }
    const QScopedValueRollback guard(busy_, true);
    while (!pending_.isEmpty()) {
        const QString file = pending_.takeFirst();
        bringToFront();
        if (!file.isEmpty()) (void)window_.calculator().openCalculationFile(file.toStdString());
    }
}

void WindowRequests::bringToFront() {
    window_.setWindowState((window_.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window_.show();
    window_.raise();
    window_.activateWindow();
}

}  // namespace projcalc::app
