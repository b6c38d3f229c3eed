// The hidden window, in a thread of its own, that Explorer windows are parked in while
// their screen is not current.
#pragma once

#include <windows.h>

#include "framework/Dialog.h"
#include "framework/UniqueHandle.h"

namespace qiv {

class HolderWindow final : public Dialog {
 public:
  // Once the window exists, its handle is stored in *publishedWindow and startedEvent is set.
  HolderWindow(HANDLE startedEvent, HWND* publishedWindow);

 protected:
  bool OnInitDialog() override;
  // WM_CLOSE arrives as Cancel: it ends the modal loop and with it the thread.
  void OnCancel() override;
  // Enter does nothing.
  void OnOK() override;

 private:
  // Outside the whole virtual screen, wherever the monitors lie: a window that holds parked windows must cover
  // no part of any monitor.
  void MoveOutOfSight();
  LRESULT OnDisplayChange(WPARAM, LPARAM);

  QIV_DECLARE_MESSAGE_MAP()
  HANDLE startedEvent_;
  HWND* publishedWindow_;
};

// Runs the holder window's thread from Start to Stop.
class HolderThread {
 public:
  HolderThread() = default;
  ~HolderThread();
  HolderThread(const HolderThread&) = delete;
  HolderThread& operator=(const HolderThread&) = delete;

  // Starts the thread and waits until the holder window exists; the window, or null
  // when it could not be created.
  HWND Start();
  // Closes the holder window and waits at most timeoutMs for its thread to end: destroying the window destroys the
  // foreign windows still parked in it, and that waits for their programs. True when the thread ended.
  bool Stop(DWORD timeoutMs);

  HWND Window() const { return window_; }

 private:
  static DWORD WINAPI ThreadMain(LPVOID parameter);

  UniqueKernelHandle startedEvent_;
  UniqueKernelHandle thread_;
  HWND window_ = nullptr;
};

}  // namespace qiv
