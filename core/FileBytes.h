#pragma once
// Whole-file reads and writes for the image readers and writers.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kestrova {

// The file's bytes; raises ImageFileError when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& fileName);

// Writes the bytes as the whole file; raises ImageFileError when the file cannot
// be created or written completely.
void WriteFileBytes(const std::string& fileName, std::span<const std::uint8_t> bytes);

}  // namespace kestrova
