// The record the test windows keep of the messages they get.
#include "tests/framework/MessageLog.h"

#include <algorithm>
#include <mutex>

namespace qiv::test {
namespace {

std::mutex& LogMutex() {
  static std::mutex mutex;
  return mutex;
}

std::vector<LoggedMessage>& Entries() {
  static std::vector<LoggedMessage> entries;
  return entries;
}

const char* MessageName(UINT message) {
  switch (message) {
    case WM_GETMINMAXINFO: return "WM_GETMINMAXINFO";
    case WM_NCCREATE: return "WM_NCCREATE";
    case WM_NCCALCSIZE: return "WM_NCCALCSIZE";
    case WM_CREATE: return "WM_CREATE";
    case WM_SETFONT: return "WM_SETFONT";
    case WM_INITDIALOG: return "WM_INITDIALOG";
    case WM_ENABLE: return "WM_ENABLE";
    case WM_DESTROY: return "WM_DESTROY";
    case WM_NCDESTROY: return "WM_NCDESTROY";
    case WM_NEXTDLGCTL: return "WM_NEXTDLGCTL";
    case WM_COMMAND: return "WM_COMMAND";
    case WM_NOTIFY: return "WM_NOTIFY";
    case WM_DRAWITEM: return "WM_DRAWITEM";
    case WM_SHOWWINDOW: return "WM_SHOWWINDOW";
    case kFinalMessageCall: return "OnFinalMessage";
    case kDrawItemCall: return "DrawItem";
    case kClickedCall: return "OnClicked";
    case kHelpCall: return "OnHelp";
    case kMessageBoxShown: return "message box";
    default: return nullptr;
  }
}

}  // namespace

void PrintTo(const LoggedMessage& entry, std::ostream* out) {
  *out << "{" << entry.window << ", ";
  if (const char* name = MessageName(entry.message)) {
    *out << name;
  } else {
    *out << "0x" << std::hex << entry.message << std::dec;
  }
  *out << ", " << static_cast<int>(entry.detail) << "}";
}

void ClearMessageLog() {
  const std::lock_guard<std::mutex> lock(LogMutex());
  Entries().clear();
}

void LogMessage(const std::string& window, UINT message, UINT detail) {
  const std::lock_guard<std::mutex> lock(LogMutex());
  Entries().push_back(LoggedMessage{window, message, detail});
}

std::vector<LoggedMessage> LoggedMessages(std::initializer_list<const char*> windows,
                                          std::initializer_list<UINT> messages) {
  const std::lock_guard<std::mutex> lock(LogMutex());
  std::vector<LoggedMessage> selected;
  for (const LoggedMessage& entry : Entries()) {
    const bool windowMatches =
        std::any_of(windows.begin(), windows.end(), [&](const char* name) { return entry.window == name; });
    const bool messageMatches =
        messages.size() == 0 || std::find(messages.begin(), messages.end(), entry.message) != messages.end();
    if (windowMatches && messageMatches) selected.push_back(entry);
  }
  return selected;
}

}  // namespace qiv::test
