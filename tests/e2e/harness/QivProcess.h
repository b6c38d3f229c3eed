// Qiv.exe as the tests drive it: start, find its panel and message boxes, close it.
#pragma once

#include "tests/e2e/harness/ChildProcess.h"

#include <string>

namespace qiv::e2e {

constexpr const char* kMessageBoxCaption = "Qiv";  // the executable's base name

class QivProcess {
 public:
  QivProcess() = default;
  // Ends the program through its close command when it still runs, and only then by force:
  // Wine keeps the global hooks of a process that was terminated, and they would report
  // every key a second time to the next instance.
  ~QivProcess();
  QivProcess(const QivProcess&) = delete;
  QivProcess& operator=(const QivProcess&) = delete;

  bool Start(const std::string& arguments = {});
  // Starts a copy of Qiv.exe (with Qivhook.dll beside it) from another folder.
  bool StartFrom(const std::string& executable, const std::string& arguments = {});

  // The panel: the dialog window of the process that holds the screen-button list box.
  HWND Panel() const;
  // Waits for the panel to be shown; null on time-out.
  HWND WaitForPanel();
  // Waits, with AlwaysOnTop on, for the panel to be laid out on the cell grid and made top-most; null on
  // time-out. Its dialog initialisation lays it out once while still hidden, then shows it 0 x 0 pixels large
  // until the layout that follows; its first visibility tick makes it top-most and takes the foreground to do
  // so, and keys typed into another window before then may go to the panel instead.
  HWND WaitForSettledPanel();
  // The screen that panel shows as current (the selection of its screen buttons); -1 if it does not answer.
  static int CurrentScreen(HWND panel);
  // Screen button index's rectangle in screen coordinates; false if there is no such button. Waits as long as the
  // panel may stay busy with its own bounded waits for other programs (a report of a window that shows itself
  // and hangs costs it up to six seconds).
  static bool ScreenButtonRect(HWND panel, int index, RECT& rect);
  // The plain face of screen button index as the screen shows it: inside the frame, left of its icon and above its
  // digits; CLR_INVALID without such a button.
  static COLORREF ScreenButtonFace(HWND panel, int index);
  // Waits for a message box of Qiv whose text contains textPart; null on time-out.
  HWND WaitForMessageBox(const std::string& textPart);

  // The close command, answered with Yes; true if the process ended.
  bool Close();

  ChildProcess& Process() { return process_; }
  DWORD Id() const { return process_.Id(); }
  // The guardian: the other Qiv.exe, which this one started; 0 while there is none.
  DWORD GuardianId() const;
  // A child of the holder window, which lives in the program or in its guardian.
  bool IsParked(HWND window) const;

 private:
  ChildProcess process_;
  mutable DWORD holderProcessId_ = 0;
};

}  // namespace qiv::e2e
