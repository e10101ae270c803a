#include <gtest/gtest.h>

#include "ui/qt/dialogs/Dialogs.h"

using namespace kestrova;

TEST(Dialogs, FiltersBecomeNameFiltersWithTheirOwnPatterns) {
  const std::pair<const char*, QStringList> cases[] = {
      {"Kestrova files (*.btn)|*.btn|All files (*.*)|*.*", {"Kestrova files (*.btn)", "All files (*)"}},
      {"Image Files (*.jpg, *.gif)|*.jpg;*.jpe;*.gif|Bitmaps (*.bmp)|*.bmp",
       {"Image Files (*.jpg *.jpe *.gif)", "Bitmaps (*.bmp)"}},
      {"Pliki INI|*.ini", {"Pliki INI (*.ini)"}},
      {"", {}},
  };
  for (const auto& [filter, names] : cases) EXPECT_EQ(qt::NameFiltersOf(filter), names) << filter;
}
