#include "ui/artwork.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

// The artwork is compiled into a static library, whose resources are registered explicitly
// (outside any namespace, as the registration function is global), once, before first use.
static void registerArtworkOnce() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(artwork);
        return true;
    }();
    (void)registered;
}

namespace projcalc::ui {
namespace {

QString resourceOf(const QString& name) {
    registerArtworkOnce();
    static const QHash<QString, QString> files = {
        {"imgProjector", ":/artwork/projector_front.svg"},
        {"imgProjectorSide_0", ":/artwork/projector_side_bottom.svg"},
        {"imgProjectorSide_1", ":/artwork/projector_side_top.svg"},
        {"imgKara", ":/artwork/range_sign.svg"},
        {"imgLogo", ":/artwork/logo.svg"},
        {"imgLogoOnDark", ":/artwork/logo_on_dark.svg"},
        {"cmdEnter", ":/artwork/enter.svg"},
        {"cmdEnterOnDark", ":/artwork/enter_on_dark.svg"},
    };
    return files.value(name);
}

}  // namespace

QSize artworkSize(const QString& name) {
    const QString file = resourceOf(name);
    if (file.isEmpty()) return {};
    QSvgRenderer renderer(file);
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

QPixmap artworkPixmap(const QString& name, qreal devicePixelRatio) {
    return artworkPixmap(name, artworkSize(name), devicePixelRatio);
}

QPixmap artworkPixmap(const QString& name, QSize size, qreal devicePixelRatio) {
    const QString file = resourceOf(name);
    if (file.isEmpty() || size.isEmpty()) return {};
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) return {};
    QPixmap pixmap((QSizeF(size) * devicePixelRatio).toSize());
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

bool paintArtwork(QPainter& painter, const QString& name, const QRectF& target) {
    const QString file = resourceOf(name);
    if (file.isEmpty()) return false;
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) return false;
    renderer.render(&painter, target);
    return true;
}

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QString artworkFor(const QString& name, const QPalette& palette) {
    const QString dark = name + QStringLiteral("OnDark");
    return isDarkPalette(palette) && !resourceOf(dark).isEmpty() ? dark : name;
}

}  // namespace projcalc::ui
