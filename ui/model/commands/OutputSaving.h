#pragma once
// The output files of a generation: their names, writing them into the output
// folder with the test page, and the names list that shows what a save writes.

#include <string>

#include "core/generation/TestPages.h"
#include "ui/model/form/MainForm.h"

namespace kestrova {

// The file name (with extension) that preview k of the output panel is saved
// under, from its hint and the naming controls.
std::string OutputImageFileName(const TForm1& form, int k);

// The output folder with a trailing "/"; the current folder when the folder
// edit is empty.
std::string OutputFolder(const TForm1& form);

// Fills MemoNames with the names a save will use (from the captions as typed)
// and LCNT with the line, button and file counts.
void UpdateNamesList(TForm1& form);

// Writes every preview of the output panel into the output folder in the
// chosen format, then, when every image was written, the test page or
// image-map page when asked. Reports each failure, each image whose file name
// an earlier image of the run has (a warning: the later file replaces the
// earlier), and, when nothing of this happened, "OK. Files saved to: <folder>".
// Nothing happens when there are no previews. False when a file or the page
// could not be written, names collided or the format index is not one of 0..3.
bool SaveGeneratedImages(TForm1& form);

// The page builders' input as the window holds it.
TPageInput PageInput(const TForm1& form);
std::string BuildTestPage(const TForm1& form);
std::string BuildMapPage(const TForm1& form);

}  // namespace kestrova
