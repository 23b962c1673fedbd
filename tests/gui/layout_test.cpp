// The main window's texts fit their controls and its pictures are crisp, at 96 dots per inch
// and at a device pixel ratio of 2 (the same test runs under QT_SCALE_FACTOR=2).
//
// PROJCALC_SCREENSHOT=<file.png> saves a picture of the started window.
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "gui_fixture.h"
#include "ui/program_style.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

// The shipped file when there is one, so that its real captions and models are checked.
std::string shippedOr(const std::string& name, const std::string& fallback) {
    std::ifstream in(std::filesystem::path(PROJCALC_SOURCE_DIR) / "data" / name, std::ios::binary);
    if (!in) return fallback;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The widths of the longest numbers the value and offset boxes show.
constexpr const char* kWidestValue = "8888";
constexpr const char* kWidestOffset = "888.8";

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        ui::useProgramStyle();
        data_->write("ModelInfo.ini",
                     shippedOr("ModelInfo.ini", catalogueText({kModelPlain, kModelWideOnly169})));
        harness_ = std::make_unique<WindowHarness>();
        QVERIFY(harness_->start(*data_));
    }

    void labelsShowTheirWholeText() {
        for (QLabel* label : harness_->window().findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            const QSize needed = label->fontMetrics().size(0, label->text());
            const QRect room = label->contentsRect();
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                     qPrintable(label->objectName()));
        }
    }

    void optionsAndFramesShowTheirWholeText() {
        for (QRadioButton* option : harness_->window().findChildren<QRadioButton*>()) {
            QVERIFY2(option->sizeHint().width() <= option->width(),
                     qPrintable(option->objectName()));
            QVERIFY2(option->fontMetrics().height() <= option->height(),
                     qPrintable(option->objectName()));
            // Nothing overhangs the frame.
            QVERIFY2(option->geometry().right() < option->parentWidget()->width(),
                     qPrintable(option->objectName()));
        }
        for (QGroupBox* frame : harness_->window().findChildren<QGroupBox*>()) {
            const QFontMetrics metrics = frame->fontMetrics();
            QVERIFY2(metrics.horizontalAdvance(frame->title()) + 16 <= frame->width(),
                     qPrintable(frame->objectName()));
            // Nothing reaches up into the title or down over the border.
            const QRect contents = frame->contentsRect();
            for (QWidget* control : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QVERIFY2(control->y() >= contents.top() &&
                             control->geometry().bottom() <= contents.bottom(),
                         qPrintable(control->objectName()));
            }
        }
        for (QAbstractButton* button : harness_->window().findChildren<QPushButton*>()) {
            if (button->text().isEmpty()) continue;
            QVERIFY2(button->sizeHint().width() <= button->width(),
                     qPrintable(button->objectName()));
        }
    }

    void boxesHoldTheirLongestNumbers() {
        for (QLineEdit* box : harness_->window().findChildren<QLineEdit*>()) {
            const bool offset = box->objectName().startsWith("txtOffset");
            const int needed =
                box->fontMetrics().horizontalAdvance(offset ? kWidestOffset : kWidestValue);
            // The frame and the text margins take two pixels on each side.
            QVERIFY2(needed + 8 <= box->width(), qPrintable(box->objectName()));
            QVERIFY2(box->fontMetrics().height() + 4 <= box->height(),
                     qPrintable(box->objectName()));
        }
    }

    void picturesAreRenderedForThePixelRatio() {
        ui::MainWindow& window = harness_->window();
        const qreal ratio = window.devicePixelRatioF();
        const QImage shot = window.grab().toImage();
        QCOMPARE(shot.size(), window.size() * ratio);
        const auto* logo = window.findChild<QLabel*>("imgLogo");
        QCOMPARE(logo->pixmap().devicePixelRatio(), ratio);
        QCOMPARE(logo->pixmap().size(), logo->size() * ratio);
        const auto* enter = window.findChild<QPushButton*>("cmdEnter_0");
        QVERIFY(!enter->icon().isNull());
        QVERIFY(enter->iconSize().width() <= enter->width());
        QVERIFY(enter->iconSize().height() <= enter->height());

        if (const QByteArray path = qgetenv("PROJCALC_SCREENSHOT"); !path.isEmpty())
            QVERIFY(window.grab().save(QString::fromLocal8Bit(path)));
    }

    void cleanupTestCase() { harness_.reset(); }

  private:
    std::unique_ptr<DataFolder> data_ =
        std::make_unique<DataFolder>(std::vector<std::string>{kModelPlain, kModelWideOnly169},
                                     shippedOr("Language.ini", languageText()));
    std::unique_ptr<WindowHarness> harness_;
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
