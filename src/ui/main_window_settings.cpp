// What the main window remembers between runs, per user ($XDG_CONFIG_HOME/projcalc): its size,
// position and maximised state, and the folder each kind of file was last used in.
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/user_settings.h"

namespace projcalc::ui {
namespace {

constexpr const char* kPlacementKey = "window/geometry";

// The key of the folder of one kind of file: "folders/cf" for "*.cf".
QString folderKey(const std::string& pattern) {
    QString kind = toQt(pattern);
    kind.remove(QLatin1Char('*')).remove(QLatin1Char('.'));
    return QStringLiteral("folders/") + (kind.isEmpty() ? QStringLiteral("any") : kind);
}

}  // namespace

void MainWindow::restoreWindowPlacement() {
    const QByteArray placement = userSettings().value(QLatin1String(kPlacementKey)).toByteArray();
    // A remembered size never goes below the design size, which is the window's smallest.
    if (!placement.isEmpty()) (void)restoreGeometry(placement);
}

void MainWindow::rememberWindowPlacement() {
    QSettings settings = userSettings();
    settings.setValue(QLatin1String(kPlacementKey), saveGeometry());
}

QString MainWindow::startFolder(const std::string& pattern, const QString& otherwise) const {
    const QString remembered = userSettings().value(folderKey(pattern)).toString();
    return !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : otherwise;
}

void MainWindow::rememberFolder(const std::string& pattern, const QString& chosenPath) {
    if (chosenPath.isEmpty()) return;  // cancelled
    QSettings settings = userSettings();
    settings.setValue(folderKey(pattern), QFileInfo(chosenPath).absolutePath());
}

}  // namespace projcalc::ui
