#pragma once

class QLabel;

namespace projcalc::ui {

// Lets the user select and copy a label's text with the mouse. Qt gives a label whose text can be
// selected a text document of its own; it is made when the mouse first comes over the label or
// presses on it, so that a window with many such labels does not build them all to start.
void makeSelectableByMouse(QLabel* label);

}  // namespace projcalc::ui
