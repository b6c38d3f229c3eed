// Which special-folder look-ups name a folder that shortcuts may be written to or deleted from.
#include "shell/FolderLookup.h"

#include <gtest/gtest.h>

namespace qiv {
namespace {

TEST(FolderLookupTest, OnlyAFolderThatExistsCounts) {
  const struct {
    const char* name;
    std::int32_t result;
    const char* path;
    bool usable;
  } cases[] = {
      {"found", 0, "C:\\Users\\Ann\\Desktop", true},
      {"S_FALSE: the folder does not exist", 1, "C:\\Users\\Ann\\Startup", false},
      {"E_FAIL", static_cast<std::int32_t>(0x80004005u), "", false},
      {"found but empty", 0, "", false},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderLookupSucceeded(c.result, c.path), c.usable) << c.name;
}

}  // namespace
}  // namespace qiv
