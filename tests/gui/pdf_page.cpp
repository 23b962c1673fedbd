#include "pdf_page.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>

namespace projcalc::gui_test {
namespace {

bool nearly(QRgb pixel, QColor colour, int tolerance) {
    return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

}  // namespace

QImage renderPdfPage(const QString& pdfPath, int dpi, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error != nullptr) *error = why;
        return QImage();
    };
    QFile file(pdfPath);
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read ") + pdfPath);
    if (!file.read(1024).contains("%PDF-")) return fail(pdfPath + QStringLiteral(" is no PDF"));
    file.close();

    QTemporaryDir out;
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"),
                    QStringLiteral("-l"), QStringLiteral("1"), pdfPath, out.filePath("page")});
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitStatus() != QProcess::NormalExit ||
        pdftoppm.exitCode() != 0) {
        return fail(QStringLiteral("pdftoppm failed on %1: %2 %3")
                        .arg(pdfPath, pdftoppm.errorString(),
                             QString::fromLocal8Bit(pdftoppm.readAllStandardError())));
    }
    QImage page(out.filePath("page.png"));
    if (page.isNull()) return fail(QStringLiteral("pdftoppm wrote no page for ") + pdfPath);
    return page.convertToFormat(QImage::Format_RGB32);
}

double colourShare(const QImage& image, QColor colour, int tolerance) {
    if (image.isNull()) return 0.0;
    qint64 count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (nearly(image.pixel(x, y), colour, tolerance)) ++count;
        }
    }
    return static_cast<double>(count) / (static_cast<double>(image.width()) * image.height());
}

QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!nearly(image.pixel(x, y), Qt::white, 8)) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

double inkCoverage(const QImage& image) {
    if (image.isNull()) return 0.0;
    const QRect ink = inkBounds(image);
    return static_cast<double>(ink.width()) * ink.height() /
           (static_cast<double>(image.width()) * image.height());
}

}  // namespace projcalc::gui_test
