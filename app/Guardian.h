// The guardian run: a second Qiv.exe without windows that waits for the program to end and, when it ended
// without bringing its windows back (a crash, a kill), brings back every window it had taken off the desktop.
#pragma once

#include <cstdint>

namespace qiv {

// Starts the guardian of this process; false when it could not be started (the program runs on without one).
bool StartGuardian();
// The guardian's whole run, for the process with this id.
void RunGuardian(std::uint32_t processId);

}  // namespace qiv
