// The batch file that removes the program's files after an uninstallation, started as the
// program ends.
#pragma once

namespace qiv {

// Writes "DeleteQiv.bat" into the temporary folder and starts it at idle priority; the
// program raises its own priority so that it ends before the batch runs.
void StartCleanupBatch();

}  // namespace qiv
