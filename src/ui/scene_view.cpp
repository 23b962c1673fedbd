#include "ui/scene_view.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <cmath>

#include "ui/artwork.h"

namespace projcalc::ui {
namespace {

QPoint toQt(Point p) {
    return {p.x, p.y};
}

QPen penOf(PenId id) {
    const PenDefinition& pen = penDefinition(id);
    // Flat caps keep a line's ends on its points, as the drawings are laid out in whole pixels.
    return QPen(QColor(pen.red, pen.green, pen.blue), pen.width,
                pen.style == PenStyle::DashDotDot ? Qt::DashDotDotLine : Qt::SolidLine, Qt::FlatCap,
                Qt::MiterJoin);
}

QBrush brushOf(BrushId id) {
    if (id == BrushId::None) return Qt::NoBrush;
    const BrushDefinition& brush = brushDefinition(id);
    return QBrush(QColor(brush.red, brush.green, brush.blue), Qt::SolidPattern);
}

QPolygon polygonOf(const std::vector<Point>& points) {
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const Point& p : points)
        polygon.append(toQt(p));
    return polygon;
}

// Device pixels to a drawing pixel where the painter paints: the pixel ratio of the device really
// painted on (when the widget is rendered into an image or onto a printer, the painter opened on
// the widget draws there instead) times any scaling of the painter, such as a page's fit to the
// paper. Pictures rendered for it map one to one onto the device's pixels.
qreal devicePixelRatioOf(const QPainter& painter) {
    const QTransform toDevice = painter.deviceTransform();
    const qreal scale = std::hypot(toDevice.m11(), toDevice.m12());
    return scale > 0 && std::isfinite(scale) ? scale : 1.0;
}

}  // namespace

SceneView::SceneView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void SceneView::setScene(const Scene& scene) {
    scene_ = scene;
    update();
}

void SceneView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintScene(painter);
}

void SceneView::paintScene(QPainter& painter) const {
    painter.save();
    painter.fillRect(rect(), Qt::white);
    // Without antialiasing, one-pixel lines land exactly on the pixels the scene names.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const qreal ratio = devicePixelRatioOf(painter);
    for (const SceneItem& item : scene_.items) {
        switch (item.kind) {
            case SceneItem::Kind::Polygon:
                painter.setPen(penOf(item.pen));
                painter.setBrush(brushOf(item.brush));
                painter.drawPolygon(polygonOf(item.points), Qt::WindingFill);
                break;
            case SceneItem::Kind::Line:
                if (item.points.size() < 2) break;
                painter.setPen(penOf(item.pen));
                painter.drawLine(toQt(item.points[0]), toQt(item.points[1]));
                break;
            case SceneItem::Kind::Image: {
                const QPixmap& picture = pixmap(QString::fromStdString(item.imageName), ratio);
                if (!picture.isNull()) painter.drawPixmap(toQt(item.at), picture);
                break;
            }
        }
    }
    painter.restore();
}

const QPixmap& SceneView::pixmap(const QString& name, qreal devicePixelRatio) const {
    const std::pair<QString, qreal> key{name, devicePixelRatio};
    auto it = pixmaps_.find(key);
    if (it == pixmaps_.end()) it = pixmaps_.insert(key, artworkPixmap(name, devicePixelRatio));
    return it.value();
}

}  // namespace projcalc::ui
