// The option groups, the model list, the aspect preview and the interface texts of the main
// window, driven through its widgets.
#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>
#include <filesystem>

#include "gui_fixture.h"
#include "i18n/language.h"
#include "ui/program_style.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

QStringList checkedOptions(WindowHarness& h) {
    QStringList checked;
    for (QRadioButton* option : h.window().findChildren<QRadioButton*>()) {
        if (option->isChecked()) checked << option->objectName();
    }
    checked.sort();
    return checked;
}

QStringList offsetTexts(WindowHarness& h) {
    return {h.find<QLineEdit>("txtOffset_0")->text(), h.find<QLineEdit>("txtOffset_1")->text()};
}

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ui::useProgramStyle(); }

    void optionClickRecalculates_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("offsets");
        QTest::addColumn<QString>("message");
        const auto checked = [](const char* aspect, const char* position, const char* units,
                                const char* zoom) {
            return QStringList{aspect, position, units, zoom};
        };
        QTest::newRow("centimeters")
            << "optUnits_2" << checked("optAspect_0", "optPosition_1", "optUnits_2", "optWIDE_0")
            << QStringList{"762", "762", "610", "457"} << QStringList{"229", "46"} << QString();
        QTest::newRow("feet") << "optUnits_1"
                              << checked("optAspect_0", "optPosition_1", "optUnits_1", "optWIDE_0")
                              << QStringList{"25", "25", "20", "15"} << QStringList{"7.5", "1.5"}
                              << QString();
        QTest::newRow("16 : 9, the distance stays")
            << "optAspect_2" << checked("optAspect_2", "optPosition_1", "optUnits_0", "optWIDE_0")
            << QStringList{"300", "275", "240", "135"} << QStringList{"67.5", "4.5"} << QString();
        // The diagonal is brought down to the TELE limit, and the user is told.
        QTest::newRow("TELE") << "optWIDE_1"
                              << checked("optAspect_0", "optPosition_1", "optUnits_0", "optWIDE_1")
                              << QStringList{"312", "250", "200", "150"}
                              << QStringList{"90.0", "18.0"} << "Too large: at most 250 inches";
        QTest::newRow("top of screen")
            << "optPosition_0" << checked("optAspect_0", "optPosition_0", "optUnits_0", "optWIDE_0")
            << QStringList{"300", "300", "240", "180"} << QStringList{"90.0", "18.0"} << QString();
    }

    void optionClickRecalculates() {
        QFETCH(QString, option);
        QFETCH(QStringList, checked);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, offsets);
        QFETCH(QString, message);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        h.click(h.option(option));
        QCOMPARE(checkedOptions(h), checked);
        QCOMPARE(h.valueTexts(), boxes);
        QCOMPARE(offsetTexts(h), offsets);
        QStringList messages;
        for (const ui::MessageRequest& shown : h.messages())
            messages << shown.text;
        QCOMPARE(messages, message.isNull() ? QStringList() : QStringList{message});
    }

    void pickingAModelAdaptsTheOptions_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("arrow key") << "key";
        QTest::newRow("click in the open list") << "popup";
    }

    void pickingAModelAdaptsTheOptions() {
        QFETCH(QString, how);
        DataFolder data({kModelPlain, kModelWideOnly169});
        WindowHarness h;
        QVERIFY(h.start(data));
        // What the controller checks from code comes back as no event.
        QSignalSpy toggled43(h.option("optAspect_0"), &QAbstractButton::toggled);
        QSignalSpy toggled169(h.option("optAspect_2"), &QAbstractButton::toggled);
        QComboBox* list = h.modelList();
        if (how == "key") {
            h.press(list, Qt::Key_Down);
        } else {
            list->showPopup();
            QAbstractItemView* rows = list->view();
            QVERIFY(QTest::qWaitForWindowExposed(rows->window()));
            const QRect row = rows->visualRect(rows->model()->index(1, 0));
            QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
            QTRY_VERIFY(!rows->window()->isVisible());
        }
        QCOMPARE(list->currentText(), QStringLiteral("Wide 169"));
        QCOMPARE(h.valueTexts(), QStringList({"150", "220", "192", "108"}));
        QCOMPARE(checkedOptions(h),
                 QStringList({"optAspect_2", "optPosition_1", "optUnits_0", "optWIDE_0"}));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(h.option(QStringLiteral("optAspect_%1").arg(i))->isEnabled(), i == 2);
        QVERIFY(!h.option("optWIDE_0")->isEnabled());
        QVERIFY(!h.option("optWIDE_1")->isEnabled());
        QCOMPARE(toggled43.count(), 0);
        QCOMPARE(toggled169.count(), 0);

        // A disabled option cannot be clicked.
        h.click(h.option("optAspect_0"));
        QVERIFY(h.option("optAspect_2")->isChecked());
        QCOMPARE(h.valueTexts(), QStringList({"150", "220", "192", "108"}));
    }

    // Typing into the model list lists the models whose names hold the text, in any case; a
    // choice from that list is a pick. With Option > Keep the screen, the pick keeps the screen.
    void typingFiltersTheModelListAndAPickCanKeepTheScreen() {
        DataFolder data(
            {kModelPlain, "Other 9" + std::string(kModelWideOnly169).substr(8), kModelWideOnly169});
        WindowHarness h;
        QVERIFY(h.start(data));
        h.click(h.option("optAspect_2"));
        QLineEdit* diagonal = h.valueBox(1);
        h.click(diagonal);
        h.press(diagonal, Qt::Key_A, Qt::ControlModifier);
        h.type(diagonal, QStringLiteral("120"));
        h.press(diagonal, Qt::Key_Return);
        QCOMPARE(h.valueTexts().at(1), QStringLiteral("120"));
        auto* keep = h.find<QAction>("mnuOptionKeepScreen");
        QVERIFY(!keep->isChecked());
        keep->trigger();

        QComboBox* list = h.modelList();
        h.click(list);
        h.press(list->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        h.type(list->lineEdit(), QStringLiteral("IDE"));
        QAbstractItemView* found = list->completer()->popup();
        QTRY_VERIFY(found->isVisible());
        QCOMPARE(found->model()->rowCount(), 1);
        QCOMPARE(found->model()->index(0, 0).data().toString(), QStringLiteral("Wide 169"));
        h.press(found, Qt::Key_Down);
        h.press(found, Qt::Key_Return);
        QTRY_COMPARE(list->currentText(), QStringLiteral("Wide 169"));
        QCOMPARE(list->currentIndex(), 2);
        QCOMPARE(h.valueTexts().at(1), QStringLiteral("120"));  // the screen kept
        QVERIFY(h.messages().empty());

        // Text that names no model picks nothing; leaving the list shows the model again.
        h.click(list);
        h.press(list->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        h.type(list->lineEdit(), QStringLiteral("zzz"));
        h.click(diagonal);
        QCOMPARE(list->currentText(), QStringLiteral("Wide 169"));
        QCOMPARE(h.valueTexts().at(1), QStringLiteral("120"));

        // Without the option a pick starts from the model's largest picture, as before.
        keep->trigger();
        h.press(list, Qt::Key_Up);
        QCOMPARE(list->currentText(), QStringLiteral("Other 9"));
        QCOMPARE(h.valueTexts().at(1), QStringLiteral("220"));
    }

    void openModelListShowsThirtyRows() {
        std::vector<std::string> models;
        for (int i = 0; i < 40; ++i)
            models.push_back(QStringLiteral("Model %1").arg(i).toStdString() +
                             std::string(kModelPlain).substr(9));
        DataFolder data(models);
        WindowHarness h;
        QVERIFY(h.start(data));
        QComboBox* list = h.modelList();
        QCOMPARE(list->count(), 40);
        list->showPopup();
        QAbstractItemView* rows = list->view();
        QVERIFY(QTest::qWaitForWindowExposed(rows->window()));
        const int rowHeight = rows->sizeHintForRow(0);
        QVERIFY(rowHeight > 0);
        QCOMPARE(rows->viewport()->height() / rowHeight, 30);
        list->hidePopup();
    }

    // The preview keeps its height and its horizontal centre, whatever the order of the clicks.
    void aspectPreviewTakesTheRatiosShape_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("ratio");
        QTest::newRow("4 : 3 at start") << QStringList{} << "4 : 3" << 4.0 / 3.0;
        QTest::newRow("5 : 4") << QStringList{"optAspect_1"} << "5 : 4" << 5.0 / 4.0;
        QTest::newRow("16 : 9") << QStringList{"optAspect_2"} << "16 : 9" << 16.0 / 9.0;
        QTest::newRow("16 : 10") << QStringList{"optAspect_3"} << "16 : 10" << 16.0 / 10.0;
        QTest::newRow("back and forth") << QStringList{"optAspect_2", "optAspect_3", "optAspect_1",
                                                       "optAspect_3", "optAspect_2", "optAspect_0"}
                                        << "4 : 3" << 4.0 / 3.0;
    }

    void aspectPreviewTakesTheRatiosShape() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, caption);
        QFETCH(double, ratio);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        auto* box = h.find<QLabel>("lblAspectBox");
        auto* label = h.find<QLabel>("lblAspect");
        const QRect start = box->geometry();
        for (const QString& option : clicks)
            h.click(h.option(option));
        const QRect shaped = box->geometry();
        QCOMPARE(shaped.top(), start.top());
        QCOMPARE(shaped.height(), start.height());
        QCOMPARE(shaped.width(), static_cast<int>(std::lround(start.height() * ratio)));
        // The design box spans 8 to 121: its centre is 64.5.
        QVERIFY(qAbs(shaped.left() + shaped.width() / 2.0 - 64.5) <= 0.5);
        QCOMPARE(label->text(), caption);
        QVERIFY(qAbs(label->geometry().center().x() - shaped.center().x()) <= 1);
        QVERIFY(qAbs(label->geometry().center().y() - shaped.center().y()) <= 1);
        QVERIFY(label->fontMetrics().horizontalAdvance(caption) <= label->width());
    }

    void lineBreakMarkersBreakValueCaptions() {
        DataFolder data({kModelPlain}, languageText({{"LBL13", "Projection<BR>Distance"},
                                                     {"LBL14", "Screen<br>Size"},
                                                     {"LBL17", "Off<BR>set<BR>A"}}));
        WindowHarness h;
        QVERIFY(h.start(data));
        auto* distance = h.find<QLabel>("lblValue_0");
        QCOMPARE(distance->text(), QStringLiteral("Projection\nDistance"));
        QVERIFY(distance->height() >= 2 * distance->fontMetrics().lineSpacing());
        // The marker is case-sensitive.
        QCOMPARE(h.find<QLabel>("lblValue_1")->text(), QStringLiteral("Screen<br>Size"));
        QCOMPARE(h.find<QLabel>("lblOffset")->text(), QStringLiteral("Off\nset\nA"));
        QCOMPARE(h.valueBox(0)->accessibleName(), QStringLiteral("Projection Distance"));
    }

    void interfaceFontGoesToTheListedControlsOnly_data() {
        QTest::addColumn<QString>("fontSize");
        QTest::addColumn<int>("expectedSize");
        QTest::newRow("11 points") << "11" << 11;
        QTest::newRow("size 0 keeps the default") << "0" << 8;
    }

    void interfaceFontGoesToTheListedControlsOnly() {
        QFETCH(QString, fontSize);
        QFETCH(int, expectedSize);
        DataFolder data({kModelPlain}, languageText({{"FontName", "DejaVu Serif"},
                                                     {"FontSize", fontSize.toStdString()}}));
        WindowHarness h;
        QVERIFY(h.start(data));
        for (const std::string& name : fontControlNames()) {
            const QFont font = h.find(QString::fromStdString(name))->font();
            QVERIFY2(font.family() == "DejaVu Serif", name.c_str());
            QCOMPARE(font.pointSize(), expectedSize);
        }
        for (const char* name : {"optAspect_0", "optAspect_3", "lblAspect", "lblAspectBox",
                                 "txtValue_1", "txtOffset_0", "cboModel"}) {
            const QFont font = h.find(name)->font();
            QVERIFY2(font.family() == "DejaVu Sans", name);
            QCOMPARE(font.pointSize(), 8);
        }
    }

    void missingLanguageTextEndsStartUp_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("LBL13 missing") << "LBL13" << QString();
        QTest::newRow("Caption blank") << "Caption"
                                       << "   ";
        QTest::newRow("mnuAboutAbout missing") << "mnuAboutAbout" << QString();
    }

    void missingLanguageTextEndsStartUp() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        std::optional<std::string> text;
        if (!value.isNull()) text = value.toStdString();
        DataFolder data({kModelPlain}, languageText({{key.toStdString(), text}}));
        WindowHarness h;
        QVERIFY(!h.start(data, false));
        QCOMPARE(h.messages().size(), std::size_t{1});
        // The old first line, then the file and the key.
        QVERIFY(h.messages()[0].text.startsWith(QStringLiteral("LANGUAGE.INI ERRER !!!! \n")));
        QVERIFY(
            h.messages()[0].text.contains(QStringLiteral("Language.ini: the text %1 of").arg(key)));
        QCOMPARE(h.messages()[0].icon, ui::MessageRequest::Icon::None);
    }

    void missingCatalogueEndsStartUpWithItsError() {
        DataFolder data;
        std::filesystem::remove(data.path() / "ModelInfo.ini");
        WindowHarness h;
        QVERIFY(!h.start(data, false));
        QCOMPARE(h.messages().size(), std::size_t{1});
        QCOMPARE(h.messages()[0].icon, ui::MessageRequest::Icon::Critical);
        QVERIFY2(h.messages()[0].text.startsWith("Err : 53\n"), qPrintable(h.messages()[0].text));
        QVERIFY(h.messages()[0].text.contains("ModelInfo.ini"));
    }

    void aBrokenCatalogueStartsTheWindowOnTheOldOne() {
        DataFolder data;
        std::filesystem::copy_file(data.path() / "ModelInfo.ini", data.path() / "OLD.ini");
        data.write("ModelInfo.ini", "header\nBroken,1,2\n");
        WindowHarness h;
        QVERIFY(h.start(data, false));
        QCOMPARE(h.messages().size(), std::size_t{1});
        QVERIFY2(h.messages()[0].text.contains("OLD.ini"), qPrintable(h.messages()[0].text));
        QVERIFY(h.window().findChild<QComboBox*>("cboModel")->count() > 0);
    }
};

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
