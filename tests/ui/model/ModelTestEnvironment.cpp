// Every model test runs with the program's writable folder in a fresh
// temporary folder, so no test reads or writes the user's own settings.

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/TestFiles.h"

namespace {

class WritableFolderSandbox : public ::testing::Environment {
 public:
  void SetUp() override { sandbox_ = std::make_unique<kestrova::test::ProgramFolderSandbox>(); }
  void TearDown() override { sandbox_.reset(); }

 private:
  std::unique_ptr<kestrova::test::ProgramFolderSandbox> sandbox_;
};

const auto* const kSandbox = ::testing::AddGlobalTestEnvironment(new WritableFolderSandbox);

}  // namespace
