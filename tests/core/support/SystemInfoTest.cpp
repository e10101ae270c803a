#include <gtest/gtest.h>

#include "core/support/SystemInfo.h"
#include "core/support/VersionLibrary.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;

TEST(SystemInfo, TheDistributionIsItsPrettyNameElseNameAndVersion) {
  const std::pair<const char*, const char*> cases[] = {
      {"NAME=\"Debian GNU/Linux\"\nVERSION=\"12 (bookworm)\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n",
       "Debian GNU/Linux 12 (bookworm)"},
      {"NAME=Fedora\nVERSION='39 (Workstation)'\n", "Fedora 39 (Workstation)"},
      {"# comment\nNAME=\"Quote \\\"it\\\"\"\n", "Quote \"it\""},
      {"PRETTY_NAME=\n NAME = Arch \n", "Arch"},
      {"", ""},
  };
  for (const auto& [text, name] : cases) EXPECT_EQ(DistributionName(text), name) << text;
}

TEST(SystemInfo, TheOrganisationIsTheVariableElseTheFirstLineOfTheSystemsFile) {
  EXPECT_EQ(OrganizationName(" Zandrelko Ltd ", "Other\n"), "Zandrelko Ltd");
  EXPECT_EQ(OrganizationName(nullptr, "  Acme Corp.\r\nsecond line\n"), "Acme Corp.");
  EXPECT_EQ(OrganizationName("  ", "Acme Corp.\n"), "Acme Corp.");
  EXPECT_EQ(OrganizationName(nullptr, ""), "");
  const test::ScopedEnv organization("ORGANIZATION", "Zandrelko Ltd");
  EXPECT_EQ(ReadSystemFacts().organization, "Zandrelko Ltd");
}

TEST(SystemInfo, MemoryIsCountedInRoundedKilobytesWithGroupedDigits) {
  const std::tuple<std::uint64_t, const char*, const char*> cases[] = {
      {2147483648ull, ",", "2,097,152 KB"},
      {1023, ",", "1 KB"},
      {511, ",", "0 KB"},
      {1024ull * 999, ",", "999 KB"},
      {1024ull * 1000, ".", "1.000 KB"},
      {6ull << 40, " ", "6 442 450 944 KB"},  // past 32 bits
  };
  for (const auto& [bytes, separator, text] : cases) EXPECT_EQ(KilobytesText(bytes, separator), text);
}

TEST(SystemInfo, TheRunningSystemIsDescribed) {
  const TSystemFacts facts = ReadSystemFacts();
  EXPECT_TRUE(facts.kernel.starts_with("Linux ")) << facts.kernel;
  EXPECT_GT(facts.totalMemory, 1ull << 20);
  EXPECT_FALSE(facts.userName.empty());
  EXPECT_FALSE(facts.locale.empty());
}

TEST(VersionLibrary, OnlyALibraryAtAnAbsolutePathWithAllThreeEntryPointsLoads) {
  test::TempFolder folder;
  test::WriteBytes(folder / "libtavmolint.so", "not a library");
  EXPECT_FALSE(LoadVersionLibrary(folder / "libtavmolint.so"));
  EXPECT_FALSE(LoadVersionLibrary(folder / "missing.so"));
  EXPECT_FALSE(LoadVersionLibrary("libc.so.6"));  // no search along the library path
  EXPECT_FALSE(LoadVersionLibrary(""));
  EXPECT_TRUE(VersionLibraryPath().ends_with("/libtavmolint.so"));
}
