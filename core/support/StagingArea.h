#pragma once
// The unnamed files that a save writes ahead on several threads and names in
// order on one (StagedFile), so that what it leaves is what one thread
// writing one file after the other leaves, however short of descriptors or
// space the system is.
//
// The area holds at most so many unnamed files (and their descriptors) at
// once; a file staged when the area is full keeps its bytes, and is written
// at its turn. A file that cannot be staged for want of space or descriptors
// (ENOSPC, EDQUOT, EMFILE, ENFILE) keeps its bytes too. When writing or
// naming a file at its turn fails for want of space or descriptors, the area
// gives back every file it holds (they are all of later turns: each keeps its
// bytes), waits for those being staged, and tries once more with nothing
// staged meanwhile: the system then holds what it would hold after the files
// before it, so the file fails only where it would fail one file at a time.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

namespace kestrova {

class StagedFile;

class StagingArea {
 public:
  // An area that holds at most `filesAtOnce` unnamed files (0: none, every
  // file is written at its turn).
  explicit StagingArea(int filesAtOnce) : most_(filesAtOnce) {}
  StagingArea(const StagingArea&) = delete;
  StagingArea& operator=(const StagingArea&) = delete;

 private:
  friend class StagedFile;

  // Whether one more file may be staged now; when it may, it counts as being
  // staged until Staged.
  bool MayStage();
  // The staging that MayStage allowed has ended; the file is held when it
  // holds an unnamed file.
  void Staged(StagedFile& file);
  // The file is no longer held (named, given up, or moved to `to`).
  void Forget(StagedFile& file);
  void Moved(StagedFile& from, StagedFile& to);
  // Runs `write` with every file given back and nothing staged meanwhile.
  bool WithNothingHeld(const std::function<bool()>& write);

  const int most_;
  std::mutex mutex_;
  std::condition_variable staged_;
  int staging_ = 0;      // files being staged now
  bool paused_ = false;  // no file may be staged
  std::vector<StagedFile*> held_;
};

}  // namespace kestrova
