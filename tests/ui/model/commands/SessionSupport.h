#pragma once
// Helpers for tests that open projects and write output: recording message
// boxes, running in a temporary current folder, small bitmap files.

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/images/BmpWriter.h"
#include "core/support/Messages.h"
#include "tests/support/TestFiles.h"

namespace kestrova::test {

// Records every message box and answers it with `answer`.
struct RecordedMessages {
  explicit RecordedMessages(int answer = mrOk) {
    MessageBoxFunction = [this, answer](const std::string& text, TMsgDlgType type, TMsgDlgButtons, int) {
      texts.push_back(text);
      types.push_back(type);
      return answer;
    };
  }
  ~RecordedMessages() { MessageBoxFunction = nullptr; }
  std::vector<std::string> texts;
  std::vector<TMsgDlgType> types;
};

// Makes `folder` the current folder for the lifetime of the object.
class ScopedCurrentFolder {
 public:
  explicit ScopedCurrentFolder(const std::string& folder) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~ScopedCurrentFolder() { std::filesystem::current_path(old_); }

 private:
  std::filesystem::path old_;
};

// A 24-bit bitmap file of one colour.
inline void WriteBmpFile(const std::string& path, int width, int height, TColor color) {
  Bitmap b(width, height);
  b.Fill(color);
  const std::vector<std::uint8_t> bytes = EncodeBmp(b);
  WriteBytes(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace kestrova::test
