// Which run the command line asks for.
#include "app/CommandLine.h"

namespace qiv {

RunKind RunKindFromCommandLine(const std::string& commandLine) {
  if (commandLine.find("/U") != std::string::npos) return RunKind::Uninstall;
  if (commandLine.find("/I") != std::string::npos) return RunKind::Install;
  return RunKind::Normal;
}

}  // namespace qiv
