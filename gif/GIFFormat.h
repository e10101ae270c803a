#pragma once
// How GIF files are known to the rest of the program: the file extension and
// description they are listed under, the bytes a GIF file starts with, and the
// name the GIF data goes under on the clipboard.

#include <cstddef>
#include <cstdint>
#include <span>

namespace kestrova {

inline constexpr char kGIFFileExtension[] = ".GIF";
inline constexpr char kGIFDescription[] = "GIF Image";
// The clipboard names formats by their media type.
inline constexpr char kGIFClipboardFormat[] = "image/gif";
// The clipboard's picture (which the clipboard offers in the picture formats it knows).
inline constexpr char kBitmapClipboardFormat[] = "image/bmp";

// "GIF", in any case, at these three bytes.
bool IsGIFSignature(const std::uint8_t* bytes);
// How many first bytes tell a GIF file: its signature stands at the start or
// 4 bytes later.
inline constexpr std::size_t kGIFSignatureSize = 10;
// Whether a file that starts with `head` (kGIFSignatureSize bytes) can be read
// as GIF; the reader refuses any other with "Invalid GIF signature".
bool HasGIFSignature(std::span<const std::uint8_t> head);

}  // namespace kestrova
