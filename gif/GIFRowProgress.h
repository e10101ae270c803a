#pragma once
// Progress of a pass over a frame's rows (converting a picture into a frame,
// rendering a frame), told to the image's OnProgress: a running notification
// at every 32nd row, with the share of the rows before it. A bracketed pass
// also tells its start (0 %) and its end (100 %, or 0 % when an exception
// leaves it). No redraw is asked for.

#include <string>

namespace kestrova {

class TGIFImage;

class TGIFRowProgress {
 public:
  // `image` may be null: then nothing is told.
  TGIFRowProgress(const TGIFImage* image, std::string message, int rows, bool bracketed);
  ~TGIFRowProgress();
  TGIFRowProgress(const TGIFRowProgress&) = delete;
  TGIFRowProgress& operator=(const TGIFRowProgress&) = delete;

  // Called before each row is worked on.
  void Row(int row) const;

 private:
  const TGIFImage* image_;
  std::string message_;
  int rows_;
  bool bracketed_;
  int exceptions_;
};

}  // namespace kestrova
