// The open-picture dialog's filter offers exactly the picture formats the
// readers know, in every language, and each of its entries one kind of file.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/images/ImageFiles.h"
#include "ui/model/form/MainForm.h"
#include "ui/model/language/LanguageTables.h"

namespace kestrova {
namespace {

// The patterns of each "description|patterns" pair, lower-cased.
std::vector<std::vector<std::string>> PatternGroups(std::string_view filter) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t bar; (bar = filter.find('|', start)) != std::string_view::npos; start = bar + 1)
    parts.emplace_back(filter.substr(start, bar - start));
  parts.emplace_back(filter.substr(start));
  std::vector<std::vector<std::string>> groups;
  for (std::size_t i = 1; i < parts.size(); i += 2) {
    std::vector<std::string> patterns;
    std::size_t from = 0;
    for (std::size_t semi; (semi = parts[i].find(';', from)) != std::string::npos; from = semi + 1)
      patterns.push_back(parts[i].substr(from, semi - from));
    patterns.push_back(parts[i].substr(from));
    groups.push_back(patterns);
  }
  return groups;
}

std::set<std::string> KnownPatterns() {
  std::set<std::string> known;
  for (const PictureFormat& format : PictureFormats())
    for (std::string_view ext : format.extensions) {
      std::string pattern = "*" + std::string(ext);
      for (char& c : pattern) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      known.insert(pattern);
    }
  return known;
}

void ExpectFollowsTheFormats(std::string_view filter) {
  const auto groups = PatternGroups(filter);
  ASSERT_GE(groups.size(), 2u) << filter;
  // The first entry: every format; each further one: one kind of file.
  EXPECT_EQ(std::set<std::string>(groups[0].begin(), groups[0].end()), KnownPatterns()) << filter;
  std::set<std::string> offered;
  for (std::size_t i = 1; i < groups.size(); ++i) {
    const PictureKind kind = PictureKindForReading("x" + groups[i][0].substr(1));
    for (const std::string& pattern : groups[i]) {
      EXPECT_EQ(PictureKindForReading("x" + pattern.substr(1)), kind) << pattern;
      offered.insert(pattern);
    }
  }
  EXPECT_EQ(offered, KnownPatterns()) << filter;
}

}  // namespace

TEST(PictureFilter, FollowsThePictureFormats) {
  for (int language = lgEnglish; language <= lgItalian; ++language)
    ExpectFollowsTheFormats(LangDialogs[ldOpenImageFilter][language]);
  TForm1 form;
  ExpectFollowsTheFormats(form.OpenPictureDialog1.Filter());
}

}  // namespace kestrova
