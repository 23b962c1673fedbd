#include "ui/report_output.h"

#include <QBuffer>
#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <string_view>

#include "ui/qt_text.h"
#include "ui/report_layout.h"

namespace projcalc::ui {
namespace {

constexpr int kPdfResolution = 300;
constexpr qreal kPdfMarginMillimetres = 15.0;

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string_view(value) : std::string_view();
}

// Qt writes the moment it makes a document as the document's creation date. A given moment
// takes its place, written in as many characters (UTC as "Z" or as "+00'00'", as Qt wrote its
// own zone), so that the offsets of the file's cross-reference table stay right.
void setCreationDate(QByteArray& pdf, qint64 secondsSinceEpoch) {
    static const QByteArray key = QByteArrayLiteral("/CreationDate (D:");
    const qsizetype start = pdf.indexOf(key);
    if (start < 0) return;
    const qsizetype from = start + key.size();
    const qsizetype end = pdf.indexOf(')', from);
    if (end < 0) return;
    const qsizetype length = end - from;
    QByteArray stamp = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::UTC)
                           .toString(QStringLiteral("yyyyMMddhhmmss"))
                           .toLatin1();
    if (length == stamp.size() + 1) {
        stamp += 'Z';
    } else if (length == stamp.size() + 7) {
        stamp += "+00'00'";
    } else {
        return;
    }
    pdf.replace(from, length, stamp);
}

AppError printerError(const QString& printerName, const char* what) {
    return makeError(ErrorCode::DeviceIo,
                     std::string(what) + " on the printer \"" + fromQt(printerName) + "\"");
}

// Lays the report out on the device's page, as it is turned, and paints it.
void paintOn(QPaintDevice& device, const ReportContent& content, const QString& fontFamily,
             QPainter& painter) {
    const QSizeF area(device.width(), device.height());
    const QPageLayout::Orientation orientation =
        area.width() > area.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    ReportLayout(content, fontFamily, device, area, orientation).paint(painter);
}

}  // namespace

Paper localePaper() {
    return paperForLocale(
        paperLocaleName(environment("LC_ALL"), environment("LC_PAPER"), environment("LANG")));
}

std::variant<QByteArray, AppError> reportPdf(const ReportContent& content,
                                             const QString& fontFamily, Paper paper,
                                             std::optional<qint64> sourceDateEpoch) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(toQt(content.title));
        writer.setCreator(QStringLiteral("projcalc"));
        const qreal m = kPdfMarginMillimetres;
        QPageLayout page(QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4),
                         QPageLayout::Portrait, QMarginsF(m, m, m, m), QPageLayout::Millimeter);
        page.setOrientation(reportOrientation(content, fontFamily, writer, page, kPdfResolution));
        writer.setPageLayout(page);
        QPainter painter;
        if (!painter.begin(&writer))
            return makeError(ErrorCode::DeviceIo, "cannot start the report's PDF document");
        paintOn(writer, content, fontFamily, painter);
        painter.end();
    }
    QByteArray pdf = buffer.data();
    if (sourceDateEpoch) setCreationDate(pdf, *sourceDateEpoch);
    return pdf;
}

std::optional<AppError> writeReportPdf(const ReportContent& content, const QString& fontFamily,
                                       Paper paper, const std::filesystem::path& path,
                                       std::optional<qint64> sourceDateEpoch,
                                       FileSystem& fileSystem) {
    auto pdf = reportPdf(content, fontFamily, paper, sourceDateEpoch);
    if (auto* error = std::get_if<AppError>(&pdf)) return *error;
    const QByteArray& bytes = std::get<QByteArray>(pdf);
    return fileSystem.writeFileAtomic(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::optional<AppError> printReport(const ReportContent& content, const QString& fontFamily,
                                    const QString& printerName) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull()) return printerError(printerName, "cannot find the printer to print");
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid()) return printerError(printerName, "cannot print");
    printer.setDocName(toQt(content.title));
    // The printer's own paper and margins; only the orientation is the report's.
    printer.setPageOrientation(reportOrientation(content, fontFamily, printer, printer.pageLayout(),
                                                 printer.resolution()));
    QPainter painter;
    if (!painter.begin(&printer)) return printerError(printerName, "cannot start printing");
    paintOn(printer, content, fontFamily, painter);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return printerError(printerName, "printing failed");
    return std::nullopt;
}

}  // namespace projcalc::ui
