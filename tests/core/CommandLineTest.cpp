#include <gtest/gtest.h>

#include "core/CommandLine.h"

using namespace kestrova;

namespace {

struct Parsed {
  bool batch;
  char shellSwitch;
  std::string project;
  std::string captions;
  bool operator==(const Parsed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Parsed& p) {
  return out << p.batch << " '" << (p.shellSwitch ? p.shellSwitch : '0') << "' [" << p.project << "] ["
             << p.captions << "]";
}

Parsed Parse(const std::vector<std::string>& args) {
  Parsed p{};
  p.batch = ParseCommandLine(args, p.shellSwitch, p.project, p.captions);
  return p;
}

}  // namespace

TEST(ParseCommandLine, WindowAndBatchRuns) {
  EXPECT_EQ(Parse({}), (Parsed{false, '\0', "", ""}));
  EXPECT_EQ(Parse({"p.btn"}), (Parsed{false, '\0', "p.btn", ""}));
  EXPECT_EQ(Parse({"/X", "p.btn"}), (Parsed{true, 'X', "p.btn", ""}));
  EXPECT_EQ(Parse({"/x", "p.btn"}), (Parsed{true, 'x', "p.btn", ""}));
  EXPECT_EQ(Parse({"/x", "p.btn", "c.txt"}), (Parsed{true, 'x', "p.btn", "c.txt"}));
  EXPECT_EQ(Parse({"/o", "p.btn"}), (Parsed{false, 'o', "p.btn", ""}));
  EXPECT_EQ(Parse({"/x"}), (Parsed{false, 'x', "", ""}));
  EXPECT_EQ(Parse({"/"}), (Parsed{false, '\0', "/", ""}));
  EXPECT_EQ(Parse({"/xyz", "p.btn"}), (Parsed{true, 'x', "p.btn", ""}));
  EXPECT_EQ(Parse({"-x", "p.btn", "c.txt"}), (Parsed{true, 'x', "p.btn", "c.txt"}));
  EXPECT_EQ(Parse({"-"}), (Parsed{false, '\0', "-", ""}));
}

TEST(ParseCommandLine, AnAbsolutePathIsAProjectNotASwitch) {
  EXPECT_EQ(Parse({"/home/u/p.btn"}), (Parsed{false, '\0', "/home/u/p.btn", ""}));
  EXPECT_EQ(Parse({"/home/u/p.btn", "c.txt"}), (Parsed{false, '\0', "/home/u/p.btn", ""}));
}

TEST(ParseCommandLine, FillsTheGlobals) {
  EXPECT_TRUE(ParseCommandLine({"/x", "a.btn", "b.txt"}));
  EXPECT_EQ(ShellSwitch, 'x');
  EXPECT_EQ(ShellProjectFile, "a.btn");
  EXPECT_EQ(ShellCaptionsFile, "b.txt");
  EXPECT_FALSE(ParseCommandLine({}));
  EXPECT_EQ(ShellSwitch, '\0');
  EXPECT_EQ(ShellProjectFile, "");
}
