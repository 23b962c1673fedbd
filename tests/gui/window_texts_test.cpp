// The window explains itself: the unit beside every value and offset, tooltips on the options,
// the boxes and the range sign, why a greyed option is greyed, and the Help menu; every one of
// these texts comes from Language.ini when the file has it.
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "gui_fixture.h"
#include "ui/program_style.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

const QStringList kUnitLabels = {"lblUnit_0", "lblUnit_1", "lblUnit_2", "lblUnit_3",
                                 "lblOffsetUnit"};

}  // namespace

class WindowTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ui::useProgramStyle(); }

    void everyValueAndOffsetShowsItsUnit_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("inches") << "optUnits_0"
                                << "in" << QStringList{"300", "300", "240", "180"};
        QTest::newRow("feet") << "optUnits_1"
                              << "ft" << QStringList{"25", "25", "20", "15"};
        QTest::newRow("centimetres") << "optUnits_2"
                                     << "cm" << QStringList{"762", "762", "610", "457"};
    }

    void everyValueAndOffsetShowsItsUnit() {
        QFETCH(QString, option);
        QFETCH(QString, unit);
        QFETCH(QStringList, values);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        h.click(h.option(QStringLiteral("optUnits_1")));
        h.click(h.option(option));
        // The boxes hold the numbers alone, as they always did; the unit stands beside them.
        QCOMPARE(h.valueTexts(), values);
        for (const QString& name : kUnitLabels) {
            auto* label = h.find<QLabel>(name);
            QVERIFY2(label != nullptr && label->isVisible(), qPrintable(name));
            QCOMPARE(label->text(), unit);
        }
        for (int i = 0; i < 4; ++i) {
            const QRect box = h.valueBox(i)->geometry();
            const QRect label = h.find<QLabel>(kUnitLabels[i])->geometry();
            QVERIFY(label.left() > box.right() && label.left() - box.right() < 6);
            QVERIFY(label.center().y() - box.center().y() <= 1);
        }
    }

    void optionsBoxesAndTheRangeSignExplainThemselves() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        for (const char* name :
             {"optUnits_0", "optUnits_1", "optUnits_2", "optWIDE_0", "optWIDE_1", "optPosition_0",
              "optPosition_1", "optAspect_0", "optAspect_1", "optAspect_2", "optAspect_3",
              "txtValue_0", "txtValue_1", "txtValue_2", "txtValue_3", "txtOffset_0", "txtOffset_1",
              "lblOffset", "imgKara"}) {
            QVERIFY2(!h.find<QWidget>(QString::fromLatin1(name))->toolTip().isEmpty(), name);
        }
        QCOMPARE(h.option(QStringLiteral("optAspect_2"))->toolTip(),
                 QStringLiteral("The image's width to its height: 16 : 9"));
        QVERIFY(h.option(QStringLiteral("optWIDE_1"))->toolTip().startsWith("TELE: "));
        // The range sign and the offset caption take the mouse for their tooltips, below the
        // offset boxes.
        QVERIFY(!h.find<QLabel>(QStringLiteral("imgKara"))
                     ->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void aGreyedOptionSaysWhy() {
        DataFolder data({kModelPlain, kModelWideOnly169});
        WindowHarness h;
        QVERIFY(h.start(data));
        h.press(h.modelList(), Qt::Key_Down);  // Wide 169: 16:9 only, WIDE only
        for (const auto& [name, caption] :
             {std::pair{"optAspect_0", "4 : 3"}, std::pair{"optAspect_1", "5 : 4"},
              std::pair{"optAspect_3", "16 : 10"}}) {
            QAbstractButton* option = h.option(QString::fromLatin1(name));
            QVERIFY(!option->isEnabled());
            QCOMPARE(option->toolTip(), QStringLiteral("This model does not offer ") + caption);
        }
        for (const char* name : {"optWIDE_0", "optWIDE_1"}) {
            QVERIFY(!h.option(QString::fromLatin1(name))->isEnabled());
            QCOMPARE(h.option(QString::fromLatin1(name))->toolTip(),
                     QStringLiteral("This model has a fixed lens"));
        }
        // Back on a model that offers everything, the options explain what they choose.
        h.press(h.modelList(), Qt::Key_Up);
        QCOMPARE(h.option(QStringLiteral("optAspect_0"))->toolTip(),
                 QStringLiteral("The image's width to its height: 4 : 3"));
        QVERIFY(h.option(QStringLiteral("optWIDE_1"))->toolTip().startsWith("TELE: "));
    }

    void textsComeFromTheLanguageFile() {
        DataFolder data({kModelPlain, kModelWideOnly169},
                        languageText({{"mnuHelp", "&Hilfe"},
                                      {"txtUnit_2", "Zentimeter"},
                                      {"tipFixedLens", "Festes Objektiv"},
                                      {"tipRange", "von ... bis"}}));
        WindowHarness h;
        QVERIFY(h.start(data));
        QCOMPARE(h.find<QMenu>(QStringLiteral("mnuHelp"))->title(), QStringLiteral("&Hilfe"));
        QCOMPARE(h.find<QMenu>(QStringLiteral("mnuHelp"))->actions().front()->objectName(),
                 QStringLiteral("mnuAboutAbout"));
        QCOMPARE(h.find<QLabel>(QStringLiteral("imgKara"))->toolTip(),
                 QStringLiteral("von ... bis"));
        h.click(h.option(QStringLiteral("optUnits_2")));
        // A longer unit gets the room its text needs.
        for (const QString& name : kUnitLabels) {
            auto* label = h.find<QLabel>(name);
            QCOMPARE(label->text(), QStringLiteral("Zentimeter"));
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
        }
        h.press(h.modelList(), Qt::Key_Down);
        QCOMPARE(h.option(QStringLiteral("optWIDE_0"))->toolTip(),
                 QStringLiteral("Festes Objektiv"));
        // Keys the file leaves out keep their English texts.
        QCOMPARE(h.option(QStringLiteral("optAspect_0"))->toolTip(),
                 QStringLiteral("This model does not offer 4 : 3"));
    }
};

QTEST_MAIN(WindowTextsTest)
#include "window_texts_test.moc"
