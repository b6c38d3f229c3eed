// The system's file-open dialog, run under the modal scope.
#include "framework/FileOpenDialog.h"

#include <commdlg.h>

#include "framework/ModalScope.h"

namespace qiv {
namespace {

// The dialog writes the chosen path here; long enough for any path the ANSI functions take.
constexpr std::size_t kPathBuffer = 32768;

// The filter as GetOpenFileName reads it: description, patterns, ..., all ending in a zero, and one more.
std::string FilterText(const std::vector<FileOpenRequest::Filter>& filters) {
  std::string text;
  for (const FileOpenRequest::Filter& filter : filters) {
    text += filter.description;
    text += '\0';
    text += filter.patterns;
    text += '\0';
  }
  text += '\0';
  return text;
}

}  // namespace

std::optional<std::string> ChooseFileToOpen(HWND parent, const FileOpenRequest& request) {
  // The common dialog runs the dialog manager's loop, which disables the owner and enables it again.
  const ModalScope scope(parent);
  const std::string filter = FilterText(request.filters);
  std::string path(kPathBuffer, '\0');
  request.initialFile.copy(path.data(), kPathBuffer - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = scope.Owner();
  dialog.lpstrFilter = request.filters.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrInitialDir = request.initialDirectory.empty() ? nullptr : request.initialDirectory.c_str();
  dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
  dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!::GetOpenFileNameA(&dialog)) return std::nullopt;
  path.resize(path.find('\0'));
  return path;
}

}  // namespace qiv
