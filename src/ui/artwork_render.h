#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

class QSvgRenderer;

namespace projcalc::ui {

// Our SVG drawings, by the object name of the control that shows them (artwork.h lists them).

// Every name that has a drawing.
[[nodiscard]] QStringList artworkNames();

// The resource file of a name's drawing; empty for a name without one.
[[nodiscard]] QString artworkResource(const QString& name);

// The parsed drawing of a name, or nothing. Each file is parsed once: the window asks for the
// same pieces at every scale and palette change, and the renderers live as long as the program.
[[nodiscard]] QSvgRenderer* artworkRenderer(const QString& name);

// The drawing rendered at `size` device-independent pixels for a device pixel ratio, on a
// transparent premultiplied-ARGB image; a null image for a name without a drawing.
[[nodiscard]] QImage renderArtwork(const QString& name, QSize size, qreal devicePixelRatio);

}  // namespace projcalc::ui
