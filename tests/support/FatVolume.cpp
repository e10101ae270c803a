#include "tests/support/FatVolume.h"

#include <cstdlib>
#include <filesystem>

namespace kestrova::test {

FatVolume::FatVolume(const std::string& folder) : path_(folder + "fat/") {
  std::filesystem::create_directory(path_);
  const std::string image = folder + "fat.img";
  // mkfs.fat lives in /usr/sbin, which a user's PATH may lack; fusefat talks on its output.
  const std::string commands = "PATH=\"$PATH:/usr/sbin:/sbin\"; mkfs.fat -C '" + image + "' 4096 && fusefat -o rw+ '" +
                               image + "' '" + path_ + "'";
  mounted_ = std::system(("{ " + commands + "; } >/dev/null 2>&1").c_str()) == 0;
}

FatVolume::~FatVolume() {
  if (mounted_) std::system(("fusermount -u -z '" + path_ + "' >/dev/null 2>&1").c_str());
}

}  // namespace kestrova::test
