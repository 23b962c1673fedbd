#include "gui_fixture.h"

#include <QApplication>
#include <QFile>
#include <QRadioButton>
#include <QSettings>
#include <utility>

namespace projcalc::gui_test {
namespace {

const std::vector<std::pair<std::string, std::string>>& englishTexts() {
    static const std::vector<std::pair<std::string, std::string>> texts = {
        {"Caption", "Projection Distance Calculator"},
        {"FontName", "DejaVu Sans"},
        {"FontSize", "8"},
        {"msg1", "No model in %1"},
        {"msg2", "Too large: at most %1 inches"},
        {"msg3", "Too large: at most %1 feet (%2 inches)"},
        {"msg4", "Too large: at most %1 cm (%2 inches)"},
        {"msg5", "Too small: at least %1 inches"},
        {"msg6", "Too small: at least %1 feet (%2 inches)"},
        {"msg7", "Too small: at least %1 cm (%2 inches)"},
        {"mnuFile", "&File"},
        {"mnuFileOpen", "&Open Calculate"},
        {"mnuFileSave", "&Save Calculate"},
        {"mnuFileSaveAs", "Save&As Calculate"},
        {"mnuFilePrint", "&Print Calculate"},
        {"mnuFileQuit", "&Quit"},
        {"mnuOption", "&Option"},
        {"mnuOptionModelInfo", "Select model info file..."},
        {"mnuAbout", "&About"},
        {"mnuAboutAbout", "&About"},
        {"LBL1", "Model"},
        {"LBL2", "Units"},
        {"LBL3", "inches"},
        {"LBL4", "Feet"},
        {"LBL5", "centimeters"},
        {"LBL6", "WIDE / TELE"},
        {"LBL7", "WIDE"},
        {"LBL8", "TELE"},
        {"LBL9", "Position"},
        {"LBL10", "Top of Screen"},
        {"LBL11", "Bottom of Screen"},
        {"LBL12", "Aspect Ratio"},
        {"LBL13", "Projection Distance"},
        {"LBL14", "Screen Size Diagonal"},
        {"LBL15", "Width"},
        {"LBL16", "Height"},
        {"LBL17", "Offset"},
        {"LBL18", "Print"},
        {"LBL19", "Print Printer"},
        {"LBL20", "Print"},
        {"LBL21", "Cancel"},
    };
    return texts;
}

constexpr const char* kCatalogueHeader =
    "Name,min43W,max43W,min43T,max43T,slopeW,icptW,slopeT,icptT,offAW,offAT,offBW,offBT,"
    "panel,mask,kind,scale169,min169W,max169W,min169T,max169T,min1610W,max1610W,min1610T,"
    "max1610T\n";

}  // namespace

void retype(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

std::string languageText(const LanguageChanges& changes) {
    LanguageChanges pending = changes;
    std::string text = "[Language]\n";
    const auto line = [&text](const std::string& key, const std::optional<std::string>& value) {
        if (value) text += key + "=" + *value + "\n";
    };
    for (const auto& [key, value] : englishTexts()) {
        if (const auto changed = pending.find(key); changed != pending.end()) {
            line(key, changed->second);
            pending.erase(changed);
        } else {
            line(key, value);
        }
    }
    for (const auto& [key, value] : pending)
        line(key, value);
    return text + "[Version]\nVersion=1.00\n";
}

std::string shippedText(const std::string& name) {
    QFile file(QStringLiteral(PROJCALC_SOURCE_DIR "/data/") + QString::fromStdString(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

std::string catalogueText(const std::vector<std::string>& modelLines) {
    std::string text = kCatalogueHeader;
    for (const std::string& line : modelLines)
        text += line + "\n";
    return text;
}

DataFolder::DataFolder(const std::vector<std::string>& modelLines, const std::string& language) {
    dir_.write("ModelInfo.ini", catalogueText(modelLines));
    dir_.write("Language.ini", language);
}

void forgetRememberedSettings() {
    QSettings(QStringLiteral("projcalc"), QStringLiteral("projcalc")).clear();
}

WindowHarness::WindowHarness(Settings settings) {
    if (settings == Settings::Forget) forgetRememberedSettings();
    window_ = std::make_unique<ui::MainWindow>();
    window_->setMessageHook([this](QWidget* /*parent*/, const ui::MessageRequest& request) {
        messages_.push_back(request);
    });
    window_->setFileDialogHook(
        [](QWidget* /*parent*/, const ui::FileDialogRequest& /*request*/) { return QString(); });
    window_->setQuestionHook([this](QWidget* /*parent*/, const ui::QuestionRequest& request) {
        questions_.push_back(request);
        if (answers_.empty()) return SaveChoice::Discard;
        const SaveChoice answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
    window_->setGoOnHook([this](QWidget* /*parent*/, const ui::QuestionRequest& request) {
        questions_.push_back(request);
        if (goOnAnswers_.empty()) return true;
        const bool answer = goOnAnswers_.front();
        goOnAnswers_.pop_front();
        return answer;
    });
}

bool WindowHarness::start(const DataFolder& data, bool show) {
    if (!window_->startUp(data.path())) return false;
    if (!show) return true;
    window_->show();
    window_->activateWindow();
    return QTest::qWaitForWindowExposed(window_.get()) &&
           QTest::qWaitForWindowActive(window_.get());
}

QStringList WindowHarness::valueTexts() {
    QStringList texts;
    for (int i = 0; i < 4; ++i)
        texts << valueBox(i)->text();
    return texts;
}

std::vector<int> WindowHarness::visibleEnterButtons() {
    std::vector<int> visible;
    for (int i = 0; i < 4; ++i) {
        if (enterButton(i)->isVisibleTo(window_.get())) visible.push_back(i);
    }
    return visible;
}

void WindowHarness::click(QWidget* widget) {
    // An option takes clicks on its circle and its text only.
    const QPoint at = qobject_cast<QRadioButton*>(widget) != nullptr
                          ? QPoint(6, widget->height() / 2)
                          : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

void WindowHarness::type(QWidget* widget, const QString& text) {
    QTest::keyClicks(widget, text);
}

void WindowHarness::press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(widget, key, modifiers);
}

}  // namespace projcalc::gui_test
