// Moves values between a dialog's members and its controls, one Exchange call per control.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/ValidationText.h"

namespace qiv {

// Made by Dialog::UpdateData and handed to DoDataExchange. Saving, the first value refused shows its text
// (OK button, exclamation icon), puts the focus on the control and its text selected, and turns every later
// call into nothing; a refused value leaves its member unchanged.
class DataExchange {
 public:
  DataExchange(HWND dialog, bool save);

  bool IsSaving() const { return save_; }
  bool Failed() const { return failed_; }

  // A check box: checked <-> true.
  void ExchangeCheck(int id, bool& value);
  // An edit holding an int.
  void ExchangeInteger(int id, int& value);
  // An edit holding an int within min..max.
  void ExchangeInteger(int id, int& value, int min, int max);
  void ExchangeText(int id, std::string& value);
  // The selected item of a single-selection list box; -1 for none.
  void ExchangeListBoxIndex(int id, int& value);
  // The selected item of a combo box; -1 for none.
  void ExchangeComboBoxIndex(int id, int& value);

 private:
  void ExchangeValidatedInteger(int id, int& value, std::optional<IntegerRange> range);
  void ExchangeSelection(int id, int& value, UINT getMessage, UINT setMessage);
  void Fail(HWND control, const std::string& text);

  HWND dialog_;
  bool save_;
  bool failed_ = false;
};

}  // namespace qiv
