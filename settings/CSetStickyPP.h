// The "Sticky Windows" page of the settings sheet: the sticky rules, made in the rule editor, by pointing at a
// window with the window finder, or for the window that the application list's Stick command hands over.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "engine/StickyRule.h"
#include "framework/ListView.h"
#include "settings/CSettingsPage.h"
#include "settings/WindowFinder.h"

namespace qiv {

class CSetStickyPP : public CSettingsPage {
 public:
  explicit CSetStickyPP(CSetPS& sheet);

  // The rules and the tool-window flag into the settings; then every window that a rule now matches comes back
  // to the desktop and leaves the screens.
  bool SavePage() override;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnSheetInit(WPARAM wParam, LPARAM lParam);
  LRESULT OnAdd(WPARAM wParam, LPARAM lParam);
  LRESULT OnEdit(WPARAM wParam, LPARAM lParam);
  LRESULT OnRemove(WPARAM wParam, LPARAM lParam);
  LRESULT OnListItemChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnListDoubleClick(WPARAM wParam, LPARAM lParam);
  LRESULT OnLeftButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnLeftButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);

  // Takes the text and class of foundWindow_ (all empty without one) and shows them on the info line.
  void ReadFoundWindow();
  void ShowInfo(const std::string& text);
  // The editor on the found window's rule: true when OK added it, false without a window or on Cancel.
  bool MakeRuleFromFoundWindow();
  void AppendRule(const StickyRule& rule);
  void EditSelectedRule();
  void UpdateButtons();

  HWND foundWindow_ = nullptr;
  std::string foundText_;
  std::string foundClass_;
  // Row i of the list shows rule i.
  std::vector<StickyRule> workingRules_;
  bool toolWindowsSticky_ = false;
  ListView list_;
  WindowFinder finder_;
};

}  // namespace qiv
