#pragma once
// The project file (".btn"): an INI file with the sections "version" (the
// program's version), "main" (one key per settings field, named after it) and
// "captions" (keys c0, c1, ... one per caption line).

#include <string>
#include <string_view>
#include <vector>

#include "core/files/IniFile.h"
#include "core/files/SettingsRecord.h"
#include "core/support/TextLines.h"

namespace kestrova {

// Item counts of the window's GIF option lists; a stored index past the last
// item reads as -1 (no selection).
struct TGifOptionCounts {
  int colorReductions = 9;
  int ditherModes = 7;
  int compressions = 2;
};

// Writes `settings` and the caption lines to the file. Sets
// settings.projectfile and recomputes settings.image_file_rel first. False
// with the error's message in errorText on failure ("Unable to write to
// <file> (...)"); also, with nothing written or changed, when the captions
// would make the file larger than kMaxProjectFileSize, as it could not be
// opened again.
bool SaveProject(const std::string& fileName, const TextLines& captionLines, std::string& errorText,
                 TSettings& settings = CurrentSettings);

// Reads the file into `settings`. False when the file does not exist, cannot
// be read or holds more than kMaxProjectFileSize (the reason in errorText,
// nothing read and nothing changed), when it holds none of the sections
// "main", "captions" and "version" (kNotAProjectFile, nothing changed: a
// picture or any other file that is not a project; one that holds only some
// of them loads, the rest at their defaults) or when reading fails (its
// message in errorText, e.g. "Range check error" for a font character set
// outside 0..255; the fields read before keep their new values). Paths read
// from the file have "\" turned into "/".
bool LoadProject(const std::string& fileName, TSettings& settings, std::string& errorText,
                 const TGifOptionCounts& gifCounts = {});

inline constexpr const char* kNotAProjectFile = "Not a project file";

// Reads the 29 preset keys of a section into `settings`, missing keys with
// their defaults; every other field stays. Nothing happens without a file.
void ReadPresetKeys(std::string_view section, const TIniFile* iniFile, TSettings& settings);

}  // namespace kestrova
