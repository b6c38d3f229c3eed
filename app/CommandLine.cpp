// Which run the command line asks for.
#include "app/CommandLine.h"

#include <cstdint>

namespace qiv {
namespace {

constexpr char kGuardianSwitch[] = " /Guardian ";

}  // namespace

RunKind RunKindFromCommandLine(const std::string& commandLine) {
  if (commandLine.find("/U") != std::string::npos) return RunKind::Uninstall;
  if (commandLine.find("/I") != std::string::npos) return RunKind::Install;
  return RunKind::Normal;
}

std::optional<std::uint32_t> GuardedProcessId(const std::string& commandLine) {
  const std::size_t at = commandLine.find(kGuardianSwitch);
  if (at == std::string::npos) return std::nullopt;
  const std::string digits = commandLine.substr(at + sizeof(kGuardianSwitch) - 1);
  std::uint64_t id = 0;
  if (digits.empty()) return std::nullopt;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    id = id * 10 + static_cast<std::uint64_t>(c - '0');
    if (id > 0xFFFFFFFFu) return std::nullopt;
  }
  if (id == 0) return std::nullopt;
  return static_cast<std::uint32_t>(id);
}

std::string GuardianArguments(std::uint32_t processId) { return kGuardianSwitch + 1 + std::to_string(processId); }

}  // namespace qiv
