// The batch file that deletes the program's files once the program has ended.
#include "app/CleanupBatch.h"

namespace qiv {
namespace {

std::string Quoted(const std::string& path) { return '"' + path + '"'; }

}  // namespace

std::string CleanupBatchPath(const std::string& tempFolder) { return tempFolder + kCleanupBatchName; }

std::string CleanupBatchText(const std::string& executablePath, const std::string& programDirectory,
                             const std::string& batchPath) {
  const std::string helpFolder = programDirectory + "Help";
  // The executable stays locked until the program has exited: retry until it is gone. rmdir of
  // the program folder fails, harmlessly, while other files remain in it.
  // One batch line per source line.
  // clang-format off
  return ":Repeat\r\n"
         "del " + Quoted(executablePath) + "\r\n"
         "if exist " + Quoted(executablePath) + " goto Repeat\r\n"
         "del /F /Q " + Quoted(programDirectory + "Qivhook.dll") + "\r\n"
         "del /F /Q " + Quoted(helpFolder + "\\*.*") + "\r\n"
         "rmdir " + Quoted(helpFolder) + "\r\n"
         "rmdir " + Quoted(programDirectory) + "\r\n"
         "del " + Quoted(batchPath) + "\r\n";
  // clang-format on
}

}  // namespace qiv
