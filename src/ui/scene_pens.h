#pragma once

#include <QBrush>
#include <QPen>

#include "diagrams/scene.h"

namespace projcalc::ui {

// The Qt pen and brush of the drawings' pens and brushes, for the window and for paper alike.
// Flat caps keep a line's ends on its points, as the drawings are laid out in whole pixels.
[[nodiscard]] QPen penOf(PenId id);
[[nodiscard]] QBrush brushOf(BrushId id);

}  // namespace projcalc::ui
