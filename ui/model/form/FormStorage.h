#pragma once
// Keeps the window's placement and a few values of its own between runs, in
// the INI file "kestrova-ui.ini" of the writable folder, section "TForm1".
// Restoring reads the placement and then runs the restore handler; saving
// writes the placement and then runs the save handler. Values that are missing
// or unreadable leave the placement as it was.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kestrova {

// The window's normal rectangle and how it is shown.
struct TWindowPlacement {
  enum ShowState { Normal = 1, Minimized = 2, Maximized = 3 };
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int showCmd = Normal;
  friend bool operator==(const TWindowPlacement&, const TWindowPlacement&) = default;
};

class TFormStorage {
 public:
  // The store file of the writable folder.
  static std::string DefaultFileName();

  explicit TFormStorage(std::string fileName = DefaultFileName(), std::string section = "TForm1");

  const std::string& FileName() const { return fileName_; }

  // The placement restored last, or set by the window before saving.
  TWindowPlacement Placement;
  // True once a stored placement was read.
  bool PlacementRestored = false;

  std::function<void()> OnRestorePlacement;
  std::function<void()> OnSavePlacement;

  void RestorePlacement();
  // False (nothing raised) when the file cannot be written, with the reason
  // in `reason` when given.
  bool SavePlacement(std::string* reason = nullptr);

  std::int32_t ReadInteger(std::string_view key, std::int32_t fallback) const;
  // Throws EIniFileError when the file cannot be written.
  void WriteInteger(std::string_view key, std::int32_t value);

 private:
  std::string fileName_;
  std::string section_;
};

}  // namespace kestrova
