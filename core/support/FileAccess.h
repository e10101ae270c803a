#pragma once
// Whole-file reads and crash-safe whole-file writes.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kestrova {

// A regular file (a folder does not count).
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

enum class ReadStatus { Ok, Missing, Failed };
// No bound on the size of a file read.
inline constexpr std::uint64_t kAnyFileSize = UINT64_MAX;
// Reads the whole file: at most as many bytes as it holds when it is opened.
// Missing when there is no file of that name; Failed when it cannot be read,
// is no regular file (a folder, a device, a pipe) or holds more than
// `maxBytes`: these are refused before anything is read from them. With
// `reason`, a failure also gives the system's text for it ("No such file or
// directory", "Is a directory", ...; FileTooLargeText for a file too large).
ReadStatus ReadFileBytes(const std::string& path, std::string& bytes, std::string* reason = nullptr,
                         std::uint64_t maxBytes = kAnyFileSize);
// Opens the file for reading as ReadFileBytes does, reading nothing: `fd`
// is the open descriptor (the caller closes it) when Ok, -1 otherwise.
ReadStatus OpenFileForReading(const std::string& path, int& fd, std::string* reason = nullptr,
                              std::uint64_t maxBytes = kAnyFileSize);
// The reason given for a file of `size` bytes that is larger than `maxBytes`.
std::string FileTooLargeText(std::uint64_t size, std::uint64_t maxBytes);

// What a write does with a symbolic link at the file's name.
enum class LinkAtName {
  Follow,   // the link's target is replaced, and the link keeps pointing to it
  Replace,  // the link itself gives way to the new file; its target stays untouched
};

// Replaces the file's content by `bytes`: they go to a temporary file in the
// same folder (an unnamed one where the file system allows), which then takes
// the file's place, so the file is either the old one or the new one, never a
// part. No temporary file is left behind: not by a failure, and not when
// a signal ends the program meanwhile (see TemporaryFileName). The file keeps its permission bits where the file system lets them be set (one
// that refuses chmod does not fail the write); a new file gets the bits the
// umask allows.
// False on any failure (the old file untouched), with the system's text for
// it in `reason` when given.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* reason = nullptr,
                         LinkAtName link = LinkAtName::Follow);

// A file's content handed over a piece at a time: the writer is called once
// and gives each piece, in order, to the sink it is handed.
using ByteSink = std::function<void(std::string_view)>;
using ContentWriter = std::function<void(const ByteSink&)>;

// WriteFileAtomically for content made while it is written, so that it is
// never held whole: the pieces go to the file a buffer at a time.
bool WriteFileAtomically(const std::string& path, const ContentWriter& write, std::string* reason = nullptr,
                         LinkAtName link = LinkAtName::Follow);

class StagingArea;

// WriteFileAtomically in two steps, so that files can be written on several
// threads and still take their names in order. Making a StagedFile (on any
// thread) writes the bytes into an unnamed file in the file's folder, held
// open until Commit gives it the file's name; where the file system keeps no
// unnamed files, the bytes are kept and Commit writes them the other way.
// Commit (once) gives what WriteFileAtomically gives; a StagedFile never
// committed leaves nothing behind.
class StagedFile {
 public:
  StagedFile(const std::string& path, std::string_view bytes, LinkAtName link = LinkAtName::Follow);
  // The same as one of the files of `area` (which outlives it): the unnamed
  // file is written now only when the area has room for it, else at Commit,
  // and a want of space or descriptors is dealt with as the area tells.
  StagedFile(const std::string& path, std::string_view bytes, LinkAtName link, StagingArea& area);
  StagedFile(StagedFile&& other) noexcept;
  StagedFile& operator=(StagedFile&& other) noexcept;
  ~StagedFile();

  bool Commit(std::string* reason = nullptr);

  // Whether it holds an unnamed file (and its descriptor).
  bool Holds() const { return fd_ >= 0; }
  // Lets go of the unnamed file, its bytes kept to be written at Commit.
  void GiveBack();

 private:
  void Stage(std::string_view bytes);
  bool CommitOnce();

  std::string target_;  // the file replaced
  int fd_ = -1;         // the unnamed file holding the bytes
  int error_ = 0;       // why writing failed for good
  std::string bytes_;   // the bytes, when Commit is to write them
  bool named_ = false;  // the folder keeps no unnamed files: Commit writes through a named one
  StagingArea* area_ = nullptr;
};

// Copies a file the same way; false (with the reason when asked for) when it
// cannot be read or written.
bool CopyFileAtomically(const std::string& from, const std::string& to, std::string* reason = nullptr);

// The system's text for an error number (strerror).
std::string SystemErrorText(int error);

// The reason given for a file that is neither missing nor a regular file.
inline constexpr char kNotARegularFile[] = "Not a regular file";

}  // namespace kestrova
