// A comctl32 property sheet of PropertyPage objects: modal, or modeless as a child control of a dialog.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/PropertyPage.h"
#include "framework/Window.h"

namespace qiv {

class ModalScope;

class PropertySheet : public Window {
 public:
  explicit PropertySheet(std::string caption);

  // Before the sheet is created, in tab order. The pages must outlive the sheet's window.
  void AddPage(PropertyPage& page);

  // A modal sheet with its own OK and Cancel, run under a ModalScope (owned by the current modal window,
  // if any); answers PropertySheet's result (positive after OK, 0 after Cancel, -1 on failure).
  INT_PTR DoModal(HWND parent);
  // A modeless sheet inside parent with the given style (WS_CHILD...), without buttons of its own; it lives
  // until parent goes.
  bool CreateChild(HWND parent, DWORD style, DWORD exStyle);

  HWND TabControl() const;
  // Creates the page's window on its first activation.
  bool SetActivePage(int index) const;
  int PageCount() const { return static_cast<int>(pages_.size()); }
  PropertyPage& Page(int index) const { return *pages_[static_cast<std::size_t>(index)]; }

 protected:
  // Once the sheet window exists and is bound to this object (comctl32 creates it with its own dialog
  // procedure, so the earliest messages go by unseen). Default: nothing.
  virtual void OnSheetCreated();

 private:
  INT_PTR Run(HWND parent, DWORD flags);
  static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);

  std::string caption_;
  std::vector<PropertyPage*> pages_;
  bool child_ = false;
  DWORD childStyle_ = 0;
  DWORD childExStyle_ = 0;
  // The scope of the modal run, while DoModal runs.
  ModalScope* modalScope_ = nullptr;
};

}  // namespace qiv
