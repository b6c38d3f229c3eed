// Stands in for the browser: while it lives, the shell opens .htm files with a command that only notes
// the path of each page it was asked to open. A test prefix has no program for .htm files, and a real
// browser would not tell the test what it opened.
#pragma once

#include <string>
#include <vector>

namespace qiv::e2e {

class PageOpenRecorder {
 public:
  PageOpenRecorder();
  // Gives .htm files back to whatever opened them before (nothing, in a test prefix).
  ~PageOpenRecorder();
  PageOpenRecorder(const PageOpenRecorder&) = delete;
  PageOpenRecorder& operator=(const PageOpenRecorder&) = delete;

  // Whether the association was made; without it every other answer is meaningless.
  bool Installed() const { return installed_; }
  // The full paths the shell was asked to open so far, in order.
  std::vector<std::string> OpenedPages() const;

 private:
  std::string recordFile_;
  bool installed_ = false;
};

}  // namespace qiv::e2e
