// What the running window does with files that later starts hand to it: it opens them as
// File > Open would, shows their messages itself, and never opens one in the middle of its own
// start-up, a modal dialog or another open.
#include "app/window_requests.h"

#include <QDialog>
#include <QFile>
#include <QtTest>
#include <filesystem>

#include "core/calculator.h"
#include "core/memory_view.h"
#include "gui_fixture.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

constexpr int kTimeoutMs = 10000;
const QString kCaption = QStringLiteral("Projection Distance Calculator");

// Saves the calculation a fresh start on the data folder shows as `name` there, and returns its
// path; the window keeps its own, untitled calculation.
QString saveAs(const DataFolder& data, const QString& name) {
    const QString file = data.qpath() + QLatin1Char('/') + name;
    MemoryView view;
    Calculator calculator(view);
    if (!calculator.startUp(data.path()) || !calculator.saveAs(file.toStdString())) return {};
    return file;
}

// A window on its own data folder, with a saved plan.cf it has not opened.
struct RunningWindow {
    DataFolder data;
    WindowHarness h;
    QString plan;

    bool start() {
        if (!h.start(data)) return false;
        plan = saveAs(data, QStringLiteral("plan.cf"));
        return !plan.isEmpty() && h.window().windowTitle() == kCaption;
    }
};

}  // namespace

class WindowRequestsTest : public QObject {
    Q_OBJECT

  private slots:
    void requestsWaitUntilTheWindowHasStarted() {
        RunningWindow w;
        QVERIFY(w.start());
        auto* requests = new app::WindowRequests(w.h.window());
        requests->add(w.plan);
        QCOMPARE(w.h.window().windowTitle(), kCaption);

        requests->start();
        QCOMPARE(w.h.window().windowTitle(), kCaption + QStringLiteral(" [plan]"));
        QVERIFY(w.h.messages().empty());
    }

    void requestWaitsWhileAModalDialogIsOpen() {
        RunningWindow w;
        QVERIFY(w.start());
        auto* requests = new app::WindowRequests(w.h.window());
        requests->start();
        QDialog dialog(&w.h.window());
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        requests->add(w.plan);
        QTest::qWait(300);
        QCOMPARE(w.h.window().windowTitle(), kCaption);
        dialog.close();
        QTRY_COMPARE_WITH_TIMEOUT(w.h.window().windowTitle(), kCaption + QStringLiteral(" [plan]"),
                                  kTimeoutMs);
    }

    // A path handed over as bytes reaches the calculator unchanged; only the title shows it as
    // text.
    void aFileNameThatIsNotUtf8Opens() {
        RunningWindow w;
        QVERIFY(w.start());
        const std::filesystem::path renamed = w.data.path() / "lat\xe9.cf";
        std::filesystem::rename(QFile::encodeName(w.plan).toStdString(), renamed);
        auto* requests = new app::WindowRequests(w.h.window());
        requests->start();

        requests->add(renamed);
        QVERIFY(w.h.messages().empty());
        QCOMPARE(w.h.window().windowTitle(), kCaption + QStringLiteral(" [lat\uFFFD]"));
    }

    void messagesOfTheOpenAppearInTheWindow() {
        RunningWindow w;
        QVERIFY(w.start());
        auto* requests = new app::WindowRequests(w.h.window());
        requests->start();
        w.data.write("broken.cf", "not a calculation\r\n");

        requests->add(w.data.qpath() + QStringLiteral("/broken.cf"));
        QCOMPARE(w.h.messages().size(), std::size_t{1});
        QCOMPARE(w.h.messages()[0].icon, ui::MessageRequest::Icon::Critical);
        QVERIFY(w.h.messages()[0].text.contains(QStringLiteral("broken.cf")));
        QCOMPARE(w.h.window().windowTitle(), kCaption);  // the failed open changed nothing
    }

    void requestArrivingDuringAnOpenWaitsForIt() {
        RunningWindow w;
        QVERIFY(w.start());
        auto* requests = new app::WindowRequests(w.h.window());
        requests->start();
        w.data.write("broken.cf", "not a calculation\r\n");
        // The broken file's message box runs an event loop; the next request comes in there.
        QString titleAfterNestedAdd;
        w.h.window().setMessageHook([&](QWidget*, const ui::MessageRequest&) {
            requests->add(w.plan);
            titleAfterNestedAdd = w.h.window().windowTitle();
        });

        requests->add(w.data.qpath() + QStringLiteral("/broken.cf"));
        QCOMPARE(titleAfterNestedAdd, kCaption);
        QCOMPARE(w.h.window().windowTitle(), kCaption + QStringLiteral(" [plan]"));
    }

    void emptyRequestOnlyBringsTheWindowForward() {
        RunningWindow w;
        QVERIFY(w.start());
        w.h.window().showMinimized();
        auto* requests = new app::WindowRequests(w.h.window());
        requests->start();

        requests->add(QString());
        QVERIFY(!w.h.window().isMinimized());
        QVERIFY(w.h.window().isVisible());
        QCOMPARE(w.h.window().windowTitle(), kCaption);
        QVERIFY(w.h.messages().empty());
    }

    // A handed file replaces the calculation as File > Open does: changes are asked about first.
    void aHandedFileAsksBeforeChangesAreLost() {
        RunningWindow w;
        QVERIFY(w.start());
        auto* requests = new app::WindowRequests(w.h.window());
        requests->start();
        w.h.click(w.h.valueBox(1));
        w.h.type(w.h.valueBox(1), QStringLiteral("120"));  // still being typed
        w.h.answers().push_back(SaveChoice::Cancel);

        requests->add(w.plan);
        QCOMPARE(w.h.questions().size(), std::size_t{1});
        QCOMPARE(w.h.questions()[0].text, QStringLiteral("Save changes to Untitled?"));
        QCOMPARE(w.h.valueBox(1)->text(), QStringLiteral("120"));
        QVERIFY(w.h.window().isWindowModified());

        w.h.answers().push_back(SaveChoice::Discard);
        requests->add(w.plan);
        QCOMPARE(w.h.questions().size(), std::size_t{2});
        QCOMPARE(w.h.valueBox(1)->text(), QStringLiteral("300"));
        QVERIFY(!w.h.window().isWindowModified());
    }
};

QTEST_MAIN(WindowRequestsTest)
#include "window_requests_test.moc"
