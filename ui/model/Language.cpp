#include "ui/model/Language.h"

#include "core/TextEncoding.h"

namespace kestrova {

namespace {
int gLangIndex = lgEnglish;
}

int ValidLangIndex(int index) { return index >= 0 && index < kLanguageSlots ? index : lgEnglish; }

int LangIndex() { return gLangIndex; }

void SetLangIndex(int index) {
  gLangIndex = ValidLangIndex(index);
  SetTextFileLanguage(gLangIndex);
}

std::string LangText(const TLangRow& row, int index) {
  return std::string(row[static_cast<std::size_t>(ValidLangIndex(index))]);
}

std::string Lang(const TLangRow& row) { return LangText(row, gLangIndex); }

}  // namespace kestrova
