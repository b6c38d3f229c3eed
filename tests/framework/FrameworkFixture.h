// The fixture of every framework test: common controls ready, an empty message log, a visible host window.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>

#include "tests/framework/MessageLog.h"
#include "tests/framework/TestWindows.h"

namespace qiv::test {

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A top-level window standing for the panel: the parent the code under test is given.
  TestWindow& Host() { return *host_; }

 private:
  std::unique_ptr<TestWindow> host_;
};

}  // namespace qiv::test
