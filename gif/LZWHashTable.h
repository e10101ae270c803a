#pragma once
// The LZW encoder's string table: an open-addressed table of 8192 slots, each
// holding (key << 12) | code, where key = (prefix code << 8) | pixel. A free
// slot has all of its upper 20 bits set; clearing fills every byte with 0xFF.
// A power-of-two size keeps the hash and the linear probe to a mask, which is
// the encoder's critical path; the table only maps strings to codes, so its
// layout does not show in the output.

#include <array>
#include <cstdint>
#include <cstring>

namespace kestrova {

class THashTable {
 public:
  static constexpr int kSize = 8192;
  static constexpr int kAbsent = 0xFFFF;

  THashTable() { Clear(); }

  void Clear() { std::memset(slots_.data(), 0xFF, sizeof(slots_)); }

  void Insert(std::uint32_t key, int code) {
    int slot = 0;
    if (Find(key, slot) == kAbsent) Store(slot, key, code);
  }

  // The code stored for key, or kAbsent.
  int Lookup(std::uint32_t key) const {
    int slot = 0;
    return Find(key, slot);
  }

  // As Lookup; when the key is absent, `slot` is where Insert would put it,
  // so that Store can follow without a second search.
  int Find(std::uint32_t key, int& slot) const {
    const std::uint32_t wanted = key << 12;
    int h = Hash(key);
    for (;;) {
      const std::uint32_t entry = slots_[h];
      if (!InUse(entry)) {
        slot = h;
        return kAbsent;
      }
      if ((entry & ~std::uint32_t{0xFFF}) == wanted) return static_cast<int>(entry & 0xFFF);
      h = NextSlot(h);
    }
  }
  void Store(int slot, std::uint32_t key, int code) {
    slots_[slot] = (key << 12) | (static_cast<std::uint32_t>(code) & 0xFFF);
  }

 private:
  static int Hash(std::uint32_t key) { return static_cast<int>(((key >> 12) ^ key) & (kSize - 1)); }
  static int NextSlot(int h) { return (h + 1) & (kSize - 1); }
  static bool InUse(std::uint32_t slot) { return (slot & 0xFFFFF000u) != 0xFFFFF000u; }

  std::array<std::uint32_t, kSize> slots_;
};

}  // namespace kestrova
