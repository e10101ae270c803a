#pragma once
// The window's file commands: each asks for a file through its file dialog
// (a cancelled dialog ends the command with no effect), then loads or saves
// the project, the base image or the captions and reports a failure in the
// user's language. Also the recent-files items and files dropped on the window.

#include <string>
#include <vector>

#include "ui/model/form/MainForm.h"

namespace kestrova {

// Opens the chosen project (OpenProject reports its own errors).
void Loadsettings1Click(TForm1& form);
// Copies the controls into the record and saves the project. On success the
// file goes to the top of the recent list and into the status bar; on failure
// "Error saving: <file>" and the reason, and neither changes.
void Savesettings1Click(TForm1& form);
// Opens the recent list's entry at `index` (an item's tag) as a project.
void Recent1Click(TForm1& form, int index);
// Loads the chosen picture as the base image; on failure "Error opening file: <file>" and the reason.
void Openbaseimage1Click(TForm1& form);
// Writes the base image in the format of the chosen name's extension (errors reported by the writer).
void Savebaseimage1Click(TForm1& form);
// Loads the chosen text file into the captions memo; on failure "Error opening file: <file>" and the reason.
void Openbuttoncaptionstextfile1Click(TForm1& form);
// Writes the captions into the chosen file; on failure "Error saving: <file>" and the reason.
void Savecaptions1Click(TForm1& form);

// The memo's lines := the file's lines (read as UTF-8, or in the language's
// Windows code page when it is not valid UTF-8). False with the reason, the
// memo unchanged; a file larger than kMaxCaptionsFileSize is refused unread.
bool LoadCaptions(TForm1& form, const std::string& fileName, std::string& errorText);
// Writes the memo's lines as UTF-8, each ended by CR LF; false with the reason
// when the file cannot be written.
bool SaveCaptions(const TForm1& form, const std::string& fileName, std::string& errorText);

// "Add to list" of the icon palette: the picture-open dialog with several files
// allowed for this one showing (switched back afterwards, also on Cancel); the
// chosen files are added to the palette in the dialog's order.
void AddIconsClick(TForm1& form);

// Files dropped on the window: exactly one is opened as a project, whatever
// its extension; two or more open nothing.
void OpenDroppedFiles(TForm1& form, const std::vector<std::string>& files);

}  // namespace kestrova
