#pragma once
// The enlarged sample (a double click on the effect or gradient sample): a
// modal window of 300 x 100 pixels (square for a radial gradient or a round
// button), centred on the screen, showing a copy of the sample's renderer
// that is painted again at every size.

#include <QDialog>
#include <memory>

#include "ui/model/form/MainForm.h"

namespace kestrova::qt {

enum class PreviewKind { Gradient = 0, Effect = 1 };

// The window, ready to show (not shown).
std::unique_ptr<QDialog> MakePreviewWindow(PreviewKind kind, TForm1& form, QWidget* parent);
// Makes the window and shows it modally.
void ShowPreviewWindow(PreviewKind kind, TForm1& form, QWidget* parent);

}  // namespace kestrova::qt
