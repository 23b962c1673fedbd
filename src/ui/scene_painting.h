#pragma once

#include <QBrush>
#include <QPen>
#include <QSize>
#include <functional>

#include "diagrams/scene.h"

class QPainter;

namespace projcalc::ui {

// The Qt pen and brush of the drawings' pens and brushes, for the window and for paper alike.
// Flat caps keep a line's ends on its points, as the drawings are laid out in whole pixels.
[[nodiscard]] QPen penOf(PenId id);
[[nodiscard]] QBrush brushOf(BrushId id);

// The size a picture of a scene is drawn at: the scene's, else the artwork's own.
[[nodiscard]] QSize pictureSizeOf(const SceneItem& image);

// Paints a scene's items in its own pixels, in their order: polygons and lines with their pens
// and brushes; each picture is handed to paintPicture, as the window and paper draw them
// differently (a pixmap for the screen's pixels, the SVG itself on paper).
void paintSceneItems(QPainter& painter, const Scene& scene,
                     const std::function<void(const SceneItem&)>& paintPicture);

}  // namespace projcalc::ui
