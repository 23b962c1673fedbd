#pragma once

class QWidget;

namespace projcalc::app {

// Gives `window`'s picture (the backing store Qt paints the window into) the window's size and
// has the kernel provide all its pages in one call. Qt writes every pixel of it at the first paint
// anyway; page by page, on a first write each, those pages cost a fault apiece, which on a virtual
// machine is several microseconds (about 2 ms for this window). Returns whether the pages were
// provided: not where the picture is not an image in memory, where Qt scales the window (it
// makes that picture as it paints), or on a kernel without the call (before Linux 5.14).
bool populateWindowPicture(QWidget& window);

// Does that when `window`, already shown, is first exposed: the size Qt is about to paint at is
// then known, so the picture is not made twice.
void populatePictureOnFirstExpose(QWidget& window);

}  // namespace projcalc::app
