// Saving on many threads gives what one thread gives: every output file byte
// for byte, the log line by line, the exit status; and a batch run without
// joined images, which makes each button while saving and drops it, gives
// what a run that holds every button gives.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/support/OrderedWork.h"
#include "tests/support/SmallVolume.h"
#include "tests/ui/model/commands/BatchRunSupport.h"
#include "ui/model/commands/Generate.h"
#include "ui/model/commands/OutputSaving.h"
#include "ui/model/commands/ProjectOpening.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// What a run leaves: its exit status, its log's messages and a hash and size
// of every file in the output folder, by name.
struct RunOutput {
  int status = -1;
  std::vector<std::string> log;
  std::map<std::string, std::pair<std::size_t, std::size_t>> files;

  bool operator==(const RunOutput&) const = default;
};

void PrintTo(const RunOutput& out, std::ostream* os) {
  *os << "status " << out.status << ", log:";
  for (const std::string& line : out.log) *os << "\n  " << line;
  *os << "\nfiles:";
  for (const auto& [name, file] : out.files) *os << "\n  " << name << " " << file.second << " bytes #" << file.first;
}

// Short enough to show whole on the buttons.
std::vector<std::string> Captions(int count) {
  std::vector<std::string> captions;
  for (int i = 1; i <= count; ++i) captions.push_back("N" + std::to_string(i));
  return captions;
}

class ParallelSave : public BatchRun {
 protected:
  ~ParallelSave() override { SetWorkerThreadCount(0); }

  // The run's output, its files read from `outFolder` (the project's "out" by default).
  RunOutput Output(int status, std::string outFolder = "") const {
    if (outFolder.empty()) outFolder = folder / "out";
    RunOutput out;
    out.status = status;
    out.log = LogMessages();
    if (!std::filesystem::exists(outFolder)) return out;
    for (const auto& entry : std::filesystem::directory_iterator(outFolder)) {
      if (!entry.is_regular_file()) continue;
      const std::string bytes = ReadBytes(entry.path());
      out.files[entry.path().filename()] = {std::hash<std::string>()(bytes), bytes.size()};
    }
    return out;
  }

  // Prepares the folder for a run: the project, and folders in the way of the
  // output files named `blocked`.
  void Prepare(const std::string& project, const std::vector<std::string>& blocked) {
    Clean();
    for (const std::string& name : blocked) std::filesystem::create_directories(folder / ("out/" + name));
    WriteBytes(folder / "p.btn", project);
  }

  // The batch run of the project on `threads` threads.
  RunOutput Batch(const std::string& project, const std::vector<std::string>& blocked, int threads) {
    Prepare(project, blocked);
    SetWorkerThreadCount(threads);
    return Output(Run({"/x", "p.btn"}));
  }

  // The run as a batch run went before its buttons were made while saving:
  // every button generated and held, then saved, on one thread.
  RunOutput HoldingEveryButton(const std::string& project, const std::vector<std::string>& blocked) {
    Prepare(project, blocked);
    SetWorkerThreadCount(1);
    const int problems = ErrorMessageCount() + WarningMessageCount();
    ShellMode = true;
    {
      TForm1 form;
      ConnectProgramOperations(form);
      Logger1.FileName = kBatchLogFile;
      Logger1.Open();
      WriteLogLine("Kestrova started from shell");
      OpenProject(form, "p.btn");
      if (GenerateButtons(form)) SaveGeneratedImages(form);
      Logger1.Close();
    }
    ShellMode = false;
    return Output(ErrorMessageCount() + WarningMessageCount() > problems ? 1 : 0);
  }
};

const struct {
  const char* what;
  std::string keys;
  std::vector<std::string> captions;
  std::vector<std::string> blocked;  // output names taken by folders
} kProjects[] = {
    {"GIF, octree and Floyd-Steinberg, LZW", "GIFColorReduc=7\r\nGIFDither=1\r\n", Captions(30), {}},
    {"GIF, web palette, nearest colours, RLE", "GIFColorReduc=6\r\nGIFDither=0\r\nGIFCompr=1\r\n", Captions(30), {}},
    {"BMP", "FileFormat=0\r\n", Captions(30), {}},
    {"JPEG", "FileFormat=2\r\njpg_qual=70\r\n", Captions(30), {}},
    {"PNG, transparent", "FileFormat=3\r\nPNGTransparent=1\r\nPNGTransparentColor=16777215\r\n", Captions(30), {}},
    {"tiles cut from the base image, two lines a button, blank lines ignored",
     "newy=160\r\ncutbig=1\r\ncuth=2\r\ncutx=10\r\ncuty=16\r\nmatrix_cols=4\r\nRowPerBtn=2\r\nIgnBlank=1\r\n",
     {"A", "", "", "B", "C", "D", "", "", "E"},
     {}},
    {"all in one, image-map page", "BtnPerImgMode=1\r\nvhmode=2\r\nmatrix_cols=4\r\nHTMLMap=1\r\n", Captions(30), {}},
    {"three to an image, PNG", "FileFormat=3\r\nBtnPerImgMode=2\r\nBtnPerImgCnt=3\r\nMarSize=2\r\nGapSize=1\r\n",
     Captions(30), {}},
    {"a failing save in the middle", "", Captions(30), {"012_n12.gif", "013_n13.gif"}},
    {"a failing joined image in the middle", "BtnPerImgMode=2\r\nBtnPerImgCnt=2\r\n", Captions(30),
     {"004_image_4.gif"}},
    {"names that collide", "useautonum=0\r\n", {"Same", "Other", "SAME", "same"}, {}},
    {"a cut that cannot be made", "cutbig=1\r\ncutx=0\r\n", Captions(5), {}},
};

}  // namespace

TEST_F(ParallelSave, ManyThreadsWriteWhatOneThreadWritesAndLogTheSame) {
  for (const auto& p : kProjects) {
    const std::string project = ProjectWithCaptions(p.keys, p.captions);
    const RunOutput one = Batch(project, p.blocked, 1);
    EXPECT_FALSE(one.log.empty()) << p.what;
    EXPECT_EQ(Batch(project, p.blocked, 3), one) << p.what;
  }
}

TEST_F(ParallelSave, ButtonsMadeWhileSavingGiveWhatHeldButtonsGive) {
  for (const auto& p : kProjects) {
    const std::string project = ProjectWithCaptions(p.keys, p.captions);
    EXPECT_EQ(Batch(project, p.blocked, 3), HoldingEveryButton(project, p.blocked)) << p.what;
  }
}

TEST_F(ParallelSave, MoreThreadsThanImagesOrProcessors) {
  const std::string project = ProjectWithCaptions("", Captions(5));
  const RunOutput one = Batch(project, {}, 1);
  EXPECT_EQ(one.status, 0);
  EXPECT_EQ(one.files.size(), 6u);
  for (const int threads : {2, 5, 64}) EXPECT_EQ(Batch(project, {}, threads), one) << threads;
}

// Many more buttons than are on their way at once: none is held, each file is written.
TEST_F(ParallelSave, ARunOfManySmallButtons) {
  const std::string project = ProjectWithCaptions("newx=8\r\nnewy=8\r\nsavehtml=0\r\n", Captions(600));
  const RunOutput out = Batch(project, {}, 4);
  EXPECT_EQ(out.status, 0);
  EXPECT_EQ(out.files.size(), 600u);
  EXPECT_EQ(out.log, (std::vector<std::string>{"Kestrova started from shell", "OK. Files saved to: out/"}));
}

// A volume that fills up part-way: more threads save the same files and log
// the same failures as one thread, whichever images are made first.
TEST_F(ParallelSave, AFullVolumeKeepsWhatOneThreadKeeps) {
  const SmallVolume volume(folder.Path(), 64);
  if (!volume.Mounted()) GTEST_SKIP() << "no tmpfs can be mounted here (needs root)";
  const std::string out = volume.Path() + "out/";
  // Bitmaps of 5.3 KiB, eight of which fill the volume; captions of several
  // lengths give GIF files of several sizes.
  const std::string projects[] = {
      ProjectWithCaptions("outputdir=" + out + "\r\nFileFormat=0\r\nnewx=60\r\nnewy=30\r\n", Captions(20)),
      ProjectWithCaptions("outputdir=" + out + "\r\nnewx=200\r\nnewy=40\r\n",
                          {"A", "Longer caption", "B", "Another longer one", "C", "D", "Wide caption here", "E", "F",
                           "G", "H", "I", "Jay", "Kay", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U"}),
  };
  for (const std::string& project : projects) {
    const auto runOn = [&](int threads) {
      Clean();
      volume.Empty();
      WriteBytes(folder / "p.btn", project);
      SetWorkerThreadCount(threads);
      return Output(Run({"/x", "p.btn"}), out);
    };
    const RunOutput one = runOn(1);
    ASSERT_EQ(one.status, 1);  // the volume was filled
    for (int round = 0; round < 4; ++round) EXPECT_EQ(runOn(8), one) << round;
  }
}
