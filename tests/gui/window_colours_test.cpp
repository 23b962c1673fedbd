// The window under a light and a dark palette: every caption keeps a contrast of at least 4.5:1
// (WCAG AA) against the pixels behind it, the pictures stay legible on what they lie on, and the
// offset boxes look like results rather than boxes to type in.
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QtTest>
#include <cmath>

#include "gui_fixture.h"
#include "ui/program_style.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double luminance(QColor colour) {
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark palette as dark desktop themes have it.
QPalette darkPalette() {
    QPalette p(QColor(53, 53, 53), QColor(42, 42, 42));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::ToolTipBase, QColor(30, 30, 30));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return p;
}

// Where a widget draws its text, in its own pixels, and the palette role it draws it with.
struct TextPlace {
    QRect rect;
    QPalette::ColorRole role = QPalette::WindowText;
};

std::optional<TextPlace> textPlaceOf(QWidget& widget) {
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        if (label->text().isEmpty()) return std::nullopt;
        const QSize text = label->fontMetrics().size(0, label->text());
        return TextPlace{QStyle::alignedRect(label->layoutDirection(), label->alignment(), text,
                                             label->contentsRect())};
    }
    if (auto* option = qobject_cast<QRadioButton*>(&widget)) {
        // A greyed option is not to be read, and WCAG asks nothing of it.
        if (option->text().isEmpty() || !option->isEnabled()) return std::nullopt;
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        const QRect contents =
            option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        const QSize text = option->fontMetrics().size(0, option->text());
        return TextPlace{
            QStyle::alignedRect(option->layoutDirection(), Qt::AlignVCenter, text, contents)};
    }
    if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        if (frame->title().isEmpty()) return std::nullopt;
        QStyleOptionGroupBox style;
        style.initFrom(frame);
        style.text = frame->title();
        style.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        return TextPlace{frame->style()->subControlRect(QStyle::CC_GroupBox, &style,
                                                        QStyle::SC_GroupBoxLabel, frame)};
    }
    if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
        // The model list's field is painted by the list itself, in the style's own colours.
        if (box->text().isEmpty() || qobject_cast<QComboBox*>(box->parentWidget()) != nullptr)
            return std::nullopt;
        return TextPlace{box->rect().adjusted(3, 3, -3, -3), QPalette::Text};
    }
    return std::nullopt;
}

// The lowest contrast between a widget's text colour and the pixels behind its text, rendered
// with the text made invisible.
double lowestContrast(QWidget& widget, const TextPlace& place) {
    const QColor text = widget.palette().color(QPalette::Active, place.role);
    const QPalette saved = widget.palette();
    QPalette hidden = saved;
    hidden.setColor(place.role, Qt::transparent);
    widget.setPalette(hidden);
    const QImage behind = widget.grab(place.rect).toImage();
    widget.setPalette(saved);
    double lowest = 21.0;
    for (int y = 0; y < behind.height(); ++y) {
        for (int x = 0; x < behind.width(); ++x)
            lowest = std::min(lowest, contrast(text, behind.pixelColor(x, y)));
    }
    return lowest;
}

// The highest contrast any pixel of a widget's picture has against the colour around it.
double pictureContrast(QWidget& widget, QColor around) {
    const QImage image = widget.grab().toImage();
    double highest = 1.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            highest = std::max(highest, contrast(around, image.pixelColor(x, y)));
    }
    return highest;
}

}  // namespace

class WindowColoursTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        ui::useProgramStyle();
        light_ = QApplication::palette();
    }

    void cleanup() { QApplication::setPalette(light_); }

    void palettes_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void everyCaptionStandsOutFromWhatLiesBehindIt_data() { palettes_data(); }

    void everyCaptionStandsOutFromWhatLiesBehindIt() {
        QFETCH(bool, dark);
        if (dark) QApplication::setPalette(darkPalette());
        DataFolder data({kModelPlain, kModelWideOnly169});
        WindowHarness h;
        QVERIFY(h.start(data));
        int checked = 0;
        QStringList faults;
        for (QWidget* widget : h.window().findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(&h.window())) continue;
            const std::optional<TextPlace> place = textPlaceOf(*widget);
            if (!place) continue;
            ++checked;
            const double lowest = lowestContrast(*widget, *place);
            if (lowest < 4.5)
                faults << QStringLiteral("%1: %2").arg(widget->objectName()).arg(lowest);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(", "))));
        // Drawing captions, units, value and offset boxes, options, frames, the model label and
        // the planning panel.
        QVERIFY(checked > 40);
    }

    // The dot of a checked option is what tells it from the others: under either palette it must
    // stand out from the same button unchecked.
    void theCheckedOptionsDotStaysVisible_data() { palettes_data(); }

    void theCheckedOptionsDotStaysVisible() {
        QFETCH(bool, dark);
        if (dark) QApplication::setPalette(darkPalette());
        DataFolder data({kModelPlain, kModelWideOnly169});
        WindowHarness h;
        QVERIFY(h.start(data));
        int checked = 0;
        for (QRadioButton* option : h.window().findChildren<QRadioButton*>()) {
            if (!option->isVisibleTo(&h.window()) || !option->isChecked()) continue;
            QStyleOptionButton style;
            style.initFrom(option);
            const QRect indicator =
                option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
            const QImage on = option->grab(indicator).toImage();
            // Unchecked for the picture only: an exclusive group would keep it checked.
            QButtonGroup* group = option->group();
            if (group != nullptr) group->setExclusive(false);
            const bool autoExclusive = option->autoExclusive();
            option->setAutoExclusive(false);
            option->setChecked(false);
            const QImage off = option->grab(indicator).toImage();
            option->setChecked(true);
            option->setAutoExclusive(autoExclusive);
            if (group != nullptr) group->setExclusive(true);
            double highest = 1.0;
            for (int y = 0; y < std::min(on.height(), off.height()); ++y) {
                for (int x = 0; x < std::min(on.width(), off.width()); ++x)
                    highest =
                        std::max(highest, contrast(on.pixelColor(x, y), off.pixelColor(x, y)));
            }
            QVERIFY2(highest >= 3.0,
                     qPrintable(QStringLiteral("%1: %2").arg(option->objectName()).arg(highest)));
            ++checked;
        }
        QVERIFY(checked >= 4);  // one per option group
    }

    void picturesStayLegible_data() { palettes_data(); }

    void picturesStayLegible() {
        QFETCH(bool, dark);
        if (dark) QApplication::setPalette(darkPalette());
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const QColor window = h.window().palette().color(QPalette::Window);
        auto* logo = h.find<QLabel>(QStringLiteral("imgLogo"));
        QCOMPARE(logo->property("artwork").toString(),
                 dark ? QStringLiteral("imgLogoOnDark") : QStringLiteral("imgLogo"));
        QVERIFY(pictureContrast(*logo, window) >= 4.5);
        // The range sign lies on the drawing's paper.
        auto* sign = h.find<QLabel>(QStringLiteral("imgKara"));
        QVERIFY(pictureContrast(*sign, Qt::white) >= 4.5);
        // The Enter picture on its button, shown while a box is edited.
        h.click(h.valueBox(1));
        QAbstractButton* enter = h.enterButton(1);
        QVERIFY(enter->isVisible());
        QVERIFY(pictureContrast(*enter, enter->palette().color(QPalette::Button)) >= 4.5);
    }

    // A palette changed while the window is open brings the pictures that suit it.
    void aNewPaletteBringsItsPictures() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        auto* logo = h.find<QLabel>(QStringLiteral("imgLogo"));
        QCOMPARE(logo->property("artwork").toString(), QStringLiteral("imgLogo"));
        QApplication::setPalette(darkPalette());
        QTRY_COMPARE(logo->property("artwork").toString(), QStringLiteral("imgLogoOnDark"));
        QApplication::setPalette(light_);
        QTRY_COMPARE(logo->property("artwork").toString(), QStringLiteral("imgLogo"));
    }

    void offsetBoxesLookLikeResults_data() { palettes_data(); }

    void offsetBoxesLookLikeResults() {
        QFETCH(bool, dark);
        if (dark) QApplication::setPalette(darkPalette());
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const QColor window = h.window().palette().color(QPalette::Window);
        for (const char* name : {"txtOffset_0", "txtOffset_1"}) {
            auto* offset = h.find<QLineEdit>(QString::fromLatin1(name));
            QVERIFY(offset->isReadOnly());
            QCOMPARE(offset->palette().color(QPalette::Base), window);
            QVERIFY(offset->palette().color(QPalette::Base) !=
                    h.valueBox(0)->palette().color(QPalette::Base));
        }
    }

    // PROJCALC_SCREENSHOTS=<folder> saves the window on the shipped catalogue under the light
    // and the dark palette there (window-light.png, window-dark.png), as the README shows it.
    void screenshots() {
        const QString folder = qEnvironmentVariable("PROJCALC_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("PROJCALC_SCREENSHOTS is not set");
        for (const bool dark : {false, true}) {
            QApplication::setPalette(dark ? darkPalette() : light_);
            DataFolder data({kModelPlain}, shippedText("Language.ini"));
            data.write("ModelInfo.ini", shippedText("ModelInfo.ini"));
            WindowHarness h;
            QVERIFY(h.start(data));
            h.click(h.option(QStringLiteral("optAspect_2")));
            h.click(h.valueBox(1));
            h.press(h.valueBox(1), Qt::Key_A, Qt::ControlModifier);
            h.type(h.valueBox(1), QStringLiteral("150"));
            h.press(h.valueBox(1), Qt::Key_Return);
            h.click(h.option(QStringLiteral("optUnits_2")));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            const QString name =
                dark ? QStringLiteral("window-dark.png") : QStringLiteral("window-light.png");
            QVERIFY(h.window().grab().save(folder + QLatin1Char('/') + name));
        }
    }

  private:
    QPalette light_;
};

QTEST_MAIN(WindowColoursTest)
#include "window_colours_test.moc"
