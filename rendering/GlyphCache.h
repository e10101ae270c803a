#pragma once
// What one size of a face keeps of its glyphs once rendered (or measured),
// within a budget of bytes: past the budget the glyphs used least recently
// go, one at a time, so that text using some glyphs again and again keeps
// them however many others pass through.

#include <cstddef>
#include <array>
#include <cstdint>
#include <functional>
#include <list>
#include <unordered_map>
#include <utility>

namespace kestrova {

// A glyph: a character (or the face's glyph number), turned by tenths of a
// degree and widened by permille / 1000.
struct GlyphKey {
  bool byIndex = false;
  std::uint32_t code = 0;
  int tenths = 0;
  int permille = 1000;
  friend bool operator==(const GlyphKey&, const GlyphKey&) = default;
};

template <typename Value>
class GlyphCache {
 public:
  explicit GlyphCache(std::size_t budget) : budget_(budget) {}

  // The value kept for the key, which becomes the one used most recently;
  // null when none is kept.
  const Value* Find(const GlyphKey& key) {
    typename Entries::iterator entry;
    if (LatinEntry* slot = LatinSlot(key); slot && slot->kept) {
      entry = slot->entry;
    } else {
      const auto found = index_.find(key);
      if (found == index_.end()) return nullptr;
      entry = found->second;
    }
    entries_.splice(entries_.begin(), entries_, entry);
    return &entry->value;
  }

  // Keeps the value (taking `bytes` of the budget) as the one used most
  // recently, letting the least recently used go first while the budget would
  // be passed. The reference lasts until the next value is kept.
  const Value& Keep(const GlyphKey& key, Value value, std::size_t bytes) {
    if (const auto found = index_.find(key); found != index_.end()) Drop(found->second);
    while (!entries_.empty() && bytes_ + bytes > budget_) Drop(std::prev(entries_.end()));
    entries_.push_front(Entry{key, std::move(value), bytes});
    index_.emplace(key, entries_.begin());
    if (LatinEntry* slot = LatinSlot(key)) *slot = LatinEntry{true, entries_.begin()};
    bytes_ += bytes;
    return entries_.front().value;
  }

  std::size_t Bytes() const { return bytes_; }

 private:
  struct Entry {
    GlyphKey key;
    Value value;
    std::size_t bytes;
  };
  struct KeyHash {
    std::size_t operator()(const GlyphKey& k) const {
      const std::uint64_t a = (std::uint64_t{k.code} << 1) | k.byIndex;
      const std::uint64_t b = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(k.tenths)) << 32) |
                              static_cast<std::uint32_t>(k.permille);
      return std::hash<std::uint64_t>()(a * 0x9E3779B97F4A7C15ull ^ b);
    }
  };
  using Entries = std::list<Entry>;

  // Upright glyphs of the first 256 characters, the letters of most
  // captions, are found without hashing.
  struct LatinEntry {
    bool kept = false;
    typename Entries::iterator entry{};
  };
  LatinEntry* LatinSlot(const GlyphKey& key) {
    const bool latin = !key.byIndex && key.code < latin_.size() && key.tenths == 0 && key.permille == 1000;
    return latin ? &latin_[key.code] : nullptr;
  }

  void Drop(typename Entries::iterator entry) {
    if (LatinEntry* slot = LatinSlot(entry->key)) slot->kept = false;
    bytes_ -= entry->bytes;
    index_.erase(entry->key);
    entries_.erase(entry);
  }

  std::size_t budget_;
  std::size_t bytes_ = 0;
  Entries entries_;  // the most recently used first
  std::unordered_map<GlyphKey, typename Entries::iterator, KeyHash> index_;
  std::array<LatinEntry, 256> latin_{};
};

}  // namespace kestrova
