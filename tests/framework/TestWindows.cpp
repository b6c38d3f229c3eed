// Windows, dialogs, pages and controls of the framework tests.
#include "tests/framework/TestWindows.h"

#include <commctrl.h>

#include <memory>

namespace qiv::test {
namespace {

constexpr char kTestWindowClass[] = "QivFrameworkTestWindow";
constexpr char kStepWindowClass[] = "QivFrameworkTestSteps";
constexpr UINT kRunStep = WM_APP + 1;

LRESULT CALLBACK StepWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kRunStep) return ::DefWindowProcA(window, message, wParam, lParam);
  const std::unique_ptr<std::function<void()>> step(reinterpret_cast<std::function<void()>*>(lParam));
  (*step)();
  return 0;
}

HWND StepWindow() {
  static const HWND window = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = StepWindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kStepWindowClass;
    ::RegisterClassA(&windowClass);
    return ::CreateWindowExA(0, kStepWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ::GetModuleHandleA(nullptr),
                             nullptr);
  }();
  return window;
}

}  // namespace

UINT Detail(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY: return reinterpret_cast<const NMHDR*>(lParam)->code;
    case WM_ENABLE:
    case WM_SHOWWINDOW:
    case WM_COMMAND: return LOWORD(wParam);
    default: return 0;
  }
}

void PostStep(std::function<void()> step) {
  auto* posted = new std::function<void()>(std::move(step));
  if (!::PostMessageA(StepWindow(), kRunStep, 0, reinterpret_cast<LPARAM>(posted))) delete posted;
}

QIV_BEGIN_MESSAGE_MAP(TestWindow, Window)
  QIV_TEST_LOGGED_MESSAGES()
QIV_END_MESSAGE_MAP()

bool TestWindow::Create(DWORD style, HWND parent) {
  RegisterWindowClass(kTestWindowClass, 0, ::LoadCursorA(nullptr, IDC_ARROW),
                      reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  const RECT rect{100, 100, 400, 300};
  return Window::Create(0, kTestWindowClass, name_.c_str(), style, rect, parent, nullptr);
}

void TestWindow::OnFinalMessage() { LogMessage(name_, kFinalMessageCall); }

QIV_BEGIN_MESSAGE_MAP(TestDialog, Dialog)
  QIV_TEST_LOGGED_MESSAGES()
  QIV_ON_MESSAGE(WM_CTLCOLORSTATIC, AnswerColour)
  QIV_ON_NOTIFY(IDC_TEST_LABEL, NM_CLICK, AnswerNotify)
QIV_END_MESSAGE_MAP()

bool TestDialog::OnInitDialog() {
  const bool result = Dialog::OnInitDialog();
  if (onInit) onInit(*this);
  return result;
}

void TestDialog::DoDataExchange(DataExchange& dx) {
  if (exchange) exchange(dx);
}

LRESULT TestDialog::AnswerColour(WPARAM, LPARAM) {
  return colourAnswer ? reinterpret_cast<LRESULT>(*colourAnswer) : NotHandled();
}

LRESULT TestDialog::AnswerNotify(WPARAM, LPARAM) { return notifyAnswer ? *notifyAnswer : NotHandled(); }

QIV_BEGIN_MESSAGE_MAP(TestPage, PropertyPage)
  QIV_TEST_LOGGED_MESSAGES()
QIV_END_MESSAGE_MAP()

bool TestPage::OnInitDialog() {
  const bool result = PropertyPage::OnInitDialog();
  if (onInit) onInit(*this);
  return result;
}

bool TestPage::OnSetActive() { return setActiveAnswer ? *setActiveAnswer : PropertyPage::OnSetActive(); }

bool TestPage::OnKillActive() { return killActiveAnswer ? *killActiveAnswer : PropertyPage::OnKillActive(); }

bool TestPage::OnApply() { return onApply ? onApply(*this) : PropertyPage::OnApply(); }

bool TestPage::OnQueryCancel() { return queryCancelAnswer ? *queryCancelAnswer : PropertyPage::OnQueryCancel(); }

void TestPage::OnHelp() {
  LogMessage(name_, kHelpCall);
  PropertyPage::OnHelp();
}

void TestPage::DoDataExchange(DataExchange& dx) {
  if (exchange) exchange(dx);
}

QIV_BEGIN_MESSAGE_MAP(TestSheet, PropertySheet)
  QIV_TEST_LOGGED_MESSAGES()
QIV_END_MESSAGE_MAP()

QIV_BEGIN_MESSAGE_MAP(TestButton, Button)
  QIV_TEST_LOGGED_MESSAGES()
QIV_END_MESSAGE_MAP()

void TestButton::DrawItem(const DRAWITEMSTRUCT& item) {
  LogMessage(Name(), kDrawItemCall);
  ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
}

bool TestButton::OnClicked() {
  LogMessage(Name(), kClickedCall);
  return takesClick;
}

QIV_BEGIN_MESSAGE_MAP(TestStatic, Window)
  QIV_TEST_LOGGED_MESSAGES()
  QIV_ON_REFLECTED(WM_CTLCOLORSTATIC, AnswerReflectedColour)
QIV_END_MESSAGE_MAP()

LRESULT TestStatic::AnswerReflectedColour(WPARAM, LPARAM) {
  return colourAnswer ? reinterpret_cast<LRESULT>(*colourAnswer) : NotHandled();
}

}  // namespace qiv::test
