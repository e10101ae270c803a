#pragma once
// The LZW encoder of a frame's image data: a string table of up to 4095 codes,
// the code width growing up to 12 bits, and a clear code when the table is full.

#include <memory>

#include "gif/LZWEncoderBase.h"
#include "gif/LZWHashTable.h"

namespace kestrova {

class TLZWEncoder : public TGIFEncoder {
 protected:
  void Output(int value) override;
  void Clear() override;
  void DoCompress() override;

 private:
  int freeCode_ = 0;
  bool tableUsed_ = false;  // the table holds strings: a clear must empty it
  std::unique_ptr<THashTable> hashTable_;
};

}  // namespace kestrova
