#pragma once

#include <gtest/gtest.h>

#include <string>

namespace qvutt::e2e {

// The running test's name: the program copy and its settings section take it.
inline std::wstring test_name() {
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string("e2e-") + info->test_suite_name() + "-" + info->name();
  for (char& c : name) {
    if (c == '/') c = '-';
  }
  return std::wstring(name.begin(), name.end());
}

}  // namespace qvutt::e2e
