// What the main window remembers between runs, per user ($XDG_CONFIG_HOME/projcalc): its size,
// position and maximised state, the unit and mounting last used, and the folder each kind of file
// was last used in.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <array>
#include <optional>

#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/user_settings.h"

namespace projcalc::ui {
namespace {

constexpr const char* kPlacementKey = "window/geometry";
constexpr const char* kUnitKey = "choices/unit";
constexpr const char* kMountKey = "choices/mount";

// The index of the choice a remembered word names, or nothing.
template <typename Choice>
std::optional<Choice> choiceNamed(const QString& word) {
    const auto names = namesOf<Choice>();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (word == toQt(std::string(names[i].word))) return static_cast<Choice>(i);
    }
    return std::nullopt;
}

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
    const Calculation& c = calculator_.calculation();
    settings.setValue(QLatin1String(kUnitKey), toQt(std::string(nameOf(c.unit).word)));
    settings.setValue(QLatin1String(kMountKey), toQt(std::string(nameOf(c.options.mount).word)));
}

StartUpRules MainWindow::withRememberedChoices(StartUpRules rules) const {
    const QSettings settings = userSettings();
    const QString unit = settings.value(QLatin1String(kUnitKey)).toString();
    if (const auto remembered = choiceNamed<Unit>(unit)) rules.unit = *remembered;
    const QString mount = settings.value(QLatin1String(kMountKey)).toString();
    if (const auto remembered = choiceNamed<Mount>(mount)) rules.mount = *remembered;
    return rules;
}

QString MainWindow::startFolder(const std::string& pattern, const QString& otherwise) const {
    const QString remembered = userSettings().value(folderKey(pattern)).toString();
    return !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : otherwise;
}

QString MainWindow::exportFolder(const std::string& pattern) const {
    const std::string& file = calculator_.calculation().file;
    QString otherwise = file.empty()
                            ? QString()
                            : QFileInfo(QFile::decodeName(QByteArray::fromStdString(file))).path();
    if (otherwise.isEmpty() || !QFileInfo(otherwise).isDir()) {
        otherwise = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (otherwise.isEmpty() || !QFileInfo(otherwise).isDir()) otherwise = QDir::homePath();
    }
    return startFolder(pattern, otherwise);
}

void MainWindow::rememberFolder(const std::string& pattern, const QString& chosenPath) {
    if (chosenPath.isEmpty()) return;  // cancelled
    QSettings settings = userSettings();
    settings.setValue(folderKey(pattern), QFileInfo(chosenPath).absolutePath());
}

}  // namespace projcalc::ui
