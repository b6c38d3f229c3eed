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
  void ApplyLayout() override { ++layouts_; }

  const std::vector<std::string>& Names() const { return names_; }
  int AppListHides() const { return appListHides_; }
  int Redraws() const { return redraws_; }
  int Layouts() const { return layouts_; }

 private:
  std::vector<std::string> names_;
  int selection_ = -1;
  int appListHides_ = 0;
  int redraws_ = 0;
  int layouts_ = 0;
};

}  // namespace qiv
