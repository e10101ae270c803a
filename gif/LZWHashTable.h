#pragma once
// The LZW encoder's string table: an open-addressed table of 8009 slots, each
// holding (key << 12) | code, where key = (prefix code << 8) | pixel. A free
// slot has all of its upper 20 bits set; clearing fills every byte with 0xFF.

#include <array>
#include <cstdint>
#include <cstring>

namespace kestrova {

class THashTable {
 public:
  static constexpr int kSize = 8009;
  static constexpr int kAbsent = 0xFFFF;

  THashTable() { Clear(); }

  void Clear() { std::memset(slots_.data(), 0xFF, sizeof(slots_)); }

  void Insert(std::uint32_t key, int code) {
    int h = Hash(key);
    while (InUse(slots_[h])) h = NextSlot(h);
    slots_[h] = (key << 12) | (static_cast<std::uint32_t>(code) & 0xFFF);
  }

  // The code stored for key, or kAbsent.
  int Lookup(std::uint32_t key) const {
    const std::uint32_t wanted = key << 12;
    int h = Hash(key);
    for (;;) {
      const std::uint32_t slot = slots_[h];
      if (!InUse(slot)) return kAbsent;
      if ((slot & ~std::uint32_t{0xFFF}) == wanted) return static_cast<int>(slot & 0xFFF);
      h = NextSlot(h);
    }
  }

 private:
  static int Hash(std::uint32_t key) { return static_cast<int>(((key >> 4) ^ key) % kSize); }
  // 2h mod kSize for h > 0, and kSize - 1 for h = 0.
  static int NextSlot(int h) {
    const int d = h == 0 ? 1 : kSize - h;
    h -= d;
    return h < 0 ? h + kSize : h;
  }
  static bool InUse(std::uint32_t slot) { return (slot & 0xFFFFF000u) != 0xFFFFF000u; }

  std::array<std::uint32_t, kSize> slots_;
};

}  // namespace kestrova
