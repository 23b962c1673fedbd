#include "ui/artwork.h"

#include <QImage>
#include <QSvgRenderer>
#include <algorithm>

#include "ui/artwork_render.h"
#include "ui/baked_artwork.h"

namespace projcalc::ui {
namespace {

// The drawing as the build rendered it, or nothing.
const BakedArtwork* bakedOf(const QString& name) {
    const auto baked = bakedArtwork();
    const auto found = std::find_if(baked.begin(), baked.end(), [&](const BakedArtwork& piece) {
        return name == QLatin1String(piece.name);
    });
    return found != baked.end() ? &*found : nullptr;
}

}  // namespace

QSize artworkSize(const QString& name) {
    if (const BakedArtwork* baked = bakedOf(name)) return {baked->width, baked->height};
    const QSvgRenderer* renderer = artworkRenderer(name);
    return renderer != nullptr ? renderer->defaultSize() : QSize();
}

QPixmap artworkPixmap(const QString& name, qreal devicePixelRatio) {
    return artworkPixmap(name, artworkSize(name), devicePixelRatio);
}

QPixmap artworkPixmap(const QString& name, QSize size, qreal devicePixelRatio) {
    // At its natural size on an ordinary screen, as at start-up, the picture the build rendered.
    if (const BakedArtwork* baked = bakedOf(name);
        baked != nullptr && devicePixelRatio == 1.0 && size == QSize(baked->width, baked->height)) {
        return QPixmap::fromImage(QImage(baked->pixels, baked->width, baked->height,
                                         qsizetype{4} * baked->width,
                                         QImage::Format_ARGB32_Premultiplied));
    }
    return QPixmap::fromImage(renderArtwork(name, size, devicePixelRatio));
}

bool paintArtwork(QPainter& painter, const QString& name, const QRectF& target) {
    QSvgRenderer* renderer = artworkRenderer(name);
    if (renderer == nullptr) return false;
    renderer->render(&painter, target);
    return true;
}

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QString artworkFor(const QString& name, const QPalette& palette) {
    const QString dark = name + QStringLiteral("OnDark");
    return isDarkPalette(palette) && !artworkResource(dark).isEmpty() ? dark : name;
}

}  // namespace projcalc::ui
