#pragma once
// 16-bit metafiles written by libUEMF (independent software) for the
// metafile tests: a placeable header of 96 units an inch, so that one
// logical unit is one pixel of a w x h picture.

#include <uwmf.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/core/images/ImageTestSupport.h"

namespace kestrova::testing {

class UwmfWriter {
 public:
  UwmfWriter(int width, int height);
  ~UwmfWriter();
  UwmfWriter(const UwmfWriter&) = delete;
  UwmfWriter& operator=(const UwmfWriter&) = delete;

  // Appends a record made by one of the library's U_WMR..._set functions.
  UwmfWriter& Add(char* record);
  // Makes and selects a pen or a brush (the one it replaces is deleted: the
  // slots of a 16-bit file are few).
  UwmfWriter& Pen(std::uint16_t style, int width, U_COLORREF color);
  UwmfWriter& Brush(std::uint16_t style, U_COLORREF color, std::uint16_t hatch = 0);
  // The finished file's bytes.
  std::vector<std::uint8_t> Finish();

 private:
  void Replace(std::uint32_t& slot, std::uint32_t made);

  TempDir folder_;
  std::string path_;
  WMFTRACK* track_ = nullptr;
  WMFHANDLES* handles_ = nullptr;
  std::uint32_t pen_ = 0, brush_ = 0;
};

inline U_RECT16 Rect16(int l, int t, int r, int b) {
  return U_RECT16{std::int16_t(l), std::int16_t(t), std::int16_t(r), std::int16_t(b)};
}

}  // namespace kestrova::testing
