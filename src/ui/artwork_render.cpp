#include "ui/artwork_render.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <utility>

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

constexpr std::array<std::pair<const char*, const char*>, 8> kFiles = {{
    {"imgProjector", ":/artwork/projector_front.svg"},
    {"imgProjectorSide_0", ":/artwork/projector_side_bottom.svg"},
    {"imgProjectorSide_1", ":/artwork/projector_side_top.svg"},
    {"imgKara", ":/artwork/range_sign.svg"},
    {"imgLogo", ":/artwork/logo.svg"},
    {"imgLogoOnDark", ":/artwork/logo_on_dark.svg"},
    {"cmdEnter", ":/artwork/enter.svg"},
    {"cmdEnterOnDark", ":/artwork/enter_on_dark.svg"},
}};

}  // namespace

QStringList artworkNames() {
    QStringList names;
    for (const auto& [name, file] : kFiles)
        names.push_back(QString::fromLatin1(name));
    return names;
}

QString artworkResource(const QString& name) {
    for (const auto& [known, file] : kFiles) {
        if (name == QLatin1String(known)) return QString::fromLatin1(file);
    }
    return {};
}

QSvgRenderer* artworkRenderer(const QString& name) {
    static auto* const renderers = new QHash<QString, QSvgRenderer*>();
    if (const auto found = renderers->constFind(name); found != renderers->constEnd())
        return *found;
    const QString file = artworkResource(name);
    QSvgRenderer* renderer = nullptr;
    if (!file.isEmpty()) {
        registerArtworkOnce();
        renderer = new QSvgRenderer(file);
        if (!renderer->isValid()) {
            delete renderer;
            renderer = nullptr;
        }
    }
    renderers->insert(name, renderer);
    return renderer;
}

QImage renderArtwork(const QString& name, QSize size, qreal devicePixelRatio) {
    QSvgRenderer* renderer = artworkRenderer(name);
    if (renderer == nullptr || size.isEmpty()) return {};
    QImage image((QSizeF(size) * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

}  // namespace projcalc::ui
