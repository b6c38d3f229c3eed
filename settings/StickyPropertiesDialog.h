// "Sticky window properties": edits one sticky rule, its window text (whole or a fragment) and its class.
#pragma once

#include <windows.h>

#include "controls/CStaticHyperLink.h"
#include "engine/StickyRule.h"
#include "framework/Dialog.h"

namespace qiv {

class StickyPropertiesDialog final : public Dialog {
 public:
  // rule: the values to start from; null starts a new rule with everything empty and off.
  explicit StickyPropertiesDialog(const StickyRule* rule);

  // After IDOK: the rule as entered, text and class kept even where their box is off.
  const StickyRule& Rule() const { return rule_; }

 protected:
  bool OnInitDialog() override;
  // A rule that would match every window, or compare an empty part, is refused and the dialog stays.
  void OnOK() override;
  void DoDataExchange(DataExchange& dx) override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnTextChange(WPARAM wParam, LPARAM lParam);
  LRESULT OnClassChange(WPARAM wParam, LPARAM lParam);
  // The first character typed into an empty edit turns its box on; clearing the edit leaves the box as it is.
  void CheckOnFirstCharacter(int editId, int checkId, bool& wasEmpty);

  StickyRule rule_;
  bool textWasEmpty_ = true;
  bool classWasEmpty_ = true;
  CStaticHyperLink helpLink_;
};

}  // namespace qiv
