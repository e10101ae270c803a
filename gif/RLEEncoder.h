#pragma once
// A run-length encoder whose output any GIF decoder reads as LZW. It builds no
// string table: it emits single pixel codes and the codes that the decoder's
// own table is known to hold for runs of the current pixel, and decides from
// a cost estimate when a clear code makes a run cheaper. The decoder's code
// width is tracked here rather than in Output.

#include "gif/LZWEncoderBase.h"

namespace kestrova {

class TRLEEncoder : public TGIFEncoder {
 protected:
  void Clear() override;
  void DoCompress() override;

 private:
  // Codes needed to send a run of `count` pixels from a fresh table when a
  // run may be repeated with at most `repCodes` codes before the table fills.
  static int TriangleCount(int count, int repCodes);
  static int Isqrt(int x);

  void OutputPlain(int code);
  void MaxOutClear() { outClear_ = maxOutCodes_; }
  void ResetOutClear();
  void FlushFromClear(int count);
  void FlushClearOrRep(int count);
  void FlushWithTable(int count);
  void FlushRun(int count);

  int maxOutCodes_ = 0;
  int outBumpInit_ = 0;
  int outClearInit_ = 0;
  int runPixel_ = -1;
  int tableMax_ = 0;
  int tablePixel_ = 0;
  int outCount_ = 0;
  int outClear_ = 0;
  int outBump_ = 0;
};

}  // namespace kestrova
