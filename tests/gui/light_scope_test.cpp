// The planning panel's light, throw ratio and scope rows, driven as a user drives the window:
// the light follows a commit, a gain change and an undo; a refused gain gives its text back; a
// scope screen shows its figures and its outline in the front view.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "gui_fixture.h"
#include "modal_dialog.h"
#include "ui/scene_view.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

// A catalogue whose header names the light columns after the 43 fields of the geometry.
std::string litCatalogue(const std::vector<std::pair<std::string, std::string>>& models) {
    std::string text = catalogueText({});  // the header line alone
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    for (int field = 25; field < 43; ++field)
        text += ",x" + std::to_string(field);
    text += ",Lumens,TeleLumens\n";
    for (const auto& [line, lumens] : models)
        text += line + std::string(18, ',') + "," + lumens + "\n";
    return text;
}

// A zoom range of 1 ÷ 0.6: long enough for the zoom method.
const std::string kLongZoom =
    "Long Zoom,10,300,10,300,1.0,0,0.6,0,0.5,0.6,0.1,0.12,0,15,0,0,10,300,10,300,10,300,10,300";

QString text(WindowHarness& h, const QString& name) {
    auto* label = h.find<QLabel>(name);
    return label != nullptr ? label->text() : QStringLiteral("(no %1)").arg(name);
}

// Each end's light without the zoom end's name before it.
QStringList lightTexts(WindowHarness& h) {
    QStringList texts;
    for (const QString& end : {QStringLiteral("WIDE  "), QStringLiteral("TELE  ")}) {
        QString shown = text(h, QStringLiteral("lblPlanLightValue_%1").arg(texts.size()));
        if (shown.startsWith(end)) shown.remove(0, end.size());
        texts << shown;
    }
    return texts;
}

// Types into an input and presses Enter, as the user does.
void enter(WindowHarness& h, QLineEdit* input, const QString& typed) {
    h.click(input);
    input->selectAll();
    h.type(input, typed);
    h.press(input, Qt::Key_Return);
}

// The text of a PDF file, as pdftotext reads it.
QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000)) return QStringLiteral("(pdftotext did not finish)");
    return QString::fromUtf8(process.readAllStandardOutput());
}

int scopeOutlineLines(WindowHarness& h) {
    int lines = 0;
    for (const SceneItem& item : h.find<ui::SceneView>(QStringLiteral("picDraw1"))->scene().items)
        lines += item.pen == PenId::ScopeOutline ? 1 : 0;
    return lines;
}

}  // namespace

class LightScopeTest : public QObject {
    Q_OBJECT

  private slots:
    // "Plain 100" starts at 300 inches 4:3: 240 × 180 inches, 300 square feet, 3000 lumens at
    // WIDE and 2400 at TELE.
    void lightRowFollowsACommitAGainChangeAndAnUndo() {
        DataFolder data;
        data.write("ModelInfo.ini", litCatalogue({{kModelPlain, "3000,2400"}}));
        WindowHarness h;
        QVERIFY(h.start(data));
        QCOMPARE(lightTexts(h),
                 QStringList({"10.0 fL, 34 nits, too dim", "8.0 fL, 27 nits, too dim"}));
        QCOMPARE(text(h, "lblPlanRatioValue_0"), QStringLiteral("1.25 : 1"));
        QVERIFY(h.find<QLabel>(QStringLiteral("lblPlanRatio"))->toolTip().contains("image width"));
        auto* gain = h.find<QLineEdit>(QStringLiteral("txtPlanGain"));
        auto* share = h.find<QLineEdit>(QStringLiteral("txtPlanShare"));
        QVERIFY(gain != nullptr && share != nullptr);
        QCOMPARE(gain->text(), QStringLiteral("1"));
        QCOMPARE(share->text(), QStringLiteral("100"));
        QVERIFY(gain->toolTip().contains(QStringLiteral("matte white 1.0")));
        QVERIFY(share->toolTip().contains(QStringLiteral("eco mode")));
        const QSize size = h.window().size();

        // 200 inches: 160 × 120, 133⅓ square feet.
        QLineEdit* diagonal = h.valueBox(1);
        h.click(diagonal);
        h.type(diagonal, QStringLiteral("200"));
        h.press(diagonal, Qt::Key_Return);
        QCOMPARE(lightTexts(h),
                 QStringList({"22.5 fL, 77 nits, dark room", "18.0 fL, 62 nits, dark room"}));
        QCOMPARE(text(h, "lblPlanRatioValue_0"), QStringLiteral("1.25 : 1"));
        QCOMPARE(text(h, "lblPlanRatioValue_1"), QStringLiteral("1.56 : 1"));

        enter(h, gain, QStringLiteral("1.6"));
        QCOMPARE(lightTexts(h),
                 QStringList({"36.0 fL, 123 nits, dim room", "28.8 fL, 99 nits, dim room"}));
        QVERIFY(h.window().isWindowModified());
        enter(h, share, QStringLiteral("50"));
        QCOMPARE(lightTexts(h),
                 QStringList({"18.0 fL, 62 nits, dark room", "14.4 fL, 49 nits, dark room"}));

        // Each input is one step of the history.
        h.press(diagonal, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(share->text(), QStringLiteral("100"));
        QCOMPARE(lightTexts(h),
                 QStringList({"36.0 fL, 123 nits, dim room", "28.8 fL, 99 nits, dim room"}));
        h.press(diagonal, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(gain->text(), QStringLiteral("1"));
        QCOMPARE(lightTexts(h),
                 QStringList({"22.5 fL, 77 nits, dark room", "18.0 fL, 62 nits, dark room"}));
        QVERIFY(h.messages().empty());
        QCOMPARE(h.window().size(), size);
    }

    void aRefusedGainNamesItAndGivesTheTextBack() {
        DataFolder data;
        data.write("ModelInfo.ini", litCatalogue({{kModelPlain, "3000,2400"}}));
        WindowHarness h;
        QVERIFY(h.start(data));
        auto* gain = h.find<QLineEdit>(QStringLiteral("txtPlanGain"));
        enter(h, gain, QStringLiteral("2"));
        enter(h, gain, QStringLiteral("12"));
        QCOMPARE(h.messages().size(), std::size_t{1});
        const QString message = h.messages().front().text;
        QVERIFY2(message.contains(QStringLiteral("Screen gain")) &&
                     message.contains(QStringLiteral("\u201c12\u201d")),
                 qPrintable(message));
        QCOMPARE(gain->text(), QStringLiteral("2"));
        QCOMPARE(lightTexts(h).front(), QStringLiteral("20.0 fL, 69 nits, dark room"));
        // Leaving the input that shows the value in force again is no entry.
        h.click(h.valueBox(0));
        QCOMPARE(h.messages().size(), std::size_t{1});

        auto* share = h.find<QLineEdit>(QStringLiteral("txtPlanShare"));
        enter(h, share, QStringLiteral("0,5"));
        QCOMPARE(h.messages().size(), std::size_t{2});
        QVERIFY(h.messages().back().text.contains(QStringLiteral("Light share")));
        QCOMPARE(share->text(), QStringLiteral("100"));
    }

    void aModelWithoutLumensSaysSoInOneLine() {
        DataFolder data;  // the plain catalogue has no light columns
        WindowHarness h;
        QVERIFY(h.start(data));
        auto* line = h.find<QLabel>(QStringLiteral("lblPlanNoLumens"));
        QVERIFY(line != nullptr);
        QVERIFY(line->isVisible());
        QVERIFY(line->width() >= line->fontMetrics().horizontalAdvance(line->text()));
        QCOMPARE(line->text(),
                 QStringLiteral("The catalogue gives no light output for this model."));
        QCOMPARE(text(h, "lblPlanLightValue_0"), QString());
    }

    // At 100 inches 4:3 (33⅓ square feet) Plain 100 gives 90 and 72 fL, Dim 100 a tenth of it.
    void theFinderShowsEachEndsLightAndListsOnlyThoseThatReachTheLeast() {
        DataFolder data;
        const std::string dim =
            "Dim 100,40,300,30,250,1.0,0,0.8,0,0.5,0.6,0.1,0.12,0,15,0,0,40,280,30,240,40,290,30,"
            "245";
        data.write("ModelInfo.ini", litCatalogue({{kModelPlain, "3000,2400"}, {dim, "300,"}}));
        WindowHarness h;
        QVERIFY(h.start(data));
        QStringList light;
        QStringList reaching;
        QString tip;
        ModalDialog finder([&](QDialog& dialog) {
            retype(dialog.findChild<QLineEdit*>("txtFindDiagonal"), QStringLiteral("100"));
            retype(dialog.findChild<QLineEdit*>("txtFindNearest"), QStringLiteral("0"));
            retype(dialog.findChild<QLineEdit*>("txtFindFarthest"), QStringLiteral("1000"));
            auto* table = dialog.findChild<QTableWidget*>("tblFindModels");
            for (int row = 0; row < table->rowCount(); ++row)
                light << table->item(row, 0)->text() + ": " + table->item(row, 5)->text();
            auto* least = dialog.findChild<QLineEdit*>("txtFindMinLight");
            tip = least->toolTip();
            retype(least, QStringLiteral("50"));
            for (int row = 0; row < table->rowCount(); ++row)
                reaching << table->item(row, 0)->text();
            dialog.reject();
        });
        h.press(&h.window(), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(finder.opened());
        QVERIFY(!finder.leftOpen());
        QCOMPARE(light, QStringList({"Plain 100: 90.0 / 72.0", "Dim 100: 9.0 / 9.0"}));
        QCOMPARE(reaching, QStringList({"Plain 100"}));
        QVERIFY2(tip.contains(QStringLiteral("living room 40 to 60")), qPrintable(tip));
    }

    // 300 inches 4:3 at gain 1: 10 fL at WIDE, 8 at TELE.
    void theThrowTablePdfGivesEachEndsLight() {
        DataFolder data;
        data.write("ModelInfo.ini", litCatalogue({{kModelPlain, "3000,2400"}}));
        WindowHarness h;
        QVERIFY(h.start(data));
        const QString target = data.qpath() + QStringLiteral("/table.pdf");
        h.window().setFileDialogHook(
            [&](QWidget*, const ui::FileDialogRequest&) { return target; });
        ModalDialog options([](QDialog& dialog) {
            retype(dialog.findChild<QLineEdit*>("txtTableStep"), QStringLiteral("50"));
            QTest::mouseClick(dialog.findChild<QRadioButton*>("optTablePdf"), Qt::LeftButton);
            QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        });
        h.press(&h.window(), Qt::Key_T, Qt::ControlModifier);
        QTRY_VERIFY(options.opened());
        const QString pdf = pdfText(target);
        QVERIFY2(pdf.contains(QStringLiteral("Light")), qPrintable(pdf));  // the heading wraps
        QVERIFY2(pdf.contains(QStringLiteral("10.0 / 8.0")), qPrintable(pdf));
    }

    void scopePanelShowsTheFiguresAndTheFrontViewItsOutline() {
        DataFolder data;
        data.write("ModelInfo.ini",
                   litCatalogue({{kModelPlain, "3000,2400"}, {kLongZoom, "3000,"}}));
        WindowHarness h;
        QVERIFY(h.start(data));
        auto* scope = h.find<QComboBox>(QStringLiteral("cboPlanScope"));
        QVERIFY(scope != nullptr);
        QCOMPARE(scope->count(), 4);
        QCOMPARE(scope->itemText(2), QStringLiteral("2.39 : 1"));
        QVERIFY(scope->toolTip().contains(QStringLiteral("zoom method")));
        const QSize size = h.window().size();

        // 4:3 checked: the zoom method needs 16:9.
        scope->setFocus();
        h.press(scope, Qt::Key_Down);
        QCOMPARE(scope->currentIndex(), 1);
        QCOMPARE(text(h, "lblScopeNote"),
                 QStringLiteral("The zoom method needs the 16 : 9 aspect ratio."));
        QCOMPARE(scopeOutlineLines(h), 0);

        h.click(h.option(QStringLiteral("optAspect_2")));
        QVERIFY(text(h, "lblScopeSize").contains(QStringLiteral("″ × ")));
        QVERIFY(text(h, "lblScopeSize").contains(QStringLiteral(", diagonal ")));
        QCOMPARE(
            text(h, "lblScopeNote"),
            QStringLiteral("The zoom range is too short to serve both pictures from one place."));
        QVERIFY(text(h, "lblScopeThrowValue_0").endsWith(QStringLiteral("″")));
        QVERIFY(scopeOutlineLines(h) > 0);

        // A zoom range long enough: where one place serves both.
        h.modelList()->setFocus();
        h.press(h.modelList(), Qt::Key_Down);
        QCOMPARE(h.modelList()->currentIndex(), 1);
        h.click(h.option(QStringLiteral("optAspect_2")));
        QVERIFY2(text(h, "lblScopeNote").startsWith(QStringLiteral("Both pictures from ")),
                 qPrintable(text(h, "lblScopeNote")));
        QVERIFY(text(h, "lblPlanLightValue_0").contains(QStringLiteral("fL")));
        // The scope lines are shown whole.
        QTest::qWait(20);
        for (const char* name : {"lblScopeSize", "lblScopeNote", "lblScopeThrow"}) {
            auto* line = h.find<QLabel>(QString::fromLatin1(name));
            QVERIFY2(
                line->contentsRect().width() >= line->fontMetrics().horizontalAdvance(line->text()),
                name);
        }

        // No scope screen: no figures, no outline; and an undo brings it back.
        h.press(scope, Qt::Key_Up);
        QCOMPARE(scope->currentIndex(), 0);
        QCOMPARE(text(h, "lblScopeNote").trimmed(), QString());
        QCOMPARE(scopeOutlineLines(h), 0);
        h.press(h.valueBox(0), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(scope->currentIndex(), 1);
        QVERIFY(scopeOutlineLines(h) > 0);
        QCOMPARE(h.window().size(), size);
        QVERIFY(h.messages().size() <= 1);  // 16:9 may clamp the screen once
    }
};

QTEST_MAIN(LightScopeTest)
#include "light_scope_test.moc"
