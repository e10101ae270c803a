#include "core/support/FilePaths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/support/StrLib.h"

namespace kestrova {

namespace {

std::size_t FolderLength(std::string_view path) {
  const auto last = path.find_last_of("/\\:");
  return last == std::string_view::npos ? 0 : last + 1;
}

char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

std::string FolderOf(std::string_view path) { return std::string(path.substr(0, FolderLength(path))); }

std::string FileNameOf(std::string_view path) { return std::string(path.substr(FolderLength(path))); }

std::string_view ExtensionOf(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  return dot == std::string_view::npos || dot < FolderLength(path) ? std::string_view() : path.substr(dot);
}

bool HasFolder(std::string_view path) { return FolderLength(path) > 0; }

std::string MakeRelativePath(std::string_view base, std::string_view target) {
  if (base.empty() || target.empty()) return std::string(target);
  std::string baseFolder(base);
  if (!IsPathSeparator(baseFolder.back())) {
    baseFolder += baseFolder.find('\\') != std::string::npos && baseFolder.find('/') == std::string::npos ? '\\' : '/';
  }
  const bool sameFolder = SameText(baseFolder, target) ||
                          (target.size() + 1 == baseFolder.size() && StartsWithText(baseFolder, target));
  if (sameFolder) return {};
  if (LowerChar(baseFolder.front()) != LowerChar(target.front())) return std::string(target);

  // The common leading part, cut back to the end of its last folder.
  const std::size_t limit = std::min(baseFolder.size(), target.size());
  std::size_t same = 0;
  while (same < limit && LowerChar(baseFolder[same]) == LowerChar(target[same])) ++same;
  std::size_t common = 0;
  for (std::size_t i = 0; i < same; ++i) {
    if (IsPathSeparator(baseFolder[i])) common = i + 1;
  }

  std::string result;
  for (std::size_t i = common; i < baseFolder.size(); ++i) {
    if (IsPathSeparator(baseFolder[i])) result += std::string("..") + baseFolder[i];
  }
  result += target.substr(common);
  return result;
}

std::string PathInFolder(std::string_view folder, std::string_view path) {
  std::string full(path);
  if (!full.starts_with('/')) {
    full = std::string(folder);
    if (!full.empty() && !IsPathSeparator(full.back())) full += '/';
    full += path;
  }
  return std::filesystem::path(full).lexically_normal().string();
}

std::string AbsolutePath(std::string_view path) {
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  return error ? std::string(path) : PathInFolder(current.string(), path);
}

}  // namespace kestrova
