// The .htm association, pointed at cmd.exe echoing the page's path into a file.
#include "tests/e2e/harness/PageOpenRecorder.h"

#include "tests/e2e/harness/ShellQueries.h"
#include "tests/e2e/harness/TestRegistry.h"

#include <sstream>

namespace qiv::e2e {
namespace {

// Written through HKEY_CLASSES_ROOT: Wine's shell reads the associations from there only, not from the
// user's "Software\Classes" that Windows merges in.
constexpr char kExtensionKey[] = ".htm";
constexpr char kClassName[] = "QivE2E.RecordedPage";

std::string SystemFolder() {
  char path[MAX_PATH + 1] = {};
  const UINT length = ::GetSystemDirectoryA(path, MAX_PATH);
  return std::string(path, length) + "\\";
}

}  // namespace

PageOpenRecorder::PageOpenRecorder() : recordFile_(TempFolder() + "Qiv opened pages.txt") {
  ::DeleteFileA(recordFile_.c_str());
  const std::string command = "\"" + SystemFolder() + "cmd.exe\" /c echo \"%1\">>\"" + recordFile_ + "\"";
  installed_ = WriteString(HKEY_CLASSES_ROOT, kExtensionKey, "", kClassName) &&
               WriteString(HKEY_CLASSES_ROOT, std::string(kClassName) + "\\shell\\open\\command", "", command);
}

PageOpenRecorder::~PageOpenRecorder() {
  DeleteKeyTree(HKEY_CLASSES_ROOT, kExtensionKey);
  DeleteKeyTree(HKEY_CLASSES_ROOT, kClassName);
  ::DeleteFileA(recordFile_.c_str());
}

std::vector<std::string> PageOpenRecorder::OpenedPages() const {
  std::vector<std::string> pages;
  std::istringstream lines(ReadWholeFile(recordFile_));
  for (std::string line; std::getline(lines, line);) {
    std::string page;
    for (const char c : line) {
      if (c != '"' && c != '\r') page += c;
    }
    while (!page.empty() && page.back() == ' ') page.pop_back();
    if (!page.empty()) pages.push_back(page);
  }
  return pages;
}

}  // namespace qiv::e2e
