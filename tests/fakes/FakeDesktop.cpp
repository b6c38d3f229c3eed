// A desktop for tests.
#include "tests/fakes/FakeDesktop.h"

#include <algorithm>

namespace qiv {
namespace {

constexpr std::size_t kMaxTextLength = 1000;
const Rect kMinimizedRect{-32000, -32000, -31840, -31972};

void Erase(std::vector<WindowHandle>& windows, WindowHandle window) {
  windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

void MoveToFront(std::vector<WindowHandle>& windows, WindowHandle window) {
  Erase(windows, window);
  windows.insert(windows.begin(), window);
}

}  // namespace

// Positions reach the windows' threads when the batch ends, all together.
class FakeDesktop::Batch final : public PositionBatch {
 public:
  explicit Batch(FakeDesktop& desktop) : desktop_(desktop) {}

  void Add(WindowHandle window, InsertAfter after, std::uint32_t flags) override {
    // Ending the batch sends each window its position changes and waits for the answer.
    if (ended_ || !desktop_.NoteMove(window, true)) return;
    entries_.push_back({window, after, flags});
  }
  void End() override {
    ended_ = true;
    desktop_.callLog_.push_back("batch sent");
    for (const Entry& entry : entries_) {
      FakeDesktop* desktop = &desktop_;
      desktop_.Request(entry.window, [desktop, entry] {
        desktop->ApplyPosition(entry.window, entry.after, Rect{}, entry.flags | kNoMove | kNoSize);
      });
    }
  }

 private:
  struct Entry {
    WindowHandle window;
    InsertAfter after;
    std::uint32_t flags;
  };

  FakeDesktop& desktop_;
  std::vector<Entry> entries_;
  bool ended_ = false;
};

WindowHandle FakeDesktop::Create(const Window& window, WindowHandle parent) {
  const WindowHandle handle = reinterpret_cast<WindowHandle>(nextHandle_);
  nextHandle_ += 0x10;
  Node& node = nodes_[handle];
  node.window = window;
  node.parent = parent;
  Siblings(handle).insert(Siblings(handle).begin(), handle);
  return handle;
}

void FakeDesktop::Destroy(WindowHandle window) {
  Node* node = Find(window);
  if (node == nullptr) return;
  for (WindowHandle child : std::vector<WindowHandle>(node->children)) Destroy(child);
  Erase(Siblings(window), window);
  nodes_.erase(window);
}

void FakeDesktop::BringToTop(WindowHandle window) { MoveToFront(Siblings(window), window); }

void FakeDesktop::ApplyPendingRequests() {
  std::vector<PendingRequest> requests = std::move(pending_);
  pending_.clear();
  for (PendingRequest& request : requests) {
    const Node* node = Find(request.window);
    if (node == nullptr) continue;
    if (node->window.hung) {
      pending_.push_back(std::move(request));
    } else {
      request.apply();
    }
  }
}

std::vector<WindowHandle> FakeDesktop::ChildWindows(WindowHandle parent) {
  ++queries_["ChildWindows"];
  const Node* node = Find(parent);
  return node == nullptr ? std::vector<WindowHandle>() : node->children;
}

bool FakeDesktop::IsVisible(WindowHandle window) {
  ++queries_["IsVisible"];
  return IsShownWithParents(window);
}

bool FakeDesktop::IsShownWithParents(WindowHandle window) {
  const Node* node = Find(window);
  if (node == nullptr || !node->window.visible) return false;
  return node->parent == nullptr || IsShownWithParents(node->parent);
}

int FakeDesktop::Queries(const std::string& name) const {
  const auto found = queries_.find(name);
  return found == queries_.end() ? 0 : found->second;
}

int FakeDesktop::Queries() const {
  int all = topLevelWalks_;
  for (const auto& entry : queries_) all += entry.second;
  return all;
}

std::string FakeDesktop::Text(WindowHandle window) {
  ++queries_["Text"];
  const Node* node = Find(window);
  return node == nullptr ? std::string() : node->window.text.substr(0, kMaxTextLength);
}

std::string FakeDesktop::ClassName(WindowHandle window) {
  ++queries_["ClassName"];
  const Node* node = Find(window);
  return node == nullptr ? std::string() : node->window.className.substr(0, kMaxTextLength);
}

std::uint32_t FakeDesktop::ProcessId(WindowHandle window) {
  ++queries_["ProcessId"];
  const Node* node = Find(window);
  return node == nullptr ? 0 : node->window.processId;
}

WindowCreator FakeDesktop::Creator(WindowHandle window) {
  ++queries_["Creator"];
  const Node* node = Find(window);
  if (node == nullptr) return {};
  // Above any id a test gives.
  const std::uint32_t ownThread = 0x10000000u + static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
  return {node->window.processId, node->window.threadId != 0 ? node->window.threadId : ownThread};
}

WindowHandle FakeDesktop::Parent(WindowHandle window) {
  ++queries_["Parent"];
  const Node* node = Find(window);
  return node == nullptr ? nullptr : node->parent;
}

WindowHandle FakeDesktop::Owner(WindowHandle window) {
  ++queries_["Owner"];
  const Node* node = Find(window);
  return node == nullptr ? nullptr : node->window.owner;
}

bool FakeDesktop::Has(WindowHandle window, WindowTrait trait) {
  ++queries_["Has"];
  const Node* node = Find(window);
  if (node == nullptr) return false;
  const Window& w = node->window;
  switch (trait) {
    case WindowTrait::kDisabled: return w.disabled;
    case WindowTrait::kMaximized: return w.state == State::kMaximized;
    case WindowTrait::kMinimized: return w.state == State::kMinimized;
    case WindowTrait::kMaximizeBox: return w.maximizeBox;
    case WindowTrait::kMinimizeBox: return w.minimizeBox;
    case WindowTrait::kToolWindow: return w.toolWindow;
    case WindowTrait::kTopmost: return w.topmost;
  }
  return false;
}

bool FakeDesktop::GetPlacement(WindowHandle window, WindowPlacement& placement) {
  ++queries_["GetPlacement"];
  const Node* node = Find(window);
  if (node == nullptr) return false;
  const Window& w = node->window;
  placement.flags = w.restoreToMaximized ? kPlacementRestoreToMaximized : 0;
  placement.showCommand = w.state == State::kMaximized   ? kSwMaximize
                          : w.state == State::kMinimized ? kSwShowMinimized
                                                         : kSwShowNormal;
  const bool wine = foreignPlacementsRefused_ && IsForeign(*node);
  placement.normalRect = wine ? CurrentRect(w) : w.normalRect;
  return true;
}

bool FakeDesktop::SetPlacement(WindowHandle window, const WindowPlacement& placement) {
  const Node* node = Find(window);
  if (node == nullptr || (foreignPlacementsRefused_ && IsForeign(*node))) return false;
  NoteMove(window, true);
  Window& w = (*this)[window];
  w.normalRect = placement.normalRect;
  ApplyShowCommand(window, placement.showCommand, true);
  w.restoreToMaximized = (placement.flags & kPlacementRestoreToMaximized) != 0;
  return true;
}

bool FakeDesktop::SetPosition(WindowHandle window, InsertAfter after, const Rect& rect, std::uint32_t flags) {
  const bool async = (flags & kAsyncWindowPos) != 0;
  if (!NoteMove(window, !async)) return false;
  if (async) {
    Request(window, [this, window, after, rect, flags] { ApplyPosition(window, after, rect, flags); });
  } else {
    ApplyPosition(window, after, rect, flags);
  }
  return true;
}

std::unique_ptr<PositionBatch> FakeDesktop::BeginPositionBatch(int) { return std::make_unique<Batch>(*this); }

void FakeDesktop::Show(WindowHandle window, std::int32_t showCommand) {
  if (NoteMove(window, true)) ApplyShowCommand(window, showCommand, false);
}

void FakeDesktop::ShowAsync(WindowHandle window, std::int32_t showCommand) {
  if (!NoteMove(window, false)) return;
  Request(window, [this, window, showCommand] { ApplyShowCommand(window, showCommand, false); });
}

void FakeDesktop::SetParent(WindowHandle window, WindowHandle parent) {
  if (!NoteMove(window, true)) return;
  ++parentChanges_;
  clock_.Advance(nextParentDelayMs_);
  nextParentDelayMs_ = 0;
  Erase(Siblings(window), window);
  Node& node = nodes_.at(window);
  node.parent = Find(parent) != nullptr ? parent : nullptr;
  // A child window cannot stay top-most.
  if (node.parent != nullptr) node.window.topmost = false;
  Siblings(window).insert(Siblings(window).begin(), window);
}

void FakeDesktop::SetForeground(WindowHandle window) {
  if (Find(window) == nullptr) return;
  foreground_ = window;
  Log("foreground", window);
}

void FakeDesktop::Log(const std::string& what, WindowHandle window) {
  const Node* node = Find(window);
  callLog_.push_back(what + " " + (node != nullptr ? node->window.text : std::string("?")));
}

bool FakeDesktop::RespondsWithin(WindowHandle window, std::uint32_t timeoutMs) {
  ++probes_;
  longestProbeMs_ = std::max(longestProbeMs_, timeoutMs);
  const Node* node = Find(window);
  if (node == nullptr) return false;
  if (!node->window.hung) return true;
  clock_.Advance(timeoutMs);
  return false;
}

FakeDesktop::Node* FakeDesktop::Find(WindowHandle window) {
  const auto found = nodes_.find(window);
  return found == nodes_.end() ? nullptr : &found->second;
}

std::vector<WindowHandle>& FakeDesktop::Siblings(WindowHandle window) {
  const WindowHandle parent = nodes_.at(window).parent;
  return parent == nullptr ? topLevel_ : nodes_.at(parent).children;
}

bool FakeDesktop::NoteMove(WindowHandle window, bool callerWaits) {
  const Node* node = Find(window);
  if (node == nullptr) return false;
  if (hookLock_.Count() <= 0) ++movesWithoutHookLock_;
  if (callerWaits && node->window.hung) ++blockingCallsToHungWindows_;
  return true;
}

void FakeDesktop::Request(WindowHandle window, std::function<void()> apply) {
  const Node* node = Find(window);
  if (node == nullptr) return;
  if (requestsWait_ || node->window.hung) {
    pending_.push_back({window, std::move(apply)});
  } else {
    apply();
  }
}

void FakeDesktop::ApplyPosition(WindowHandle window, InsertAfter after, const Rect& rect, std::uint32_t flags) {
  if (Find(window) == nullptr) return;
  Window& w = (*this)[window];
  if ((flags & kHideWindow) != 0) SetVisible(w, false);
  if ((flags & kShowWindow) != 0) SetVisible(w, true);
  if ((flags & kNoZOrder) == 0) {
    if (after == InsertAfter::kTopmost) w.topmost = true;
    if (after == InsertAfter::kNotTopmost) w.topmost = false;
    if (after != InsertAfter::kNotTopmost) MoveToFront(Siblings(window), window);
  }
  // Only a restored window's rectangle is its normal one.
  if (w.state != State::kNormal) return;
  Rect& r = w.normalRect;
  if ((flags & kNoMove) == 0) r = {rect.left, rect.top, rect.left + (r.right - r.left), rect.top + (r.bottom - r.top)};
  if ((flags & kNoSize) == 0) r = {r.left, r.top, r.left + (rect.right - rect.left), r.top + (rect.bottom - rect.top)};
}

// A placement's restore goes to the normal state even when the window was maximised before it was minimised; the
// restore-to-maximised flag counts only for a restore by show command.
void FakeDesktop::ApplyShowCommand(WindowHandle window, std::int32_t showCommand, bool byPlacement) {
  if (Find(window) == nullptr) return;
  Window& w = (*this)[window];
  switch (showCommand) {
    case kSwHide: SetVisible(w, false); return;
    case kSwShowNormal:
    case kSwShowNoActivate:
    case kSwRestore:
      w.state =
          w.state == State::kMinimized && w.restoreToMaximized && !byPlacement ? State::kMaximized : State::kNormal;
      break;
    case kSwMaximize: w.state = State::kMaximized; break;
    case kSwShowMinimized:
    case kSwMinimize:
      if (w.state != State::kMinimized) w.restoreToMaximized = w.state == State::kMaximized;
      w.state = State::kMinimized;
      break;
    default: break;
  }
  SetVisible(w, true);
}

void FakeDesktop::SetVisible(Window& window, bool visible) {
  if (window.visible && !visible) ++window.timesHidden;
  if (window.visible != visible) callLog_.push_back((visible ? "show " : "hide ") + window.text);
  window.visible = visible;
}

Rect FakeDesktop::CurrentRect(const Window& window) {
  switch (window.state) {
    case State::kMaximized: return kWorkArea;
    case State::kMinimized: return kMinimizedRect;
    case State::kNormal: break;
  }
  return window.normalRect;
}

}  // namespace qiv
