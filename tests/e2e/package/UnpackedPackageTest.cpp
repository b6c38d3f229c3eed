// The release package as a user meets it: Qiv.exe started from the folder the zip was unpacked into (named by
// QIV_PACKAGE_FOLDER, set by tests/package/check-package) opens its help without the "Can't open file" message.
#include "tests/e2e/harness/HelpPageFixture.h"

#include <cstdlib>

namespace qiv::e2e {
namespace {

class UnpackedPackage : public HelpPageFixture {};

TEST_F(UnpackedPackage, HelpOpensMainPageOfThePackage) {
  const char* folder = std::getenv("QIV_PACKAGE_FOLDER");
  ASSERT_NE(folder, nullptr) << "QIV_PACKAGE_FOLDER names no folder: run tests/package/check-package";
  HWND panel = StartQivFrom(folder);
  ASSERT_NE(panel, nullptr) << "Qiv.exe of the package showed no panel";
  ChooseHelp(panel);
  EXPECT_TRUE(Opened(std::string(folder) + "Help\\Main.htm"));
}

}  // namespace
}  // namespace qiv::e2e
