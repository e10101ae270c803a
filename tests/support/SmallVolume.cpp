#include "tests/support/SmallVolume.h"

#include <sys/mount.h>

#include <filesystem>

namespace kestrova::test {

SmallVolume::SmallVolume(const std::string& folder, int kib) : path_(folder + "volume/") {
  std::filesystem::create_directory(path_);
  const std::string options = "size=" + std::to_string(kib) + "k";
  mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
}

SmallVolume::~SmallVolume() {
  if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
}

void SmallVolume::Empty() const {
  for (const auto& entry : std::filesystem::directory_iterator(path_)) std::filesystem::remove_all(entry.path());
}

}  // namespace kestrova::test
