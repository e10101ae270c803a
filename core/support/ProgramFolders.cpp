#include "core/support/ProgramFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "core/support/FileAccess.h"

#ifndef KESTROVA_DATADIR
#define KESTROVA_DATADIR "/usr/local/share/kestrova"
#endif

namespace kestrova {

namespace {

std::mutex gFoldersMutex;
std::vector<std::string> gResourceFolders;  // empty: the built-in ones

std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) return pw->pw_dir;
  return "/tmp";
}

}  // namespace

std::string ExecutablePath() {
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

std::string WritableFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  // Only an absolute path counts; anything else falls back to the default.
  const std::string base = (config != nullptr && config[0] == '/') ? config : HomeFolder() + "/.config";
  return WithSeparator(base) + "kestrova/";
}

bool EnsureWritableFolder(std::string* reason) {
  // Missing folders are made private to the user, as configuration folders should be.
  const std::string folder = WritableFolder();
  int error = ENOTDIR;  // what stands in the way when no mkdir fails
  for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1)) {
    if (::mkdir(folder.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST) error = errno;
  }
  if (FolderExists(folder)) return true;
  if (reason) *reason = SystemErrorText(error);
  return false;
}

std::vector<std::string> ResourceFolders() {
  {
    std::lock_guard lock(gFoldersMutex);
    if (!gResourceFolders.empty()) return gResourceFolders;
  }
  return ResourceFoldersOf(ExecutablePath());
}

std::vector<std::string> ResourceFoldersOf(const std::string& executable) {
  std::vector<std::string> folders;
  const auto add = [&folders](std::string folder) {
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(std::move(folder));
  };
  if (!executable.empty()) {
    const std::filesystem::path own = std::filesystem::path(executable).parent_path();
    add(WithSeparator(own.string()));
    add(WithSeparator((own.parent_path() / "share" / "kestrova").lexically_normal().string()));
  }
  add(WithSeparator(KESTROVA_DATADIR));
  return folders;
}

void SetResourceFolders(std::vector<std::string> folders) {
  for (auto& f : folders) f = WithSeparator(std::move(f));
  std::lock_guard lock(gFoldersMutex);
  gResourceFolders = std::move(folders);
}

std::string FindResourceFile(std::string_view name) {
  for (const std::string& folder : ResourceFolders()) {
    const std::string path = folder + std::string(name);
    if (FileExists(path)) return path;
  }
  return {};
}

std::string ProgramFileForReading(std::string_view name) {
  const std::string own = WritableFolder() + std::string(name);
  if (name.empty() || FileExists(own)) return own;
  const std::string shipped = FindResourceFile(name);
  return shipped.empty() ? own : shipped;
}

bool ProgramFileForWriting(std::string_view name, std::string& path, std::string* reason) {
  path = WritableFolder() + std::string(name);
  if (!EnsureWritableFolder(reason)) return false;
  if (name.empty() || FileExists(path)) return true;
  const std::string shipped = FindResourceFile(name);
  return shipped.empty() || CopyFileAtomically(shipped, path, reason);
}

}  // namespace kestrova
