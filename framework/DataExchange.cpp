// Moves values between a dialog's members and its controls, one Exchange call per control.
#include "framework/DataExchange.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/ColourControl.h"
#include "framework/Dialog.h"
#include "framework/ShowMessage.h"
#include "framework/Trackbar.h"

namespace qiv {
namespace {

std::string ControlText(HWND control) {
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(control)) + 1, '\0');
  const int length = ::GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return text;
}

}  // namespace

DataExchange::DataExchange(Dialog& dialog, bool save) : dialog_(dialog), save_(save) {}

void DataExchange::ExchangeCheck(int id, bool& value) {
  if (failed_) return;
  const HWND control = dialog_.DlgItem(id);
  if (save_) {
    value = ::SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
  } else {
    ::SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void DataExchange::ExchangeInteger(int id, int& value) { ExchangeValidatedInteger(id, value, std::nullopt); }

void DataExchange::ExchangeInteger(int id, int& value, int min, int max) {
  ExchangeValidatedInteger(id, value, IntegerRange{min, max});
}

void DataExchange::ExchangeText(int id, std::string& value) {
  if (failed_) return;
  const HWND control = dialog_.DlgItem(id);
  if (save_) {
    value = ControlText(control);
  } else {
    ::SetWindowTextA(control, value.c_str());
  }
}

void DataExchange::ExchangeListBoxIndex(int id, int& value) {
  ExchangeSelection(id, value, LB_GETCURSEL, LB_SETCURSEL);
}

void DataExchange::ExchangeComboBoxIndex(int id, int& value) {
  ExchangeSelection(id, value, CB_GETCURSEL, CB_SETCURSEL);
}

void DataExchange::ExchangeTrackbar(int id, int& value, int min, int max) {
  if (failed_) return;
  const Trackbar trackbar(dialog_.DlgItem(id));
  if (save_) {
    value = trackbar.Position();
  } else {
    trackbar.SetRange(min, max);
    trackbar.SetPosition(std::clamp(value, min, max));
  }
}

void DataExchange::ExchangeHotKey(int id, HotKeyValue& value) {
  if (failed_) return;
  const HWND control = dialog_.DlgItem(id);
  if (save_) {
    const auto hotKey = static_cast<WORD>(::SendMessageA(control, HKM_GETHOTKEY, 0, 0));
    value = HotKeyValue{LOBYTE(hotKey), HIBYTE(hotKey)};
  } else {
    ::SendMessageA(control, HKM_SETHOTKEY, MAKEWORD(value.virtualKey, value.modifiers), 0);
  }
}

void DataExchange::ExchangeColour(ColourControl& control, COLORREF& value) {
  if (failed_) return;
  if (save_) {
    value = control.Colour();
  } else {
    control.SetColour(value);
  }
}

void DataExchange::ExchangeValidatedInteger(int id, int& value, std::optional<IntegerRange> range) {
  if (failed_) return;
  const HWND control = dialog_.DlgItem(id);
  if (!save_) {
    ::SetWindowTextA(control, std::to_string(value).c_str());
    return;
  }
  const IntegerValidation checked = ValidateDialogInteger(ControlText(control), range);
  if (checked.value) {
    value = *checked.value;
  } else {
    Fail(control, checked.message);
  }
}

void DataExchange::ExchangeSelection(int id, int& value, UINT getMessage, UINT setMessage) {
  if (failed_) return;
  const HWND control = dialog_.DlgItem(id);
  if (save_) {
    value = static_cast<int>(::SendMessageA(control, getMessage, 0, 0));
  } else {
    ::SendMessageA(control, setMessage, static_cast<WPARAM>(value), 0);
  }
}

void DataExchange::Fail(HWND control, const std::string& text) {
  failed_ = true;
  const HWND dialog = dialog_.Handle();
  const WindowToken alive = dialog_.Token();
  dialog_.RevealForCorrection();
  ShowMessage(dialog, text.c_str(), MB_OK | MB_ICONEXCLAMATION);
  // The message box ran a message loop: the dialog, its object with it, may be gone.
  if (!alive.Alive() || !::IsWindow(control)) return;
  // WM_NEXTDLGCTL, not SetFocus, so that the dialog manager moves its default button along.
  ::SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  ::SendMessageA(control, EM_SETSEL, 0, -1);
}

}  // namespace qiv
