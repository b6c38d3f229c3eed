// Which run the command line asks for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qiv {

enum class RunKind { Normal, Install, Uninstall };

// "/U" and "/I" count wherever they occur in the whole command line, program path included, in
// exactly this letter case; "/U" wins when both occur.
RunKind RunKindFromCommandLine(const std::string& commandLine);

// The guardian run that the program starts for itself: "/Guardian" and the decimal id of the process whose windows
// it brings back should that process end without doing so. Checked before the run kind; empty for any other run.
std::optional<std::uint32_t> GuardedProcessId(const std::string& commandLine);
// The arguments that ask for the guardian run of the process.
std::string GuardianArguments(std::uint32_t processId);

}  // namespace qiv
