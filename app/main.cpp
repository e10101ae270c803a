// The program's entry. The command line is examined first: a batch run
// (kestrova /x project.btn [captions.txt]) needs no display and runs the
// window model alone; every other start opens the window.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "core/support/CommandLine.h"
#include "core/support/Messages.h"
#include "ui/model/commands/BatchRun.h"

int main(int argc, char** argv) {
  using namespace kestrova;
  const std::vector<std::string> args(argv + 1, argv + argc);
  ShellMode = ParseCommandLine(args);
  if (!ShellMode) {
    std::fputs(
        "kestrova: the window is not built yet.\n"
        "Run a project without a window: kestrova /x project.btn [captions.txt]\n",
        stderr);
    return 2;
  }
  try {
    return RunBatch();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kestrova: %s\n", e.what());
  }
  return 1;
}
