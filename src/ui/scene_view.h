#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <utility>

#include "diagrams/scene.h"

class QPainter;

namespace projcalc::ui {

// A picture box of the main window (picDraw1, picDraw2): a white area that paints a Scene, the
// engine's display list, with QPainter: polygons and lines with the pens and brush of the scene,
// pictures at their natural size. The controls lying on it are its child widgets; the main
// window moves them as the scene says.
class SceneView : public QWidget {
    Q_OBJECT

  public:
    explicit SceneView(QWidget* parent = nullptr);

    // Replaces the drawing and repaints.
    void setScene(const Scene& scene);
    [[nodiscard]] const Scene& scene() const noexcept { return scene_; }

    // Paints the drawing with a painter open on any device (this widget, an image, a printer):
    // a white background, then every item in order. Pictures are rendered for the device's pixel
    // ratio, so they stay crisp on high-DPI screens.
    void paintScene(QPainter& painter) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // A picture at its natural size for a device pixel ratio, rendered once per ratio.
    [[nodiscard]] const QPixmap& pixmap(const QString& name, qreal devicePixelRatio) const;

    Scene scene_;
    mutable QHash<std::pair<QString, qreal>, QPixmap> pixmaps_;
};

}  // namespace projcalc::ui
