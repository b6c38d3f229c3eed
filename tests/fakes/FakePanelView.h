// The panel as the screen model sees it, for tests: a list box of screen names with a selection, and counts of
// repaints, layouts and hides of the application list.
#pragma once

#include <string>
#include <vector>

#include "engine/PanelView.h"

namespace qiv {

class FakePanelView final : public PanelView {
 public:
  void HideAppList() override { ++appListHides_; }
  int ScreenSelection() override { return selection_; }
  void SetScreenSelection(int index) override { selection_ = index; }
  void ResetScreenButtons() override {
    names_.clear();
    selection_ = -1;
  }
  void AddScreenButton(const std::string& name) override { names_.push_back(name); }
  void RedrawScreenButtons() override { ++redraws_; }
  void RedrawScreenButton(int index) override { redrawnButtons_.push_back(index); }
  void ApplyLayout() override { ++layouts_; }

  const std::vector<std::string>& Names() const { return names_; }
  int AppListHides() const { return appListHides_; }
  // Repaints of every button, and the buttons repainted one by one, in order.
  int Redraws() const { return redraws_; }
  const std::vector<int>& RedrawnButtons() const { return redrawnButtons_; }
  int Layouts() const { return layouts_; }

 private:
  std::vector<std::string> names_;
  int selection_ = -1;
  int appListHides_ = 0;
  int redraws_ = 0;
  std::vector<int> redrawnButtons_;
  int layouts_ = 0;
};

}  // namespace qiv
