#pragma once

#include <QSettings>

namespace projcalc::ui {

// What the window remembers, per user: $XDG_CONFIG_HOME/projcalc/projcalc.conf.
[[nodiscard]] inline QSettings userSettings() {
    return QSettings(QStringLiteral("projcalc"), QStringLiteral("projcalc"));
}

}  // namespace projcalc::ui
