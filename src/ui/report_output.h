#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <optional>
#include <variant>

#include "core/report_content.h"
#include "core/report_paper.h"
#include "util/errors.h"
#include "util/file_system.h"

namespace projcalc::ui {

// The paper of the user's locale: LC_ALL, else LC_PAPER, else LANG (paperForLocale).
[[nodiscard]] Paper localePaper();

// A report as a one-page PDF document on `paper`, with 15 mm margins, turned as the content
// fits (reportOrientation). The document's dates are today's unless `sourceDateEpoch` names the
// moment it is made (the SOURCE_DATE_EPOCH of reproducible files): then the same content gives
// the same bytes.
[[nodiscard]] std::variant<QByteArray, AppError> reportPdf(
    const ReportContent& content, const QString& fontFamily, Paper paper,
    std::optional<qint64> sourceDateEpoch = std::nullopt);

// Writes the report's PDF to `path` (kept as the bytes the system names it with), replacing a
// file there only once the new one is complete. The failure names the file.
[[nodiscard]] std::optional<AppError> writeReportPdf(
    const ReportContent& content, const QString& fontFamily, Paper paper,
    const std::filesystem::path& path, std::optional<qint64> sourceDateEpoch = std::nullopt,
    FileSystem& fileSystem = localFileSystem());

// Prints the report on one page of the named printer, on the paper the printer is set to,
// turned as the content fits. The failure, naming the printer, when the printer is gone or
// refuses the job.
[[nodiscard]] std::optional<AppError> printReport(const ReportContent& content,
                                                  const QString& fontFamily,
                                                  const QString& printerName);

}  // namespace projcalc::ui
