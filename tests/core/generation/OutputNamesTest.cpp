#include <gtest/gtest.h>

#include "core/generation/OutputNames.h"

using namespace kestrova;

TEST(SanitizeFileName, KeepsNameCharactersAndReplacesEachOtherCharacterByOneUnderscore) {
  EXPECT_EQ(SanitizeFileName("Az09._"), "Az09._");
  EXPECT_EQ(SanitizeFileName("a b!c-d/e\\f:\"\t"), "a_b_c_d_e_f___");
  // A letter outside ASCII is one character, however many bytes it takes.
  EXPECT_EQ(SanitizeFileName("\xC3\x9C" "ber"), "_ber");            // two bytes
  EXPECT_EQ(SanitizeFileName("5\xE2\x82\xAC"), "5_");                // three bytes
  EXPECT_EQ(SanitizeFileName("\xF0\x9F\x98\x80!"), "__");            // four bytes
  // Bytes that start no valid sequence count one by one.
  EXPECT_EQ(SanitizeFileName("\xFC" "ber"), "_ber");
  EXPECT_EQ(SanitizeFileName("\xC3" "A"), "_A");
  EXPECT_EQ(SanitizeFileName("\xE2\x82"), "__");
  EXPECT_EQ(SanitizeFileName(""), "");
}

TEST(BuildOutputName, NumberPrefixCaptionPostfixAndLowerCase) {
  EXPECT_EQ(BuildOutputName("", "", "\xC3\x9C" "ber uns!", false, true, true, 1), "001__ber_uns_");
  EXPECT_EQ(BuildOutputName("btn-", "", "", false, false, false, 7), "btn_unnamed");
  EXPECT_EQ(BuildOutputName("", "", "Home", true, true, false, 2), "002_");
  EXPECT_EQ(BuildOutputName("", "", "x", false, true, false, 1234), "1234_x");
  EXPECT_EQ(BuildOutputName("", "", "Home\r\npage", false, true, true, 1) + OutputExtension(ofGif),
            "001_home__page.gif");
  EXPECT_EQ(BuildOutputName("", "", "all_in_one_image", false, true, true, 1), "001_all_in_one_image");
  EXPECT_EQ(BuildOutputName("Pre ", "_Post", "Mid", false, false, false, 1), "Pre_Mid_Post");
  EXPECT_EQ(BuildOutputName("B_", "", "", false, false, true, 1), "b_unnamed");
  EXPECT_EQ(OutputExtension(ofJpeg), ".jpg");
  EXPECT_EQ(OutputExtension(4), "");
}
