#pragma once

#include <QPalette>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace projcalc::ui {

// Our own SVG pictures, by the object name of the control that shows them: "imgProjector",
// "imgProjectorSide_0" (standing at the bottom), "imgProjectorSide_1" (hanging at the top),
// "imgKara" (the range sign), "imgLogo" and "cmdEnter" (the Enter buttons' picture). The logo and
// the Enter picture lie on the window's own colours; "imgLogoOnDark" and "cmdEnterOnDark" are
// their variants for a dark palette. The others lie on the drawings' paper.

// The picture's natural size in device-independent pixels (its SVG view box); 0 x 0 when unknown.
[[nodiscard]] QSize artworkSize(const QString& name);

// The picture rendered at its natural size for a device pixel ratio, so that it is crisp on
// high-DPI screens and printers. A null pixmap when unknown.
[[nodiscard]] QPixmap artworkPixmap(const QString& name, qreal devicePixelRatio = 1.0);

// Paints the picture as vectors into `target`, in the painter's coordinates, so that it stays
// sharp at any scale on paper and in PDF files. False when the picture is unknown.
bool paintArtwork(QPainter& painter, const QString& name, const QRectF& target);
// The picture rendered at another size (in device-independent pixels) for a device pixel ratio.
[[nodiscard]] QPixmap artworkPixmap(const QString& name, QSize size, qreal devicePixelRatio);

// Whether a palette's window colour is dark, so that pictures lying on it take their variants
// for a dark palette.
[[nodiscard]] bool isDarkPalette(const QPalette& palette);

// The name of the variant of a picture that suits the palette it lies on.
[[nodiscard]] QString artworkFor(const QString& name, const QPalette& palette);

}  // namespace projcalc::ui
