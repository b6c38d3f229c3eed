// The window system through user32: the desktop's windows, their state, and the calls that move them.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Desktop.h"

namespace qiv {

inline HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
inline WindowHandle ToWindowHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }
HWND ToInsertAfter(InsertAfter after);

class Win32Desktop final : public Desktop {
 public:
  std::vector<WindowHandle> TopLevelWindowsFromTop() override;
  std::vector<WindowHandle> ChildWindows(WindowHandle parent) override;
  bool Exists(WindowHandle window) override;
  bool IsVisible(WindowHandle window) override;
  std::string Text(WindowHandle window) override;
  std::string ClassName(WindowHandle window) override;
  std::uint32_t ProcessId(WindowHandle window) override;
  WindowCreator Creator(WindowHandle window) override;
  WindowHandle Parent(WindowHandle window) override;
  WindowHandle Owner(WindowHandle window) override;
  bool Has(WindowHandle window, WindowTrait trait) override;
  bool GetPlacement(WindowHandle window, WindowPlacement& placement) override;
  bool SetPlacement(WindowHandle window, const WindowPlacement& placement) override;
  bool SetPosition(WindowHandle window, InsertAfter after, const Rect& rect, std::uint32_t flags) override;
  std::unique_ptr<PositionBatch> BeginPositionBatch(int windowCount) override;
  void Show(WindowHandle window, std::int32_t showCommand) override;
  void ShowAsync(WindowHandle window, std::int32_t showCommand) override;
  void SetParent(WindowHandle window, WindowHandle parent) override;
  void SetForeground(WindowHandle window) override;
  void StopFlashing(WindowHandle window) override;
  bool RespondsWithin(WindowHandle window, std::uint32_t timeoutMs) override;
};

}  // namespace qiv
