#include <gtest/gtest.h>

#include <tuple>

#include "core/support/CommandLine.h"

using namespace kestrova;

namespace {

// Batch run?, switch letter, project file, captions file.
using Parsed = std::tuple<bool, char, std::string, std::string>;

Parsed Parse(const std::vector<std::string>& args) {
  Parsed p;
  std::get<0>(p) = ParseCommandLine(args, std::get<1>(p), std::get<2>(p), std::get<3>(p));
  return p;
}

}  // namespace

TEST(ParseCommandLine, WindowAndBatchRuns) {
  EXPECT_EQ(Parse({}), Parsed(false, '\0', "", ""));
  EXPECT_EQ(Parse({"p.btn"}), Parsed(false, '\0', "p.btn", ""));
  EXPECT_EQ(Parse({"/X", "p.btn"}), Parsed(true, 'X', "p.btn", ""));
  EXPECT_EQ(Parse({"/x", "p.btn"}), Parsed(true, 'x', "p.btn", ""));
  EXPECT_EQ(Parse({"/x", "p.btn", "c.txt"}), Parsed(true, 'x', "p.btn", "c.txt"));
  EXPECT_EQ(Parse({"/o", "p.btn"}), Parsed(false, 'o', "p.btn", ""));
  EXPECT_EQ(Parse({"/x"}), Parsed(false, 'x', "", ""));
  EXPECT_EQ(Parse({"/"}), Parsed(false, '\0', "/", ""));
  EXPECT_EQ(Parse({"/xyz", "p.btn"}), Parsed(true, 'x', "p.btn", ""));
  EXPECT_EQ(Parse({"-x", "p.btn", "c.txt"}), Parsed(true, 'x', "p.btn", "c.txt"));
  EXPECT_EQ(Parse({"-"}), Parsed(false, '\0', "-", ""));
}

TEST(ParseCommandLine, AnAbsolutePathIsAProjectNotASwitch) {
  EXPECT_EQ(Parse({"/home/u/p.btn", "c.txt"}), Parsed(false, '\0', "/home/u/p.btn", ""));
  EXPECT_TRUE(ParseCommandLine({"/x", "a.btn", "b.txt"}));
  EXPECT_EQ(ShellProjectFile, "a.btn");
  EXPECT_EQ(ShellCaptionsFile, "b.txt");
  ParseCommandLine({});
}
