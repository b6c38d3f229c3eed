// The batch file that deletes the program's files once the program has ended: a running
// executable cannot delete itself.
#pragma once

#include <string>

namespace qiv {

inline constexpr char kCleanupBatchName[] = "DeleteQiv.bat";

// tempFolder ends in a backslash; empty when the system has none, and the file then lands in
// the current directory.
std::string CleanupBatchPath(const std::string& tempFolder);

// The whole file, without a terminating zero. programDirectory ends in a backslash.
std::string CleanupBatchText(const std::string& executablePath, const std::string& programDirectory,
                             const std::string& batchPath);

}  // namespace qiv
