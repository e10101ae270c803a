#pragma once
// A dialog whose least size does not fit on the screen made smaller than its
// content: the content goes into a scroll area that fills the dialog, while
// its row of buttons, when the content ends with one, stays below the area,
// always in sight.

class QDialog;

namespace kestrova::qt {

// Puts the content of `dialog` (laid out by a layout of its own) into a scroll
// area, once; the dialog keeps its size (a scroll bar wider), and may be made
// smaller from now on.
// Nothing for a dialog without a layout.
void ScrollDialogContent(QDialog& dialog);

}  // namespace kestrova::qt
