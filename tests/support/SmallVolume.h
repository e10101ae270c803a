#pragma once
// A tmpfs volume of a few KiB, to fill as a full disk fills. Mounting one
// needs root (the tests run as root where they can); elsewhere Mounted()
// is false and the test skips.

#include <string>

namespace kestrova::test {

class SmallVolume {
 public:
  // Mounts a volume of `kib` KiB at <folder>volume/ (`folder` ends in "/").
  SmallVolume(const std::string& folder, int kib);
  // Unmounts it, with whatever it holds.
  ~SmallVolume();
  SmallVolume(const SmallVolume&) = delete;
  SmallVolume& operator=(const SmallVolume&) = delete;

  bool Mounted() const { return mounted_; }
  // The volume's root, ending in "/".
  const std::string& Path() const { return path_; }
  // Removes everything on it.
  void Empty() const;

 private:
  std::string path_;
  bool mounted_ = false;
};

}  // namespace kestrova::test
