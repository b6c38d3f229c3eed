// Moves values between a dialog's members and its controls, one Exchange call per control.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/ValidationText.h"

namespace qiv {

class ColourControl;
class Dialog;

// A hot-key control's value: the virtual key and the HOTKEYF_ modifier flags; 0 and 0 for none.
struct HotKeyValue {
  BYTE virtualKey = 0;
  BYTE modifiers = 0;
};

// Made by Dialog::UpdateData and handed to DoDataExchange. Saving, the first value refused shows its text
// (OK button, exclamation icon) once the dialog has been brought into sight (Dialog::RevealForCorrection),
// puts the focus on the control and its text selected, and turns every later call into nothing; a refused
// value leaves its member unchanged.
class DataExchange {
 public:
  DataExchange(Dialog& dialog, bool save);

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
  // A trackbar's position within min..max: loading sets the range too and puts a value outside it at the
  // nearer end; saving reads the position, which the trackbar keeps within the range.
  void ExchangeTrackbar(int id, int& value, int min, int max);
  // A hot-key control (HKM_GETHOTKEY / HKM_SETHOTKEY).
  void ExchangeHotKey(int id, HotKeyValue& value);
  // The colour of a colour control of the dialog (a colour button, which has no window text to exchange).
  void ExchangeColour(ColourControl& control, COLORREF& value);

 private:
  void ExchangeValidatedInteger(int id, int& value, std::optional<IntegerRange> range);
  void ExchangeSelection(int id, int& value, UINT getMessage, UINT setMessage);
  void Fail(HWND control, const std::string& text);

  Dialog& dialog_;
  bool save_;
  bool failed_ = false;
};

}  // namespace qiv
