// The two user's guides the Help command opens: installed under the names the
// language table gives, well-formed, with working links inside, and written
// for the window as it is: they name its pages, controls, menus and dialogs in
// their own language, as the language tables caption them.

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/support/ProgramFolders.h"
#include "tests/install/InstallSupport.h"
#include "tests/support/TestFiles.h"
#include "ui/model/language/Language.h"
#include "ui/model/language/LanguageTables.h"

using namespace kestrova;

namespace {

constexpr int kEnglish = 0, kPolish = 1;

// The text a reader sees: tags dropped, the entities we use turned back into
// characters, every run of white space one blank.
std::string VisibleText(const std::string& html) {
  std::string text = std::regex_replace(html, std::regex("<[^>]*>"), " ");
  for (const auto& [entity, character] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
    text = std::regex_replace(text, std::regex(entity), character);
  }
  return std::regex_replace(text, std::regex("\\s+"), " ");
}

// The caption without its "&" mnemonic and with its line breaks as blanks.
std::string Plain(std::string_view caption) {
  std::string plain;
  for (char c : caption) {
    if (c == '&') continue;
    plain += (c == '\r' || c == '\n') ? ' ' : c;
  }
  return std::regex_replace(plain, std::regex(" +"), " ");
}

// Captions the guides must name: every caption of the main window except
// hints that only repeat a menu item or name no control of their own (radio
// groups by each of their items), every menu item but the maker's site, and
// the buttons and captions of the presets and image-processing dialogs.
std::vector<std::string> CaptionsToName(int language) {
  const std::set<std::size_t> notNamed{0, 1, 2, 3, 9, 14, 31, 49, 50, 55, 66, 67, 68, 69, 91, 109, 123};
  const std::set<std::size_t> radioItems{8, 40, 106};
  std::vector<std::string> captions;
  const auto add = [&](const TLangRow& row) { captions.push_back(Plain(LangText(row, language))); };
  for (std::size_t row = 0; row <= 130; ++row) {
    if (notNamed.count(row) != 0) continue;
    if (radioItems.count(row) == 0) {
      add(LangControls[row]);
      continue;
    }
    const std::string items = LangText(LangControls[row], language);
    std::size_t start = 0;
    for (std::size_t end; (end = items.find("\r\n", start)) != std::string::npos; start = end + 2) {
      captions.push_back(items.substr(start, end - start));
    }
    captions.push_back(items.substr(start));
  }
  for (std::size_t row = 0; row < LangMenus.size(); ++row) {
    if (row != 15) add(LangMenus[row]);
  }
  for (std::size_t row : {1, 2, 3, 4, 5, 7, 8, 9, 10, 15}) add(LangPresets[row]);
  for (std::size_t row : {0, 1, 2, 5, 6}) add(LangProcess[row]);
  return captions;
}

std::string HelpFile(int language) { return test::InstalledResources() + LangText(LangHelpFiles[0], language); }

}  // namespace

TEST(HelpFiles, EachLanguageOpensAGuideFromTheResourceFolder) {
  test::ProgramFolderSandbox sandbox;
  SetResourceFolders(ResourceFoldersOf(test::InstalledProgram()));
  EXPECT_EQ(LangText(LangHelpFiles[0], kEnglish), "Kestroen.html");
  EXPECT_EQ(LangText(LangHelpFiles[0], kPolish), "Kestropl.html");
  for (int language = 0; language < 5; ++language) {
    EXPECT_EQ(FindResourceFile(LangText(LangHelpFiles[0], language)), HelpFile(language)) << language;
  }
}

TEST(HelpFiles, AreWellFormedAndTheirLinksLeadSomewhere) {
  for (int language : {kEnglish, kPolish}) {
    const std::string path = HelpFile(language);
    const std::string html = test::ReadBytes(path);
    if (test::HaveProgram("/usr/bin/xmllint")) {
      const test::CommandResult check = test::RunCommand("/usr/bin/xmllint --html --noout " + test::Quoted(path));
      EXPECT_EQ(check.status, 0) << check.output;
      EXPECT_EQ(check.output, "") << path;
    }
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos) << path;
    std::set<std::string> ids;
    const std::regex id("id=\"([^\"]+)\"");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), id); it != std::sregex_iterator(); ++it) {
      EXPECT_TRUE(ids.insert((*it)[1]).second) << path << ": id " << (*it)[1] << " twice";
    }
    const std::regex link("href=\"#([^\"]+)\"");
    int links = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), link); it != std::sregex_iterator(); ++it, ++links) {
      EXPECT_EQ(ids.count((*it)[1]), 1u) << path << ": no target for #" << (*it)[1];
    }
    EXPECT_GE(links, 17) << path;
  }
}

TEST(HelpFiles, NameThePagesControlsMenusAndDialogsAsTheWindowCaptionsThem) {
  for (int language : {kEnglish, kPolish}) {
    const std::string text = VisibleText(test::ReadBytes(HelpFile(language)));
    for (const std::string& caption : CaptionsToName(language)) {
      EXPECT_NE(text.find(caption), std::string::npos) << HelpFile(language) << " does not name \"" << caption << "\"";
    }
    // What a batch run writes, and the files it names.
    EXPECT_NE(text.find("kestrova /x"), std::string::npos);
    EXPECT_NE(text.find("kestro_shell_run.log"), std::string::npos);
    EXPECT_NE(text.find(Plain(LangText(LangMessages[lmFilesSaved], language)).substr(0, 12)), std::string::npos);
  }
}
