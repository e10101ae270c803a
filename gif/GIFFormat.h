#pragma once
// How GIF files are known to the rest of the program: the file extension and
// description they are listed under, the bytes a GIF file starts with, and the
// name the GIF data goes under on the clipboard.

#include <cstdint>

namespace kestrova {

inline constexpr char kGIFFileExtension[] = ".GIF";
inline constexpr char kGIFDescription[] = "GIF Image";
// The clipboard names formats by their media type.
inline constexpr char kGIFClipboardFormat[] = "image/gif";
// The clipboard's picture (which the clipboard offers in the picture formats it knows).
inline constexpr char kBitmapClipboardFormat[] = "image/bmp";

// "GIF", in any case, at these three bytes.
bool IsGIFSignature(const std::uint8_t* bytes);

}  // namespace kestrova
