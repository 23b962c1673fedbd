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

// The parsed drawing of a piece of artwork, or nothing for a name without artwork. Each file is
// parsed once: the window asks for the same pieces at every scale and palette change, and the
// renderers live as long as the program (they are reachable through the cache to the end).
QSvgRenderer* rendererOf(const QString& name) {
    static auto* const renderers = new QHash<QString, QSvgRenderer*>();
    if (const auto found = renderers->constFind(name); found != renderers->constEnd())
        return *found;
    const QString file = resourceOf(name);
    QSvgRenderer* renderer = nullptr;
    if (!file.isEmpty()) {
        renderer = new QSvgRenderer(file);
        if (!renderer->isValid()) {
            delete renderer;
            renderer = nullptr;
        }
    }
    renderers->insert(name, renderer);
    return renderer;
}

}  // namespace

QSize artworkSize(const QString& name) {
    const QSvgRenderer* renderer = rendererOf(name);
    return renderer != nullptr ? renderer->defaultSize() : QSize();
}

QPixmap artworkPixmap(const QString& name, qreal devicePixelRatio) {
    return artworkPixmap(name, artworkSize(name), devicePixelRatio);
}

QPixmap artworkPixmap(const QString& name, QSize size, qreal devicePixelRatio) {
    QSvgRenderer* renderer = rendererOf(name);
    if (renderer == nullptr || size.isEmpty()) return {};
    QPixmap pixmap((QSizeF(size) * devicePixelRatio).toSize());
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

bool paintArtwork(QPainter& painter, const QString& name, const QRectF& target) {
    QSvgRenderer* renderer = rendererOf(name);
    if (renderer == nullptr) return false;
    renderer->render(&painter, target);
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
