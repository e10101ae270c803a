// A metafile as the base image of a batch run: records that cannot be drawn
// here (or that a bound cuts short) end up as one warning in the log with
// their count, so the run ends with 1; records that draw nothing anywhere
// (comments, records of no known kind) leave the run as it is.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "tests/core/images/metafile/MetafileBuilders.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
using namespace kestrova::test;
namespace images = kestrova::testing;

namespace {

// A 40 x 30 picture: a rectangle, and whatever `extra` adds after it.
std::string Picture(const std::function<void(images::EmfBuilder&)>& extra) {
  images::EmfBuilder emf(TRect{0, 0, 39, 29}, TRect{0, 0, 1058, 794});
  emf.Record(43, {2, 2, 30, 20});  // a rectangle
  extra(emf);
  const std::vector<std::uint8_t> bytes = emf.Build();
  return std::string(bytes.begin(), bytes.end());
}

// A record of the platform's other graphics library, which is not drawn here.
constexpr std::uint32_t kGlsRecord = 102, kComment = 70;

}  // namespace

TEST(MetafileBaseImage, RecordsNotDrawnAreLoggedAsOneWarningAndFailTheRun) {
  const struct {
    const char* name;
    std::function<void(images::EmfBuilder&)> extra;
    int status;
    const char* line;  // the log's last line, after its date and time
  } cases[] = {
      {"nothing left out", [](images::EmfBuilder&) {}, 0, "OK. Files saved to: out/"},
      {"a comment and a record of no known kind",
       [](images::EmfBuilder& e) { e.Record(kComment, {4, 0x64636261}).Record(250, {1, 2}); }, 0,
       "OK. Files saved to: out/"},
      {"a record of the other graphics library", [](images::EmfBuilder& e) { e.Record(kGlsRecord, {0}); }, 1,
       "base.emf: 1 record of the metafile could not be drawn and is missing from the picture"},
      {"three of them",
       [](images::EmfBuilder& e) {
         for (int i = 0; i < 3; ++i) e.Record(kGlsRecord, {0});
       },
       1, "base.emf: 3 records of the metafile could not be drawn and are missing from the picture"},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    WriteBytes(folder / "base.emf", Picture(c.extra));
    WriteBytes(folder / "p.btn",
               "[main]\r\nimage_file=base.emf\r\nFileFormat=3\r\noutputdir=out\r\nForceDirs=1\r\n"
               "fontname=DejaVu Sans\r\nfontsize=7\r\n[captions]\r\nc0=Home\r\n");
    EXPECT_EQ(RunProgramIn(KESTROVA_PROGRAM, folder.Path(), {"/x", "p.btn"}), c.status) << c.name;
    EXPECT_EQ(ListFolder(folder / "out"), "001_home.png ") << c.name;
    const std::string log = ReadBytes(folder / "kestro_shell_run.log");
    const std::size_t lines = std::count(log.begin(), log.end(), '\n');
    EXPECT_EQ(lines, c.status == 0 ? 2u : 3u) << c.name << "\n" << log;
    EXPECT_NE(log.find(std::string(",") + c.line + "\r\n"), std::string::npos) << c.name << "\n" << log;
  }
}
