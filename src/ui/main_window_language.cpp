// Option > Language: the shipped languages, the one the window starts in and a choice that takes
// effect at once.
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <system_error>

#include "core/languages.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/user_settings.h"

namespace projcalc::ui {
namespace {

// Where the chosen language is remembered.
constexpr const char* kLanguageKey = "language/code";

// The folder this program runs from, as bytes.
std::filesystem::path programFolder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : self.parent_path();
}

}  // namespace

void MainWindow::buildLanguageMenu() {
    auto* option = menuBar()->findChild<QMenu*>(QStringLiteral("mnuOption"));
    languageMenu_ = new QMenu(QStringLiteral("&Language"), option);
    languageMenu_->setObjectName(QStringLiteral("mnuOptionLanguage"));
    languageMenu_->menuAction()->setObjectName(QStringLiteral("mnuOptionLanguage"));
    option->addMenu(languageMenu_);
    languageChoices_ = new QActionGroup(this);
    languageChoices_->setExclusive(true);
}

void MainWindow::setLanguagesFolder(std::filesystem::path folder) {
    languagesFolder_ = std::move(folder);
}

std::optional<std::filesystem::path> MainWindow::startingLanguage(
    const std::filesystem::path& dataFolder) {
    if (languagesFolder_.empty()) languagesFolder_ = languagesFolder(dataFolder, programFolder());
    languages_ = shippedLanguages(languagesFolder_);
    // The user's choice, then the locale's; else the data folder's own Language.ini.
    const QString chosen = userSettings().value(QLatin1String(kLanguageKey)).toString();
    if (const auto language = findLanguage(languages_, fromQt(chosen))) return language->file;
    if (const auto code = languageForLocale(localeFromEnvironment(), languages_))
        return findLanguage(languages_, *code)->file;
    return std::nullopt;
}

void MainWindow::fillLanguageMenu() {
    for (QAction* action : languageChoices_->actions()) {
        languageChoices_->removeAction(action);
        delete action;
    }
    for (const ShippedLanguage& language : languages_) {
        QAction* action = languageMenu_->addAction(toQt(language.name));
        action->setObjectName(QStringLiteral("mnuLanguage_%1").arg(toQt(language.code)));
        action->setCheckable(true);
        action->setChecked(language.file == calculator_.languageFile());
        languageChoices_->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, code = language.code] { onLanguageChosen(code); });
    }
    languageMenu_->setEnabled(!languages_.empty());
}

void MainWindow::onLanguageChosen(const std::string& code) {
    const auto language = findLanguage(languages_, code);
    if (language && calculator_.useLanguageFile(language->file)) {
        QSettings settings = userSettings();
        settings.setValue(QLatin1String(kLanguageKey), toQt(code));
    }
    // The check follows the language in use, also when the file could not be used.
    for (QAction* action : languageChoices_->actions()) {
        const auto shown = findLanguage(
            languages_, fromQt(action->objectName().mid(QStringLiteral("mnuLanguage_").size())));
        action->setChecked(shown && shown->file == calculator_.languageFile());
    }
}

}  // namespace projcalc::ui
