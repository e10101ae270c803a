// The product version as a fixed-file-info block inside the executable:
// thirteen little-endian 32-bit words starting with the signature 0xFEEF04BD,
// the layout that executables of the original platform carry in their version
// resource. GetFileVersionText finds it by scanning the file.

#include <cstdint>

#ifndef KESTROVA_VERSION
#define KESTROVA_VERSION "0.0.0.0"
#endif

namespace {

// The `index`-th number (0..3) of a version text "a.b.c.d"; missing parts are 0.
constexpr std::uint32_t VersionPart(const char* text, int index) {
  while (index > 0 && *text != '\0') {
    if (*text++ == '.') --index;
  }
  std::uint32_t value = 0;
  for (; index == 0 && *text >= '0' && *text <= '9'; ++text) value = value * 10 + static_cast<std::uint32_t>(*text - '0');
  return index == 0 ? value : 0;
}

constexpr std::uint32_t kMS = (VersionPart(KESTROVA_VERSION, 0) << 16) | (VersionPart(KESTROVA_VERSION, 1) & 0xFFFF);
constexpr std::uint32_t kLS = (VersionPart(KESTROVA_VERSION, 2) << 16) | (VersionPart(KESTROVA_VERSION, 3) & 0xFFFF);

}  // namespace

// The block sits in a version-information record as executables of the original
// platform carry it: a 6-byte header, the UTF-16 key "VS_VERSION_INFO", padding
// to 32 bits, then the fixed file information. GetFileVersionText looks for the
// key and the signature together, so a stray signature elsewhere is not taken.
struct VersionRecord {
  std::uint16_t length;
  std::uint16_t valueLength;
  std::uint16_t type;
  char16_t key[16];
  std::uint16_t padding;
  std::uint32_t value[13];
};
static_assert(sizeof(VersionRecord) == 92, "the record is packed by natural alignment");

// The linker is told to keep this symbol in every program that links the core.
extern "C" __attribute__((used, aligned(4))) const VersionRecord kestrova_version_block = {
    92, 52, 0, u"VS_VERSION_INFO", 0,
    {
        0xFEEF04BDu,  // signature
        0x00010000u,  // structure version 1.0
        kMS,          // file version
        kLS,
        kMS,  // product version
        kLS,
        0x3Fu,  // valid flag bits
        0u,     // flags
        0u,     // operating system: unspecified
        1u,     // file type: application
        0u,     // subtype
        0u,     // date
        0u,
    }};
