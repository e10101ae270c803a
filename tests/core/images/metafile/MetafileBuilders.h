#pragma once
// Metafiles written record by record for the metafile tests: the 16-bit
// kind (WmfBuilder.h), the enhanced kind, and a small bitmap to copy.

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "rendering/Geometry.h"
#include "rendering/Color.h"
#include "tests/core/images/ImageTestSupport.h"
#include "tests/core/images/metafile/WmfBuilder.h"

namespace kestrova::testing {

inline std::vector<std::uint8_t> Dib2x2() {
  ByteWriter d;
  d.U32(40).U32(2).U32(2).U16(1).U16(24).U32(0).U32(16).U32(0).U32(0).U32(0).U32(0);
  d.Raw({0, 0, 255, 0, 255, 0, 0, 0});    // bottom row: red, green
  d.Raw({255, 0, 0, 255, 255, 255, 0, 0});  // top row: blue, white
  return d.bytes;
}

// Writes an enhanced metafile: a header with the given bounds and frame on a
// 1024 x 768 pixel, 320 x 240 mm reference device, the records, the end record.
class EmfBuilder {
 public:
  EmfBuilder(const TRect& bounds, const TRect& frame) : bounds_(bounds), frame_(frame) {}

  // A record of 32-bit fields after its type and size, then raw bytes.
  EmfBuilder& Record(std::uint32_t type, std::initializer_list<std::int64_t> fields,
                     const std::vector<std::uint8_t>& tail = {}) {
    ByteWriter r;
    r.U32(type).U32(static_cast<std::uint32_t>(8 + 4 * fields.size() + tail.size()));
    for (std::int64_t f : fields) r.U32(static_cast<std::uint32_t>(f));
    r.bytes.insert(r.bytes.end(), tail.begin(), tail.end());
    records_.insert(records_.end(), r.bytes.begin(), r.bytes.end());
    return *this;
  }

  // The same for fields in a list made at run time.
  EmfBuilder& RecordFields(std::uint32_t type, const std::vector<std::int64_t>& fields) {
    ByteWriter r;
    r.U32(type).U32(static_cast<std::uint32_t>(8 + 4 * fields.size()));
    for (std::int64_t f : fields) r.U32(static_cast<std::uint32_t>(f));
    records_.insert(records_.end(), r.bytes.begin(), r.bytes.end());
    return *this;
  }

  std::vector<std::uint8_t> Build() const {
    ByteWriter w;
    w.U32(1).U32(88);
    for (const TRect& r : {bounds_, frame_}) {
      w.U32(static_cast<std::uint32_t>(r.left)).U32(static_cast<std::uint32_t>(r.top));
      w.U32(static_cast<std::uint32_t>(r.right)).U32(static_cast<std::uint32_t>(r.bottom));
    }
    w.U32(0x464D4520).U32(0x10000).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);
    w.U32(1024).U32(768).U32(320).U32(240);
    w.bytes.insert(w.bytes.end(), records_.begin(), records_.end());
    w.U32(14).U32(20).U32(0).U32(0).U32(20);  // end record
    w.PatchU32(48, static_cast<std::uint32_t>(w.bytes.size()));
    return w.bytes;
  }

 private:
  TRect bounds_, frame_;
  std::vector<std::uint8_t> records_;
};

}  // namespace kestrova::testing
