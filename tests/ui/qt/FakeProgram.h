#pragma once
// A fake program put first on PATH for the lifetime of the object: a shell
// script of the given name that writes each of its arguments on a line of a
// record file, so tests see exactly what a started program was given, and
// then runs the shell text `then` (for example "exit 3").

#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "core/support/StrLib.h"
#include "tests/support/TestFiles.h"

namespace kestrova::test {

class FakeProgram {
 public:
  explicit FakeProgram(const std::string& name, const std::string& then = "")
      : path_(folder_ / name), record_(folder_ / "record"), env_("PATH", folder_.Path() + ":" + std::getenv("PATH")) {
    // The record appears whole: written aside, then renamed.
    WriteBytes(path_, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + record_ +
                          ".part' && mv '" + record_ + ".part' '" + record_ + "'\n" + then + "\n");
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all);
  }

  const std::string& Path() const { return path_; }
  // A file of that name beside the program (for `then` to wait for, say).
  std::string File(std::string_view name) const { return folder_ / name; }

  // The arguments of the run that ended last (waits for one, for as long as
  // it takes). The record is taken, so the next call waits anew.
  std::vector<std::string> TakeArguments() {
    while (!std::filesystem::exists(record_)) QTest::qWait(1);
    const std::string text = ReadBytes(record_);
    std::filesystem::remove(record_);
    return SplitLines(text);
  }
  bool Ran() const { return std::filesystem::exists(record_); }

 private:
  TempFolder folder_;
  std::string path_;
  std::string record_;
  ScopedEnv env_;
};

}  // namespace kestrova::test
