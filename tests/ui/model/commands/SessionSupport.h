#pragma once
// Helpers for tests that open projects and write output: recording message
// boxes and small bitmap files (ScopedCurrentFolder, in TestFiles.h, runs
// them in a temporary current folder).

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

// A 24-bit bitmap file of one colour.
inline void WriteBmpFile(const std::string& path, int width, int height, TColor color) {
  Bitmap b(width, height);
  b.Fill(color);
  const std::vector<std::uint8_t> bytes = EncodeBmp(b);
  WriteBytes(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace kestrova::test
