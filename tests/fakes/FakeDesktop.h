// A desktop for tests: top-level and child windows in z-order with the state the engine reads and changes,
// windows that hang, asynchronous requests that wait for their window's thread, deferred batches, and Wine's
// refusal of other processes' placements.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Desktop.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeHookLock.h"

namespace qiv {

class FakeDesktop final : public Desktop {
 public:
  static constexpr std::uint32_t kOwnProcessId = 1;
  static constexpr std::uint32_t kOtherProcessId = 2;
  // Where a maximised window lies.
  static constexpr Rect kWorkArea{0, 0, 1280, 1024};

  enum class State { kNormal, kMinimized, kMaximized };

  struct Window {
    std::string text = "Window";
    std::string className = "AppWindow";
    std::uint32_t processId = kOtherProcessId;
    // 0: a thread of its own. Windows of one thread should agree on being hung.
    std::uint32_t threadId = 0;
    WindowHandle owner = nullptr;
    bool visible = true;
    bool disabled = false;
    bool toolWindow = false;
    bool topmost = false;
    bool maximizeBox = true;
    bool minimizeBox = true;
    State state = State::kNormal;
    bool restoreToMaximized = false;
    Rect normalRect{100, 100, 500, 400};
    // Answers no probe; its thread takes no asynchronous request and blocks every caller that waits for it.
    bool hung = false;
    // Kept by the desktop.
    int timesHidden = 0;
  };

  // Probes of hung windows and slow parent changes take their time on clock. Moves made while hookLock is not
  // raised are counted.
  FakeDesktop(FakeClock& clock, FakeHookLock& hookLock) : clock_(clock), hookLock_(hookLock) {}

  // A top-level window on top of the z-order, or a child on top of parent's children.
  WindowHandle Create(const Window& window, WindowHandle parent = nullptr);
  void Destroy(WindowHandle window);
  // The state of an existing window, to arrange and to check.
  Window& operator[](WindowHandle window) { return nodes_.at(window).window; }
  void BringToTop(WindowHandle window);

  // While set, asynchronous requests wait for ApplyPendingRequests, as for threads that have not run yet. Those of
  // hung windows always wait.
  void SetRequestsWait(bool wait) { requestsWait_ = wait; }
  void ApplyPendingRequests();
  // As Wine: the placement of another process's window cannot be set, and reads back with the current rectangle
  // as the normal one.
  void SetForeignPlacementsRefused(bool refused) { foreignPlacementsRefused_ = refused; }
  // The next parent change takes this long (a thread that is slow to answer).
  void DelayNextParentChange(std::uint32_t ms) { nextParentDelayMs_ = ms; }

  int Probes() const { return probes_; }
  // How often a query was asked, by the name of its method ("ClassName", "IsVisible", ...); without a name, every
  // query and walk of the desktop. Each stands for a round trip to the window system.
  int Queries(const std::string& name) const;
  int Queries() const;
  int TopLevelWalks() const { return topLevelWalks_; }
  std::uint32_t LongestProbeMs() const { return longestProbeMs_; }
  WindowHandle Foreground() const { return foreground_; }
  int StopFlashingCalls() const { return stopFlashingCalls_; }
  int ParentChanges() const { return parentChanges_; }
  int MovesWithoutHookLock() const { return movesWithoutHookLock_; }
  // Calls that would have blocked the caller until the window answers again.
  int BlockingCallsToHungWindows() const { return blockingCallsToHungWindows_; }
  // What happened on the desktop, in order: "show TEXT" and "hide TEXT" when a window's visibility changes,
  // "batch sent" when a position batch reaches the windows' threads, "foreground TEXT" when the foreground is set.
  const std::vector<std::string>& CallLog() const { return callLog_; }
  void ClearCallLog() { callLog_.clear(); }

  std::vector<WindowHandle> TopLevelWindowsFromTop() override {
    ++topLevelWalks_;
    return topLevel_;
  }
  std::vector<WindowHandle> ChildWindows(WindowHandle parent) override;
  bool Exists(WindowHandle window) override {
    ++queries_["Exists"];
    return nodes_.count(window) != 0;
  }
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
  void StopFlashing(WindowHandle) override { ++stopFlashingCalls_; }
  bool RespondsWithin(WindowHandle window, std::uint32_t timeoutMs) override;

 private:
  class Batch;

  struct Node {
    Window window;
    WindowHandle parent = nullptr;
    std::vector<WindowHandle> children;  // the top-most first
  };
  struct PendingRequest {
    WindowHandle window;
    std::function<void()> apply;
  };

  Node* Find(WindowHandle window);
  std::vector<WindowHandle>& Siblings(WindowHandle window);
  bool IsForeign(const Node& node) const { return node.window.processId != kOwnProcessId; }
  // Counts the move; false when the window does not exist.
  bool NoteMove(WindowHandle window, bool callerWaits);
  void Request(WindowHandle window, std::function<void()> apply);
  void ApplyPosition(WindowHandle window, InsertAfter after, const Rect& rect, std::uint32_t flags);
  void ApplyShowCommand(WindowHandle window, std::int32_t showCommand, bool byPlacement);
  void SetVisible(Window& window, bool visible);
  bool IsShownWithParents(WindowHandle window);
  void Log(const std::string& what, WindowHandle window);
  static Rect CurrentRect(const Window& window);

  FakeClock& clock_;
  FakeHookLock& hookLock_;
  std::map<WindowHandle, Node> nodes_;
  std::vector<WindowHandle> topLevel_;  // the top-most first
  std::vector<PendingRequest> pending_;
  std::uintptr_t nextHandle_ = 0x100;
  bool requestsWait_ = false;
  bool foreignPlacementsRefused_ = false;
  std::uint32_t nextParentDelayMs_ = 0;
  int probes_ = 0;
  int topLevelWalks_ = 0;
  std::map<std::string, int> queries_;
  std::uint32_t longestProbeMs_ = 0;
  WindowHandle foreground_ = nullptr;
  int stopFlashingCalls_ = 0;
  int parentChanges_ = 0;
  int movesWithoutHookLock_ = 0;
  int blockingCallsToHungWindows_ = 0;
  std::vector<std::string> callLog_;
};

}  // namespace qiv
