// The application list: a caption-less pop-up beside a screen button that lists the screen's windows with their
// icons and live titles, and acts on them through its context menu, a double click or a drag onto another
// screen's button. It hides as soon as it loses the activation to anything but the panel.
#pragma once

#include <windows.h>

#include <vector>

#include "applist/AppListAvailability.h"
#include "applist/AppListCommands.h"
#include "applist/AppListHost.h"
#include "engine/ScreenModel.h"
#include "engine/ScreenWindows.h"
#include "engine/SwitchEngine.h"
#include "engine/WindowOperations.h"
#include "framework/Dialog.h"
#include "framework/ImageList.h"
#include "framework/ListView.h"
#include "platform/Desktop.h"
#include "platform/HookLock.h"
#include "shell/Settings.h"

namespace qiv {

class AppListWindow final : public Dialog {
 public:
  AppListWindow(AppListHost& host, ScreenModel& model, WindowOperations& operations, SwitchEngine& engine,
                Desktop& desktop, HookLock& hookLock, const Settings& settings);

  // Modeless, without parent or owner, hidden until ShowForScreen.
  bool Create();
  // Fills the list with the screen's windows and opens it, top-most and active, beside the screen's button.
  void ShowForScreen(ScreenWindows& screen);
  // Only when it is visible.
  void HideAppList();
  bool IsShown() const { return Handle() != nullptr && ::IsWindowVisible(Handle()) != FALSE; }

 protected:
  bool OnInitDialog() override;
  // Enter: the context menu at the first selected row.
  void OnOK() override;
  // Escape only hides: the window lives as long as the panel.
  void OnCancel() override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnLeftButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnListKeyDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnListRightClick(WPARAM wParam, LPARAM lParam);
  LRESULT OnListDoubleClick(WPARAM wParam, LPARAM lParam);
  LRESULT OnListBeginDrag(WPARAM wParam, LPARAM lParam);
  LRESULT OnSelectAll(WPARAM wParam, LPARAM lParam);
  LRESULT OnRestore(WPARAM wParam, LPARAM lParam);
  LRESULT OnMinimize(WPARAM wParam, LPARAM lParam);
  LRESULT OnMaximize(WPARAM wParam, LPARAM lParam);
  LRESULT OnMinimizeAll(WPARAM wParam, LPARAM lParam);
  LRESULT OnKeepOnTop(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotOnTop(WPARAM wParam, LPARAM lParam);
  LRESULT OnStick(WPARAM wParam, LPARAM lParam);
  LRESULT OnCopyToAllScreens(WPARAM wParam, LPARAM lParam);
  LRESULT OnKeepOnlyInThisScreen(WPARAM wParam, LPARAM lParam);
  LRESULT OnCloseWindows(WPARAM wParam, LPARAM lParam);

  void FillList(const ScreenWindows& screen);
  void SizeToItems();
  void PlaceBesideButton(int screen);
  void RefreshTitles();
  void OpenContextMenu(POINT at);
  void EnableMenuItems(HMENU menu, const MenuAvailability& availability) const;
  // Collects the selected items afresh and answers their windows that still exist, in list order.
  std::vector<WindowHandle> CollectSelection();
  std::vector<WindowHandle> SelectedWindows() const;
  std::vector<WindowHandle> AllWindows() const;
  // The listed screen; null when the screen list changed under it.
  ScreenWindows* ListedScreen() const;
  HWND WindowUnderCursor(POINT screenPoint) const;
  void EndDrag();

  AppListHost& host_;
  ScreenModel& model_;
  Desktop& desktop_;
  HookLock& hookLock_;
  const Settings& settings_;
  AppListCommands commands_;
  AvailabilityProbe availability_;
  ListView list_;
  ListView standby_;
  ImageList images_;
  int maxColumnWidth_ = 0;
  // Kept as an index: a new screen list may replace the screens' window lists.
  int listedScreen_ = -1;
  std::vector<int> selectedItems_;
  // What Stick, Copy To All Screens and Keep Only In This Screen act on: the selection when the menu opened.
  std::vector<WindowHandle> menuSelection_;
  std::vector<WindowHandle> dragged_;
  bool confirmationShown_ = false;
};

}  // namespace qiv
