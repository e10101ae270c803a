#pragma once
// Switches the interface language: every caption, hint, radio item, file
// dialog text and menu caption of the main window, the recent-files
// placeholder, the output names list and the image information; the toolkit's
// own texts follow through the window's LanguageChanged hook.

namespace kestrova {

class TForm1;

// Makes `index` the current language (English when outside 0..5) and shows
// the window in it. Radio groups keep their selected item. Never fails: a
// text that cannot be set leaves the rest of its group as it was.
void SetLanguage(TForm1& form, int index);

}  // namespace kestrova
