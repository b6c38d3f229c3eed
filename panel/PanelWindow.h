// The panel: the program's main window, run as a modal dialog for as long as the program
// runs. It holds the screen buttons, answers the hook library's reports, sizes itself to
// the cell grid and ends only through its close command.
#pragma once

#include "applist/AppListHost.h"
#include "applist/AppListWindow.h"
#include "controls/BitmapButton.h"
#include "engine/EnginePlatform.h"
#include "engine/PanelView.h"
#include "engine/ScreenModel.h"
#include "engine/SwitchEngine.h"
#include "engine/WindowOperations.h"
#include "engine/WindowTracker.h"
#include "framework/Dialog.h"
#include "panel/HolderWindow.h"
#include "panel/PanelCommands.h"
#include "panel/ResizerWindow.h"
#include "panel/ScreenButtonList.h"
#include "platform/IconSource.h"
#include "platform/Registry.h"
#include "shell/Settings.h"

namespace qiv {

class PanelWindow final : public Dialog,
                          private PanelView,
                          private ResizerOwner,
                          private PanelCommandHost,
                          private AppListHost {
 public:
  PanelWindow(Settings& settings, Registry& registry, IconSource& icons, const EnginePlatform& platform,
              WindowTracker& tracker, SwitchEngine& engine);

 protected:
  bool OnInitDialog() override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  // PanelView
  void HideAppList() override;
  int ScreenSelection() override;
  void SetScreenSelection(int index) override;
  void ResetScreenButtons() override;
  void AddScreenButton(const std::string& name) override;
  void RedrawScreenButtons() override;
  void RedrawScreenButton(int index) override;
  void ApplyLayout() override;

  // ResizerOwner
  void FitPanelToGrid(POINT cornerInResizerClient) override;
  void SetMenuOpen(bool open) override { menuOpen_ = open; }
  HWND PanelWindowHandle() const override { return Handle(); }
  WindowToken PanelToken() const override { return Token(); }

  // PanelCommandHost (with the above)
  void EnableScreenButtons(bool enable) override;
  void InterceptHotKeys(bool intercept) override;
  void EndPanel() override;

  // AppListHost (with the above)
  HWND ScreenButtonsHandle() const override { return screenButtons_.Handle(); }
  RECT ScreenButtonRect(int screen) const override;
  void SetListedScreen(int screen) override;
  void StickWindow(HWND window) override { commands_.StickWindow(window); }

  LRESULT OnLockGate(WPARAM wParam, LPARAM lParam);
  LRESULT OnScreenSelected(WPARAM wParam, LPARAM lParam);
  LRESULT OnMainMenu(WPARAM wParam, LPARAM lParam);
  LRESULT OnSettingsCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnLockCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnHelpCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnAboutCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnCloseCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnScreenButtonRightClick(WPARAM wParam, LPARAM lParam);
  LRESULT OnKeyReported(WPARAM wParam, LPARAM lParam);
  LRESULT OnWindowShown(WPARAM wParam, LPARAM lParam);
  LRESULT OnPanelStarted(WPARAM wParam, LPARAM lParam);
  LRESULT OnSavePanelPosition(WPARAM wParam, LPARAM lParam);
  LRESULT OnRefreshTooltips(WPARAM wParam, LPARAM lParam);
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnLeftButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnLeftButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnRightButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
  LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
  LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
  LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
  LRESULT OnLiveGdiObjectsQuery(WPARAM wParam, LPARAM lParam);
  LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  void LayoutPanelChildren(int width, int height);
  std::vector<HotKey> ScreenHotKeys() const;
  // A stored position that leaves no panel to grab gives way to the default one.
  void KeepPanelReachable();
  void UpdateVisibility();
  void PlaceResizer();
  bool IsPanelBusy() const;

  Settings& settings_;
  Registry& registry_;
  IconSource& icons_;
  WindowTracker& tracker_;
  SwitchEngine& engine_;
  ScreenModel model_;
  WindowOperations operations_;
  PanelCommands commands_;
  ScreenButtonList screenButtons_;
  BitmapButton mainMenu_;
  AppListWindow appList_;
  ResizerWindow resizer_;
  HolderThread holder_;
  HICON panelIcon_ = nullptr;
  bool menuOpen_ = false;
  POINT dragOffset_{0, 0};
};

}  // namespace qiv
