#pragma once
// Whether a folder's file system tells names apart by their case. FAT and
// exFAT volumes (USB sticks), SMB shares and the like do not: "Home.gif" and
// "HOME.gif" name one file there.

#include <string>

namespace kestrova {

// Asks the file system itself: a file made in the folder under a name in
// lower case is looked for under the same name in upper case, then removed
// (a TemporaryFileName meanwhile). False where no file can be made there (the
// writes that follow then say why). `folder` is empty for the current folder,
// else it ends in "/".
bool FolderIgnoresCase(const std::string& folder);

}  // namespace kestrova
