#include <gtest/gtest.h>

#include "ui/model/language/FormatText.h"
#include "ui/model/language/Language.h"

namespace kestrova {
namespace {

TEST(FormatText, FillsThePlacesInOrder) {
  EXPECT_EQ(FormatText(LangText(LangMessages[lmFilesSaved], lgGerman), {"/tmp/out"}),
            "OK. Dateien gesichert in: /tmp/out");
  EXPECT_EQ(FormatText(LangText(LangMessages[lmImageInfo], lgEnglish), {"96 x 32", "/a/b.png"}),
            " Image info: size: 96 x 32\r\n filename: /a/b.png");
}

TEST(FormatText, ValuesAreCopiedAndNeverReadAsPlaces) {
  EXPECT_EQ(FormatText("Remove set \"%s\" ?", {"%s%n%x%%"}), "Remove set \"%s%n%x%%\" ?");
  EXPECT_EQ(FormatText("%s and %s", {"%s", "b"}), "%s and b");
}

TEST(FormatText, MissingValuesAreEmptyAndOtherPercentSignsStay) {
  EXPECT_EQ(FormatText("a %s b %s c", {"1"}), "a 1 b  c");
  EXPECT_EQ(FormatText("%s", {"1", "2"}), "1");
  EXPECT_EQ(FormatText("100% %d %", {}), "100% %d %");
  EXPECT_EQ(FormatText("", {"x"}), "");
}

}  // namespace
}  // namespace kestrova
