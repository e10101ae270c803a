#pragma once
// A private folder for the files a fuzz target writes (its readers take file
// names), made at the first call and removed at exit.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace kestrova::fuzz {

class PrivateFolder {
 public:
  PrivateFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kestrova-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern + "/";
  }
  ~PrivateFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
  // The folder, ending in "/".
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The folder of this fuzz target.
inline const std::string& Folder() {
  static const PrivateFolder folder;
  return folder.Path();
}

}  // namespace kestrova::fuzz
