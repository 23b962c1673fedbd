#include "app/window_requests.h"

#include <QApplication>
#include <QFile>
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

void WindowRequests::add(const std::filesystem::path& file) {
    pending_.push_back(file);
    process();
}

void WindowRequests::add(const QString& file) {
    add(std::filesystem::path(QFile::encodeName(file).toStdString()));
}

void WindowRequests::process() {
    if (!started_ || busy_) return;
    if (pending_.empty()) return;
    if (QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr) {
        retry_.start();
        return;
    }
    const QScopedValueRollback guard(busy_, true);
    while (!pending_.empty()) {
        const std::filesystem::path file = std::move(pending_.front());
        pending_.pop_front();
        bringToFront();
        if (!file.empty()) (void)window_.openFile(file.string());
    }
}

void WindowRequests::bringToFront() {
    window_.setWindowState((window_.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window_.show();
    window_.raise();
    window_.activateWindow();
}

}  // namespace projcalc::app
