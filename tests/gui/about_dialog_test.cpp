// The About dialog opened from its menu: the title and version texts, the version read again at
// every opening, the program's own version on the language file the build ships, and the end of
// the program when the version text is missing.
#include <QEventLoop>
#include <QPushButton>
#include <QtTest>

#include "gui_fixture.h"
#include "modal_dialog.h"
#include "ui/program_style.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

const std::string kVersionSection = "[Version]\nVersion=1.00\n";

// The test language file with its version section replaced.
std::string withVersionSection(const std::string& section) {
    std::string text = languageText();
    const auto at = text.rfind(kVersionSection);
    return text.replace(at, kVersionSection.size(), section);
}

// Runs the About command; `act` sees the dialog and closes it. Whether a dialog opened.
bool runAbout(WindowHarness& h, const std::function<void(QDialog&)>& act) {
    const ModalDialog modal(act);
    h.window().findChild<QAction*>(QStringLiteral("mnuAboutAbout"))->trigger();
    return modal.opened() && !modal.leftOpen();
}

QString versionShown(WindowHarness& h) {
    QString text;
    const bool opened = runAbout(h, [&](QDialog& dialog) {
        text = dialog.findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    return opened ? text : QStringLiteral("(no dialog)");
}

}  // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ui::useProgramStyle(); }

    void showsTitleVersionAndLogoAndOkCloses_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "2.10"
                               << "Version 2.10";
        QTest::newRow("leading blank") << " 2.10"
                                       << "Version  2.10";
        QTest::newRow("words") << "3.0 beta 2"
                               << "Version 3.0 beta 2";
    }

    void showsTitleVersionAndLogoAndOkCloses() {
        QFETCH(QString, version);
        QFETCH(QString, shown);
        DataFolder data({kModelPlain},
                        withVersionSection("[Version]\nVersion=" + version.toStdString() + "\n"));
        WindowHarness h;
        QVERIFY(h.start(data));
        int exits = 0;
        h.window().setExitHook([&exits](QWidget*, int) { ++exits; });
        QVERIFY(runAbout(h, [&](QDialog& dialog) {
            QCOMPARE(dialog.objectName(), QStringLiteral("frmSplash"));
            QVERIFY(dialog.isModal());
            const auto* title = dialog.findChild<QLabel*>(QStringLiteral("lblTitle"));
            QCOMPARE(title->text(), QStringLiteral("Projection Distance Calculator"));
            QCOMPARE(title->font().family(), QStringLiteral("DejaVu Sans"));
            QCOMPARE(title->font().pointSize(), 8);
            QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), shown);
            QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("imgLogo"))->pixmap().isNull());
            auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"));
            QCOMPARE(ok->text(), QStringLiteral("&OK"));
            h.click(ok);
            QVERIFY(!dialog.isVisible());
        }));
        QVERIFY(h.messages().empty());
        QCOMPARE(exits, 0);
    }

    void titleTakesTheCaptionAndTheInterfaceFont() {
        DataFolder data({kModelPlain}, languageText({{"Caption", "Rechner für Projektoren"},
                                                     {"FontName", "DejaVu Serif"},
                                                     {"FontSize", "12.5"}}));
        WindowHarness h;
        QVERIFY(h.start(data));
        QVERIFY(runAbout(h, [&](QDialog& dialog) {
            const auto* title = dialog.findChild<QLabel*>(QStringLiteral("lblTitle"));
            QCOMPARE(title->text(), QStringLiteral("Rechner für Projektoren"));
            QCOMPARE(title->font().family(), QStringLiteral("DejaVu Serif"));
            QCOMPARE(title->font().pointSize(), 12);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        }));
    }

    void versionIsReadAgainAtEveryOpening() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QCOMPARE(versionShown(h), QStringLiteral("Version 1.00"));
        data.write("Language.ini", withVersionSection("[Version]\nVersion=2.00\n"));
        QCOMPARE(versionShown(h), QStringLiteral("Version 2.00"));
    }

    // The build writes the program's version into the Language.ini it ships.
    void shippedLanguageFileShowsTheProgramsVersion() {
        QFile shipped(QStringLiteral(PROJCALC_SHIPPED_LANGUAGE_FILE));
        QVERIFY2(shipped.open(QIODevice::ReadOnly), PROJCALC_SHIPPED_LANGUAGE_FILE);
        DataFolder data({kModelPlain}, shipped.readAll().toStdString());
        WindowHarness h;
        QVERIFY(h.start(data));
        QCOMPARE(versionShown(h), QStringLiteral("Version " PROJCALC_VERSION));
    }

    // The program starts normally and ends only when the About dialog is asked for.
    void missingVersionEndsTheProgramWhenAboutOpens_data() {
        QTest::addColumn<QString>("section");  // "(no file)": Language.ini removed after start
        QTest::newRow("no section") << "";
        QTest::newRow("no key") << "[Version]\nRelease=1.00\n";
        QTest::newRow("blank value") << "[Version]\nVersion=   \n";
        QTest::newRow("no language file") << "(no file)";
    }

    void missingVersionEndsTheProgramWhenAboutOpens() {
        QFETCH(QString, section);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        if (section == "(no file)") {
            QVERIFY(QFile::remove(data.qpath() + QStringLiteral("/Language.ini")));
        } else {
            data.write("Language.ini", withVersionSection(section.toStdString()));
        }
        std::vector<int> exitCodes;
        h.window().setExitHook([&](QWidget* window, int code) {
            QCOMPARE(window, &h.window());
            exitCodes.push_back(code);
        });
        QVERIFY(!runAbout(h, [](QDialog& dialog) { dialog.reject(); }));
        QCOMPARE(h.messages().size(), std::size_t{1});
        QVERIFY(h.messages()[0].text.startsWith(QStringLiteral("LANGUAGE.INI ERRER !!!! \n")));
        QVERIFY(h.messages()[0].text.contains(QStringLiteral("Version of section [Version]")));
        QCOMPARE(h.messages()[0].icon, ui::MessageRequest::Icon::None);
        QCOMPARE(exitCodes, std::vector<int>{1});
    }

    // The real ending closes the window and leaves the running event loop with code 1.
    void endingClosesTheWindowAndLeavesTheEventLoopWithCode1() {
        DataFolder data({kModelPlain}, withVersionSection(""));
        WindowHarness h;
        QVERIFY(h.start(data));
        QEventLoop loop;
        QTimer::singleShot(0, &h.window(), [&h] {
            h.window().findChild<QAction*>(QStringLiteral("mnuAboutAbout"))->trigger();
        });
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(-1); });
        const int code = loop.exec();
        QApplication::setQuitOnLastWindowClosed(true);
        QCOMPARE(code, 1);
        QVERIFY(!h.window().isVisible());
        QCOMPARE(h.messages().size(), std::size_t{1});
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
