// The program's entry. The command line is examined first: a batch run
// (kestrova /x project.btn [captions.txt]) needs no display and runs the
// window model alone, without a Qt application; every other start opens the
// window, on the project named on the command line if there is one. In both,
// a write past the file-size limit or into a closed pipe fails as any write
// that cannot be done, and is reported so, instead of ending the program.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "core/support/CommandLine.h"
#include "core/support/Messages.h"
#include "core/support/ProcessSignals.h"
#include "ui/model/commands/BatchRun.h"
#include "ui/qt/application/Program.h"

int main(int argc, char** argv) {
  using namespace kestrova;
  LetWritesFailRatherThanEndTheProgram();
  const std::vector<std::string> args(argv + 1, argv + argc);
  ShellMode = ParseCommandLine(args);
  if (!ShellMode) return qt::RunWindow(argc, argv);
  try {
    return RunBatch();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kestrova: %s\n", e.what());
  }
  return 1;
}
