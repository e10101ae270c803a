#include "ui/model/language/Language.h"

#include "core/support/TextEncoding.h"

namespace kestrova {

int LangIndex = lgEnglish;

int ValidLangIndex(int index) { return index >= 0 && index < kLanguageSlots ? index : lgEnglish; }

void SetLangIndex(int index) {
  LangIndex = ValidLangIndex(index);
  SetTextFileLanguage(LangIndex);
}

std::string LangText(const TLangRow& row, int index) {
  return std::string(row[static_cast<std::size_t>(ValidLangIndex(index))]);
}

std::string Lang(const TLangRow& row) { return LangText(row, LangIndex); }

}  // namespace kestrova
