// The window system as the engine sees it: the desktop's windows, their state, and the calls that take them
// off the desktop and bring them back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/WindowHandle.h"

namespace qiv {

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

inline bool operator==(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

// Show commands, with the system's own numbers so that placements pass through unchanged.
enum ShowCommand : std::int32_t {
  kSwHide = 0,
  kSwShowNormal = 1,
  kSwShowMinimized = 2,
  kSwMaximize = 3,  // the same number as "show maximised"
  kSwShowNoActivate = 4,
  kSwMinimize = 6,
  kSwRestore = 9,
};

// Placement flag: a minimised window comes back maximised when it is restored.
constexpr std::uint32_t kPlacementRestoreToMaximized = 2;

struct WindowPlacement {
  std::uint32_t flags = 0;
  std::int32_t showCommand = kSwShowNormal;
  Point minPosition;
  Point maxPosition;
  Rect normalRect;  // the rectangle of the restored window
};

// Positioning flags, with the system's own numbers.
enum PositionFlag : std::uint32_t {
  kNoSize = 0x0001,
  kNoMove = 0x0002,
  kNoZOrder = 0x0004,
  kNoActivate = 0x0010,
  kShowWindow = 0x0040,
  kHideWindow = 0x0080,
  kNoOwnerZOrder = 0x0200,
  kNoSendChanging = 0x0400,
  kAsyncWindowPos = 0x4000,  // the window's own thread applies the change; the caller does not wait
};

// Where a positioned window goes in the z-order (ignored with kNoZOrder).
enum class InsertAfter { kTop, kTopmost, kNotTopmost };

// What the engine asks about a window's styles and state.
enum class WindowTrait { kDisabled, kMaximized, kMinimized, kMaximizeBox, kMinimizeBox, kToolWindow, kTopmost };

// The thread that created a window, which answers for it, and that thread's process; both 0 for a window that does
// not exist. Neither changes while the window lives.
struct WindowCreator {
  std::uint32_t processId = 0;
  std::uint32_t threadId = 0;
};

// Positions that take effect together when the batch ends, so that a screen's windows appear at once.
class PositionBatch {
 public:
  virtual ~PositionBatch() = default;
  // Never moves or sizes the window.
  virtual void Add(WindowHandle window, InsertAfter after, std::uint32_t flags) = 0;
  virtual void End() = 0;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // The top-level windows in z-order, the top-most first.
  virtual std::vector<WindowHandle> TopLevelWindowsFromTop() = 0;
  // The direct child windows of parent, the top-most first.
  virtual std::vector<WindowHandle> ChildWindows(WindowHandle parent) = 0;

  virtual bool Exists(WindowHandle window) = 0;
  // False also while a parent is hidden.
  virtual bool IsVisible(WindowHandle window) = 0;
  // Text and class name are cut at 1000 characters; empty for a window that does not exist.
  virtual std::string Text(WindowHandle window) = 0;
  virtual std::string ClassName(WindowHandle window) = 0;
  virtual std::uint32_t ProcessId(WindowHandle window) = 0;
  // One query for both ids.
  virtual WindowCreator Creator(WindowHandle window) = 0;
  // The window it lies in; null for a top-level window. An owned pop-up has an owner, not a parent.
  virtual WindowHandle Parent(WindowHandle window) = 0;
  virtual WindowHandle Owner(WindowHandle window) = 0;
  virtual bool Has(WindowHandle window, WindowTrait trait) = 0;

  // False when the system refuses; the placement is then unchanged.
  virtual bool GetPlacement(WindowHandle window, WindowPlacement& placement) = 0;
  virtual bool SetPlacement(WindowHandle window, const WindowPlacement& placement) = 0;

  // rect counts unless kNoMove and kNoSize leave it out. Without kAsyncWindowPos the call waits for a window of
  // another thread to apply the change.
  virtual bool SetPosition(WindowHandle window, InsertAfter after, const Rect& rect, std::uint32_t flags) = 0;
  // Null when the system has no room for a batch: the caller then positions each window itself.
  virtual std::unique_ptr<PositionBatch> BeginPositionBatch(int windowCount) = 0;
  // Waits for a window of another thread, unlike ShowAsync.
  virtual void Show(WindowHandle window, std::int32_t showCommand) = 0;
  virtual void ShowAsync(WindowHandle window, std::int32_t showCommand) = 0;
  // Null parent: the desktop.
  virtual void SetParent(WindowHandle window, WindowHandle parent) = 0;
  virtual void SetForeground(WindowHandle window) = 0;
  // Ends a taskbar button's flashing; nothing where the system cannot flash windows.
  virtual void StopFlashing(WindowHandle window) = 0;

  // Sends the window an empty message and waits at most timeoutMs, also while its thread is busy with messages
  // of its own; false when it did not answer, at once when the system already knows it as hung.
  virtual bool RespondsWithin(WindowHandle window, std::uint32_t timeoutMs) = 0;
};

}  // namespace qiv
