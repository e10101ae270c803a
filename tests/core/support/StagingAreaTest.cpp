#include "core/support/StagingArea.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/support/FileAccess.h"
#include "tests/support/SmallVolume.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// What writing a set of files left: each one's outcome, and the folder.
struct Written {
  std::vector<std::string> outcomes;  // "ok" or the reason
  std::string folder;

  bool operator==(const Written&) const = default;
};

std::string Outcome(bool ok, const std::string& reason) { return ok ? "ok" : reason; }

std::string PathOf(const std::string& folder, std::size_t i) { return folder + "file" + std::to_string(i); }

// The files written one after the other, each whole before the next.
Written OneAtATime(const std::string& folder, const std::vector<std::string>& files) {
  Written written;
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::string reason;
    written.outcomes.push_back(Outcome(WriteFileAtomically(PathOf(folder, i), files[i], &reason), reason));
  }
  written.folder = ListFolder(folder);
  return written;
}

// The files staged in an area in `order`, all before the first is named,
// then named in turn.
Written StagedAhead(const std::string& folder, const std::vector<std::string>& files,
                    const std::vector<std::size_t>& order, int room) {
  StagingArea area(room);
  std::vector<std::optional<StagedFile>> staged(files.size());
  for (const std::size_t i : order) staged[i].emplace(PathOf(folder, i), files[i], LinkAtName::Replace, area);
  Written written;
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::string reason;
    written.outcomes.push_back(Outcome(staged[i]->Commit(&reason), reason));
    staged[i].reset();
  }
  written.folder = ListFolder(folder);
  return written;
}

std::vector<std::string> Files(const std::vector<int>& kib) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < kib.size(); ++i) files.emplace_back(kib[i] * 1024, static_cast<char>('a' + i));
  return files;
}

// The descriptors of the process open on files in the folder.
int OpenIn(const std::string& folder) {
  int open = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error))
    open += std::filesystem::read_symlink(entry.path(), error).string().starts_with(folder) ? 1 : 0;
  return open;
}

}  // namespace

// Files staged ahead, in whatever order, that fill the volume: what is
// saved, and every failure, is what writing them one at a time gives.
TEST(StagingArea, AFullVolumeKeepsWhatWritingOneAtATimeKeeps) {
  TempFolder folder;
  const SmallVolume volume(folder.Path(), 64);
  if (!volume.Mounted()) GTEST_SKIP() << "no tmpfs can be mounted here (needs root)";
  const std::vector<std::size_t> inOrder{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, reversed{9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
      oddFirst{1, 3, 5, 7, 9, 0, 2, 4, 6, 8};
  const std::vector<int> sizes[] = {{12, 12, 12, 12, 12, 12, 12, 12, 12, 12}, {20, 4, 20, 4, 8, 30, 2, 2, 2, 2}};
  for (const auto& kib : sizes) {
    const std::vector<std::string> files = Files(kib);
    volume.Empty();
    const Written expected = OneAtATime(volume.Path(), files);
    ASSERT_NE(expected.outcomes.back(), "ok");  // the volume was filled
    for (const auto& order : {inOrder, reversed, oddFirst}) {
      for (const int room : {0, 3, 10}) {
        volume.Empty();
        EXPECT_EQ(StagedAhead(volume.Path(), files, order, room), expected) << kib[0] << " " << order[0] << " " << room;
        for (std::size_t i = 0; i < files.size(); ++i) {
          if (expected.outcomes[i] == "ok") {
            EXPECT_EQ(ReadBytes(PathOf(volume.Path(), i)), files[i]) << i;
          }
        }
      }
    }
  }
}

// The area holds no more unnamed files than it has room for, and a file
// that finds no descriptor is written at its turn instead of failing.
TEST(StagingArea, FilesFindingNoDescriptorAreWrittenAtTheirTurn) {
  const std::vector<std::string> files = Files({1, 2, 3, 4, 5, 6, 7, 8});
  const struct {
    int room;
    int spare;  // descriptors free besides the standard streams
  } cases[] = {{2, 100}, {100, 3}, {100, 1}};
  for (const auto& c : cases) {
    TempFolder folder;
    const int status = RunInChild([&] {
      ::close_range(3, ~0U, 0);
      const rlimit limit{static_cast<rlim_t>(3 + c.spare), static_cast<rlim_t>(3 + c.spare)};
      ::setrlimit(RLIMIT_NOFILE, &limit);
      StagingArea area(c.room);
      std::vector<std::optional<StagedFile>> staged(files.size());
      for (std::size_t i = 0; i < files.size(); ++i)
        staged[i].emplace(PathOf(folder.Path(), i), files[i], LinkAtName::Replace, area);
      if (OpenIn(folder.Path()) > c.room) return 2;
      for (auto& file : staged) {
        if (!file->Commit()) return 3;
      }
      return 0;
    });
    EXPECT_EQ(status, 0) << c.room << " " << c.spare;
    for (std::size_t i = 0; i < files.size(); ++i) EXPECT_EQ(ReadBytes(PathOf(folder.Path(), i)), files[i]) << i;
  }
}
