#include "ui/model/lists/IconList.h"

#include "core/support/FileAccess.h"
#include "core/support/FilePaths.h"
#include "core/support/ProgramFolders.h"
#include "core/support/StrLib.h"
#include "core/support/TextEncoding.h"
#include "core/support/TextFiles.h"

namespace kestrova {

std::string IconListFolder() { return WritableFolder(); }

namespace {

constexpr std::string_view kIconListFile = "bullets.ini";

}  // namespace

std::string IconListFileName() { return IconListFolder() + std::string(kIconListFile); }

std::string IconListFileForReading() { return ProgramFileForReading(kIconListFile); }

bool ReadIconList(const std::string& fileName, std::vector<std::string>& list) {
  std::string text;
  if (ReadTextFile(fileName, text) != ReadStatus::Ok) return false;
  std::vector<std::string> entries;
  for (const std::string& line : SplitLines(text)) {
    entries.push_back(PathFromFile(TrimControls(line)));
  }
  list = std::move(entries);
  return true;
}

bool WriteIconList(const std::string& fileName, const std::vector<std::string>& list, std::string* reason) {
  return WriteTextFile(fileName, list, reason);
}

std::string IconEntryFor(const std::string& fileName, const std::string& folder) {
  return MakeRelativePath(folder, FolderOf(fileName)) + FileNameOf(fileName);
}

std::string ResolveIconEntry(const std::string& entry, const std::string& folder) {
  const std::string path = MakeRelativePath(folder, FolderOf(entry)) + FileNameOf(entry);
  if (path.starts_with('/')) return path;
  // Resolved in the text: on a first run the folder does not exist yet, and
  // the system cannot walk ".." through a missing folder.
  const std::string own = PathInFolder(folder, path);
  if (FileExists(own)) return own;
  const std::string shipped = FindResourceFile(path);
  return shipped.empty() ? own : shipped;
}

}  // namespace kestrova
