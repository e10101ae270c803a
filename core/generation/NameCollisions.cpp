#include "core/generation/NameCollisions.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "core/support/StrLib.h"

namespace kestrova {

namespace {

struct HashedName {
  std::uint64_t hash;
  int image;

  bool operator<(const HashedName& o) const { return hash != o.hash ? hash < o.hash : image < o.image; }
};

// Within images whose names hash alike (in image order), those that repeat the
// name of an earlier one.
void CollisionsAmong(const std::vector<int>& images, const std::function<std::string(int)>& key,
                     std::vector<NameCollision>& collisions) {
  std::unordered_map<std::string, int> first;
  for (int image : images) {
    const auto [earlier, isNew] = first.emplace(key(image), image);
    if (!isNew) collisions.push_back({earlier->second, image});
  }
}

}  // namespace

std::vector<NameCollision> FindNameCollisions(int count, const std::function<std::string(int)>& nameOf,
                                              bool ignoreCase) {
  const auto key = [&](int k) { return ignoreCase ? LowerAscii(nameOf(k)) : nameOf(k); };
  std::vector<HashedName> hashed(static_cast<std::size_t>(std::max(count, 0)));
  for (int k = 0; k < count; ++k) hashed[static_cast<std::size_t>(k)] = {std::hash<std::string>{}(key(k)), k};
  std::sort(hashed.begin(), hashed.end());
  std::vector<NameCollision> collisions;
  std::vector<int> alike;
  for (std::size_t i = 0; i < hashed.size();) {
    std::size_t end = i + 1;
    while (end < hashed.size() && hashed[end].hash == hashed[i].hash) ++end;
    if (end - i > 1) {
      alike.clear();
      for (std::size_t j = i; j < end; ++j) alike.push_back(hashed[j].image);
      CollisionsAmong(alike, key, collisions);
    }
    i = end;
  }
  std::sort(collisions.begin(), collisions.end(),
            [](const NameCollision& a, const NameCollision& b) { return a.later < b.later; });
  return collisions;
}

}  // namespace kestrova
