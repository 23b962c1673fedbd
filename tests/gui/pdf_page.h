#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

namespace projcalc::gui_test {

// The first page of a PDF file as pdftoppm renders it (PNG, `dpi` dots per inch). A null image,
// and what went wrong in `error`, when the file is no PDF or pdftoppm fails.
[[nodiscard]] QImage renderPdfPage(const QString& pdfPath, int dpi, QString* error = nullptr);

// The share of the image's pixels within `tolerance` (per channel) of `colour`, 0 to 1.
[[nodiscard]] double colourShare(const QImage& image, QColor colour, int tolerance);

// The smallest rectangle holding every pixel that is not (nearly) white.
[[nodiscard]] QRect inkBounds(const QImage& image);

// The share of the page covered by inkBounds, 0 to 1.
[[nodiscard]] double inkCoverage(const QImage& image);

}  // namespace projcalc::gui_test
