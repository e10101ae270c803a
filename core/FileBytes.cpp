#include "core/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/ImageFileError.h"

namespace kestrova {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void RaiseFileError(const char* what, const std::string& fileName) {
  throw ImageFileError(std::string(what) + " " + fileName + ": " + std::strerror(errno));
}

}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& fileName) {
  FilePtr file(std::fopen(fileName.c_str(), "rb"));
  if (!file) RaiseFileError("Cannot open file", fileName);
  std::vector<std::uint8_t> bytes;
  std::uint8_t buffer[65536];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.insert(bytes.end(), buffer, buffer + got);
  if (std::ferror(file.get())) RaiseFileError("Cannot read file", fileName);
  return bytes;
}

void WriteFileBytes(const std::string& fileName, std::span<const std::uint8_t> bytes) {
  FilePtr file(std::fopen(fileName.c_str(), "wb"));
  if (!file) RaiseFileError("Cannot create file", fileName);
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
    RaiseFileError("Cannot write file", fileName);
  if (std::fclose(file.release()) != 0) RaiseFileError("Cannot write file", fileName);
}

}  // namespace kestrova
