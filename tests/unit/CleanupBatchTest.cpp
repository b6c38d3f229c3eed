// The text of the batch file that deletes the program after it has ended.
#include "app/CleanupBatch.h"

#include <gtest/gtest.h>

namespace qiv {
namespace {

TEST(CleanupBatchTest, DeletesTheProgramFilesThenItself) {
  const std::string text = CleanupBatchText("C:\\Tools\\Qiv.exe", "C:\\Tools\\", "C:\\Temp\\DeleteQiv.bat");
  EXPECT_EQ(text,
            ":Repeat\r\n"
            "del \"C:\\Tools\\Qiv.exe\"\r\n"
            "if exist \"C:\\Tools\\Qiv.exe\" goto Repeat\r\n"
            "del /F /Q \"C:\\Tools\\Qivhook.dll\"\r\n"
            "del /F /Q \"C:\\Tools\\Help\\*.*\"\r\n"
            "rmdir \"C:\\Tools\\Help\"\r\n"
            "rmdir \"C:\\Tools\\\"\r\n"
            "del \"C:\\Temp\\DeleteQiv.bat\"\r\n");
  EXPECT_EQ(text.find('\0'), std::string::npos);
}

TEST(CleanupBatchTest, LivesInTheTemporaryFolderOrTheCurrentDirectory) {
  EXPECT_EQ(CleanupBatchPath("C:\\Temp\\"), "C:\\Temp\\DeleteQiv.bat");
  EXPECT_EQ(CleanupBatchPath(""), "DeleteQiv.bat");
}

}  // namespace
}  // namespace qiv
