#include "gif/LZWEncoder.h"

namespace kestrova {

namespace {
// Codes 0..4094 are the only ones ever assigned; 4095 forces a clear.
constexpr int kLastFreeCode = 4095;
constexpr int kMaxBitsPerCode = 12;
}  // namespace

void TLZWEncoder::Output(int value) {
  TGIFEncoder::Output(value);
  if (freeCode_ <= maxCode_ && !clearFlag_) return;
  if (clearFlag_) {
    bitsPerCode_ = initialBitsPerCode_;
    maxCode_ = MaxCodeOf(bitsPerCode_);
    clearFlag_ = false;
  } else {
    ++bitsPerCode_;
    // At 12 bits the limit lies past every code, so the width stops growing.
    maxCode_ = bitsPerCode_ == kMaxBitsPerCode ? 4096 : MaxCodeOf(bitsPerCode_);
  }
}

void TLZWEncoder::Clear() {
  TGIFEncoder::Clear();
  if (tableUsed_) hashTable_->Clear();
  tableUsed_ = false;
  freeCode_ = clearCode_ + 2;
}

void TLZWEncoder::DoCompress() {
  hashTable_ = std::make_unique<THashTable>();
  tableUsed_ = false;
  Clear();
  const std::uint8_t* p = nullptr;
  const std::uint8_t* end = nullptr;
  NextSegment(p, end);
  int prefix = *p++;
  do {
    for (; p < end; ++p) {
      const int c = *p;
      const std::uint32_t key = (static_cast<std::uint32_t>(prefix) << 8) | static_cast<std::uint32_t>(c);
      int slot = 0;
      const int code = hashTable_->Find(key, slot);
      if (code != THashTable::kAbsent) {
        prefix = code;
        continue;
      }
      Output(prefix);
      prefix = c;
      if (freeCode_ >= kLastFreeCode) {
        Clear();
      } else {
        hashTable_->Store(slot, key, freeCode_++);
        tableUsed_ = true;
      }
    }
  } while (NextSegment(p, end));
  Output(prefix);
  hashTable_.reset();
}

}  // namespace kestrova
