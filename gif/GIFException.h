#pragma once
// The GIF code reports every failure by raising GIFException with a fixed
// English message; recoverable faults in a file are warnings instead.

#include <stdexcept>
#include <string>

namespace kestrova {

// Base of the errors a picture reports when its data is not valid.
class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class GIFException : public EInvalidGraphic {
 public:
  using EInvalidGraphic::EInvalidGraphic;
};

// A load refused because the file holds more frame pixels than the reader
// allows (TGIFLoadLimits).
class EGIFTooLarge : public GIFException {
 public:
  using GIFException::GIFException;
};

// A platform graphics resource could not be had (memory for a bitmap, say).
class EOutOfResources : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A drawing or pixel access that the picture cannot do (a row outside it, say).
class EInvalidGraphicOperation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Memory for pixels could not be had.
class EOutOfMemory : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file could not be opened, created or written.
class EFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void RaiseGIFError(const std::string& message);

}  // namespace kestrova
