// The questions about the whole catalogue and a whole model: Option > Find models... and
// File > Export throw table...
#include <QMenu>
#include <QMenuBar>

#include "ui/main_window.h"
#include "ui/model_finder_dialog.h"
#include "ui/qt_text.h"
#include "ui/throw_table_dialog.h"
#include "ui/user_settings.h"

namespace projcalc::ui {
namespace {

constexpr const char* kKeepScreenKey = "choices/keepScreen";

// What the finder starts from: the catalogue and the calculation shown.
FinderInput finderInputOf(const Calculator& calculator) {
    const Calculation& c = calculator.calculation();
    FinderInput input;
    input.models = calculator.catalogue();
    input.aspect = c.options.aspect;
    input.mount = c.options.mount;
    input.unit = c.unit;
    if (c.resultsValid) {
        input.diagonal = c.results.diagonal;
        input.distance = c.results.distance;
    }
    input.light = c.light;
    input.texts = calculator.texts();
    return input;
}

ThrowTableInput throwTableInputOf(const Calculator& calculator) {
    const Calculation& c = calculator.calculation();
    return {c.traits.record.modelName, c.options.aspect, c.unit, calculator.texts()};
}

}  // namespace

void MainWindow::buildCatalogueCommands() {
    auto* file = menuBar()->findChild<QMenu*>(QStringLiteral("nmuFile"));
    auto* exportPdf = findChild<QAction*>(QStringLiteral("mnuFileExportPdf"));
    auto* table = new QAction(QStringLiteral("Export &throw table..."), this);
    table->setObjectName(QStringLiteral("mnuFileExportThrowTable"));
    table->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    file->insertAction(file->actions().value(file->actions().indexOf(exportPdf) + 1), table);
    connect(table, &QAction::triggered, this, &MainWindow::onExportThrowTable);

    auto* option = menuBar()->findChild<QMenu*>(QStringLiteral("mnuOption"));
    auto* find = new QAction(QStringLiteral("&Find models..."), this);
    find->setObjectName(QStringLiteral("mnuOptionFindModels"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    option->insertAction(option->actions().value(0), find);
    connect(find, &QAction::triggered, this, &MainWindow::onFindModels);

    // The catalogue replaced last comes back in one step.
    auto* restore = new QAction(QStringLiteral("&Restore previous catalogue"), this);
    restore->setObjectName(QStringLiteral("mnuOptionRestoreCatalogue"));
    auto* modelInfo = findChild<QAction*>(QStringLiteral("mnuOptionModelInfo"));
    option->insertAction(option->actions().value(option->actions().indexOf(modelInfo) + 1),
                         restore);
    connect(restore, &QAction::triggered, this, [this] {
        if (commitPendingEdit()) (void)calculator_.restorePreviousCatalogue();
    });
    connect(option, &QMenu::aboutToShow, this,
            [this, restore] { restore->setEnabled(calculator_.hasPreviousCatalogue()); });

    // For comparing projectors for one screen; remembered between runs.
    auto* keep = new QAction(QStringLiteral("&Keep the screen when changing model"), this);
    keep->setObjectName(QStringLiteral("mnuOptionKeepScreen"));
    keep->setCheckable(true);
    const bool kept = userSettings().value(QLatin1String(kKeepScreenKey), false).toBool();
    keep->setChecked(kept);
    calculator_.setKeepScreenOnPick(kept);
    option->insertAction(option->actions().value(option->actions().indexOf(find) + 1), keep);
    connect(keep, &QAction::toggled, this, [this](bool on) {
        calculator_.setKeepScreenOnPick(on);
        QSettings settings = userSettings();
        settings.setValue(QLatin1String(kKeepScreenKey), on);
    });
}

void MainWindow::onFindModels() {
    if (!commitPendingEdit()) return;
    ModelFinderDialog dialog(finderInputOf(calculator_), this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (const auto choice = dialog.choice())
        calculator_.takeFoundModel(choice->row, choice->aspect, choice->diagonalText);
}

void MainWindow::onExportThrowTable() {
    if (!commitPendingEdit()) return;
    ThrowTableInput input = throwTableInputOf(calculator_);
    ThrowTableDialog dialog(input, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::optional<ThrowTableDialog::Request> asked = dialog.request();
    if (!asked) return;
    const bool pdf = asked->format == ThrowTableDialog::Format::Pdf;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.nameFilter = pdf ? QStringLiteral("PDF (*.pdf)") : QStringLiteral("CSV (*.csv)");
    request.defaultSuffix = pdf ? QStringLiteral("pdf") : QStringLiteral("csv");
    request.folder = exportFolder(pdf ? "*.pdf" : "*.csv");
    const QString path = fileDialogHook_(this, request);
    rememberFolder(pdf ? "*.pdf" : "*.csv", path);
    if (path.isEmpty()) return;
    if (!pdf) {
        (void)calculator_.exportThrowTableCsv(fromQt(path), asked->step);
        return;
    }
    const QByteArray bytes = throwTablePdf(input, calculator_.throwTableByLimits(asked->step));
    (void)calculator_.writeExport(
        fromQt(path), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace projcalc::ui
