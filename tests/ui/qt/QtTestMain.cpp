// The window tests run in one Qt application (offscreen on a screen of
// 1600 x 1000 unless a platform is set) with the program's writable folder in
// a fresh temporary folder.

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/TestFiles.h"
#include "ui/qt/application/Application.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests needs no display.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KESTROVA_TEST_SCREEN);
  }
  kestrova::qt::Application app(argc, argv);
  const auto sandbox = std::make_unique<kestrova::test::ProgramFolderSandbox>();
  return RUN_ALL_TESTS();
}
