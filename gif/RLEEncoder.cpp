#include "gif/RLEEncoder.h"

namespace kestrova {

void TRLEEncoder::Clear() {
  outBump_ = outBumpInit_;
  outClear_ = outClearInit_;
  outCount_ = 0;
  tableMax_ = 0;
  TGIFEncoder::Clear();
  bitsPerCode_ = initialBitsPerCode_;
}

void TRLEEncoder::OutputPlain(int code) {
  clearFlag_ = false;
  Output(code);
  ++outCount_;
  if (outCount_ >= outBump_) {
    ++bitsPerCode_;
    outBump_ += 1 << (bitsPerCode_ - 1);
  }
  if (outCount_ >= outClear_) Clear();
}

int TRLEEncoder::Isqrt(int x) {
  if (x < 2) return x;
  int r = 1;
  for (int v = x; v > 0; v /= 4) r *= 2;
  for (;;) {
    const int v = (x / r + r) / 2;
    if (v == r || v == r + 1) return r;
    r = v;
  }
}

int TRLEEncoder::TriangleCount(int count, int repCodes) {
  int cost = 0;
  const int perRep = repCodes * (repCodes + 1) / 2;
  while (count >= perRep) {
    cost += repCodes;
    count -= perRep;
  }
  if (count > 0) {
    int n = Isqrt(count);
    while (n * (n + 1) >= 2 * count) --n;
    while (n * (n + 1) < 2 * count) ++n;
    cost += n;
  }
  return cost;
}

void TRLEEncoder::ResetOutClear() {
  outClear_ = outClearInit_;
  if (outCount_ >= outClear_) Clear();
}

void TRLEEncoder::FlushFromClear(int count) {
  MaxOutClear();
  tablePixel_ = runPixel_;
  int n = 1;
  while (count > 0) {
    if (n == 1) {
      tableMax_ = 1;
      OutputPlain(runPixel_);
      --count;
    } else if (count >= n) {
      tableMax_ = n;
      OutputPlain(baseCode_ + n - 2);
      count -= n;
    } else if (count == 1) {
      ++tableMax_;
      OutputPlain(runPixel_);
      count = 0;
    } else {
      ++tableMax_;
      OutputPlain(baseCode_ + count - 2);
      count = 0;
    }
    n = outCount_ == 0 ? 1 : n + 1;
  }
  ResetOutClear();
}

void TRLEEncoder::FlushClearOrRep(int count) {
  const int withClear = 1 + TriangleCount(count, maxOutCodes_);
  if (withClear < count) {
    Clear();
    FlushFromClear(count);
  } else {
    for (; count > 0; --count) OutputPlain(runPixel_);
  }
}

void TRLEEncoder::FlushWithTable(int count) {
  int repMax = count / tableMax_;
  int leftover = count % tableMax_;
  int repLeft = leftover > 0 ? 1 : 0;
  if (outCount_ + repMax + repLeft > maxOutCodes_) {
    repMax = maxOutCodes_ - outCount_;
    leftover = count - repMax * tableMax_;
    repLeft = 1 + TriangleCount(leftover, maxOutCodes_);
  }
  if (1 + TriangleCount(count, maxOutCodes_) < repMax + repLeft) {
    Clear();
    FlushFromClear(count);
    return;
  }
  MaxOutClear();
  for (; repMax > 0; --repMax) OutputPlain(baseCode_ + tableMax_ - 2);
  if (leftover > 0) {
    if (clearFlag_) {
      FlushFromClear(leftover);
    } else if (leftover == 1) {
      OutputPlain(runPixel_);
    } else {
      OutputPlain(baseCode_ + leftover - 2);
    }
  }
  ResetOutClear();
}

void TRLEEncoder::FlushRun(int count) {
  if (count == 1) {
    OutputPlain(runPixel_);
  } else if (clearFlag_) {
    FlushFromClear(count);
  } else if (tableMax_ < 2 || tablePixel_ != runPixel_) {
    FlushClearOrRep(count);
  } else {
    FlushWithTable(count);
  }
}

void TRLEEncoder::DoCompress() {
  outBumpInit_ = clearCode_ - 1;
  outClearInit_ = bitsPerPixel_ > 3 ? clearCode_ - 2 : 9;
  maxOutCodes_ = 4095 - baseCode_;
  Clear();
  runPixel_ = -1;
  int count = 0;
  const std::uint8_t* p = nullptr;
  const std::uint8_t* end = nullptr;
  while (NextSegment(p, end)) {
    for (; p < end; ++p) {
      const int c = *p;
      if (c == runPixel_) {
        ++count;
        continue;
      }
      if (count > 0) FlushRun(count);
      runPixel_ = c;
      count = 1;
    }
  }
  FlushRun(count);
}

}  // namespace kestrova
