// The windows of one screen, bottom-most first, and the screen's attention and empty state.
#pragma once

#include <utility>
#include <vector>

#include "engine/AddedTimeMap.h"
#include "platform/WindowHandle.h"

namespace qiv {

class SwitchEngine;

// There is no record per window: a window belongs to every screen whose list holds it. Used by the
// user-interface thread only.
class ScreenWindows {
 public:
  ScreenWindows(SwitchEngine& engine, AddedTimeMap& addedTimes, int index);
  // Brings every window of the list back to the desktop: a screen that goes away must not take them along.
  ~ScreenWindows();
  ScreenWindows(const ScreenWindows&) = delete;
  ScreenWindows& operator=(const ScreenWindows&) = delete;

  bool Contains(WindowHandle window) const;
  // Appends the window at the top-most end and records the time, unless the list holds it already.
  void Add(WindowHandle window);
  // Removes every occurrence; the others keep their order.
  void Remove(WindowHandle window);
  const std::vector<WindowHandle>& Windows() const { return windows_; }
  // Puts the list in a new order, bottom-most first.
  void Reorder(std::vector<WindowHandle> windows) { windows_ = std::move(windows); }

  int Index() const { return index_; }
  void SetIndex(int index) { index_ = index; }
  // A window sent here while another screen was current; the screen's button blinks while it is set.
  WindowHandle AttentionWindow() const { return attentionWindow_; }
  void SetAttentionWindow(WindowHandle window) { attentionWindow_ = window; }
  bool IsEmpty() const { return isEmpty_; }
  void SetEmpty(bool isEmpty) { isEmpty_ = isEmpty; }

 private:
  SwitchEngine& engine_;
  AddedTimeMap& addedTimes_;
  std::vector<WindowHandle> windows_;
  int index_;
  WindowHandle attentionWindow_ = nullptr;
  bool isEmpty_ = true;
};

}  // namespace qiv
