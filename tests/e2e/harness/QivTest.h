// Base fixture of the end-to-end tests: a clean "Software\Brevik\Qiv" key before each
// test, Qiv started with its panel on request, and every process the test started ended afterwards, also when
// it fails.
#pragma once

#include "tests/e2e/harness/HelperClient.h"
#include "tests/e2e/harness/QivProcess.h"
#include "tests/e2e/harness/TestRegistry.h"
#include "tests/e2e/harness/Wait.h"
#include "tests/e2e/harness/WindowQueries.h"

#include <gtest/gtest.h>

namespace qiv::e2e {

class QivTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, kQivKey)); }

  // Starts Qiv and waits until its panel has settled, so that no key or click goes astray.
  void StartQiv() {
    ASSERT_TRUE(qiv_.Start());
    panel_ = qiv_.WaitForSettledPanel();
    ASSERT_NE(panel_, nullptr) << "the panel was not laid out and made top-most";
  }

  QivProcess qiv_;
  HWND panel_ = nullptr;
  HelperClient helper_;
};

}  // namespace qiv::e2e
