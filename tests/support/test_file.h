#pragma once

#include <gtest/gtest.h>

#include <string>

namespace velkor::testing {

// A file of the running test's own in the temporary directory: ctest runs the tests of one
// program side by side, so a name they share would be written by several at once.
inline std::string TestFile(const std::string& name) {
  return ::testing::TempDir() + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" + name;
}

}  // namespace velkor::testing
