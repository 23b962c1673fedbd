// The planning panel under the drawings, driven as a user drives the window: it follows commits
// and option clicks, shows every text whole (the suite also runs under QT_SCALE_FACTOR=2), can be
// hidden from the View menu, is remembered, and is printed when it is shown.
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QtTest>

#include "gui_fixture.h"
#include "ui/control_layout.h"
#include "ui/program_style.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

// The texts of one row of the panel: WIDE's value and mark, TELE's value and mark.
QStringList rowTexts(WindowHarness& h, const QString& row) {
    QStringList texts;
    for (int end = 0; end < 2; ++end) {
        texts << h.find<QLabel>(QStringLiteral("%1Value_%2").arg(row).arg(end))->text()
              << h.find<QLabel>(QStringLiteral("%1Mark_%2").arg(row).arg(end))->text();
    }
    return texts;
}

QStringList seatTexts(WindowHarness& h) {
    QStringList texts;
    for (int seat = 0; seat < 3; ++seat)
        texts << h.find<QLabel>(QStringLiteral("lblPlanSeatValue_%1").arg(seat))->text();
    return texts;
}

QAction* planningCommand(QWidget& window) {
    return window.findChild<QAction*>(QStringLiteral("mnuViewPlanning"));
}

// The text of a PDF file's pages, as pdftotext reads it.
QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000)) return QStringLiteral("(pdftotext did not finish)");
    return QString::fromUtf8(process.readAllStandardOutput());
}

const QString kOutside = QStringLiteral("outside limits");

// Lets the layouts take in new texts, as the event loop does before the window is painted.
// What the user sees once the window has laid itself out again: a layout that grows asks the one
// it lies in to grow in turn, however slowly the events come.
void settle() {
    QTest::qWait(20);
    for (int level = 0; level < 6; ++level)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

}  // namespace

class PlanningPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ui::useProgramStyle(); }

    // "Plain 100": WIDE diagonal = distance (limits 40 to 300), TELE diagonal = 0.8 × distance
    // (limits 30 to 250). It starts at its largest WIDE image, 300 inches.
    void panelFollowsACommitAndAnOptionClick() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        auto* panel = h.find<QGroupBox>(QStringLiteral("fraPlanning"));
        QVERIFY(panel != nullptr);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->title(), QStringLiteral("Planning"));
        QCOMPARE(rowTexts(h, "lblPlanThrow"),
                 QStringList({"300.0″", "", "375.0″", kOutside}));  // TELE would need 375″
        QCOMPARE(rowTexts(h, "lblPlanImage"), QStringList({"300.0″", "", "240.0″", ""}));
        QCOMPARE(seatTexts(h), QStringList({"447.8″", "369.3″", "329.7″"}));
        QCOMPARE(h.find<QLabel>("lblPlanThrowMark_1")->toolTip(),
                 QStringLiteral("This zoom end's diagonal limits do not allow this image"));

        QLineEdit* diagonal = h.valueBox(1);
        h.click(diagonal);
        h.type(diagonal, QStringLiteral("200"));
        h.press(diagonal, Qt::Key_Return);
        QCOMPARE(rowTexts(h, "lblPlanThrow"), QStringList({"200.0″", "", "250.0″", ""}));
        QCOMPARE(rowTexts(h, "lblPlanImage"), QStringList({"200.0″", "", "160.0″", ""}));
        QCOMPARE(seatTexts(h), QStringList({"298.6″", "246.2″", "219.8″"}));

        h.click(h.option(QStringLiteral("optUnits_1")));
        QCOMPARE(rowTexts(h, "lblPlanThrow"), QStringList({"16′ 8″", "", "20′ 10″", ""}));
        QCOMPARE(rowTexts(h, "lblPlanImage"), QStringList({"16′ 8″", "", "13′ 4″", ""}));
        QCOMPARE(seatTexts(h), QStringList({"24′ 11″", "20′ 6″", "18′ 4″"}));

        // At TELE the same screen stands 250 inches away, where WIDE gives 250 inches.
        h.click(h.option(QStringLiteral("optWIDE_1")));
        QCOMPARE(rowTexts(h, "lblPlanThrow"), QStringList({"16′ 8″", "", "20′ 10″", ""}));
        QCOMPARE(rowTexts(h, "lblPlanImage"), QStringList({"20′ 10″", "", "16′ 8″", ""}));
        QVERIFY(h.messages().empty());
    }

    void noTextIsClipped_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("longTexts");
        QTest::newRow("start, TELE outside") << QStringList() << false;
        QTest::newRow("feet") << QStringList{"optUnits_1"} << false;
        QTest::newRow("centimetres") << QStringList{"optUnits_2"} << false;
        // TELE clamps the screen to 250″; WIDE then throws 312.5″, outside its limits.
        QTest::newRow("TELE, WIDE outside") << QStringList{"optWIDE_1", "optUnits_2"} << false;
        QTest::newRow("long captions") << QStringList{"optUnits_1"} << true;
    }

    void noTextIsClipped() {
        QFETCH(QStringList, clicks);
        QFETCH(bool, longTexts);
        LanguageChanges changes;
        if (longTexts) {
            changes = {{"fraPlanning", "Planung der Aufstellung"},
                       {"lblPlanThrow", "Projektionsabstand für diese Leinwand"},
                       {"lblPlanImage", "Bilddiagonale in diesem Abstand"},
                       {"lblPlanSeating", "Sitzabstand (Bildbreite überspannt)"},
                       {"lblPlanSeat_2", "40° (THX, empfohlener Sitzplatz)"},
                       {"lblPlanOutside", "außerhalb der Grenzen"}};
        }
        DataFolder data({kModelPlain}, languageText(changes));
        WindowHarness h;
        QVERIFY(h.start(data));
        for (const QString& name : clicks)
            h.click(h.option(name));
        QVERIFY(h.messages().size() <= 1);  // TELE's clamp says so once
        settle();

        QWidget* body = h.window().centralWidget();
        auto* panel = h.find<QGroupBox>(QStringLiteral("fraPlanning"));
        const QRect area = h.find<QWidget>(QStringLiteral("window"))->geometry();
        QVERIFY(area.width() >= ui::kWindowInnerWidth);
        QCOMPARE(area.height(), ui::kWindowInnerHeight);
        const QRect panelRect(panel->mapTo(body, QPoint()), panel->size());
        QVERIFY2(!panelRect.intersects(area), "the panel lies over the designed controls");
        QVERIFY(body->rect().contains(panelRect));
        QVERIFY(panel->fontMetrics().horizontalAdvance(panel->title()) + 16 <= panel->width());

        int marks = 0;
        std::vector<QLabel*> shown;
        for (QLabel* label : panel->findChildren<QLabel*>()) {
            if (label->text().trimmed().isEmpty()) continue;  // a blank row keeps its height
            QVERIFY2(label->isVisible(), qPrintable(label->objectName()));
            const QSize needed = label->fontMetrics().size(0, label->text());
            const QRect room = label->contentsRect();
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                     qPrintable(label->objectName() + ": " + label->text()));
            QVERIFY2(panel->contentsRect().contains(label->geometry()),
                     qPrintable(label->objectName()));
            for (const QLabel* other : shown) {
                QVERIFY2(!label->geometry().intersects(other->geometry()),
                         qPrintable(label->objectName() + " overlaps " + other->objectName()));
            }
            shown.push_back(label);
            if (label->objectName().contains(QStringLiteral("Mark"))) ++marks;
        }
        QCOMPARE(marks, 1);  // the end the results do not belong to
        // Headings, row captions, four values, one mark, the seats' heading, captions and values;
        // the throw ratio's caption and values, the light's caption and its no-lumens line, the
        // captions of the gain, the share and the scope screen.
        QCOMPARE(shown.size(), std::size_t{2 + 2 + 4 + 1 + 1 + 3 + 3 + 3 + 2 + 3});
    }

    void viewMenuHidesThePanelAndRemembersIt() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        auto* panel = h.find<QGroupBox>(QStringLiteral("fraPlanning"));
        QAction* command = planningCommand(h.window());
        QVERIFY(command != nullptr);
        QVERIFY(command->isCheckable());
        QVERIFY(command->isChecked());
        QCOMPARE(qobject_cast<QMenu*>(command->parent())->objectName(), QStringLiteral("mnuView"));
        const int tall = h.window().height();

        QWidget* area = h.find<QWidget>(QStringLiteral("window"));
        QCOMPARE(area->height(), ui::kWindowInnerHeight);

        command->trigger();
        QVERIFY(!command->isChecked());
        QVERIFY(!panel->isVisible());
        // The drawings take the panel's room, and the window may be made as small as designed.
        QTRY_COMPARE(area->height(), h.window().centralWidget()->height());
        QCOMPARE(h.window().height(), tall);
        QTRY_COMPARE(h.window().minimumSizeHint().height(),
                     h.window().menuBar()->height() + ui::kWindowInnerHeight);

        {
            ui::MainWindow next;  // started later: it remembers
            QVERIFY(!planningCommand(next)->isChecked());
            QVERIFY(next.findChild<QWidget*>(QStringLiteral("planningPanel"))->isHidden());
        }
        command->trigger();
        QVERIFY(panel->isVisible());
        QTRY_COMPARE(area->height(), ui::kWindowInnerHeight);
        QCOMPARE(h.window().height(), tall);
        ui::MainWindow again;
        QVERIFY(planningCommand(again)->isChecked());
        QVERIFY(!again.findChild<QWidget*>(QStringLiteral("planningPanel"))->isHidden());
    }

    // The figures can be selected with the mouse and copied, as soon as the mouse is on them.
    void aFigureCanBeSelectedWithTheMouse() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        for (const char* name :
             {"lblPlanThrowValue_0", "lblPlanSeatValue_1", "lblPlanRatioValue_1"}) {
            auto* figure = h.find<QLabel>(QString::fromLatin1(name));
            QVERIFY(!figure->hasSelectedText());
            QTest::mouseDClick(figure, Qt::LeftButton, Qt::NoModifier,
                               QPoint(figure->width() - 4, figure->height() / 2));
            QVERIFY2(figure->hasSelectedText(), name);
            QVERIFY(figure->text().contains(figure->selectedText()));
        }
    }

    void captionsComeFromTheLanguageFile() {
        DataFolder data({kModelPlain}, languageText({{"mnuView", "&Ansicht"},
                                                     {"mnuViewPlanning", "&Planung"},
                                                     {"lblPlanZoom_0", "Weit"},
                                                     {"lblPlanSeat_0", "30° (SMPTE)"}}));
        WindowHarness h;
        QVERIFY(h.start(data));
        QCOMPARE(h.find<QMenu>(QStringLiteral("mnuView"))->title(), QStringLiteral("&Ansicht"));
        QCOMPARE(planningCommand(h.window())->text(), QStringLiteral("&Planung"));
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblPlanZoom_0"))->text(), QStringLiteral("Weit"));
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblPlanSeat_0"))->text(),
                 QStringLiteral("30° (SMPTE)"));
        // Keys the file leaves out keep their English texts.
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblPlanThrow"))->text(),
                 QStringLiteral("Distance for this screen"));
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblPlanThrowValue_0"))->accessibleName(),
                 QStringLiteral("Distance for this screen Weit"));
    }

    void exportedPageHoldsThePanelOnlyWhenItIsShown() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QString path;
        h.window().setFileDialogHook(
            [&path](QWidget*, const ui::FileDialogRequest&) { return path; });
        QAction* exportPdf = h.find<QAction>(QStringLiteral("mnuFileExportPdf"));

        path = data.qpath() + QStringLiteral("/shown.pdf");
        exportPdf->trigger();
        QVERIFY(h.messages().empty());
        const QString shown = pdfText(path);
        QVERIFY2(shown.contains(QStringLiteral("Distance for this screen")), qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("375.0")));
        QVERIFY(shown.contains(kOutside));

        planningCommand(h.window())->trigger();
        QTRY_VERIFY(h.find<QWidget>(QStringLiteral("planningPanel"))->isHidden());
        path = data.qpath() + QStringLiteral("/hidden.pdf");
        exportPdf->trigger();
        const QString hidden = pdfText(path);
        QVERIFY2(hidden.contains(QStringLiteral("Projection Distance")), qPrintable(hidden));
        QVERIFY(!hidden.contains(QStringLiteral("Distance for this screen")));
    }
};

QTEST_MAIN(PlanningPanelTest)
#include "planning_panel_test.moc"
