#pragma once
// Output images that a run saves under a name an earlier image has. The names
// are compared through a hash of each, so that a run of many images holds a
// few bytes per image rather than every name; only names whose hashes meet
// are made again and compared.

#include <functional>
#include <string>
#include <vector>

namespace kestrova {

// Image `later` of a run is saved under the file name of image `earlier`.
struct NameCollision {
  int earlier;
  int later;

  bool operator==(const NameCollision&) const = default;
};

// The images k in [0, count) whose name nameOf(k) an earlier image has, each
// with the first image of that name, in the order of the later image. With
// `ignoreCase` ASCII letters compare without case (output names hold no other
// letters).
std::vector<NameCollision> FindNameCollisions(int count, const std::function<std::string(int)>& nameOf,
                                              bool ignoreCase);

}  // namespace kestrova
