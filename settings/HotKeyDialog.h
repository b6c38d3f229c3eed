// The hot key dialog: one key of the key name table with Ctrl, Alt and Shift, refused when another function of
// the Keyboard page already has that combination.
#pragma once

#include <windows.h>

#include <vector>

#include "engine/HotKey.h"
#include "framework/Dialog.h"

namespace qiv {

class HotKeyDialog : public Dialog {
 public:
  // hotKey: shown first and, on IDOK, the combination chosen. rowKeys: the combination of every function of the
  // Keyboard page; editedRow: hotKey's own among them, which it may keep.
  HotKeyDialog(HotKey& hotKey, std::vector<HotKey> rowKeys, int editedRow);

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
  // A key must be chosen, and the combination be no other function's.
  void OnOK() override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnKeyChosen(WPARAM wParam, LPARAM lParam);
  // Shift is no part of a combination with a key of the numeric keypad.
  void ApplyKeyRule();

  HotKey& hotKey_;
  std::vector<HotKey> rowKeys_;
  int editedRow_;
  int keyIndex_ = -1;
  bool ctrl_ = false;
  bool alt_ = false;
  bool shift_ = false;
};

}  // namespace qiv
