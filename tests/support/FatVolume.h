#pragma once
// A small FAT volume mounted through FUSE, as a desktop mounts a USB stick:
// names are compared without case, no unnamed file can be made and chmod is
// refused ("Function not implemented").

#include <string>

namespace kestrova::test {

class FatVolume {
 public:
  // Makes the volume's image in `folder` (ending in "/") and mounts it at
  // <folder>fat/ with fusefat; Mounted() tells whether that worked (it needs
  // mkfs.fat, fusefat and /dev/fuse).
  explicit FatVolume(const std::string& folder);
  // Unmounts the volume.
  ~FatVolume();
  FatVolume(const FatVolume&) = delete;
  FatVolume& operator=(const FatVolume&) = delete;

  bool Mounted() const { return mounted_; }
  // The volume's root, ending in "/".
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  bool mounted_ = false;
};

}  // namespace kestrova::test
