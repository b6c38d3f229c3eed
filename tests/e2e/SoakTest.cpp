// A seeded soak of switching under Wine: about forty windows of every kind the program treats apart, spread over the
// five screens, then hundreds of random switches, hangs, self-shows, closes and opens, each followed by a check that
// every living window is where the test's own model of the screens puts it. QIV_SOAK_SEED and QIV_SOAK_ACTIONS
// choose the run (scripts/soak); without them ctest runs a short one with a fixed seed.
#include "resources/resource.h"
#include "tests/e2e/harness/Keyboard.h"
#include "tests/e2e/harness/Mouse.h"
#include "tests/e2e/harness/QivTest.h"
#include "tests/e2e/helper/HelperProtocol.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace qiv::e2e {
namespace {

constexpr int kScreenCount = 5;
// Fixed for the ctest run, so that it is the same run every time. With this seed the first actions already switch
// back to screens that hold every kind of window, take a hung window through a switch, and let windows show
// themselves on hidden screens and close in the middle of switches.
constexpr unsigned kShortRunSeed = 7;
constexpr int kShortRunActions = 60;
// A switch waits 0 + 50 + ... + 450 ms for windows that are slow to go; Wine adds its own latency on top.
constexpr ULONGLONG kSettleMs = 4000;
// A window that shows itself on a hidden screen is on the desktop until the program has seen it and sent it back;
// counted from the moment it shows itself.
constexpr ULONGLONG kSelfShowGraceMs = 1000;
// The longest delay of a self-show or a close: long enough that some land in the middle of the next actions.
constexpr WPARAM kMaxDelayMs = 1500;
// Qiv takes the current screen's new windows in on its 500 ms refresh.
constexpr unsigned kTrackedAfterMs = 1100;
// Long enough that most hangs outlast the guard below and go through a switch.
constexpr WPARAM kMinHangMs = 2000;
constexpr WPARAM kMaxHangMs = 6000;
constexpr int kMaxHungAtOnce = 2;
// A hang that would end in the middle of a switch leaves it open whether the window went or stayed: a switch waits
// for such hangs to end first.
constexpr ULONGLONG kHangEndGuardMs = 2500;
constexpr int kMinWindows = 30;
constexpr int kMaxWindows = 44;
constexpr size_t kHistoryLength = 8;
// A switch shows in the panel within milliseconds; input that has not switched by then went elsewhere: a hot key
// to the focused program while the panel was busy, a click to where Wine put the cursor back when a window
// appeared under it.
constexpr unsigned kInputEffectMs = 2000;
constexpr int kSwitchAttempts = 3;

enum class Kind { kNormal, kDialog, kMinimised, kMaximised, kExplorer, kUntitled };
enum class Via { kDigitKey, kNextKey, kPreviousKey, kClick };
enum class Place { kAnywhere, kOnDesktop, kOffDesktop };

struct SoakWindow {
  HWND window = nullptr;
  Kind kind = Kind::kNormal;
  // Only a window on a thread of its own can hang without taking the helper's control window along.
  bool ownThread = false;
  // The screen the window belongs to in the test's model; a dialog's is its owner's.
  int screen = 0;
  int owner = -1;
  std::string title;
  // Hung through a switch of its own screen: the program leaves an unresponsive window alone, so it stays on the
  // desktop or, when its screen came back, stays hidden, and no screen holds it; once it answers it shows and the
  // screen current then takes it in.
  bool adrift = false;
  ULONGLONG hungUntil = 0;
  // A self-show that has been asked for and not yet seen through: when it is due and how many shows are expected.
  ULONGLONG showAt = 0;
  LRESULT showsExpected = 0;
  // Seen on the desktop after its self-show, and whether the time it took to go again has been counted.
  bool seenAstray = false;
  bool sendBackCounted = false;
  bool closing = false;
  // Out of place once already: counted then, and left out of the later checks (though not of the last one).
  bool reported = false;
};

unsigned EnvironmentNumber(const char* name, unsigned fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  return static_cast<unsigned>(std::strtoul(text, nullptr, 0));
}

std::string Handle(HWND window) {
  std::ostringstream text;
  text << reinterpret_cast<ULONG_PTR>(window);
  return text.str();
}

class Soak : public QivTest {
 protected:
  void SetUp() override {
    QivTest::SetUp();
    seed_ = EnvironmentNumber("QIV_SOAK_SEED", kShortRunSeed);
    actionCount_ = static_cast<int>(EnvironmentNumber("QIV_SOAK_ACTIONS", kShortRunActions));
    random_.seed(seed_);
    begin_ = ::GetTickCount64();
    std::printf("[soak] seed %u, %d actions (replay: QIV_SOAK_SEED=%u QIV_SOAK_ACTIONS=%d scripts/soak)\n", seed_,
                actionCount_, seed_, actionCount_);
    std::fflush(stdout);
    ASSERT_TRUE(helper_.Start());
    ASSERT_NO_FATAL_FAILURE(StartQiv());
    typingTarget_ = helper_.Open("title=Typing target|tool|x=1000|y=860|w=200|h=100");
    ASSERT_NE(typingTarget_, nullptr);
    // Under the virtual desktop the top-most panel is hit-tested below windows made after it: the windows keep
    // clear of it so that clicks on its buttons reach it.
    RECT panelRect = {};
    ::GetWindowRect(panel_, &panelRect);
    top_ = panelRect.bottom + 40;
  }

  int Roll(int count) { return static_cast<int>(random_() % static_cast<unsigned>(count)); }
  WPARAM RollMs(WPARAM low, WPARAM high) { return low + random_() % (high - low + 1); }

  void Log(const std::string& action) {
    history_.push_back(action);
    if (history_.size() > kHistoryLength) history_.pop_front();
    std::printf("[soak] %7.1f s  %s\n", static_cast<double>(::GetTickCount64() - begin_) / 1000.0, action.c_str());
    std::fflush(stdout);
  }

  // ---- windows -------------------------------------------------------------------------------------------------

  static const char* KindName(Kind kind) {
    switch (kind) {
      case Kind::kNormal: return "normal";
      case Kind::kDialog: return "owned dialog";
      case Kind::kMinimised: return "minimised";
      case Kind::kMaximised: return "maximised";
      case Kind::kExplorer: return "Explorer-class";
      case Kind::kUntitled: return "untitled";
    }
    return "?";
  }

  std::string Describe(const SoakWindow& w) const {
    std::string text = KindName(w.kind);
    if (w.ownThread) text += " (own thread)";
    return text + " \"" + w.title + "\" " + Handle(w.window);
  }

  // Opens a window of kind on the current screen; false if the helper could not.
  bool OpenWindow(Kind kind, bool ownThread, int owner = -1) {
    SoakWindow w;
    w.kind = kind;
    w.ownThread = ownThread;
    w.screen = current_;
    w.owner = owner;
    w.title = kind == Kind::kUntitled ? std::string() : "Soak " + std::to_string(++opened_);
    const int x = 20 + Roll(900);
    const int y = top_ + Roll(std::max(1, 760 - 200 - top_));
    std::string fields = "title=" + w.title + "|x=" + std::to_string(x) + "|y=" + std::to_string(y) + "|w=260|h=160";
    if (kind == Kind::kExplorer) fields += "|class=CabinetWClass";
    if (kind == Kind::kMinimised) fields += "|show=min";
    if (kind == Kind::kMaximised) {
      fields += "|show=max|maxrect=0," + std::to_string(top_) + ",1280," + std::to_string(800 - top_);
    }
    if (kind == Kind::kDialog) fields += "|owner=" + Handle(windows_[owner].window);
    if (ownThread) fields += "|thread";
    w.window = helper_.Open(fields);
    if (w.window == nullptr) return false;
    windows_.push_back(w);
    return true;
  }

  bool Alive(const SoakWindow& w) const { return ::IsWindow(w.window) != FALSE; }
  int LivingCount() const {
    return static_cast<int>(
        std::count_if(windows_.begin(), windows_.end(), [&](const SoakWindow& w) { return Alive(w); }));
  }

  static bool Answers(HWND window) {
    DWORD_PTR reply = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 100, &reply) != 0;
  }

  // Whether the window may still be hung; forgets a hang once the window answers.
  bool MayBeHung(SoakWindow& w) {
    if (w.hungUntil == 0) return false;
    if (::GetTickCount64() < w.hungUntil || !Answers(w.window)) return true;
    w.hungUntil = 0;
    return false;
  }

  bool AnyHung() {
    return std::any_of(windows_.begin(), windows_.end(), [&](SoakWindow& w) { return Alive(w) && MayBeHung(w); });
  }

  static bool IsExplorer(const SoakWindow& w) { return w.kind == Kind::kExplorer; }

  bool OnDesktop(const SoakWindow& w) const {
    if (IsExplorer(w) && ::GetAncestor(w.window, GA_PARENT) != ::GetDesktopWindow()) return false;
    return ::IsWindowVisible(w.window) != FALSE;
  }

  // Explorer-class windows are parked in Qiv's holder rather than hidden.
  bool OffDesktop(const SoakWindow& w) const {
    if (!IsExplorer(w)) return ::IsWindowVisible(w.window) == FALSE;
    return qiv_.IsParked(w.window);
  }

  std::string StateText(const SoakWindow& w) const {
    const bool visible = ::IsWindowVisible(w.window) != FALSE;
    if (!IsExplorer(w)) return visible ? "visible" : "hidden";
    HWND parent = ::GetAncestor(w.window, GA_PARENT);
    if (parent == ::GetDesktopWindow()) return visible ? "visible on the desktop" : "hidden on the desktop";
    return qiv_.IsParked(w.window) ? "parked in Qiv's holder" : "parented elsewhere";
  }

  // An owned dialog goes and comes with its owner.
  SoakWindow& Anchor(SoakWindow& w) { return w.kind == Kind::kDialog ? windows_[w.owner] : w; }

  Place Expected(SoakWindow& w) {
    SoakWindow& anchor = Anchor(w);
    if (anchor.adrift) return MayBeHung(anchor) ? Place::kAnywhere : Place::kOnDesktop;
    // Parked when its screen came back, it cannot come out while it does not answer.
    if (anchor.screen == current_ && IsExplorer(anchor) && MayBeHung(anchor)) return Place::kAnywhere;
    return anchor.screen == current_ ? Place::kOnDesktop : Place::kOffDesktop;
  }

  bool InPlace(SoakWindow& w, Place place) {
    switch (place) {
      case Place::kAnywhere: return true;
      case Place::kOnDesktop: return OnDesktop(w);
      case Place::kOffDesktop: return OffDesktop(w);
    }
    return false;
  }

  // ---- the invariant -------------------------------------------------------------------------------------------

  // Polls until every living window is where the model puts it. A window still out of place when its grace has
  // passed is a violation: "lost" when it is off the desktop though its screen is current (or it belongs to no
  // screen), "wrong screen" when it is on the desktop though its screen is hidden.
  void CheckWindows(const std::string& after) {
    const ULONGLONG start = ::GetTickCount64();
    std::vector<size_t> failing;
    PollUntil(
        [&] {
          failing.clear();
          const ULONGLONG now = ::GetTickCount64();
          bool withinGrace = false;
          for (size_t i = 0; i < windows_.size(); ++i) {
            SoakWindow& w = windows_[i];
            if (w.reported || !Alive(w)) continue;
            const bool selfShown = w.showAt != 0 && now >= w.showAt;
            if (InPlace(w, Expected(w))) {
              if (selfShown && w.seenAstray && !w.sendBackCounted) {
                sendBackTimes_.push_back(now - w.showAt);
                w.sendBackCounted = true;
              }
              continue;
            }
            if (selfShown) w.seenAstray = true;
            failing.push_back(i);
            // Self-shows are awaited before every switch, so one lands only while no switch runs: its grace is
            // its own, not the settling time of the action that came before it.
            const ULONGLONG deadline = w.showAt != 0 ? w.showAt + kSelfShowGraceMs : start + kSettleMs;
            if (now < deadline) withinGrace = true;
          }
          return failing.empty() || !withinGrace;
        },
        static_cast<unsigned>(kSettleMs + kMaxDelayMs + kSelfShowGraceMs));
    for (size_t i : failing) {
      SoakWindow& w = windows_[i];
      const Place place = Expected(w);
      if (!Alive(w) || InPlace(w, place)) continue;
      Report(w, place == Place::kOnDesktop ? "lost" : "wrong screen", after);
    }
  }

  void Report(SoakWindow& w, const std::string& category, const std::string& after) {
    w.reported = true;
    if (category == "lost")
      ++lost_;
    else if (category == "wrong screen")
      ++wrongScreen_;
    else
      ++notBack_;
    const SoakWindow& anchor = w.kind == Kind::kDialog ? windows_[w.owner] : w;
    std::ostringstream text;
    text << "[soak] seed " << seed_ << ", action " << actionIndex_ << " (" << after << "): " << category << ": "
         << Describe(w) << " of screen " << anchor.screen + 1 << (anchor.adrift ? " (adrift after a hang)" : "")
         << " is " << StateText(w) << " while screen " << current_ + 1 << " is current";
    if (w.kind == Kind::kDialog) text << "; its owner " << Describe(anchor) << " is " << StateText(anchor);
    text << ". Last actions:";
    for (const std::string& action : history_) text << "\n    " << action;
    ADD_FAILURE() << text.str();
  }

  // ---- switching -----------------------------------------------------------------------------------------------

  ::testing::AssertionResult ScreenBecomes(int screen, unsigned timeoutMs) {
    return Eventually(
        "screen " + std::to_string(screen + 1) + " to become current",
        [&] { return QivProcess::CurrentScreen(panel_) == screen; }, timeoutMs);
  }

  ::testing::AssertionResult ButtonCentre(int screen, POINT& centre) {
    RECT item = {};
    if (!QivProcess::ScreenButtonRect(panel_, screen, item)) {
      return ::testing::AssertionFailure() << "no screen button " << screen;
    }
    centre = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    HWND list = ::GetDlgItem(panel_, IDC_SCREEN_BUTTONS);
    HWND under = ::WindowFromPoint(centre);
    if (under != list) {
      return ::testing::AssertionFailure()
             << "the button of screen " << screen + 1 << " is covered by " << ClassName(under);
    }
    return ::testing::AssertionSuccess();
  }

  static WORD KeyOf(int target, Via via) {
    if (via == Via::kNextKey) return VK_RIGHT;
    if (via == Via::kPreviousKey) return VK_LEFT;
    return static_cast<WORD>('1' + target);
  }

  // Sends the input that switches to target and returns when it was sent; start is set to that moment.
  ::testing::AssertionResult SendSwitchInput(int target, Via via, ULONGLONG& start) {
    if (via == Via::kClick) {
      POINT centre = {};
      if (::testing::AssertionResult found = ButtonCentre(target, centre); !found) return found;
      if (!MoveMouseTo(centre)) return ::testing::AssertionFailure() << "the mouse did not get to the button";
      start = ::GetTickCount64();
      if (!ClickInPlace(centre)) return ::testing::AssertionFailure() << "the click failed";
      return ::testing::AssertionSuccess();
    }
    if (::testing::AssertionResult focused = helper_.BringToForeground(typingTarget_); !focused) return focused;
    const WORD key = KeyOf(target, via);
    start = ::GetTickCount64();
    if (!PressChord({VK_CONTROL, VK_MENU, key})) return ::testing::AssertionFailure() << "SendInput failed";
    return ::testing::AssertionSuccess();
  }

  static const char* ViaName(Via via) {
    switch (via) {
      case Via::kDigitKey: return "Ctrl+Alt+digit";
      case Via::kNextKey: return "Ctrl+Alt+Right";
      case Via::kPreviousKey: return "Ctrl+Alt+Left";
      case Via::kClick: return "click";
    }
    return "?";
  }

  // Switches to target and updates the model. The time runs from the input to the panel showing target as current.
  ::testing::AssertionResult SwitchTo(int target, Via via) {
    // A hot key finds the panel busy while it probes a window that does not answer, and goes on to the focused
    // program instead; a click queues and is never lost.
    if (via != Via::kClick && AnyHung()) via = Via::kClick;
    MarkAdrift(current_, target);
    ULONGLONG start = 0;
    for (int attempt = 0;; ++attempt) {
      const WORD key = KeyOf(target, via);
      const LRESULT keysBefore = via == Via::kClick ? 0 : helper_.KeyDownCount(typingTarget_, key);
      if (::testing::AssertionResult sent = SendSwitchInput(target, via, start); !sent) return sent;
      if (ScreenBecomes(target, kInputEffectMs)) break;
      if (attempt == kSwitchAttempts - 1) {
        return ::testing::AssertionFailure() << kSwitchAttempts << " inputs did not switch to " << target + 1;
      }
      // Counted, not failed: the screens are what this soak checks, and a click reaches the same switch.
      ++inputsWithoutEffect_;
      std::string why;
      if (via != Via::kClick && helper_.KeyDownCount(typingTarget_, key) > keysBefore) {
        why = " (the key went on to the focused program)";
      }
      Log("  " + std::string(ViaName(via)) + " did not switch" + why + "; clicking again");
      via = Via::kClick;
    }
    lastSwitchInput_ = start;
    switchTimes_.push_back(::GetTickCount64() - start);
    ++switches_;
    current_ = target;
    return ::testing::AssertionSuccess();
  }

  // A window that does not answer while its screen is left or comes back is left alone by the program (it would
  // hold up the switch): it stays on the desktop, or stays hidden, and its screen lets go of it. Except a parked
  // Explorer window: it stays parked and in its screen's list, and comes back once it answers while its screen is
  // current.
  void MarkAdrift(int from, int to) {
    for (SoakWindow& w : windows_) {
      if (w.kind == Kind::kDialog || w.reported || !Alive(w) || w.adrift) continue;
      if ((w.screen != from && w.screen != to) || !MayBeHung(w)) continue;
      if (IsExplorer(w) && !OnDesktop(w)) continue;
      w.adrift = true;
      Log("  " + Describe(w) + " of screen " + std::to_string(w.screen + 1) + " does not answer through the switch");
    }
  }

  // Brings the model to a state from which a switch has one right outcome.
  void PrepareSwitch() {
    // A hang that ends while the switch runs.
    for (SoakWindow& w : windows_) {
      if (w.hungUntil == 0 || !Alive(w) || w.hungUntil > ::GetTickCount64() + kHangEndGuardMs) continue;
      EXPECT_TRUE(Eventually(
          "a hung window to answer again before the switch", [&] { return !Alive(w) || Answers(w.window); },
          static_cast<unsigned>(kMaxHangMs + kSettleMs)))
          << Describe(w);
      w.hungUntil = 0;
    }
    // A self-show that lands in the middle of a switch: the program takes a report made before a switch as out of
    // date and gives the window to the screen being left, so the window would have two screens. Each is awaited
    // and checked first.
    bool selfShows = false;
    for (SoakWindow& w : windows_) {
      if (w.showAt == 0) continue;
      selfShows = true;
      EXPECT_TRUE(Eventually(
          "a window to show itself",
          [&] {
            DWORD_PTR shown = 0;
            return !Alive(w) || (::SendMessageTimeoutA(w.window, kMsgShownCount, 0, 0, SMTO_ABORTIFHUNG, 500, &shown) &&
                                 static_cast<LRESULT>(shown) >= w.showsExpected);
          },
          static_cast<unsigned>(kMaxDelayMs + kSettleMs)))
          << Describe(w);
    }
    bool adrift = std::any_of(windows_.begin(), windows_.end(),
                              [&](SoakWindow& w) { return w.adrift && Alive(w) && !MayBeHung(w); });
    if (selfShows || adrift) CheckWindows("settling before a switch");
    for (SoakWindow& w : windows_) w.showAt = 0;
    // A window that answers again is on the desktop now, and the switch's refresh gives it to the screen it leaves.
    for (SoakWindow& w : windows_) {
      if (!w.adrift || !Alive(w) || MayBeHung(w)) continue;
      w.adrift = false;
      w.screen = current_;
      Log("  " + Describe(w) + " answers again, on screen " + std::to_string(current_ + 1));
    }
  }

  int OtherScreen() { return (current_ + 1 + Roll(kScreenCount - 1)) % kScreenCount; }

  void SwitchAction(Via via) {
    PrepareSwitch();
    int target = OtherScreen();
    if (via == Via::kNextKey) target = (current_ + 1) % kScreenCount;
    if (via == Via::kPreviousKey) target = (current_ + kScreenCount - 1) % kScreenCount;
    const std::string what = "switch " + std::to_string(current_ + 1) + " -> " + std::to_string(target + 1) + " by " +
                             (via != Via::kClick && AnyHung() ? "click" : ViaName(via));
    Log(what);
    ASSERT_TRUE(SwitchTo(target, via)) << what;
    CheckWindows(what);
    settleTimes_.push_back(::GetTickCount64() - lastSwitchInput_);
  }

  // Away and straight back, without waiting for the first switch's windows to settle: a late hide of the first
  // switch would land on windows that are shown again.
  void BounceAction() {
    PrepareSwitch();
    const int home = current_;
    const int away = OtherScreen();
    const Via via = Roll(2) == 0 ? Via::kDigitKey : Via::kClick;
    const std::string what = "bounce " + std::to_string(home + 1) + " -> " + std::to_string(away + 1) + " -> " +
                             std::to_string(home + 1) + " by " + ViaName(via);
    Log(what);
    ASSERT_TRUE(SwitchTo(away, via)) << what;
    ASSERT_TRUE(SwitchTo(home, via)) << what;
    CheckWindows(what);
    settleTimes_.push_back(::GetTickCount64() - lastSwitchInput_);
  }

  // ---- the other actions ---------------------------------------------------------------------------------------

  std::vector<size_t> Candidates(const std::function<bool(SoakWindow&)>& fits) {
    std::vector<size_t> found;
    for (size_t i = 0; i < windows_.size(); ++i) {
      SoakWindow& w = windows_[i];
      if (Alive(w) && !w.reported && !w.closing && fits(w)) found.push_back(i);
    }
    return found;
  }

  void HangAction() {
    const int hung = static_cast<int>(
        std::count_if(windows_.begin(), windows_.end(), [&](SoakWindow& w) { return Alive(w) && MayBeHung(w); }));
    std::vector<size_t> candidates =
        Candidates([&](SoakWindow& w) { return w.ownThread && !w.adrift && w.showAt == 0 && !MayBeHung(w); });
    if (hung >= kMaxHungAtOnce || candidates.empty()) return SelfShowAction();
    SoakWindow& w = windows_[candidates[Roll(static_cast<int>(candidates.size()))]];
    const WPARAM ms = RollMs(kMinHangMs, kMaxHangMs);
    Log("hang " + Describe(w) + " of screen " + std::to_string(w.screen + 1) + " for " + std::to_string(ms) + " ms");
    ::PostMessageA(w.window, kMsgHang, ms, 0);
    ASSERT_TRUE(Eventually("the window's thread to stop answering", [&] { return !Answers(w.window); }));
    w.hungUntil = ::GetTickCount64() + ms;
    ++hangs_;
    CheckWindows("hang");
  }

  void SelfShowAction() {
    // A parked Explorer window showing itself would stay inside the hidden holder; the others come onto the desktop.
    std::vector<size_t> candidates = Candidates([&](SoakWindow& w) {
      return !IsExplorer(w) && w.showAt == 0 && !Anchor(w).adrift && !MayBeHung(w) && Expected(w) == Place::kOffDesktop;
    });
    if (candidates.empty()) return CloseAction();
    SoakWindow& w = windows_[candidates[Roll(static_cast<int>(candidates.size()))]];
    const WPARAM delay = RollMs(0, kMaxDelayMs);
    DWORD_PTR shown = 0;
    ::SendMessageTimeoutA(w.window, kMsgShownCount, 0, 0, SMTO_ABORTIFHUNG, 1000, &shown);
    Log("self-show " + Describe(w) + " of hidden screen " + std::to_string(Anchor(w).screen + 1) + " in " +
        std::to_string(delay) + " ms");
    // The program sends such a window back to its own screen ("screen integrity protection"): it is on the desktop
    // for a moment, and must be gone again within the grace.
    w.showsExpected = static_cast<LRESULT>(shown) + 1;
    w.showAt = ::GetTickCount64() + delay;
    w.seenAstray = false;
    w.sendBackCounted = false;
    ::PostMessageA(w.window, kMsgShowAfter, delay, 0);
    ++selfShows_;
    CheckWindows("self-show");
  }

  void CloseAction() {
    std::vector<size_t> candidates = Candidates([&](SoakWindow& w) { return !MayBeHung(w); });
    if (LivingCount() <= kMinWindows || candidates.empty()) return OpenAction();
    SoakWindow& w = windows_[candidates[Roll(static_cast<int>(candidates.size()))]];
    const WPARAM delay = RollMs(0, kMaxDelayMs);
    Log("close " + Describe(w) + " of screen " + std::to_string(Anchor(w).screen + 1) + " in " + std::to_string(delay) +
        " ms");
    // It closes on its own, in the middle of whatever comes next; its dialogs go with it.
    w.closing = true;
    ::PostMessageA(w.window, kMsgCloseAfter, delay, 0);
    ++closes_;
    CheckWindows("close");
  }

  void OpenAction() {
    if (LivingCount() >= kMaxWindows) return SwitchAction(Via::kDigitKey);
    Kind kind = static_cast<Kind>(Roll(6));
    int owner = -1;
    if (kind == Kind::kDialog) {
      std::vector<size_t> owners = Candidates([&](SoakWindow& w) {
        return w.kind == Kind::kNormal && !w.ownThread && !w.adrift && w.screen == current_ && OnDesktop(w);
      });
      if (owners.empty())
        kind = Kind::kNormal;
      else
        owner = static_cast<int>(owners[Roll(static_cast<int>(owners.size()))]);
    }
    const bool ownThread = (kind == Kind::kNormal || kind == Kind::kExplorer) && Roll(2) == 0;
    ASSERT_TRUE(OpenWindow(kind, ownThread, owner));
    SoakWindow& w = windows_.back();
    Log("open " + Describe(w) + " on screen " + std::to_string(current_ + 1));
    ++opens_;
    EXPECT_TRUE(Throughout(
        "the new window to stay on the desktop while Qiv's refresh takes it in",
        [&] { return !Alive(w) || OnDesktop(w); }, kTrackedAfterMs))
        << Describe(w);
    CheckWindows("open");
  }

  void RunAction() {
    const int roll = Roll(100);
    if (roll < 25) return SwitchAction(Via::kDigitKey);
    if (roll < 32) return SwitchAction(Via::kNextKey);
    if (roll < 37) return SwitchAction(Via::kPreviousKey);
    if (roll < 52) return SwitchAction(Via::kClick);
    if (roll < 60) return BounceAction();
    if (roll < 70) return HangAction();
    if (roll < 82) return SelfShowAction();
    if (roll < 91) return CloseAction();
    return OpenAction();
  }

  // ---- set-up and the end --------------------------------------------------------------------------------------

  // Eight windows a screen, of every kind: the screen is made current first, and Qiv takes the windows in.
  void PopulateScreens() {
    for (int screen = 0; screen < kScreenCount; ++screen) {
      if (screen != current_) {
        ASSERT_TRUE(SwitchTo(screen, Via::kDigitKey));
      }
      ASSERT_TRUE(OpenWindow(Kind::kNormal, false));
      const int owner = static_cast<int>(windows_.size()) - 1;
      ASSERT_TRUE(OpenWindow(Kind::kDialog, false, owner));
      ASSERT_TRUE(OpenWindow(Kind::kMinimised, false));
      ASSERT_TRUE(OpenWindow(Kind::kMaximised, false));
      ASSERT_TRUE(OpenWindow(Kind::kExplorer, screen % 2 == 0));
      ASSERT_TRUE(OpenWindow(Kind::kUntitled, false));
      ASSERT_TRUE(OpenWindow(Kind::kNormal, true));
      ASSERT_TRUE(OpenWindow(Kind::kNormal, false));
      ASSERT_TRUE(Throughout(
          "the new windows to stay on the desktop while Qiv's refresh takes them in",
          [&] {
            return std::all_of(windows_.end() - 8, windows_.end(), [&](const SoakWindow& w) { return OnDesktop(w); });
          },
          kTrackedAfterMs));
    }
    Log("opened " + std::to_string(windows_.size()) + " windows on " + std::to_string(kScreenCount) + " screens");
    CheckWindows("set-up");
  }

  // Every hang over, every self-show seen through, then Qiv's close: every living window must be back.
  void CloseQivAndCheck() {
    PrepareSwitch();
    for (SoakWindow& w : windows_) {
      if (w.hungUntil == 0 || !Alive(w)) continue;
      EXPECT_TRUE(Eventually(
          "a hung window to answer again before the close", [&] { return !Alive(w) || Answers(w.window); },
          static_cast<unsigned>(kMaxHangMs + kSettleMs)));
      w.hungUntil = 0;
    }
    PrepareSwitch();
    actionIndex_ = actionCount_;
    Log("close Qiv");
    ASSERT_TRUE(qiv_.Close());
    std::vector<SoakWindow*> missing;
    PollUntil(
        [&] {
          missing.clear();
          for (SoakWindow& w : windows_) {
            if (Alive(w) && !OnDesktop(w)) missing.push_back(&w);
          }
          return missing.empty();
        },
        static_cast<unsigned>(kSettleMs));
    for (SoakWindow* w : missing) {
      if (Alive(*w) && !OnDesktop(*w)) Report(*w, "not back after Close", "close Qiv");
    }
  }

  static std::pair<unsigned long long, unsigned long long> MedianAndMax(std::vector<ULONGLONG> times) {
    if (times.empty()) return {0, 0};
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
  }

  // The switch time is what the panel shows; the settle time runs on until every window is in its place.
  void PrintCounts() {
    const auto [median, longest] = MedianAndMax(switchTimes_);
    const auto [settleMedian, settleLongest] = MedianAndMax(settleTimes_);
    const auto [sendBackMedian, sendBackLongest] = MedianAndMax(sendBackTimes_);
    std::printf(
        "[soak] seed %u: actions %d, switches %d, windows lost %d, windows on a wrong screen %d, not back after "
        "close %d, switch time median %llu ms, max %llu ms; settled median %llu ms, max %llu ms; self-shown windows "
        "sent back in median %llu ms, max %llu ms of %zu seen (hangs %d, self-shows %d, closes %d, opens %d, inputs "
        "without effect %d, windows at the end %d, %.0f s)\n",
        seed_, actionIndex_, switches_, lost_, wrongScreen_, notBack_, median, longest, settleMedian, settleLongest,
        sendBackMedian, sendBackLongest, sendBackTimes_.size(), hangs_, selfShows_, closes_, opens_,
        inputsWithoutEffect_, LivingCount(), static_cast<double>(::GetTickCount64() - begin_) / 1000.0);
    std::fflush(stdout);
  }

  unsigned seed_ = 0;
  int actionCount_ = 0;
  int actionIndex_ = 0;
  std::mt19937 random_;
  HWND typingTarget_ = nullptr;
  int top_ = 0;
  int current_ = 0;
  int opened_ = 0;
  std::vector<SoakWindow> windows_;
  std::deque<std::string> history_;
  std::vector<ULONGLONG> switchTimes_;
  std::vector<ULONGLONG> settleTimes_;
  std::vector<ULONGLONG> sendBackTimes_;
  ULONGLONG lastSwitchInput_ = 0;
  ULONGLONG begin_ = 0;
  int switches_ = 0, lost_ = 0, wrongScreen_ = 0, notBack_ = 0;
  int hangs_ = 0, selfShows_ = 0, closes_ = 0, opens_ = 0, inputsWithoutEffect_ = 0;
};

TEST_F(Soak, RandomActionsKeepEveryWindowOnItsScreen) {
  PopulateScreens();
  for (actionIndex_ = 1; actionIndex_ <= actionCount_ && !HasFatalFailure(); ++actionIndex_) RunAction();
  if (!HasFatalFailure()) CloseQivAndCheck();
  PrintCounts();
}

}  // namespace
}  // namespace qiv::e2e
