// Which run a command line asks for.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

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

TEST(CommandLineTest, GuardedProcessId) {
  const struct {
    const char* commandLine;
    std::optional<std::uint32_t> id;
  } cases[] = {
      {"\"C:\\Tools\\Qiv.exe\" /Guardian 1234", 1234u},
      {"\"C:\\Tools\\Qiv.exe\"", std::nullopt},
      {"\"C:\\Tools\\Qiv.exe\" /Guardian ", std::nullopt},
      {"\"C:\\Tools\\Qiv.exe\" /Guardian 12x", std::nullopt},
      {"\"C:\\Tools\\Qiv.exe\" /Guardian 0", std::nullopt},
      {"\"C:\\Tools\\Qiv.exe\" /Guardian 99999999999", std::nullopt},
      {"\"C:\\Tools\\Qiv.exe\" /guardian 1234", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(GuardedProcessId(c.commandLine), c.id) << c.commandLine;
  const std::string own = "\"C:\\Tools\\Qiv.exe\" " + GuardianArguments(4321);
  EXPECT_EQ(GuardedProcessId(own), 4321u);
  EXPECT_EQ(RunKindFromCommandLine(own), RunKind::Normal) << "never taken for an install or uninstall run";
}

}  // namespace
}  // namespace qiv
