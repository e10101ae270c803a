#include "tests/core/images/metafile/UwmfWriter.h"

#include <cstdlib>

namespace kestrova::testing {

UwmfWriter::UwmfWriter(int width, int height) : path_(folder_.File("picture.wmf")) {
  wmf_start(path_.c_str(), 1 << 16, 1 << 16, &track_);
  wmf_htable_create(128, 128, &handles_);
  U_PAIRF* inches = U_PAIRF_set(width / 96.0f, height / 96.0f);
  wmf_header_append(reinterpret_cast<U_METARECORD*>(U_WMRHEADER_set(inches, 96)), track_, 1);
  std::free(inches);
}

UwmfWriter::~UwmfWriter() {
  if (track_) wmf_free(&track_);
  if (handles_) wmf_htable_free(&handles_);
}

UwmfWriter& UwmfWriter::Add(char* record) {
  wmf_append(reinterpret_cast<U_METARECORD*>(record), track_, 1);
  return *this;
}

void UwmfWriter::Replace(std::uint32_t& slot, std::uint32_t made) {
  Add(wselectobject_set(made, handles_));
  if (slot) Add(wdeleteobject_set(&slot, handles_));
  slot = made;
}

UwmfWriter& UwmfWriter::Pen(std::uint16_t style, int width, U_COLORREF color) {
  std::uint32_t made = 0;
  Add(wcreatepenindirect_set(&made, handles_, U_PEN_set(style, static_cast<std::uint16_t>(width), color)));
  Replace(pen_, made);
  return *this;
}

UwmfWriter& UwmfWriter::Brush(std::uint16_t style, U_COLORREF color, std::uint16_t hatch) {
  std::uint32_t made = 0;
  Add(wcreatebrushindirect_set(&made, handles_, U_WLOGBRUSH_set(style, color, hatch)));
  Replace(brush_, made);
  return *this;
}

std::vector<std::uint8_t> UwmfWriter::Finish() {
  Add(U_WMREOF_set());
  wmf_finish(track_);
  wmf_free(&track_);
  track_ = nullptr;
  return ReadBytes(path_);
}

}  // namespace kestrova::testing
