#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "test_support.h"
#include "ui/dialog_hooks.h"
#include "ui/main_window.h"

namespace projcalc::gui_test {

// Changes to the English Language.ini of the tests: a key mapped to a text replaces (or adds)
// that key of section "Language"; a key mapped to nothing is left out of the file.
using LanguageChanges = std::map<std::string, std::optional<std::string>>;

// Replaces what a field holds by `text`, typed as a user would: focus, Ctrl+A, the keys.
void retype(QLineEdit* field, const QString& text);

// A complete English Language.ini with the changes applied.
[[nodiscard]] std::string languageText(const LanguageChanges& changes = {});

// Catalogue lines (sizes in inches). "Plain 100" offers every aspect and both zoom ends; its
// 4:3 WIDE size line is diagonal = distance, with limits 40 to 300 inches.
inline constexpr const char* kModelPlain =
    "Plain 100,40,300,30,250,1.0,0,0.8,0,0.5,0.6,0.1,0.12,0,15,0,0,40,280,30,240,40,290,30,245";
// Offers 16:9 only, at WIDE only.
inline constexpr const char* kModelWideOnly169 =
    "Wide 169,50,200,50,200,1.2,0,0,0,0.4,0.4,0,0,1,4,0,0,50,220,50,220,0,0,0,0";

// A ModelInfo.ini with the given model lines.
[[nodiscard]] std::string catalogueText(const std::vector<std::string>& modelLines);

// A file of the shipped data folder (data/ in the source tree), read whole.
[[nodiscard]] std::string shippedText(const std::string& name);

// A data folder of its own: ModelInfo.ini and Language.ini in a temporary directory.
class DataFolder {
  public:
    explicit DataFolder(const std::vector<std::string>& modelLines = {kModelPlain},
                        const std::string& language = languageText());
    [[nodiscard]] const std::filesystem::path& path() const { return dir_.path(); }
    [[nodiscard]] QString qpath() const { return QString::fromStdString(dir_.path().string()); }
    // Replaces a file of the folder.
    void write(const std::string& name, std::string_view contents) const {
        (void)dir_.write(name, contents);
    }

  private:
    TempDir dir_;
};

// Forgets what earlier windows of this test process remembered (the planning panel shown or
// hidden); the process's settings live in a temporary folder of its own.
void forgetRememberedSettings();

// A main window whose messages and "Save changes?" questions are recorded instead of shown. The
// questions are answered from a queue; with none left the changes are discarded. It starts
// afresh, forgetting what earlier windows remembered, unless told to remember.
class WindowHarness {
  public:
    enum class Settings { Forget, Remember };
    explicit WindowHarness(Settings settings = Settings::Forget);

    // Starts the window on the data folder; shows and activates it when `show` is set.
    [[nodiscard]] bool start(const DataFolder& data, bool show = true);

    [[nodiscard]] ui::MainWindow& window() { return *window_; }
    [[nodiscard]] std::vector<ui::MessageRequest>& messages() { return messages_; }
    [[nodiscard]] std::vector<ui::QuestionRequest>& questions() { return questions_; }
    [[nodiscard]] std::deque<bool>& goOnAnswers() { return goOnAnswers_; }
    [[nodiscard]] std::deque<SaveChoice>& answers() { return answers_; }

    template <typename Widget = QWidget>
    [[nodiscard]] Widget* find(const QString& name) {
        return window_->findChild<Widget*>(name);
    }
    [[nodiscard]] QLineEdit* valueBox(int i) {
        return find<QLineEdit>(QStringLiteral("txtValue_%1").arg(i));
    }
    [[nodiscard]] QAbstractButton* enterButton(int i) {
        return find<QAbstractButton>(QStringLiteral("cmdEnter_%1").arg(i));
    }
    [[nodiscard]] QAbstractButton* option(const QString& name) {
        return find<QAbstractButton>(name);
    }
    [[nodiscard]] QComboBox* modelList() { return find<QComboBox>(QStringLiteral("cboModel")); }

    // The four value boxes' texts, distance first.
    [[nodiscard]] QStringList valueTexts();
    // Indices of the visible Enter buttons.
    [[nodiscard]] std::vector<int> visibleEnterButtons();

    // User actions: a mouse click in the middle of a widget, typed text, a key.
    void click(QWidget* widget);
    void type(QWidget* widget, const QString& text);
    void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

  private:
    std::unique_ptr<ui::MainWindow> window_;
    std::vector<ui::MessageRequest> messages_;
    std::vector<ui::QuestionRequest> questions_;
    std::deque<bool> goOnAnswers_;  // answers to OK/Cancel questions; OK when none is left
    std::deque<SaveChoice> answers_;
};

}  // namespace projcalc::gui_test
