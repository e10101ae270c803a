#include "core/files/PresetSetList.h"


#include "core/files/IniFile.h"
#include "core/files/PresetFiles.h"
#include "core/support/FileAccess.h"
#include "core/support/FilePaths.h"
#include "core/support/ProgramFolders.h"
#include "core/support/StrLib.h"

namespace kestrova {

namespace {

constexpr int kMaxUserSets = 99;

// Where a listed file lies: bare names and relative paths count from the writable folder.
std::string ListedPath(const std::string& file) { return PathInFolder(WritableFolder(), file); }

bool FileIsListed(const std::string& path) {
  for (const std::string& line : PresetSets) {
    const auto equals = line.find('=');
    if (equals != std::string::npos && ListedPath(line.substr(equals + 1)) == path) return true;
  }
  return false;
}

}  // namespace

TSetNameCheck CheckSetName(std::string_view name) {
  name = TrimControls(name);
  if (name.empty()) return TSetNameCheck::Empty;
  if (name.find_first_of("=[") != std::string_view::npos || name.front() == ';') return TSetNameCheck::BadCharacters;
  if (!GetSetFileName(name).empty()) return TSetNameCheck::InUse;
  return TSetNameCheck::Ok;
}

std::string FreeUserSetFile() {
  for (int n = 1; n <= kMaxUserSets; ++n) {
    const std::string file = "presets-user" + std::to_string(n) + ".ini";
    const std::string path = WritableFolder() + file;
    if (FileExists(path) || !FindResourceFile(file).empty() || FileIsListed(path)) continue;
    return file;
  }
  return {};
}

std::string ListedSetFile(const std::string& path) {
  const std::string folder = WritableFolder();
  const std::string name = FileNameOf(path);
  if (FolderOf(path) == folder) return name;
  const std::string relative = MakeRelativePath(folder, FolderOf(path)) + name;
  // The relative form must lead to the same file (letters of different case are different folders here).
  const std::string normal = PathInFolder(folder, path);
  return ListedPath(relative) == normal ? relative : path;
}

void AddPresetSet(const std::string& name, const std::string& file) { PresetSets.push_back(name + "=" + file); }

bool RemovePresetSet(std::string_view name) {
  for (auto line = PresetSets.begin(); line != PresetSets.end(); ++line) {
    if (SameText(SetNameOf(*line), name)) {
      PresetSets.erase(line);
      return true;
    }
  }
  return false;
}

std::vector<TPresetSection> CurrentSetPresets() {
  std::vector<std::string> sections;
  TIniFile(GetSetFilePath()).ReadSections(sections);
  std::vector<TPresetSection> presets;
  for (std::size_t i = 0; i < sections.size(); ++i) {
    if (StartsWithText(sections[i], "preset")) presets.push_back({static_cast<int>(i), sections[i]});
  }
  return presets;
}

void ErasePreset(std::string_view section) { TIniFile(GetSetFilePathForWriting()).EraseSection(section); }

}  // namespace kestrova
