#include "app/report_command.h"

#include <QDate>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include "core/calculator.h"
#include "core/memory_view.h"
#include "core/report_content.h"
#include "core/report_date.h"
#include "ui/qt_text.h"
#include "ui/report_layout.h"
#include "ui/report_output.h"

namespace projcalc::app {
namespace {

void say(const std::string& text) {
    std::fprintf(stderr, "projcalc: %s\n", text.c_str());
}

// What the window would have shown since the last call, in order: messages, then errors.
void sayWhatWasShown(MemoryView& view) {
    for (const std::string& message : view.messages)
        say(message);
    for (const AppError& error : view.errors)
        say(error.description);
    view.messages.clear();
    view.errors.clear();
}

// The name the window offers in its report dialog: the one given last time.
QString rememberedPreparedBy() {
    return QSettings(QStringLiteral("projcalc"), QStringLiteral("projcalc"))
        .value(QLatin1String("report/preparedBy"))
        .toString();
}

}  // namespace

int writeReportOfFile(const ReportCommand& command) {
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    const auto date =
        reportDate(epoch != nullptr ? std::optional<std::string_view>(epoch) : std::nullopt,
                   ui::fromQt(QDate::currentDate().toString(Qt::ISODate)));
    if (const auto* error = std::get_if<AppError>(&date)) {
        say(error->description);
        return 1;
    }

    MemoryView view;
    Calculator calculator(view);
    StartUpRules rules;
    rules.fallBackToOldCatalogue = true;
    const bool started = calculator.startUp(command.dataFolder, rules);
    sayWhatWasShown(view);
    if (!started) return 1;
    const bool opened = calculator.open(command.file.string());
    sayWhatWasShown(view);
    if (!opened) return 1;

    const Calculation& calculation = calculator.calculation();
    const InterfaceTexts& texts = calculator.texts();
    const ReportHeading heading{
        command.title ? ui::fromQt(*command.title) : defaultReportTitle(calculation, texts),
        ui::fromQt(command.preparedBy.value_or(rememberedPreparedBy()).trimmed()),
        std::get<ReportDate>(date).text};
    const QString font = ui::toQt(texts.fontName);
    const auto failure = ui::writeReportPdf(
        reportContent(calculation, texts, heading, ui::reportTextMeasure(font)), font,
        ui::localePaper(), command.output, std::get<ReportDate>(date).epoch);
    if (failure) {
        say(failure->description);
        return 1;
    }
    return 0;
}

}  // namespace projcalc::app
