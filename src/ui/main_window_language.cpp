// Option > Language: the shipped languages, the one the window starts in and a choice that takes
// effect at once.
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <system_error>

#include "core/languages.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/qt_translations.h"
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
    // The languages' names are read when the menu is first opened, not at start-up.
    connect(option, &QMenu::aboutToShow, this, [this] {
        if (languageChoices_->actions().isEmpty() && !languages_.empty()) fillLanguageMenu();
    });
}

void MainWindow::setLanguagesFolder(std::filesystem::path folder) {
    languagesFolder_ = std::move(folder);
}

std::optional<std::filesystem::path> MainWindow::startingLanguage(
    const std::filesystem::path& dataFolder) {
    FileSystem& files = calculator_.fileSystem();
    if (languagesFolder_.empty())
        languagesFolder_ = languagesFolder(dataFolder, programFolder(), files);
    languages_ = shippedLanguageFiles(languagesFolder_, files);
    // The user's choice, then the locale's; else the data folder's own Language.ini.
    const QString chosen = userSettings().value(QLatin1String(kLanguageKey)).toString();
    if (const auto language = findLanguage(languages_, fromQt(chosen))) return language->file;
    if (const auto code = languageForLocale(localeFromEnvironment(), languages_))
        return findLanguage(languages_, *code)->file;
    return std::nullopt;
}

void MainWindow::fillLanguageMenu() {
    languages_ = languageNames(std::move(languages_), calculator_.fileSystem());
    for (const ShippedLanguage& language : languages_) {
        QAction* action = languageMenu_->addAction(toQt(language.name));
        action->setObjectName(QStringLiteral("mnuLanguage_%1").arg(toQt(language.code)));
        action->setCheckable(true);
        languageChoices_->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, code = language.code] { onLanguageChosen(code); });
    }
    languageMenu_->setEnabled(!languages_.empty());
    checkLanguageInUse();
}

void MainWindow::checkLanguageInUse() {
    // The file in use; else, for the data folder's own Language.ini, the shipped language of the
    // same name ("English"), so that the menu never leaves the language of the window unchecked.
    const auto inUse = [this](const ShippedLanguage& language) {
        return language.file == calculator_.languageFile();
    };
    auto shown = std::find_if(languages_.begin(), languages_.end(), inUse);
    const std::string& name = calculator_.texts().languageName;
    if (shown == languages_.end() && !name.empty()) {
        shown = std::find_if(languages_.begin(), languages_.end(),
                             [&name](const ShippedLanguage& l) { return l.name == name; });
    }
    for (QAction* action : languageChoices_->actions()) {
        action->setChecked(shown != languages_.end() &&
                           action->objectName() ==
                               QStringLiteral("mnuLanguage_%1").arg(toQt(shown->code)));
    }
}

void MainWindow::useQtTranslationsOfLanguageInUse() {
    const auto inUse =
        std::find_if(languages_.begin(), languages_.end(), [this](const ShippedLanguage& language) {
            return language.file == calculator_.languageFile();
        });
    (void)useQtTranslations(inUse != languages_.end() ? toQt(inUse->code) : QString());
}

void MainWindow::onLanguageChosen(const std::string& code) {
    const auto language = findLanguage(languages_, code);
    if (language && calculator_.useLanguageFile(language->file)) {
        QSettings settings = userSettings();
        settings.setValue(QLatin1String(kLanguageKey), toQt(code));
        useQtTranslationsOfLanguageInUse();
    }
    // The check follows the language in use, also when the file could not be used.
    checkLanguageInUse();
}

}  // namespace projcalc::ui
