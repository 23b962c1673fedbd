#include "ui/scene_pens.h"

#include <QColor>

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

}  // namespace projcalc::ui
