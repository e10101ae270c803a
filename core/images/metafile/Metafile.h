#pragma once
// Windows metafiles: the 16-bit kind (with or without the placeable header)
// and enhanced metafiles. Their size comes from the header at 96 DPI;
// drawing plays the records through the canvas as they are read from the
// file, so a record that is not played is never held in memory.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "rendering/Bitmap.h"
#include "rendering/Canvas.h"

namespace kestrova {

// A metafile read from a stream that stays open while it is drawn.
class MetafileReader {
 public:
  // Reads the headers from the stream's position (for a 16-bit metafile
  // without the placeable header, the records as far as its first window
  // extent); raises ImageFileError ("Not a metafile", ...).
  explicit MetafileReader(std::istream& file);
  ~MetafileReader();
  MetafileReader(const MetafileReader&) = delete;
  MetafileReader& operator=(const MetafileReader&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Plays the records onto the canvas, the picture filling (0, 0, Width,
  // Height); once only. Raises ImageFileError for a broken record. The
  // result is how many records were left out because they cannot be drawn.
  std::size_t Draw(TCanvas& canvas);

 private:
  struct Parts;
  int width_ = 0, height_ = 0;
  std::unique_ptr<Parts> parts_;
};

// A metafile held in memory, drawn as often as asked.
class MetafilePicture {
 public:
  // Checks the headers; raises ImageFileError.
  static MetafilePicture Load(std::vector<std::uint8_t> bytes);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Plays the records onto the canvas; see MetafileReader::Draw.
  std::size_t Draw(TCanvas& canvas) const;

 private:
  std::vector<std::uint8_t> bytes_;
  int width_ = 0, height_ = 0;
};

// The picture of a metafile read from the stream's position: a 24-bit bitmap
// of the metafile's size, white where the metafile draws nothing. How many
// records were left out (MetafileReader::Draw) goes to `notDrawn` when given.
Bitmap RenderMetafile(std::istream& file, std::size_t* notDrawn = nullptr);
// The same for a metafile file's bytes.
Bitmap RenderMetafile(const std::vector<std::uint8_t>& bytes);
// Its size, from the headers alone.
TSize MetafileSize(std::istream& file);
// What a user is told of a picture drawn without `notDrawn` (> 0) of its records.
std::string NotDrawnWarning(std::size_t notDrawn);

}  // namespace kestrova
