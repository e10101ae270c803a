#pragma once
// Where the program keeps its files. Files it writes (program settings, icon
// list, preset files, window state) live in one writable folder,
// $XDG_CONFIG_HOME/kestrova (~/.config/kestrova by default), created when
// first needed. Read-only resources it ships (the default presets, help
// files, example icons) are looked up next to the executable, then in
// <prefix>/share/kestrova: the prefix the executable was installed in (the
// folder above its bin/), then the one the build was configured for.

#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

// Path of the running executable; empty when it cannot be found.
std::string ExecutablePath();

// The writable folder, ending in "/".
std::string WritableFolder();
// Creates the writable folder (and its parents) when missing; false on
// failure, with the system's reason when asked for.
bool EnsureWritableFolder(std::string* reason = nullptr);

// The resource folders in lookup order, each ending in "/".
std::vector<std::string> ResourceFolders();
// The resource folders of an executable at that path, in lookup order.
std::vector<std::string> ResourceFoldersOf(const std::string& executable);
// Replaces the resource folders (an empty list restores the built-in ones).
void SetResourceFolders(std::vector<std::string> folders);
// The first resource file of that name that exists; empty when none.
std::string FindResourceFile(std::string_view name);

// A bare file name of the writable folder, for reading: the file there when it
// exists, else the shipped copy when there is one, else its path there.
std::string ProgramFileForReading(std::string_view name);
// The same file for writing: the writable folder is created and, when the file
// is not there yet but a shipped copy is, the copy is put there first. False
// (with the path still set, and the reason when asked for) when that fails.
bool ProgramFileForWriting(std::string_view name, std::string& path, std::string* reason = nullptr);

}  // namespace kestrova
