#pragma once

#include <QString>
#include <optional>

#include "util/errors.h"

class QPainter;
class QRectF;
class QWidget;

namespace projcalc::ui {

// Paints a widget and its children onto a page: laid out at its preferred size (the window's
// design size, whatever size it has on the screen), scaled to fill `page` (in the painter's
// device pixels) as far as its shape allows, centred, and drawn at the device's own resolution
// rather than enlarged from a screen image, so that lines, text and pictures stay sharp.
void renderOnPage(QWidget& content, QPainter& painter, const QRectF& page);

// Prints `content` on one page of the named printer, turned to landscape when it is wider than
// tall. The failure, naming the printer, when the printer is gone or refuses the job.
[[nodiscard]] std::optional<AppError> printOnPrinter(QWidget& content, const QString& printerName);

// Writes the same page to a PDF file (A4, or Letter where the locale measures in inches). The file
// is replaced only once the whole document is written. The failure names the file.
[[nodiscard]] std::optional<AppError> exportPdf(QWidget& content, const QString& path);

}  // namespace projcalc::ui
