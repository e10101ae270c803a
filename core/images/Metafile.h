#pragma once
// A Windows metafile held in memory: the 16-bit kind (with or without the
// placeable header) or an enhanced metafile. Its size comes from the header at
// 96 DPI; drawing plays the records through the canvas.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>
#include <vector>

#include "core/images/EmfPlayer.h"
#include "core/images/WmfPlayer.h"
#include "rendering/Canvas.h"

namespace kestrova {

class MetafilePicture {
 public:
  // Checks the header and the length of every record; raises ImageFileError.
  static MetafilePicture Load(std::vector<std::uint8_t> bytes);

  int Width() const { return enhanced_ ? emf_.width : wmf_.width; }
  int Height() const { return enhanced_ ? emf_.height : wmf_.height; }

  // Plays the records onto the canvas, the picture filling (0, 0, Width, Height).
  // Raises ImageFileError for a record too short for what it holds.
  void Draw(TCanvas& canvas) const;

 private:
  std::vector<std::uint8_t> bytes_;
  bool enhanced_ = false;
  EmfLayout emf_;
  WmfLayout wmf_;
};

// How many first bytes tell a metafile (enhanced or 16-bit); MetafilePicture::Load
// refuses a file that does not start like one with "Not a metafile".
inline constexpr std::size_t kMetafileSignatureSize = 44;

// The bytes of a metafile read from the stream's position as far as its end
// record: its headers, then record after record. Reading stops early at a
// file that does not start like a metafile, at a record whose length is
// broken and at the file's end; MetafilePicture::Load then refuses the bytes.
std::vector<std::uint8_t> ReadMetafileBytes(std::istream& file);

// The picture of a metafile file's bytes: a 24-bit bitmap of the metafile's
// size, white where the metafile draws nothing.
Bitmap RenderMetafile(std::vector<std::uint8_t> bytes);

}  // namespace kestrova
