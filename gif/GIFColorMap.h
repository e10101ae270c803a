#pragma once
// Colour tables of a GIF file: the global table of the header and the local
// table of a frame. Colours are 0x00BBGGRR values (red in the low byte); in
// the file each entry is three bytes: red, green, blue.

#include <array>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "rendering/Color.h"

namespace kestrova {

class TGIFHeader;
class TGIFSubImage;

// Use count of each colour index, as (count, index) pairs.
struct TGIFUsage {
  long long count = 0;
  int index = 0;
};
using TGIFHistogram = std::array<TGIFUsage, 256>;
// New index of each old colour index.
using TGIFColorMapping = std::array<std::uint8_t, 256>;

class TGIFColorMap {
 public:
  static constexpr int kMaxColors = 256;

  virtual ~TGIFColorMap() = default;

  int Count() const { return count_; }
  // The entries are sorted by use (written with the sort flag).
  bool Optimized() const { return optimized_; }
  // 0 for an empty table, 1 for 1 or 2 entries, else the smallest n with 2^n >= Count.
  int BitsPerPixel() const;

  void Clear();
  // Appends a colour; a full table raises "Color table overflow".
  int Add(TColor color);
  // Index of an exact match, -1 when absent. An unsorted table is searched from
  // the last entry down, a sorted one from the first entry up.
  int IndexOf(TColor color) const;
  int AddUnique(TColor color);
  // Removes an entry; the later ones move down. A bad index raises "Invalid color index".
  void Delete(int index);
  // The colour of an entry. A bad index gives the warning "Invalid color index"
  // and entry 0; on an empty table it raises "Color table is empty".
  TColor Colors(int index) const;

  // Replaces the table by the palette's entries (at most 256).
  void ImportPalette(const std::vector<TColor>& palette);
  // Replaces the table by `count` entries read from the stream.
  void ImportFromStream(std::istream& stream, int count);
  std::vector<TColor> ExportPalette() const;
  // The entries, then zero triplets up to 2^BitsPerPixel; nothing when empty.
  void SaveToStream(std::ostream& stream) const;
  void Assign(const TGIFColorMap& source);

  // Sorts the entries by use, most used first, renumbering the pixels of the
  // frames that use the table; when the order changed, unused entries are
  // dropped. False when there was nothing to sort.
  bool Optimize();

  virtual void Warning(int severity, const std::string& message) const = 0;

 protected:
  // Adds each pixel's use to histogram[pixel].count.
  virtual void CountPixels(TGIFHistogram& histogram) const = 0;
  virtual void MapImages(const TGIFColorMapping& map) = 0;
  virtual bool CanOptimize() const { return true; }
  virtual void Changed() = 0;

 private:
  std::array<TColor, kMaxColors> colors_{};
  int count_ = 0;
  bool optimized_ = false;
};

class TGIFGlobalColorMap : public TGIFColorMap {
 public:
  explicit TGIFGlobalColorMap(TGIFHeader* header) : header_(header) {}
  void Warning(int severity, const std::string& message) const override;

 protected:
  // Counts over every frame whose active colour table is this one; the
  // background entry counts as used. Sorting moves the background index along.
  void CountPixels(TGIFHistogram& histogram) const override;
  void MapImages(const TGIFColorMapping& map) override;
  bool CanOptimize() const override;
  void Changed() override;

 private:
  // The entry the background colour comes from (entry 0 for an index past the table).
  int BackgroundEntry() const;

  TGIFHeader* header_;
};

class TGIFLocalColorMap : public TGIFColorMap {
 public:
  explicit TGIFLocalColorMap(TGIFSubImage* subImage) : subImage_(subImage) {}
  void Warning(int severity, const std::string& message) const override;

 protected:
  void CountPixels(TGIFHistogram& histogram) const override;
  void MapImages(const TGIFColorMapping& map) override;
  void Changed() override;

 private:
  TGIFSubImage* subImage_;
};

}  // namespace kestrova
