#pragma once
// The error every image reader and writer raises for a file it cannot handle.
// The public load and save functions turn it (and BitmapError) into error texts.

#include <stdexcept>

namespace kestrova {

class ImageFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kestrova
