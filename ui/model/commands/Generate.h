#pragma once
// Generating the buttons from the window's controls into the output panel,
// and the counts of caption lines, buttons and output files the window shows.

#include <functional>

#include "core/generation/ButtonGeneration.h"

namespace kestrova {

class TForm1;

// Lines of the captions memo.
int CaptionLineCount(const TForm1& form);
// Lines divided by lines per button, rounded up.
int ButtonCount(const TForm1& form);
// By the joining mode: one file per button, one file, or the buttons divided
// by buttons per image, rounded up; 0 for any other mode.
int OutputFileCount(const TForm1& form);

// Makes one preview per button in ScrollBox2, named "newbutton" + its number
// (from 0) with its caption text as hint; then, when the buttons are joined,
// replaces them by "allinone0" or "muxbutton" + k, fills MapRects with the
// rectangle of every placed button, and lays the previews out. Reads the
// controls as they stand (the post effect from CurrentSettings); the caller
// removes the previews of the last run first.
//
// On failure (no base image, a cut size below 1 x 1, an image too large, a caption font that cannot be loaded, no memory) the reason goes
// through ShowMessageOrLog, the panel and MapRects are left empty, and the
// result is false.
bool GenerateButtons(TForm1& form);

// What the buttons are made from, as the controls hold it (the post effect
// from CurrentSettings); the base image is the window's, not a copy.
ButtonSetInput ButtonInputFromControls(const TForm1& form);

// Runs a step of making buttons; when it fails as GenerateButtons may, reports
// the failure as GenerateButtons does (the panel and MapRects emptied) and
// gives false.
bool ReportingGenerationErrors(TForm1& form, const std::function<void()>& step);

}  // namespace kestrova
