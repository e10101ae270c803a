#pragma once
// The icon list file "bullets.ini" in the writable folder: one icon file path
// per line, relative to that folder unless it lies elsewhere. Paths are stored
// as given; nothing checks that the files exist. Until the user's own list is
// first written, the list shipped in the resource folder is read; its entries
// name the shipped icons relative to that folder.

#include <string>
#include <vector>

namespace kestrova {

// The folder relative entries count from (the writable folder, ending in "/").
std::string IconListFolder();
// The icon list file.
std::string IconListFileName();
// The icon list file to read: the user's own, else the shipped one, else the
// user's (missing) file.
std::string IconListFileForReading();

// Reads the list: every line trimmed of blanks and control characters at both
// ends (empty lines stay as empty entries), "\" turned into "/". False, with
// the list unchanged, when the file is missing or cannot be read.
bool ReadIconList(const std::string& fileName, std::vector<std::string>& list);
// Writes the list, each entry followed by CR LF, replacing the file. False
// when the file cannot be written, with the reason in `reason` when given.
bool WriteIconList(const std::string& fileName, const std::vector<std::string>& list, std::string* reason = nullptr);

// The entry that stands for an icon file: its folder relative to `folder`,
// followed by its file name.
std::string IconEntryFor(const std::string& fileName, const std::string& folder);
// The file an entry names: relative entries count from `folder`; one that is
// not there but lies in a resource folder (a shipped icon) is taken from there.
std::string ResolveIconEntry(const std::string& entry, const std::string& folder);

}  // namespace kestrova
