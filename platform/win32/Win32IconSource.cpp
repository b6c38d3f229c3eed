// Icons from the program's resources and from files, and the list that destroys them at exit.
#include "platform/win32/Win32IconSource.h"

#include <shellapi.h>

namespace qiv {

Win32IconSource::Win32IconSource(HINSTANCE instance) : instance_(instance) {}

Win32IconSource::~Win32IconSource() { DestroyRegisteredIcons(); }

IconHandle Win32IconSource::LoadBuiltinIcon(int resourceId) {
  // Not shared (no LR_SHARED): the icon list destroys what it holds, and a shared icon
  // must never be destroyed.
  return ToIconHandle(
      static_cast<HICON>(::LoadImageA(instance_, MAKEINTRESOURCEA(resourceId), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
}

IconHandle Win32IconSource::ExtractFileIcon(const std::string& file, int index) {
  // Index -1 asks for the number of icons in the file, which would come back as a handle.
  if (index == -1) return nullptr;
  HICON icon = ::ExtractIconA(instance_, file.c_str(), static_cast<UINT>(index));
  // 1 is the answer for a file that is no executable, library or icon file.
  if (icon == reinterpret_cast<HICON>(1)) return nullptr;
  return ToIconHandle(icon);
}

void Win32IconSource::RegisterIcon(IconHandle icon) {
  if (icon != nullptr) icons_.push_back(ToHicon(icon));
}

void Win32IconSource::DestroyRegisteredIcons() {
  for (HICON icon : icons_) ::DestroyIcon(icon);
  icons_.clear();
}

}  // namespace qiv
