#include <gtest/gtest.h>

#include <cmath>

#include "core/files/SettingsRecord.h"

using namespace kestrova;

TEST(FontStyleLetters, ParseIgnoresCaseOrderAndOtherCharacters) {
  constexpr TFontStyles all = fsBold | fsItalic | fsUnderline | fsStrikeOut;
  for (const char* text : {"BIUS", "suib", "sUiB", "UbSi"}) EXPECT_EQ(ParseFontStyle(text), all) << text;
  EXPECT_EQ(ParseFontStyle(""), 0);
  EXPECT_EQ(ParseFontStyle("123xyz"), 0);
  EXPECT_EQ(ParseFontStyle("bb"), fsBold);
}

TEST(FontStyleLetters, WrittenInFixedOrderAndReadBack) {
  EXPECT_EQ(FontStyleToString(fsBold | fsUnderline), "BU");
  EXPECT_EQ(FontStyleToString(fsItalic | fsStrikeOut), "IS");
  EXPECT_EQ(FontStyleToString(fsStrikeOut | fsUnderline | fsItalic | fsBold), "BIUS");
  EXPECT_EQ(FontStyleToString(0), "");
  for (TFontStyles s = 0; s < 16; ++s) EXPECT_EQ(ParseFontStyle(FontStyleToString(s)), s);
}

TEST(SettingsRecord, WholeDegreesRoundHalvesToEven) {
  EXPECT_EQ(WholeDegrees(2.5f), 2);
  EXPECT_EQ(WholeDegrees(3.5f), 4);
  EXPECT_EQ(WholeDegrees(12.5f), 12);
  EXPECT_EQ(WholeDegrees(13.5f), 14);
  EXPECT_EQ(WholeDegrees(-2.5f), -2);
  EXPECT_EQ(WholeDegrees(-2.6f), -3);
  EXPECT_EQ(WholeDegrees(1e30f), INT32_MAX);
  EXPECT_EQ(WholeDegrees(NAN), 0);
}
