// The window at any size: the design size is its smallest, the drawings and the controls on them
// grow with it while the option column keeps its width, resizing changes nothing of the
// calculation, printed pages keep their layout, and size, position, maximised state and the
// folders of the file dialogs are remembered.
#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include "gui_fixture.h"
#include "modal_dialog.h"
#include "pdf_page.h"
#include "ui/program_style.h"
#include "ui/scene_view.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

// Resizes the window and waits until its contents follow.
bool resizeTo(WindowHarness& h, QSize size) {
    h.window().resize(size);
    return QTest::qWaitFor([&] { return h.window().size() == size; }, 5000) &&
           QTest::qWaitFor(
               [&] { return h.window().centralWidget()->geometry().bottom() >= size.height() - 2; },
               5000);
}

ui::SceneView* drawing(WindowHarness& h, const char* name) {
    return h.find<ui::SceneView>(QString::fromLatin1(name));
}

QAction* action(WindowHarness& h, const char* name) {
    return h.find<QAction>(QString::fromLatin1(name));
}

}  // namespace

class WindowSizeTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ui::useProgramStyle(); }

    void theDesignSizeIsTheSmallest() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const QSize start = h.window().size();
        QCOMPARE(h.window().minimumSizeHint(), start);
        QCOMPARE(drawing(h, "picDraw1")->size(), QSize(453, 241));
        QCOMPARE(drawing(h, "picDraw2")->size(), QSize(453, 113));
        h.window().resize(300, 200);
        QTest::qWait(50);
        QVERIFY(h.window().width() >= start.width() && h.window().height() >= start.height());
    }

    void drawingsGrowWithTheWindow_data() {
        QTest::addColumn<double>("factor");
        QTest::newRow("1.5 times") << 1.5;
        QTest::newRow("2.5 times") << 2.5;
    }

    void drawingsGrowWithTheWindow() {
        QFETCH(double, factor);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const QSize start = h.window().size();
        const QStringList texts = h.valueTexts();
        const double frontScale = h.window().calculator().calculation().frontScale;
        const int columnWidth = h.find<QGroupBox>(QStringLiteral("fraUnits"))->width();
        const QFont boxFont = h.valueBox(1)->font();

        QVERIFY(resizeTo(h, (QSizeF(start) * factor).toSize()));
        for (const char* name : {"picDraw1", "picDraw2"}) {
            ui::SceneView* view = drawing(h, name);
            // The drawing fills its box at a uniform scale, which grew with the window.
            QVERIFY2(view->scale() > factor * 0.9, name);
            QVERIFY(view->frameSize() == QSize(453, name == QByteArray("picDraw1") ? 241 : 113));
        }
        // The option column keeps its width and stays right of the drawings.
        QCOMPARE(h.find<QGroupBox>(QStringLiteral("fraUnits"))->width(), columnWidth);
        const QRect front = drawing(h, "picDraw1")->geometry();
        QVERIFY(h.find<QGroupBox>(QStringLiteral("fraUnits"))->x() > front.right());
        // The controls lying on the drawing moved and grew with it, fonts included.
        const qreal scale = drawing(h, "picDraw1")->scale();
        QVERIFY(qAbs(h.valueBox(1)->width() - 37 * scale) <= 1.5);
        QVERIFY(qAbs(h.valueBox(1)->font().pointSizeF() - boxFont.pointSizeF() * scale) < 0.01);
        const QPointF designed = QPointF(h.valueBox(1)->pos()) / scale;
        QVERIFY(designed.x() > 0 && designed.x() < 453 && designed.y() > 0 && designed.y() < 241);

        // Still nothing clipped and nothing on the drawings over anything else.
        for (const char* name : {"picDraw1", "picDraw2"}) {
            QList<QRect> taken;
            for (QWidget* child : drawing(h, name)->findChildren<QWidget*>()) {
                if (!child->isVisible()) continue;
                if (auto* label = qobject_cast<QLabel*>(child); label && !label->text().isEmpty()) {
                    const QSize needed = label->fontMetrics().size(0, label->text());
                    QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                             qPrintable(label->objectName()));
                }
                if (auto* box = qobject_cast<QLineEdit*>(child)) {
                    QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) + 8 <= box->width(),
                             qPrintable(box->objectName()));
                }
                if (child->objectName() == QStringLiteral("imgKara")) continue;  // under the boxes
                for (const QRect& other : taken)
                    QVERIFY2(!other.intersects(child->geometry()), qPrintable(child->objectName()));
                taken << child->geometry();
            }
        }

        // Resizing is no change of the calculation.
        QCOMPARE(h.valueTexts(), texts);
        QCOMPARE(h.window().calculator().calculation().frontScale, frontScale);
        QVERIFY(!h.window().isWindowModified());
        QVERIFY(!action(h, "mnuEditUndo")->isEnabled());
    }

    // Print and PDF export show the window as designed, whatever its size on the screen.
    void exportedPageKeepsItsLayoutAtAnySize() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QString path;
        h.window().setFileDialogHook(
            [&path](QWidget*, const ui::FileDialogRequest&) { return path; });
        path = data.qpath() + QStringLiteral("/small.pdf");
        action(h, "mnuFileExportPdf")->trigger();
        const QSize start = h.window().size();
        QVERIFY(resizeTo(h, start * 2));
        path = data.qpath() + QStringLiteral("/large.pdf");
        action(h, "mnuFileExportPdf")->trigger();
        QVERIFY(h.messages().empty());
        const QImage small = renderPdfPage(data.qpath() + QStringLiteral("/small.pdf"), 40);
        const QImage large = renderPdfPage(data.qpath() + QStringLiteral("/large.pdf"), 40);
        QVERIFY(!small.isNull() && !large.isNull());
        QCOMPARE(inkBounds(large), inkBounds(small));
        QVERIFY(qAbs(colourShare(large, QColor(0, 128, 255), 12) -
                     colourShare(small, QColor(0, 128, 255), 12)) < 0.002);
        // The screen comes back as it was.
        QCOMPARE(h.window().size(), start * 2);
        QVERIFY(drawing(h, "picDraw1")->scale() > 1.5);
    }

    void sizePositionAndMaximisedStateAreRemembered() {
        DataFolder data;
        QSize size;
        {
            WindowHarness h;
            QVERIFY(h.start(data));
            size = h.window().size() + QSize(120, 80);
            QVERIFY(resizeTo(h, size));
            QVERIFY(h.window().close());
        }
        {
            WindowHarness next(WindowHarness::Settings::Remember);
            QVERIFY(next.start(data));
            QCOMPARE(next.window().size(), size);
            next.window().showMaximized();
            QTRY_VERIFY(next.window().isMaximized());
            QVERIFY(next.window().close());
        }
        {
            WindowHarness next(WindowHarness::Settings::Remember);
            QVERIFY(next.start(data));
            QTRY_VERIFY(next.window().isMaximized());
        }
        WindowHarness afresh;  // forgets what was remembered
        QVERIFY(afresh.start(data));
        QVERIFY(!afresh.window().isMaximized());
        QVERIFY(afresh.window().size() != size);
    }

    // The unit and the mounting are the user's habits: a later run starts with them.
    void theUnitAndMountingLastUsedComeBack() {
        DataFolder data;
        {
            WindowHarness h;
            QVERIFY(h.start(data));
            h.click(h.option("optUnits_2"));
            h.click(h.option("optPosition_0"));
            QVERIFY(h.window().close());
        }
        WindowHarness next(WindowHarness::Settings::Remember);
        QVERIFY(next.start(data));
        QVERIFY(next.option("optUnits_2")->isChecked());
        QVERIFY(next.option("optPosition_0")->isChecked());
        QVERIFY(!next.window().isWindowModified());
        QVERIFY(!next.find<QAction>("mnuEditUndo")->isEnabled());
        WindowHarness afresh;
        QVERIFY(afresh.start(data));
        QVERIFY(afresh.option("optUnits_0")->isChecked());
        QVERIFY(afresh.option("optPosition_1")->isChecked());
    }

    // Export PDF and Export Report share the PDF files' folder from their first use: before any
    // PDF was written, the saved calculation's folder.
    void pdfExportsStartInOneFolderFromTheFirstUse() {
        DataFolder data;
        const TempDir plans;
        const TempDir pages;
        const QString plansFolder = QString::fromStdString(plans.path().string());
        const QString pagesFolder = QString::fromStdString(pages.path().string());
        QStringList started;
        QString answer = plansFolder + QStringLiteral("/plan.cf");
        WindowHarness h;
        QVERIFY(h.start(data));
        h.window().setFileDialogHook([&](QWidget*, const ui::FileDialogRequest& request) {
            started << request.folder;
            return answer;
        });
        action(h, "mnuFileSaveAs")->trigger();
        answer = pagesFolder + QStringLiteral("/window.pdf");
        action(h, "mnuFileExportPdf")->trigger();
        answer = QString();
        const ModalDialog report([&h](QDialog& dialog) {
            h.click(dialog.findChild<QPushButton*>(QStringLiteral("cmdReportOk")));
        });
        action(h, "mnuFileExportReport")->trigger();
        QVERIFY(report.opened());
        QCOMPARE(started.size(), 3);
        QCOMPARE(started[1], plansFolder);
        QCOMPARE(QFileInfo(started[2]).path(), pagesFolder);
        QVERIFY(started[2].endsWith(QStringLiteral(".pdf")));
    }

    // Each kind of file dialog starts in the folder that kind of file was last used in.
    void fileDialogsStartInTheFolderLastUsed() {
        DataFolder data;
        const TempDir plans;
        const QString folder = QString::fromStdString(plans.path().string());
        const QString plan = folder + QStringLiteral("/plan.cf");
        QStringList started;
        QString answer;
        const auto hook = [&](QWidget*, const ui::FileDialogRequest& request) {
            started << request.folder;
            return answer;
        };
        {
            WindowHarness h;
            QVERIFY(h.start(data));
            h.window().setFileDialogHook(hook);
            answer = QString();  // cancelled: nothing is remembered
            action(h, "mnuFileOpen")->trigger();
            answer = plan;
            action(h, "mnuFileSaveAs")->trigger();
            action(h, "mnuFileOpen")->trigger();
            answer = QString();
            action(h, "mnuFileExportPdf")->trigger();
            action(h, "mnuOptionModelInfo")->trigger();
        }
        QCOMPARE(started.size(), 5);
        QVERIFY(started[0] != folder);
        QVERIFY(started[1] != folder);
        QCOMPARE(started[2], folder);  // after Save As there
        // Before any PDF was written, a PDF goes beside the calculation; catalogues have a
        // folder of their own.
        QCOMPARE(started[3], folder);
        QVERIFY(started[4] != folder);
        WindowHarness next(WindowHarness::Settings::Remember);  // a later run remembers
        QVERIFY(next.start(data));
        next.window().setFileDialogHook(hook);
        action(next, "mnuFileOpen")->trigger();
        QCOMPARE(started.last(), folder);
    }
};

QTEST_MAIN(WindowSizeTest)
#include "window_size_test.moc"
