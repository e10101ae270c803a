#pragma once
// A batch run in a fresh current folder: a small project, the run's exit
// status and the messages of its log.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/support/CommandLine.h"
#include "core/support/StrLib.h"
#include "tests/ui/model/commands/SessionSupport.h"
#include "ui/model/commands/BatchRun.h"

namespace kestrova::test {

// A project with a base image drawn by the program, three captions, GIF
// output and the test page, saved into "out"; keys given first win.
inline std::string Project(const std::string& extraKeys = "") {
  return "[main]\r\n" + extraKeys +
         "newx=40\r\nnewy=16\r\ngradient=1\r\nBNOpacity=60\r\nfontname=DejaVu Sans\r\nfontsize=8\r\n"
         "antialias=1\r\nshadow=1\r\nFileFormat=1\r\nsavehtml=1\r\noutputdir=out\r\nForceDirs=1\r\n"
         "[captions]\r\nc0=Home\r\nc1=News\r\nc2=Contact\r\n";
}

// A project as Project() gives it, with its captions replaced.
inline std::string ProjectWithCaptions(const std::string& keys, const std::vector<std::string>& captions) {
  std::string text = Project(keys);
  text.erase(text.find("[captions]"));
  text += "[captions]\r\n";
  for (std::size_t i = 0; i < captions.size(); ++i) text += "c" + std::to_string(i) + "=" + captions[i] + "\r\n";
  return text;
}

// Runs in a fresh current folder and puts the batch globals back afterwards.
class BatchRun : public ::testing::Test {
 protected:
  ~BatchRun() override {
    ShellMode = false;
    Logger1.Close();
    ParseCommandLine({});
  }

  int Run(const std::vector<std::string>& args) {
    ShellMode = ParseCommandLine(args);
    return ShellMode ? RunBatch() : -1;
  }

  // The log's messages, each without its date and time stamp.
  std::vector<std::string> LogMessages() const {
    std::vector<std::string> messages;
    for (const std::string& line : SplitLines(ReadBytes(folder / "kestro_shell_run.log"))) {
      messages.push_back(line.substr(line.find(',') + 1));
    }
    return messages;
  }

  // Starts the next case afresh: no log, no output folder.
  void Clean() {
    std::filesystem::remove_all(folder / "kestro_shell_run.log");
    std::filesystem::remove_all(folder / "out");
  }

  TempFolder folder;
  ScopedCurrentFolder here{folder.Path()};
};

}  // namespace kestrova::test
