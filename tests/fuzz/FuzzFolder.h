#pragma once
// A private folder for the files a fuzz target hands to a reader that takes a
// file name; made at the first call, removed at exit. Ends in "/".

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace kestrova::fuzz {

inline const std::string& PrivateFolder() {
  struct Folder {
    Folder() {
      std::string pattern = (std::filesystem::temp_directory_path() / "kestrova-fuzz-XXXXXX").string();
      if (::mkdtemp(pattern.data()) == nullptr) std::abort();
      path = pattern + "/";
    }
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
    std::string path;
  };
  static const Folder folder;
  return folder.path;
}

}  // namespace kestrova::fuzz
