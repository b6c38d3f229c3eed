// A whole engine on fakes: desktop, clock, worker threads, hook lock, process, sound and panel, with the settings
// at their defaults and a holder window for parking. Every test ends with the hook lock as it found it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/EnginePlatform.h"
#include "engine/ScreenList.h"
#include "engine/ScreenModel.h"
#include "engine/ScreenWindows.h"
#include "engine/SwitchEngine.h"
#include "engine/WindowOperations.h"
#include "engine/WindowTracker.h"
#include "shell/Settings.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeDesktop.h"
#include "tests/fakes/FakeHookLock.h"
#include "tests/fakes/FakeIconSource.h"
#include "tests/fakes/FakeOffDesktopJournal.h"
#include "tests/fakes/FakePanelView.h"
#include "tests/fakes/FakeProgramProcess.h"
#include "tests/fakes/FakeSoundPlayer.h"
#include "tests/fakes/FakeWorkerThreads.h"
#include "tests/fakes/MemoryRegistry.h"

namespace qiv {

class EngineTestBed : public testing::Test {
 protected:
  using State = FakeDesktop::State;

  EngineTestBed() { MakeHolder(FakeDesktop::kOwnProcessId); }

  // The holder as the guardian makes it: a visible top-level window, of a process other than ours.
  void UseGuardianHolder() {
    constexpr std::uint32_t kGuardianProcessId = 7;
    MakeHolder(kGuardianProcessId);
  }

  void TearDown() override {
    EXPECT_EQ(hookLock_.Count(), 0) << "hook lock left raised";
    EXPECT_EQ(hookLock_.Underflows(), 0) << "hook lock lowered without a raise";
  }

  void MakeHolder(std::uint32_t processId) {
    FakeDesktop::Window holder;
    holder.text = "";
    holder.className = "#32770";
    holder.processId = processId;
    holder.toolWindow = true;
    holder_ = desktop_.Create(holder);
    engine_.SetHolderWindow(holder_);
  }

  // A visible top-level window of another application, on top of the z-order.
  WindowHandle AddWindow(const FakeDesktop::Window& window = {}) { return desktop_.Create(window); }
  WindowHandle AddExplorerWindow(State state = State::kNormal) {
    FakeDesktop::Window window;
    window.className = "CabinetWClass";
    window.state = state;
    return desktop_.Create(window);
  }
  WindowHandle AddOwnedWindow(WindowHandle owner) {
    FakeDesktop::Window window;
    window.text = "Dialog";
    window.owner = owner;
    return desktop_.Create(window);
  }

  // Screens named "0", "1" ... with built-in icons; the first becomes current.
  void UseScreens(int count) {
    ScreenList list(icons_);
    for (int i = 0; i < count; ++i) list.Add(std::to_string(i), "", 0, HotKey{}, i);
    model_.ApplyScreenList(list);
  }
  ScreenWindows& Screen(int index) { return *model_.Windows(index); }
  // Puts windows into a screen as if they had been there all along: off the desktop unless it is the current one.
  void Place(int index, const std::vector<WindowHandle>& windows) {
    for (WindowHandle window : windows) {
      Screen(index).Add(window);
      if (index != model_.CurrentScreen()) engine_.SetWindowOnDesktop(window, false, nullptr, nullptr);
    }
  }
  void Switch(int index) { model_.SelectScreen(index); }

  bool OnDesktop(WindowHandle window) { return !engine_.IsWindowOffDesktop(window); }

  MemoryRegistry registry_;
  Settings settings_{registry_, Settings::Rect{0, 0, 1280, 1024}, 20};
  FakeClock clock_;
  FakeHookLock hookLock_;
  FakeDesktop desktop_{clock_, hookLock_};
  FakeWorkerThreads workers_{clock_};
  FakeProgramProcess process_{FakeDesktop::kOwnProcessId};
  FakeSoundPlayer sound_;
  FakeOffDesktopJournal journal_;
  FakeIconSource icons_;
  FakePanelView view_;
  EnginePlatform platform_{desktop_, clock_, workers_, hookLock_, process_, sound_, journal_};
  WindowTracker tracker_{platform_, settings_};
  SwitchEngine engine_{platform_, tracker_};
  ScreenModel model_{engine_, tracker_, platform_, icons_, registry_, settings_, view_};
  WindowOperations operations_{engine_, tracker_, model_, platform_, settings_};
  WindowHandle holder_ = nullptr;
};

}  // namespace qiv
