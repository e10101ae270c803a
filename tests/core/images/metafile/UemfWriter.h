#pragma once
// Enhanced metafiles written by libUEMF (independent software) for the
// metafile tests: a picture of w x h pixels on a 96 DPI reference device,
// so that one logical unit is one pixel until the records say otherwise.

#include <uemf.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kestrova::testing {

class UemfWriter {
 public:
  UemfWriter(int width, int height);
  ~UemfWriter();
  UemfWriter(const UemfWriter&) = delete;
  UemfWriter& operator=(const UemfWriter&) = delete;

  // Appends a record made by one of the library's U_EMR..._set functions.
  UemfWriter& Add(char* record);
  // Selects a new solid brush, a pen (0 wide: one pixel) or the null pen.
  UemfWriter& Brush(U_COLORREF color);
  UemfWriter& Pen(U_COLORREF color, int width = 0);
  UemfWriter& NullPen();
  // A new solid brush, not selected: its handle.
  std::uint32_t NewBrush(U_COLORREF color);
  UemfWriter& NullBrush();
  // Selects a monochrome font of the face: height (negative: em height),
  // escapement and orientation in tenths of a degree, underline, strikeout.
  UemfWriter& Font(const char* face, int height, int escapement = 0, int orientation = 0, bool underline = false,
                   bool strikeout = false);
  // ExtTextOutW at the reference point with the distances to each next
  // character, in the graphics mode given (U_GM_COMPATIBLE, U_GM_ADVANCED),
  // with the options and their rectangle.
  UemfWriter& Text(int x, int y, const std::u16string& text, std::vector<std::uint32_t> dx,
                   std::uint32_t graphicsMode = U_GM_COMPATIBLE, std::uint32_t options = 0,
                   U_RECTL rect = rectl_set(point32_set(0, 0), point32_set(-1, -1)));
  EMFHANDLES* Handles() { return handles_; }
  // The finished file's bytes.
  std::vector<std::uint8_t> Finish();

 private:
  std::string path_;
  EMFTRACK* track_ = nullptr;
  EMFHANDLES* handles_ = nullptr;
};

// libUEMF's colour from red, green, blue.
inline U_COLORREF Rgb(int r, int g, int b) { return colorref3_set(r, g, b); }

inline U_RECTL Box(int l, int t, int r, int b) { return rectl_set(point32_set(l, t), point32_set(r, b)); }

// Region data of the rectangles (freed when it goes).
class RegionData {
 public:
  explicit RegionData(std::vector<U_RECTL> rects);
  ~RegionData();
  RegionData(const RegionData&) = delete;
  RegionData& operator=(const RegionData&) = delete;
  PU_RGNDATA Get() const { return data_; }

 private:
  PU_RGNDATA data_;
};

}  // namespace kestrova::testing
