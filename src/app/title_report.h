#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace projcalc::app {

// A test hook: with PROJCALC_REPORT_TITLE=1 the program prints its window's title to standard
// error as "title: TEXT", once when attached and again each time the title changes. Tests of the
// running program see this way which calculation file its window shows.
[[nodiscard]] inline bool titleReportRequested() noexcept {
    const char* value = std::getenv("PROJCALC_REPORT_TITLE");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

inline void reportTitleChanges(QWidget& window) {
    const auto print = [](const QString& title) {
        std::fprintf(stderr, "title: %s\n", qUtf8Printable(title));
        std::fflush(stderr);
    };
    print(window.windowTitle());
    QObject::connect(&window, &QWidget::windowTitleChanged, &window, print);
}

}  // namespace projcalc::app
