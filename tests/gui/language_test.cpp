// Option > Language: the window starts in the locale's language until the user chooses one, a
// choice takes effect at once and is remembered, and Japanese texts have glyphs.
#include <QAction>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "gui_fixture.h"
#include "modal_dialog.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

const std::filesystem::path kLanguages =
    std::filesystem::path(PROJCALC_SOURCE_DIR) / "data" / "languages";

// Starts a window on the shipped languages under a locale.
bool startIn(WindowHarness& h, const DataFolder& data, const char* locale) {
    qputenv("LC_ALL", locale);
    h.window().setLanguagesFolder(kLanguages);
    return h.start(data);
}

// The item of a language, as the user sees it: the Option menu is opened first, since the
// languages are listed only then.
QAction* languageItem(WindowHarness& h, const QString& code) {
    auto* option = h.find<QMenu>("mnuOption");
    option->popup(h.window().mapToGlobal(QPoint(0, 0)));
    option->hide();
    return h.find<QAction>(QStringLiteral("mnuLanguage_") + code);
}

QString caption(WindowHarness& h, const char* name) {
    return h.find<QLabel>(QString::fromLatin1(name))->text();
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { qputenv("LC_ALL", "C.UTF-8"); }

    void theWindowFollowsTheLocaleUntilTheUserChooses() {
        DataFolder data;
        {
            WindowHarness h;
            QVERIFY(startIn(h, data, "de_DE.UTF-8"));
            QVERIFY(languageItem(h, "de")->isChecked());
            QCOMPARE(h.find<QMenu>("mnuOption")->title(), QStringLiteral("&Optionen"));
            QCOMPARE(caption(h, "lblValue_2"), QStringLiteral("Breite"));

            // French at once: captions, menus, tooltips and the messages that follow.
            languageItem(h, "fr")->trigger();
            QVERIFY(languageItem(h, "fr")->isChecked());
            QVERIFY(!languageItem(h, "de")->isChecked());
            QCOMPARE(h.find<QMenu>("mnuOption")->title(), QStringLiteral("&Options"));
            QCOMPARE(caption(h, "lblValue_2"), QStringLiteral("Largeur"));
            QVERIFY(h.window().windowTitle().contains(QStringLiteral("projection"),
                                                      Qt::CaseInsensitive));
            QCOMPARE(h.find<QRadioButton>("optUnits_0")->toolTip(),
                     QStringLiteral("Afficher toutes les longueurs en pouces"));
            // What a screen reader says follows too.
            QCOMPARE(h.find<QPushButton>("cmdEnter_1")->toolTip(),
                     QStringLiteral("Valider la valeur saisie dans la case"));
            QCOMPARE(h.modelList()->accessibleName(), caption(h, "lblModel"));
            QCOMPARE(h.find<QLineEdit>("txtOffset_1")->accessibleName(),
                     QStringLiteral("Second d\u00e9calage"));
            QLineEdit* diagonal = h.valueBox(1);
            h.click(diagonal);
            h.press(diagonal, Qt::Key_A, Qt::ControlModifier);
            h.type(diagonal, QStringLiteral("abc"));
            h.press(diagonal, Qt::Key_Return);
            QCOMPARE(h.messages().size(), std::size_t{1});
            QCOMPARE(h.messages()[0].text,
                     QStringLiteral(
                         "Diagonale de l'\u00e9cran\u00a0: \u00ab\u00a0abc\u00a0\u00bb n'est "
                         "pas un nombre. Utilisez une virgule ou un point comme s\u00e9parateur "
                         "d\u00e9cimal."));
        }
        // The choice is remembered over the locale.
        WindowHarness again(WindowHarness::Settings::Remember);
        QVERIFY(startIn(again, data, "de_DE.UTF-8"));
        QVERIFY(languageItem(again, "fr")->isChecked());
        QCOMPARE(caption(again, "lblValue_2"), QStringLiteral("Largeur"));
    }

    void aLocaleThatMatchesNothingKeepsTheDataFoldersOwnFile() {
        DataFolder data({kModelPlain}, languageText({{"LBL15", "My width"}}));
        WindowHarness h;
        QVERIFY(startIn(h, data, "pt_PT.UTF-8"));
        QCOMPARE(caption(h, "lblValue_2"), QStringLiteral("My width"));
        for (const char* code : {"en", "de", "fr", "es", "it", "ja"})
            QVERIFY2(!languageItem(h, code)->isChecked(), code);
    }

    void theDataFoldersOwnFileChecksTheShippedLanguageOfItsName() {
        DataFolder data({kModelPlain}, languageText({{"LanguageName", "English"}}));
        WindowHarness h;
        QVERIFY(startIn(h, data, "C.UTF-8"));
        // Nothing of the menu exists until it is opened.
        QVERIFY(h.window().findChild<QAction*>(QStringLiteral("mnuLanguage_en")) == nullptr);
        QVERIFY(languageItem(h, "en")->isChecked());
        QCOMPARE(languageItem(h, "de")->text(), QStringLiteral("Deutsch"));
        QVERIFY(!languageItem(h, "de")->isChecked());
    }

    // The standard buttons of Find models and the throw-table dialog are Qt's, in Qt's own
    // translation of the interface language, and follow a change of language.
    void standardButtonsSpeakTheInterfaceLanguage_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("find models") << QStringLiteral("mnuOptionFindModels");
        QTest::newRow("throw table") << QStringLiteral("mnuFileExportThrowTable");
    }
    void standardButtonsSpeakTheInterfaceLanguage() {
        QFETCH(QString, command);
        DataFolder data;
        WindowHarness h;
        QVERIFY(startIn(h, data, "de_DE.UTF-8"));
        const auto cancelText = [&h, &command] {
            QString shown;
            ModalDialog dialog([&shown](QDialog& d) {
                auto* buttons = d.findChild<QDialogButtonBox*>();
                if (buttons != nullptr && buttons->button(QDialogButtonBox::Cancel) != nullptr)
                    shown =
                        buttons->button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
                d.reject();
            });
            h.find<QAction>(command)->trigger();
            return shown;
        };
        QCOMPARE(cancelText(), QStringLiteral("Abbrechen"));
        languageItem(h, "ja")->trigger();
        QVERIFY(cancelText().contains(QStringLiteral("キャンセル")));
        languageItem(h, "en")->trigger();
        QCOMPARE(cancelText(), QStringLiteral("Cancel"));
    }

    void japaneseTextsHaveTheirGlyphs() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(startIn(h, data, "ja_JP.UTF-8"));
        QVERIFY(languageItem(h, "ja")->isChecked());
        int checked = 0;
        const auto hasGlyphs = [&checked](const QFont& font, const QString& text) {
            const QFontMetrics metrics(font);
            for (const char32_t c : text.toUcs4()) {
                if (c < 0x3000) continue;  // the CJK texts are the ones at risk
                ++checked;
                if (!metrics.inFontUcs4(c)) return false;
            }
            return true;
        };
        for (QLabel* label : h.window().findChildren<QLabel*>())
            QVERIFY2(hasGlyphs(label->font(), label->text()), qPrintable(label->objectName()));
        for (QAbstractButton* button : h.window().findChildren<QAbstractButton*>())
            QVERIFY2(hasGlyphs(button->font(), button->text()), qPrintable(button->objectName()));
        for (QGroupBox* frame : h.window().findChildren<QGroupBox*>())
            QVERIFY2(hasGlyphs(frame->font(), frame->title()), qPrintable(frame->objectName()));
        for (QMenu* menu : h.window().findChildren<QMenu*>())
            QVERIFY2(hasGlyphs(menu->font(), menu->title()), qPrintable(menu->objectName()));
        QVERIFY(checked > 50);
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
