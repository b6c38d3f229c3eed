// Icons from the program's resources and from files, and the list that destroys them at exit.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/IconSource.h"

namespace qiv {

inline HICON ToHicon(IconHandle icon) { return reinterpret_cast<HICON>(icon); }
inline IconHandle ToIconHandle(HICON icon) { return reinterpret_cast<IconHandle>(icon); }

// One instance serves the whole process: every icon a screen was given is entered in its list,
// since buttons and settings pages may still draw an icon after its screen has changed.
class Win32IconSource final : public IconSource {
 public:
  // instance: the module whose icon resources LoadBuiltinIcon reads.
  explicit Win32IconSource(HINSTANCE instance);
  ~Win32IconSource() override;
  Win32IconSource(const Win32IconSource&) = delete;
  Win32IconSource& operator=(const Win32IconSource&) = delete;

  IconHandle LoadBuiltinIcon(int resourceId) override;
  IconHandle ExtractFileIcon(const std::string& file, int index) override;
  void RegisterIcon(IconHandle icon) override;

  // Destroys every registered icon; called once the panel has ended.
  void DestroyRegisteredIcons();

 private:
  HINSTANCE instance_;
  std::vector<HICON> icons_;
};

}  // namespace qiv
