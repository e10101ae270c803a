#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/support/TextEncoding.h"
#include "ui/model/language/Language.h"
#include "ui/model/language/LanguageTables.h"

namespace kestrova {
namespace {

struct NamedTable {
  const char* name;
  const TLangRow* rows;
  std::size_t count;
};

template <std::size_t N>
NamedTable Named(const char* name, const std::array<TLangRow, N>& table) {
  return {name, table.data(), N};
}

std::vector<NamedTable> AllTables() {
  return {Named("LangAbout", LangAbout),       Named("LangPresets", LangPresets),
          Named("LangProcess", LangProcess),   Named("LangHelpFiles", LangHelpFiles),
          Named("LangMessages", LangMessages), Named("LangDialogs", LangDialogs),
          Named("LangMenus", LangMenus),       Named("LangControls", LangControls),
          Named("LangNames", LangNames)};
}

std::size_t Count(std::string_view text, std::string_view what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size())) ++n;
  return n;
}

// The characters of the Central European code page, as UTF-8 sequences.
std::set<std::string> CentralEuropeanCharacters() {
  std::set<std::string> result;
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    result.insert(DecodeTextFile(std::string(1, static_cast<char>(byte)), lgPolish));
  }
  return result;
}

// The non-ASCII characters of `text` that the code page lacks.
std::string ForeignCharacters(std::string_view text, const std::set<std::string>& allowed) {
  std::string foreign;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const std::string ch(text.substr(i, length));
    if (length > 1 && !allowed.count(ch)) foreign += ch;
    i += length;
  }
  return foreign;
}

bool IsDocumentedEmptyRow(std::string_view table, std::size_t row) {
  if (table == "LangProcess") return row == 3 || row == 4 || (row >= 7 && row <= 9);
  return table == "LangMessages" && row == lmUnused;
}

TEST(LanguageTables, SixthSlotIsEmptyExceptTheTwoDocumentedRows) {
  std::size_t rows = 0;
  for (const NamedTable& table : AllTables()) {
    rows += table.count;
    for (std::size_t r = 0; r < table.count; ++r) {
      const bool exception = (table.rows == LangMessages.data() && r == lmEmptyImage) ||
                             (table.rows == LangMenus.data() && r == 15);
      if (!exception) {
        EXPECT_EQ(table.rows[r][5], "") << table.name << " row " << r;
      }
    }
  }
  EXPECT_EQ(rows, 244u);
  EXPECT_EQ(LangMessages[lmEmptyImage][5], " ?????? ???????");
  EXPECT_FALSE(LangMenus[15][0].empty());
  for (std::string_view text : LangMenus[15]) EXPECT_EQ(text, LangMenus[15][0]);
}

TEST(LanguageTables, EveryLanguageHasEveryTextWithTheSamePlacesAndLineBreaks) {
  const std::set<std::string> codePage = CentralEuropeanCharacters();
  for (const NamedTable& table : AllTables()) {
    for (std::size_t r = 0; r < table.count; ++r) {
      const TLangRow& row = table.rows[r];
      for (int slot = 0; slot < 5; ++slot) {
        const std::string_view text = row[slot];
        SCOPED_TRACE(std::string(table.name) + " row " + std::to_string(r) + " slot " + std::to_string(slot));
        EXPECT_EQ(text.empty(), IsDocumentedEmptyRow(table.name, r));
        EXPECT_EQ(Count(text, "%s"), Count(row[0], "%s"));
        EXPECT_EQ(Count(text, "\n"), Count(text, "\r\n")) << "line breaks are CR LF";
        EXPECT_EQ(Count(text, "\r"), Count(text, "\r\n"));
        EXPECT_TRUE(IsValidUtf8(text));
        EXPECT_EQ(ForeignCharacters(text, codePage), "");
      }
    }
  }
}

TEST(LanguageTables, RadioGroupsGetTheSameNumberOfItemsInEveryLanguage) {
  for (std::size_t r : {8u, 40u, 106u}) {
    for (int slot = 0; slot < 5; ++slot) {
      EXPECT_EQ(Count(LangControls[r][slot], "\r\n"), 2u) << "row " << r << " slot " << slot;
    }
  }
}

TEST(LanguageTables, TextsAreKeptExactlyAsGiven) {
  EXPECT_EQ(LangDialogs[ldProjectFilter][lgItalian], "File de Kestrova (*.btn)|*.btn|Tutti i file (*.*)|*.*");
  EXPECT_EQ(LangMessages[lmImageInfo][lgGerman], " Bildinformationen: Größe: %s\r\nDateiname: %s");
  EXPECT_EQ(LangMessages[lmOpenError][lgItalian], "Errore durante l'apertura del file:");
  EXPECT_EQ(LangPresets[lpRemoveSetQuestion][lgPolish],
            "Usunąć zestaw \"%s\" ?\r\nPlik nie zostanie fizycznie skasowany.");
  EXPECT_EQ(LangControls[70][lgSpanish], "Predeter-\r\nminados");
  const TLangRow none = {"{none}", "{brak}", "{kein}", "{ninguno}", "{non}", ""};
  EXPECT_EQ(LangControls[lcNoneCaption], none);
}

TEST(CurrentLanguage, StaysWithinTheSlotsAndChoosesTheCodePageOfOldTextFiles) {
  SetLangIndex(lgPolish);
  EXPECT_EQ(DecodeTextFile("\xB9"), "ą");
  SetLangIndex(5);
  EXPECT_EQ(LangIndex, 5);
  EXPECT_EQ(Lang(LangControls[lcNoneCaption]), "");
  for (int bad : {6, -1, 1 << 30}) {
    SetLangIndex(bad);
    EXPECT_EQ(LangIndex, lgEnglish) << bad;
    LangIndex = bad;  // even set directly, a look-up stays within the row
    EXPECT_EQ(Lang(LangAbout[laCaption]), "About...") << bad;
  }
  SetLangIndex(lgEnglish);
  EXPECT_EQ(DecodeTextFile("\xE4"), "ä");
}

}  // namespace
}  // namespace kestrova
