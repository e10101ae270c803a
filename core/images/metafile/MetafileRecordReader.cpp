#include "core/images/metafile/MetafileRecordReader.h"

#include <algorithm>

#include "core/images/ImageFileError.h"
#include "core/images/LittleEndian.h"
#include "core/images/metafile/MetafileDevice.h"
#include "core/support/InputStreams.h"

namespace kestrova {

namespace {

// Reads and passes over happen a piece at a time, so that a length no file
// holds takes no memory even where the file's size cannot be told.
constexpr std::uint64_t kPiece = 1 << 20;

constexpr std::uint32_t kEmfEof = 14;

}  // namespace

MetafileRecordReader::MetafileRecordReader(std::istream& file, Kind kind)
    : file_(file), kind_(kind), start_(file.tellg()) {
  if (start_ >= 0) size_ = RemainingBytes(file);
}

void MetafileRecordReader::ReadExactly(std::uint8_t* out, std::uint64_t count) {
  if (size_ && count > *size_ - position_) throw ImageFileError(kMetafileTruncated);
  while (count > 0) {
    const auto piece = static_cast<std::streamsize>(std::min(count, kPiece));
    file_.read(reinterpret_cast<char*>(out), piece);
    if (file_.gcount() != piece) {
      file_.clear();
      throw ImageFileError(kMetafileTruncated);
    }
    out += piece;
    count -= static_cast<std::uint64_t>(piece);
    position_ += static_cast<std::uint64_t>(piece);
  }
}

void MetafileRecordReader::Advance(std::uint64_t count) {
  if (size_) {
    if (count > *size_ - position_) throw ImageFileError(kMetafileTruncated);
    position_ += count;
    if (!file_.seekg(start_ + static_cast<std::streamoff>(position_))) throw ImageFileError(kMetafileTruncated);
    return;
  }
  std::vector<std::uint8_t> discard(static_cast<std::size_t>(std::min(count, kPiece)));
  while (count > 0) {
    const std::uint64_t piece = std::min<std::uint64_t>(count, discard.size());
    ReadExactly(discard.data(), piece);
    count -= piece;
  }
}

std::optional<MetafileRecordReader::Head> MetafileRecordReader::Next() {
  if (left_ > 0) Skip();
  const bool enhanced = kind_ == Kind::Enhanced;
  head_.resize(enhanced ? kEmfRecordHeadSize : kWmfRecordHeadSize);
  ReadExactly(head_.data(), head_.size());
  const LittleEndianView h(head_, kMetafileTruncated);
  Head head;
  if (enhanced) {
    head.type = h.U32(0);
    head.length = h.U32(4);
    if (head.length < kEmfRecordHeadSize || head.length % 4 != 0) throw ImageFileError(kMetafileBadRecord);
  } else {
    head.type = h.U16(4);
    head.length = std::uint64_t{h.U32(0)} * 2;
    if (head.length < kWmfRecordHeadSize) throw ImageFileError(kMetafileBadRecord);
  }
  left_ = head.length - head_.size();
  if (size_ && left_ > *size_ - position_) throw ImageFileError(kMetafileTruncated);
  if (enhanced ? head.type == kEmfEof : head.type == 0) return std::nullopt;
  return head;
}

std::vector<std::uint8_t> MetafileRecordReader::Read(std::uint64_t upTo) {
  const std::uint64_t wanted = std::min(left_, upTo > head_.size() ? upTo - head_.size() : 0);
  std::vector<std::uint8_t> bytes = head_;
  // Grown a piece at a time: the file's end, not the length, bounds it.
  while (bytes.size() - head_.size() < wanted) {
    const std::size_t done = bytes.size();
    const std::uint64_t piece = std::min(wanted - (done - head_.size()), kPiece);
    bytes.resize(done + static_cast<std::size_t>(piece));
    ReadExactly(bytes.data() + done, piece);
  }
  left_ -= wanted;
  Skip();
  return bytes;
}

void MetafileRecordReader::Skip() {
  const std::uint64_t count = left_;
  left_ = 0;
  Advance(count);
}

void MetafileRecordReader::Rewind(std::uint64_t position) {
  left_ = 0;
  position_ = position;
  file_.clear();
  if (!file_.seekg(start_ + static_cast<std::streamoff>(position))) throw ImageFileError(kMetafileTruncated);
}

}  // namespace kestrova
