// Which run a command line asks for.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace qiv {
namespace {

struct RunCase {
  const char* commandLine;
  RunKind kind;
};

TEST(CommandLineTest, RunKindFromCommandLine) {
  const RunCase cases[] = {
      {"", RunKind::Normal},
      {"C:\\Tools\\Qiv.exe", RunKind::Normal},
      {"C:\\Tools\\Qiv.exe /U", RunKind::Uninstall},
      {"C:\\Tools\\Qiv.exe /I", RunKind::Install},
      {"C:\\Tools\\Qiv.exe /I /U", RunKind::Uninstall},
      {"C:\\Tools\\Qiv.exe /u", RunKind::Normal},
      {"C:\\Tools\\Qiv.exe /i", RunKind::Normal},
      {"\"C:\\Tools\\Qiv.exe\"/Install", RunKind::Install},
      {"C:\\Apps/Utils\\Qiv.exe", RunKind::Uninstall},  // the program path counts as well
      {"C:\\Tools\\Qiv.exe -U", RunKind::Normal},
  };
  for (const RunCase& c : cases) {
    EXPECT_EQ(RunKindFromCommandLine(c.commandLine), c.kind) << c.commandLine;
  }
}

}  // namespace
}  // namespace qiv
