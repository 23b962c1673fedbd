#include "ui/scene_view.h"

#include <QLabel>
#include <QPainter>
#include <cmath>

#include "ui/artwork.h"
#include "ui/scene_painting.h"

namespace projcalc::ui {
namespace {

QPoint toQt(Point p) {
    return {p.x, p.y};
}

// Device pixels to a drawing pixel where the painter paints: the pixel ratio of the device really
// painted on (when the widget is rendered into an image or onto a printer, the painter opened on
// the widget draws there instead) times any scaling of the painter, such as the drawing's fit to
// the widget or a page's fit to the paper. Pictures rendered for it map one to one onto the
// device's pixels.
qreal devicePixelRatioOf(const QPainter& painter) {
    const QTransform toDevice = painter.deviceTransform();
    const qreal scale = std::hypot(toDevice.m11(), toDevice.m12());
    return scale > 0 && std::isfinite(scale) ? scale : 1.0;
}

// A font `scale` times as large.
QFont scaledFont(const QFont& font, qreal scale) {
    QFont scaled = font;
    if (font.pointSizeF() > 0) {
        scaled.setPointSizeF(font.pointSizeF() * scale);
    } else if (font.pixelSize() > 0) {
        scaled.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale))));
    }
    return scaled;
}

}  // namespace

SceneView::SceneView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(kPaper));
    colours.setColor(QPalette::WindowText, QColor::fromRgb(kInk));
    setPalette(colours);
}

void SceneView::setScene(const Scene& scene) {
    scene_ = scene;
    if (scene.width > 0 && scene.height > 0) frame_ = QSize(scene.width, scene.height);
    for (const ControlPlacement& placement : scene.controls) {
        auto* child =
            findChild<QWidget*>(QString::fromStdString(placement.name), Qt::FindDirectChildrenOnly);
        if (child == nullptr) continue;  // a picture the scene paints
        controlFor(child).design =
            QRect(placement.at.x, placement.at.y, placement.size.width, placement.size.height);
    }
    layOutControls();
    update();
}

void SceneView::setFrameSize(QSize size) {
    frame_ = size;
    layOutControls();
    update();
}

qreal SceneView::scale() const {
    if (frame_.isEmpty() || size().isEmpty()) return 1.0;
    return std::min(static_cast<qreal>(width()) / frame_.width(),
                    static_cast<qreal>(height()) / frame_.height());
}

QTransform SceneView::toWidget() const {
    const qreal s = scale();
    const QSizeF frame = frame_.isEmpty() ? QSizeF(size()) : QSizeF(frame_) * s;
    return QTransform(s, 0, 0, s, (width() - frame.width()) / 2, (height() - frame.height()) / 2);
}

void SceneView::setControlFont(QWidget* control, const QFont& font) {
    controlFor(control).font = font;
    layOutControls();
}

QFont SceneView::controlFont(const QWidget* control) const {
    const auto it = controls_.constFind(const_cast<QWidget*>(control));
    return it != controls_.cend() ? it->font : control->font();
}

QSize SceneView::naturalTextSize(const QWidget* control) const {
    const auto* label = qobject_cast<const QLabel*>(control);
    if (label == nullptr || label->text().isEmpty()) return {};
    const QMargins margins = label->contentsMargins();
    const int indent = std::max(label->margin(), 0) * 2;
    return QFontMetrics(controlFont(control)).size(0, label->text()) +
           QSize(margins.left() + margins.right() + indent,
                 margins.top() + margins.bottom() + indent);
}

SceneView::Control& SceneView::controlFor(QWidget* child) {
    auto it = controls_.find(child);
    if (it == controls_.end()) {
        // Until the view has laid its controls out, they stand where they were put, at scale 1.
        it = controls_.insert(child, {child->geometry(), child->font()});
    }
    return it.value();
}

void SceneView::layOutControls() {
    const qreal s = scale();
    const QTransform map = toWidget();
    const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    // Controls that are gone are forgotten (their addresses are never followed).
    controls_.removeIf([&children](const auto& entry) { return !children.contains(entry.key()); });
    for (QWidget* child : children) {
        const Control& control = controlFor(child);
        const QFont font = scaledFont(control.font, s);
        if (child->font() != font) child->setFont(font);
        const QRectF mapped = map.mapRect(QRectF(control.design));
        const QPoint topLeft(static_cast<int>(std::lround(mapped.left())),
                             static_cast<int>(std::lround(mapped.top())));
        QSize size(static_cast<int>(std::lround(mapped.right())) - topLeft.x(),
                   static_cast<int>(std::lround(mapped.bottom())) - topLeft.y());
        // A caption keeps the room its text needs at the scaled font.
        if (auto* label = qobject_cast<QLabel*>(child);
            label != nullptr && !label->text().isEmpty())
            size = size.expandedTo(label->sizeHint());
        child->setGeometry(QRect(topLeft, size));
    }
    if (!qFuzzyCompare(s, laidOutScale_)) {
        laidOutScale_ = s;
        emit scaleChanged(s);
    }
}

void SceneView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (frame_.isEmpty()) frame_ = size();
    layOutControls();
}

void SceneView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintScene(painter);
}

void SceneView::paintScene(QPainter& painter) const {
    painter.save();
    painter.fillRect(rect(), QColor::fromRgb(kPaper));
    painter.setTransform(toWidget(), true);
    const QSize frame = frame_.isEmpty() ? size() : frame_;
    painter.setClipRect(QRect(QPoint(0, 0), frame), Qt::IntersectClip);
    // Where a drawing pixel is a whole number of device pixels, one-pixel lines land exactly on
    // the pixels the scene names without antialiasing; at other scales it smooths them.
    const qreal ratio = devicePixelRatioOf(painter);
    painter.setRenderHint(QPainter::Antialiasing, std::abs(ratio - std::round(ratio)) > 1e-6);
    paintSceneItems(painter, scene_, [&](const SceneItem& image) {
        const QPixmap& picture =
            pixmap(QString::fromStdString(image.imageName), pictureSizeOf(image), ratio);
        if (!picture.isNull()) painter.drawPixmap(toQt(image.at), picture);
    });
    painter.restore();
}

const QPixmap& SceneView::pixmap(const QString& name, QSize size, qreal devicePixelRatio) const {
    // Only the pictures of the ratio painted last are kept: a window resized at will would
    // otherwise keep one set for every scale it passed through.
    if (!qFuzzyCompare(devicePixelRatio, pixmapRatio_)) {
        pixmaps_.clear();
        pixmapRatio_ = devicePixelRatio;
    }
    const QString key = QStringLiteral("%1@%2x%3").arg(name).arg(size.width()).arg(size.height());
    auto it = pixmaps_.find(key);
    if (it == pixmaps_.end())
        it = pixmaps_.insert(key, artworkPixmap(name, size, devicePixelRatio));
    return it.value();
}

}  // namespace projcalc::ui
