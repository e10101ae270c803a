#pragma once
// The recently used project files, newest first, and the menu items that list
// them under a menu item of the window. The items are kept here as data: the
// window's view builds its sub-menu from Items() whenever it is told of a
// change, and a click on an item calls ClickItem.
//
// Items are built only while a menu is attached; every change of the list or
// of a setting rebuilds them. Item i (0-based) of the list is named after the
// component ("Recent1Item1" for the first), shows "&A" .. "&Z" and the
// shortened path, and carries i as its tag. An empty list shows one disabled
// placeholder item ("Recent1ItemNone") with NoneCaption.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

class TControl;

struct TRecentItem {
  std::string Name;
  std::string Caption;
  bool Enabled = true;
  int Tag = 0;
  friend bool operator==(const TRecentItem&, const TRecentItem&) = default;
};

class TRecent {
 public:
  static constexpr int kDefaultMaxFiles = 10;
  static constexpr int kDefaultMaxLen = 40;

  explicit TRecent(std::string name = "Recent1");
  TRecent(const TRecent&) = delete;
  TRecent& operator=(const TRecent&) = delete;

  const std::string& Name() const { return name_; }

  // The menu item the items go under (not owned); none (nullptr) builds nothing.
  TControl* Menu() const { return menu_; }
  void SetMenu(TControl* menu);
  // The longest the list gets through AddFile; a value below 1 is stored as 1.
  // The list is not shortened until the next AddFile.
  int MaxFiles() const { return maxFiles_; }
  void SetMaxFiles(int value);
  // Paths longer than this (in characters) are shortened in the captions; a
  // value below 8 is stored as 7.
  int MaxLen() const { return maxLen_; }
  void SetMaxLen(int value);
  // The placeholder's caption, "{none}" unless set.
  const std::string& NoneCaption() const { return noneCaption_; }
  void SetNoneCaption(const std::string& caption);

  // Runs with the tag (the file's index) of a clicked file item.
  std::function<void(int tag)> OnClick;
  // Told after every rebuild of the items (one listener, the view).
  void SetViewListener(std::function<void()> listener) { viewListener_ = std::move(listener); }

  const std::vector<std::string>& Files() const { return files_; }
  int Count() const { return static_cast<int>(files_.size()); }
  // Every file followed by CR LF, newest first.
  std::string FilesAsText() const;
  // Replaces the list by the lines of `text` as they are (duplicates and blank
  // lines kept, no limit).
  void SetFilesAsText(std::string_view text);

  // Puts `fileName` at the top: the last entry equal to it (ASCII letters
  // compared without case) goes, and the list is cut to MaxFiles.
  void AddFile(const std::string& fileName);
  // The entry at `index`, or empty text when there is none.
  std::string GetFile(int index) const;
  // The caption form of a path: up to MaxLen characters as it is; longer, the
  // root "/", as much of the folder as fits whole folders into the budget,
  // ".../" and the file name (which always stays whole).
  std::string ShortenPath(std::string_view path) const;

  const std::vector<TRecentItem>& Items() const { return items_; }
  void RebuildMenu();
  // Runs OnClick with the tag of the enabled item at `position` of Items().
  void ClickItem(std::size_t position) const;

 private:
  std::string ItemCaption(std::size_t index) const;

  std::string name_;
  TControl* menu_ = nullptr;
  int maxFiles_ = kDefaultMaxFiles;
  int maxLen_ = kDefaultMaxLen;
  std::string noneCaption_ = "{none}";
  std::vector<std::string> files_;
  std::vector<TRecentItem> items_;
  std::function<void()> viewListener_;
};

}  // namespace kestrova
