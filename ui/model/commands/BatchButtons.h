#pragma once
// A batch run's buttons when they are not joined: each one is made while the
// files are written, on the worker threads, and dropped once its file is
// written, so that memory does not grow with the number of captions.

namespace kestrova {

class TForm1;

// True when the window's settings save one file per button (no joining).
bool SavesEachButton(const TForm1& form);

// GenerateButtons followed by SaveGeneratedImages, without holding the
// buttons: the same files, page and messages, in the same order, while the
// preview panel stays empty. The buttons together may hold more pixels than
// one run may hold at once. False when the buttons could not be made or the
// save failed.
bool GenerateAndSaveEachButton(TForm1& form);

}  // namespace kestrova
