#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QTransform>
#include <QWidget>
#include <utility>

#include "diagrams/scene.h"

class QPainter;

namespace projcalc::ui {

// A picture box of the main window (picDraw1, picDraw2). It paints a Scene, the engine's display
// list, built for the box's design size: scaled uniformly to fit the widget and centred in it,
// the way a widget paints in a logical frame. The controls lying on it are its child widgets;
// they keep their design rectangles in the scene's frame (where the scene places them, else
// where they were first put) and move and grow with the same scale, fonts included. The drawing
// is on paper of its own colour with its own ink for the texts on it, whatever the palette.
class SceneView : public QWidget {
    Q_OBJECT

  public:
    explicit SceneView(QWidget* parent = nullptr);

    // The paper behind the drawing and the ink of the captions lying on it.
    static constexpr QRgb kPaper = 0xffffffff;
    static constexpr QRgb kInk = 0xff000000;

    // Replaces the drawing, moves the controls it places and repaints. A scene without a size
    // keeps the frame it had.
    void setScene(const Scene& scene);
    [[nodiscard]] const Scene& scene() const noexcept { return scene_; }

    // The size of the logical frame: the scene's, or the widget's first size while there is none.
    [[nodiscard]] QSize frameSize() const noexcept { return frame_; }
    void setFrameSize(QSize size);
    // From the logical frame to the widget's pixels: a uniform scale and a centring shift.
    [[nodiscard]] QTransform toWidget() const;
    [[nodiscard]] qreal scale() const;

    // A control lying on the drawing: its font at scale 1 (the scaled one is derived from it),
    // and its text's size at that font (labels only).
    void setControlFont(QWidget* control, const QFont& font);
    [[nodiscard]] QFont controlFont(const QWidget* control) const;
    [[nodiscard]] QSize naturalTextSize(const QWidget* control) const;

    // Paints the drawing with a painter open on any device (this widget, an image, a printer):
    // paper over the whole widget, then every item in order inside the frame. Pictures are
    // rendered for the device's pixel ratio and the scale, so they stay crisp.
    void paintScene(QPainter& painter) const;

  signals:
    // The controls were laid out again at a new scale.
    void scaleChanged(qreal scale);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Control {
        QRect design;  // in the logical frame
        QFont font;    // at scale 1
    };

    // Learns a child's design rectangle and font the first time it is seen.
    Control& controlFor(QWidget* child);
    // Puts every control at its design rectangle mapped to the widget, with its font scaled.
    void layOutControls();
    // A picture at a size for a device pixel ratio, rendered once per size and ratio.
    [[nodiscard]] const QPixmap& pixmap(const QString& name, QSize size,
                                        qreal devicePixelRatio) const;

    Scene scene_;
    QSize frame_;
    qreal laidOutScale_ = 0.0;
    QHash<QWidget*, Control> controls_;
    mutable QHash<QString, QPixmap> pixmaps_;
    mutable qreal pixmapRatio_ = 0.0;  // the device pixel ratio the cached pictures are for
};

}  // namespace projcalc::ui
