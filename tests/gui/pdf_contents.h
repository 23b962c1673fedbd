#pragma once

#include <QSizeF>
#include <QString>

namespace projcalc::gui_test {

// What a PDF file holds, read with poppler's tools. Each gives an empty or negative value, and
// what went wrong in `error`, when the tool fails.

// The text of every page as pdftotext extracts it, each run of blanks and line breaks made one
// space, so that a text that wrapped reads as one line.
[[nodiscard]] QString pdfText(const QString& path, QString* error = nullptr);

// The first page's size in points (1/72 inch) as it is shown: turned by its rotation.
[[nodiscard]] QSizeF pdfPageSize(const QString& path, QString* error = nullptr);

// How many images the file holds (pdfimages -list).
[[nodiscard]] int pdfImageCount(const QString& path, QString* error = nullptr);

// How many path-building operators (m, l, c, re) the file's content streams hold, its
// compressed streams inflated.
[[nodiscard]] int pdfPathOperators(const QString& path);

}  // namespace projcalc::gui_test
