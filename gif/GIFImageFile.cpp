// A GIF image read from and written to a file.

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "gif/GIFException.h"
#include "gif/GIFImage.h"

namespace kestrova {

namespace {

[[noreturn]] void RaiseFileError(const char* what, const std::string& fileName, const std::string& reason) {
  throw EFileError(std::string(what) + " \"" + fileName + "\". " + reason);
}

std::string LastErrorText() { return std::generic_category().message(errno); }

}  // namespace

void TGIFImage::LoadFromFile(const std::string& fileName) {
  // Only a regular file is opened: a pipe could keep the reader waiting for ever.
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(fileName, error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
    RaiseFileError("Cannot open file", fileName,
                   std::filesystem::is_directory(status) ? "Is a directory" : "Not a regular file");
  std::ifstream file(fileName, std::ios::binary);
  if (!file) RaiseFileError("Cannot open file", fileName, LastErrorText());
  LoadFromStream(file);
}

void TGIFImage::SaveToFile(const std::string& fileName) const {
  // Encoded first: an image that cannot be written leaves the file as it was.
  std::ostringstream encoded;
  SaveToStream(encoded);
  const std::string bytes = std::move(encoded).str();
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  if (!file) RaiseFileError("Cannot create file", fileName, LastErrorText());
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (file) return;
  const std::string reason = LastErrorText();
  std::error_code ignored;
  std::filesystem::remove(fileName, ignored);
  RaiseFileError("Cannot write file", fileName, reason);
}

}  // namespace kestrova
