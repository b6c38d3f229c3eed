// The panel's commands: its main menu and what the menu offers (lock, help, about, close), and the lock gate
// that every command of a locked panel passes first.
#pragma once

#include <windows.h>

#include "engine/ScreenModel.h"
#include "framework/Window.h"
#include "panel/LockState.h"
#include "platform/HookLock.h"
#include "shell/Settings.h"

namespace qiv {

// What the commands need of the panel window.
class PanelCommandHost {
 public:
  virtual HWND PanelWindowHandle() const = 0;
  // Taken before a menu or dialog runs its loop: the panel may be gone when it returns.
  virtual WindowToken PanelToken() const = 0;
  virtual void HideAppList() = 0;
  // While the main menu or one of its dialogs is open, the panel stays shown.
  virtual void SetMenuOpen(bool open) = 0;
  virtual void RedrawScreenButtons() = 0;
  // The settings may have changed: size, place and paint the panel by them.
  virtual void ApplyLayout() = 0;
  virtual void EnableScreenButtons(bool enable) = 0;
  // Whether the keyboard hook takes the screens' hot keys itself (see PanelWindow); the table follows the lock.
  virtual void InterceptHotKeys(bool intercept) = 0;
  // Ends the panel's modal run, and with it the program.
  virtual void EndPanel() = 0;

 protected:
  ~PanelCommandHost() = default;
};

class PanelCommands {
 public:
  PanelCommands(PanelCommandHost& host, Settings& settings, ScreenModel& model, HookLock& hookLock);
  PanelCommands(const PanelCommands&) = delete;
  PanelCommands& operator=(const PanelCommands&) = delete;

  // Whether a WM_COMMAND may go on to its handler. On a locked panel a command asks for the password first and
  // goes on once it unlocked the panel.
  bool PassLockGate(UINT id, UINT code);
  bool IsLocked() const { return lock_.IsLocked(); }

  void ShowMainMenu();
  // The settings window at its General page; the panel takes the settings over after OK.
  void ShowSettings();
  // The settings window at its Sticky Windows page, making a rule of window; returns once it has closed.
  void StickWindow(HWND window);
  void LockOrUnlock();
  void ShowHelp();
  void ShowAbout();
  // Asks first; on Yes brings every window back and ends the panel.
  void Close();

 private:
  void RunSettings(int startPage, HWND windowToStick);

  PanelCommandHost& host_;
  Settings& settings_;
  ScreenModel& model_;
  HookLock& hookLock_;
  LockState lock_;
};

}  // namespace qiv
