#include "ui/scene_painting.h"

#include <QColor>
#include <QPainter>
#include <QPolygon>

#include "ui/artwork.h"

namespace projcalc::ui {

QPen penOf(PenId id) {
    const PenDefinition& pen = penDefinition(id);
    return QPen(QColor(pen.red, pen.green, pen.blue), pen.width,
                pen.style == PenStyle::DashDotDot ? Qt::DashDotDotLine : Qt::SolidLine, Qt::FlatCap,
                Qt::MiterJoin);
}

QBrush brushOf(BrushId id) {
    if (id == BrushId::None) return Qt::NoBrush;
    const BrushDefinition& brush = brushDefinition(id);
    return QBrush(QColor(brush.red, brush.green, brush.blue), Qt::SolidPattern);
}

QSize pictureSizeOf(const SceneItem& image) {
    if (image.size.width > 0 && image.size.height > 0) return {image.size.width, image.size.height};
    return artworkSize(QString::fromStdString(image.imageName));
}

void paintSceneItems(QPainter& painter, const Scene& scene,
                     const std::function<void(const SceneItem&)>& paintPicture) {
    const auto toQt = [](Point p) { return QPoint(p.x, p.y); };
    for (const SceneItem& item : scene.items) {
        switch (item.kind) {
            case SceneItem::Kind::Polygon: {
                QPolygon polygon;
                polygon.reserve(static_cast<int>(item.points.size()));
                for (const Point& p : item.points)
                    polygon.append(toQt(p));
                painter.setPen(penOf(item.pen));
                painter.setBrush(brushOf(item.brush));
                painter.drawPolygon(polygon, Qt::WindingFill);
                break;
            }
            case SceneItem::Kind::Line:
                if (item.points.size() < 2) break;
                painter.setPen(penOf(item.pen));
                painter.drawLine(toQt(item.points[0]), toQt(item.points[1]));
                break;
            case SceneItem::Kind::Image:
                paintPicture(item);
                break;
        }
    }
}

}  // namespace projcalc::ui
