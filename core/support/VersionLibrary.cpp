#include "core/support/VersionLibrary.h"

#include <dlfcn.h>

#include "core/support/FilePaths.h"
#include "core/support/ProgramFolders.h"

namespace kestrova {

namespace {

template <class Function>
Function Lookup(void* handle, const char* name) {
  return reinterpret_cast<Function>(::dlsym(handle, name));
}

}  // namespace

std::optional<TVersionLibrary> LoadVersionLibrary(const std::string& path) {
  if (path.empty() || path.front() != '/') return std::nullopt;
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return std::nullopt;
  TVersionLibrary library;
  library.Status = Lookup<TVersionLibrary::StatusFunction>(handle, "Status");
  library.Answer = Lookup<TVersionLibrary::AnswerFunction>(handle, "Answer");
  library.Query = Lookup<TVersionLibrary::QueryFunction>(handle, "Query");
  if (library.Status == nullptr || library.Answer == nullptr || library.Query == nullptr) return std::nullopt;
  return library;
}

std::string VersionLibraryPath() {
  const std::string executable = ExecutablePath();
  if (executable.empty()) return {};
  return FolderOf(executable) + kVersionLibraryFile;
}

}  // namespace kestrova
