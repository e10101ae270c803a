// Runs the built program the way a user or a script does: in a temporary
// folder, with its own configuration folder, reading only its exit status,
// the files it wrote and its log.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"

using namespace kestrova::test;

namespace {

// Runs the program with the arguments in `folder`; its exit status.
int RunProgram(const TempFolder& folder, const std::vector<std::string>& args) {
  return RunProgramIn(KESTROVA_PROGRAM, folder.Path(), args);
}

const char* const kProject =
    "[main]\r\nnewx=32\r\nnewy=12\r\nfontname=DejaVu Sans\r\nfontsize=7\r\nFileFormat=3\r\nsavehtml=1\r\n"
    "outputdir=out\r\nForceDirs=1\r\n[captions]\r\nc0=Start\r\nc1=Ende\r\n";

}  // namespace

TEST(Program, BatchRunNeedsNoDisplayWritesFilesAndLogAndEndsWithZero) {
  TempFolder folder;
  WriteBytes(folder / "site.btn", kProject);
  EXPECT_EQ(RunProgram(folder, {"/x", "site.btn"}), 0);
  EXPECT_EQ(ListFolder(folder / "out"), "001_start.png 002_ende.png site.btn.html ");
  const std::string log = ReadBytes(folder / "kestro_shell_run.log");
  EXPECT_NE(log.find(",Kestrova started from shell\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find(",OK. Files saved to: out/\r\n"), std::string::npos) << log;
  EXPECT_FALSE(std::filesystem::exists(folder / "config/kestrova/kestro.ini"));  // a batch run saves no settings
}

TEST(Program, AFailedBatchRunEndsWithOne) {
  TempFolder folder;
  EXPECT_EQ(RunProgram(folder, {"-x", "missing.btn"}), 1);
  EXPECT_NE(ReadBytes(folder / "kestro_shell_run.log").find(",Error opening file: missing.btn\r\n"),
            std::string::npos);
}
