#pragma once

namespace projcalc::ui {

// The look of the program on every desktop: the Fusion style and an 8-point DejaVu Sans, the
// size the window's controls are laid out for. Call once after the QApplication exists.
void useProgramStyle();

}  // namespace projcalc::ui
