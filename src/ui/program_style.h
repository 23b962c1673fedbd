#pragma once

class QStyle;

namespace projcalc::ui {

// The program's style: Fusion, painting exactly as Fusion does, with group box frames drawn a
// band of rows at a time (program_style.cpp says why). The caller owns it.
[[nodiscard]] QStyle* newProgramStyle();

// The look of the program on every desktop: that style and an 8-point DejaVu Sans, the size the
// window's controls are laid out for. Call once after the QApplication exists.
void useProgramStyle();

}  // namespace projcalc::ui
