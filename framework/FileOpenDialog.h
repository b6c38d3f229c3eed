// The system's file-open dialog, run under the modal scope.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace qiv {

struct FileOpenRequest {
  std::string title;
  // Pairs of a description and its patterns, e.g. {"Programs", "*.exe"}, in the order shown.
  struct Filter {
    std::string description;
    std::string patterns;
  };
  std::vector<Filter> filters;
  std::string initialDirectory;
  std::string initialFile;
  // Added to a typed name that has no extension, e.g. "wav"; empty: none.
  std::string defaultExtension;
};

// The path of an existing file the user chose; nullopt after Cancel or when the dialog fails. Owned by the
// current modal window, or without one by parent's top-level window.
std::optional<std::string> ChooseFileToOpen(HWND parent, const FileOpenRequest& request);

}  // namespace qiv
