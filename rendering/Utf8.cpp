#include "rendering/Utf8.h"

namespace kestrova {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Length of the sequence a lead byte starts and the bits it contributes; 0 when
// the byte cannot start a sequence.
int SequenceLength(unsigned char lead, char32_t& bits) {
  if (lead < 0x80) {
    bits = lead;
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    bits = lead & 0x1F;
    return 2;
  }
  if (lead >= 0xE0 && lead <= 0xEF) {
    bits = lead & 0x0F;
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    bits = lead & 0x07;
    return 4;
  }
  return 0;
}

bool IsWellFormed(char32_t cp, int length) {
  static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  return cp >= kMinimum[length] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    char32_t cp = 0;
    const int length = SequenceLength(static_cast<unsigned char>(text[i]), cp);
    bool ok = length > 0 && i + length <= text.size();
    for (int k = 1; ok && k < length; ++k) {
      const auto byte = static_cast<unsigned char>(text[i + k]);
      ok = (byte & 0xC0) == 0x80;
      cp = (cp << 6) | (byte & 0x3F);
    }
    if (ok && IsWellFormed(cp, length)) {
      out.push_back(cp);
      i += length;
    } else {
      out.push_back(kReplacement);
      ++i;
    }
  }
  return out;
}

}  // namespace kestrova
