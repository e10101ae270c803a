#pragma once
// A metafile's records read one after another from a stream, as they are
// played: only a record that is played is read into memory; any other is
// passed over by seeking, however long it says it is. A record whose length
// is broken or runs past the file's end is refused ("Invalid metafile
// record", "Metafile is truncated"), and so is a file that ends before its
// end record.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <vector>

namespace kestrova {

class MetafileRecordReader {
 public:
  enum class Kind { Enhanced, Windows16 };

  // Reads from the stream's position, where a record starts.
  MetafileRecordReader(std::istream& file, Kind kind);

  struct Head {
    std::uint32_t type = 0;  // the enhanced record type, or the 16-bit record function
    std::uint64_t length = 0;  // the whole record's length in bytes, its head included
  };
  // The next record's head, read from the file; nothing at the end record.
  std::optional<Head> Next();
  // The current record whole (its head included), or its first `upTo` bytes,
  // the rest passed over.
  std::vector<std::uint8_t> Read(std::uint64_t upTo = UINT64_MAX);
  // Passes over the rest of the current record without reading it.
  void Skip();

  // Where the next record starts, and a return there (the stream must seek).
  std::uint64_t Position() const { return position_; }
  void Rewind(std::uint64_t position);

 private:
  // Reads exactly `count` bytes or raises "Metafile is truncated".
  void ReadExactly(std::uint8_t* out, std::uint64_t count);
  void Advance(std::uint64_t count);

  std::istream& file_;
  Kind kind_;
  std::istream::pos_type start_;
  std::optional<std::uint64_t> size_;  // the bytes from the start to the file's end, when known
  std::uint64_t position_ = 0;          // from the start
  std::vector<std::uint8_t> head_;      // the current record's head bytes
  std::uint64_t left_ = 0;              // of the current record, after its head
};

// The longest record of a kind that is played that is read into memory: one
// of points, text, regions or objects, and one that carries a bitmap. A
// longer one is passed over unread and counted as not drawn: no real picture
// has such records, and a file must not make a run hold what it claims.
inline constexpr std::uint64_t kMaxPlayedRecord = std::uint64_t{16} << 20;
inline constexpr std::uint64_t kMaxPlayedBitmapRecord = std::uint64_t{256} << 20;

// The head sizes of the two kinds of record.
inline constexpr std::size_t kEmfRecordHeadSize = 8;
inline constexpr std::size_t kWmfRecordHeadSize = 6;

}  // namespace kestrova
