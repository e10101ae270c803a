#pragma once
// The text of an INI file held as its lines, with an index for lookups.
// Sections are lines "[name]", values lines "key=value"; names match without
// regard to the case of ASCII letters, blanks around names and values are not
// part of them, lines starting with ";" and lines without "=" are ignored.
// The first section of a name and the first key of a name in it count.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kestrova {

class IniDocument {
 public:
  IniDocument() = default;
  // `text` is UTF-8; lines end in CR LF, LF or CR.
  explicit IniDocument(std::string_view text);

  // The value, or null when the key is absent.
  const std::string* Find(std::string_view section, std::string_view key) const;
  // Every section header, in file order.
  std::vector<std::string> SectionNames() const;
  // Every key line of the section, in file order.
  std::vector<std::string> KeyNames(std::string_view section) const;

  // Sets the value, adding the key (and the section) when absent. Line breaks
  // in the names and the value become blanks. False when the text stays as it was.
  bool Set(std::string_view section, std::string_view key, std::string_view value);
  // Removes every section of that name with its lines. False when there is none.
  bool EraseSection(std::string_view section);

  // The lines, each ended by CR LF.
  std::string Text() const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::size_t header = 0;     // line of "[name]"
    std::size_t insertAt = 0;   // line after its last key line (or after the header)
    std::vector<Entry> entries;
    std::vector<std::size_t> entryLines;
  };

  void Reindex();
  const Section* FindSection(std::string_view section) const;
  // Adds a key line after the last key of section `index`, keeping the index
  // current without parsing every line again.
  void AppendEntry(std::size_t index, std::string_view key, std::string_view value, std::string line);

  std::vector<std::string> lines_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> sectionByName_;          // folded name -> first section
  std::unordered_map<std::string, std::size_t> entryByKey_;             // folded "section\nkey" -> entry
};

}  // namespace kestrova
