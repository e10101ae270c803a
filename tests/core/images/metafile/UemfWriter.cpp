#include "tests/core/images/metafile/UemfWriter.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "tests/core/images/ImageTestSupport.h"

namespace kestrova::testing {

UemfWriter::UemfWriter(int width, int height) {
  std::string pattern = (std::filesystem::temp_directory_path() / "kestrova-uemf-XXXXXX").string();
  const int fd = mkstemp(pattern.data());
  if (fd >= 0) ::close(fd);
  path_ = pattern;
  emf_start(path_.c_str(), 1 << 16, 1 << 16, &track_);
  emf_htable_create(128, 128, &handles_);
  // The frame in 0.01 mm at 96 DPI; the device 960 x 960 pixels on 254 x 254 mm.
  const U_RECTL frame = Box(0, 0, width * 2540 / 96, height * 2540 / 96);
  const U_RECTL bounds = Box(0, 0, width - 1, height - 1);
  Add(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, sizel_set(960, 960), sizel_set(254, 254), 0));
}

UemfWriter::~UemfWriter() {
  if (track_) emf_free(&track_);
  if (handles_) emf_htable_free(&handles_);
  std::remove(path_.c_str());
}

UemfWriter& UemfWriter::Add(char* record) {
  emf_append(reinterpret_cast<U_ENHMETARECORD*>(record), track_, 1);
  return *this;
}

std::uint32_t UemfWriter::NewBrush(U_COLORREF c) {
  std::uint32_t handle = 0;
  Add(createbrushindirect_set(&handle, handles_, logbrush_set(U_BS_SOLID, c, 0)));
  return handle;
}

UemfWriter& UemfWriter::Brush(U_COLORREF c) { return Add(selectobject_set(NewBrush(c), handles_)); }

UemfWriter& UemfWriter::Pen(U_COLORREF c, int width) {
  std::uint32_t handle = 0;
  Add(createpen_set(&handle, handles_, logpen_set(U_PS_SOLID, point_set(width, 0), c)));
  return Add(selectobject_set(handle, handles_));
}

UemfWriter& UemfWriter::NullPen() { return Add(selectobject_set(U_NULL_PEN, handles_)); }

UemfWriter& UemfWriter::NullBrush() { return Add(selectobject_set(U_NULL_BRUSH, handles_)); }

UemfWriter& UemfWriter::Font(const char* face, int height, int escapement, int orientation, bool underline,
                             bool strikeout) {
  U_LOGFONT font = logfont_set(height, 0, escapement, orientation, U_FW_NORMAL, 0, underline, strikeout, U_ANSI_CHARSET,
                               U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_NONANTIALIASED_QUALITY,
                               U_DEFAULT_PITCH, nullptr);
  for (int i = 0; face[i] && i + 1 < U_LF_FACESIZE; ++i) font.lfFaceName[i] = static_cast<unsigned char>(face[i]);
  std::uint32_t handle = 0;
  Add(extcreatefontindirectw_set(&handle, handles_, reinterpret_cast<char*>(&font), nullptr));
  return Add(selectobject_set(handle, handles_));
}

UemfWriter& UemfWriter::Text(int x, int y, const std::u16string& text, std::vector<std::uint32_t> dx,
                             std::uint32_t graphicsMode, std::uint32_t options, U_RECTL rect) {
  std::vector<std::uint16_t> units(text.begin(), text.end());
  dx.resize(units.size(), 0);
  char* body = emrtext_set(point32_set(x, y), units.size(), 2, units.data(), options, rect, dx.data());
  Add(U_EMREXTTEXTOUTW_set(Box(0, 0, -1, -1), graphicsMode, 1, 1, reinterpret_cast<PU_EMRTEXT>(body)));
  std::free(body);
  return *this;
}

std::vector<std::uint8_t> UemfWriter::Finish() {
  Add(U_EMREOF_set(0, nullptr, track_));
  emf_finish(track_, handles_);
  emf_free(&track_);
  track_ = nullptr;
  return ReadBytes(path_);
}

}  // namespace kestrova::testing

namespace kestrova::testing {

RegionData::RegionData(std::vector<U_RECTL> rects) {
  U_RECTL bound = rects.empty() ? Box(0, 0, 0, 0) : rects.front();
  for (const U_RECTL& r : rects) {
    bound.left = std::min(bound.left, r.left);
    bound.top = std::min(bound.top, r.top);
    bound.right = std::max(bound.right, r.right);
    bound.bottom = std::max(bound.bottom, r.bottom);
  }
  data_ = rgndata_set(rgndataheader_set(rects.size(), bound), rects.data());
}

RegionData::~RegionData() { std::free(data_); }

}  // namespace kestrova::testing
