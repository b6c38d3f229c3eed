// Qiv.exe as the tests drive it.
#include "tests/e2e/harness/QivProcess.h"

#include <tlhelp32.h>

#include "tests/e2e/harness/Wait.h"
#include "tests/e2e/harness/WindowQueries.h"

namespace qiv::e2e {
namespace {

constexpr int kScreenButtonListId = 1000;
constexpr WPARAM kCloseCommand = 32772;

}  // namespace

QivProcess::~QivProcess() {
  if (process_.IsRunning() && Panel() != nullptr) Close();
}

bool QivProcess::Start(const std::string& arguments) { return StartFrom(BinaryDirectory() + "Qiv.exe", arguments); }

bool QivProcess::StartFrom(const std::string& executable, const std::string& arguments) {
  return process_.Start(executable, arguments);
}

HWND QivProcess::Panel() const {
  for (HWND window : TopLevelWindowsOf(process_.Id())) {
    if (ClassName(window) == "#32770" && ::GetDlgItem(window, kScreenButtonListId) != nullptr) return window;
  }
  return nullptr;
}

HWND QivProcess::WaitForPanel() {
  HWND panel = nullptr;
  PollUntil([&] { return (panel = Panel()) != nullptr && ::IsWindowVisible(panel); }, 10000);
  return panel;
}

HWND QivProcess::WaitForSettledPanel() {
  HWND panel = nullptr;
  const bool settled = PollUntil(
      [&] {
        panel = Panel();
        if (panel == nullptr || !::IsWindowVisible(panel) ||
            (::GetWindowLongA(panel, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0) {
          return false;
        }
        const int cell = ::GetSystemMetrics(SM_CYCAPTION);
        RECT rect = {};
        ::GetWindowRect(panel, &rect);
        const LONG width = rect.right - rect.left;
        const LONG height = rect.bottom - rect.top;
        return cell > 0 && width > 0 && height > 0 && width % cell == 0 && height % cell == 0;
      },
      10000);
  return settled ? panel : nullptr;
}

int QivProcess::CurrentScreen(HWND panel) {
  DWORD_PTR selection = static_cast<DWORD_PTR>(-1);
  ::SendMessageTimeoutA(::GetDlgItem(panel, kScreenButtonListId), LB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 1000,
                        &selection);
  return static_cast<int>(selection);
}

bool QivProcess::ScreenButtonRect(HWND panel, int index, RECT& rect) {
  constexpr UINT kPanelBusyBoundMs = 10000;
  const HWND list = ::GetDlgItem(panel, kScreenButtonListId);
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect), 0,
                             kPanelBusyBoundMs, &result) ||
      static_cast<LRESULT>(result) == LB_ERR) {
    return false;
  }
  ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return true;
}

COLORREF QivProcess::ScreenButtonFace(HWND panel, int index) {
  RECT item = {};
  if (!ScreenButtonRect(panel, index, item)) return CLR_INVALID;
  return ScreenPixel({item.left + 3, item.top + 3});
}

HWND QivProcess::WaitForMessageBox(const std::string& textPart) {
  HWND box = nullptr;
  PollUntil([&] { return (box = FindMessageBox(process_.Id(), kMessageBoxCaption, textPart)) != nullptr; });
  return box;
}

DWORD QivProcess::GuardianId() const {
  DWORD found = 0;
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry)) {
    if (::lstrcmpiA(entry.szExeFile, "Qiv.exe") == 0 && entry.th32ProcessID != Id()) found = entry.th32ProcessID;
  }
  ::CloseHandle(snapshot);
  return found;
}

bool QivProcess::IsParked(HWND window) const {
  HWND parent = ::GetAncestor(window, GA_PARENT);
  if (parent == nullptr || parent == ::GetDesktopWindow()) return false;
  const DWORD owner = WindowProcessId(parent);
  if (owner == Id()) return true;
  // Found once: the holder's process does not change while the program runs, and a process snapshot per poll
  // would slow the soak's checks down.
  if (holderProcessId_ == 0) holderProcessId_ = GuardianId();
  return owner == holderProcessId_;
}

bool QivProcess::Close() {
  HWND panel = Panel();
  if (panel == nullptr) return false;
  ::PostMessageA(panel, WM_COMMAND, kCloseCommand, 0);
  HWND question = WaitForMessageBox("Do you really want to close Qivdesk?");
  if (question == nullptr) return false;
  PressDialogButton(question, IDYES);
  return process_.WaitForExit(10000);
}

}  // namespace qiv::e2e
