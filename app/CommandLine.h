// Which run the command line asks for.
#pragma once

#include <string>

namespace qiv {

enum class RunKind { Normal, Install, Uninstall };

// "/U" and "/I" count wherever they occur in the whole command line, program path included, in
// exactly this letter case; "/U" wins when both occur.
RunKind RunKindFromCommandLine(const std::string& commandLine);

}  // namespace qiv
