// Windows, dialogs, pages and controls of the framework tests: each logs the messages it gets under its
// name, and answers as the test row sets it.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "framework/Button.h"
#include "framework/ColourControl.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/MessageMap.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "framework/Window.h"
#include "tests/framework/FrameworkTestIds.h"
#include "tests/framework/MessageLog.h"

// In a test class's body: a handler per logged message that records it and passes it on.
#define QIV_TEST_LOGGING_HANDLERS()                                                          \
 public:                                                                                     \
  const std::string& Name() const { return name_; }                                          \
                                                                                             \
 protected:                                                                                  \
  template <UINT kMessage>                                                                   \
  LRESULT LogAndPass(WPARAM wParam, LPARAM lParam) {                                         \
    ::qiv::test::LogMessage(name_, kMessage, ::qiv::test::Detail(kMessage, wParam, lParam)); \
    return NotHandled();                                                                     \
  }                                                                                          \
                                                                                             \
 private:                                                                                    \
  std::string name_;

// In a test class's map: the messages every test window logs.
#define QIV_TEST_LOGGED_MESSAGES()                               \
  QIV_ON_MESSAGE(WM_GETMINMAXINFO, LogAndPass<WM_GETMINMAXINFO>) \
  QIV_ON_MESSAGE(WM_NCCREATE, LogAndPass<WM_NCCREATE>)           \
  QIV_ON_MESSAGE(WM_NCCALCSIZE, LogAndPass<WM_NCCALCSIZE>)       \
  QIV_ON_MESSAGE(WM_CREATE, LogAndPass<WM_CREATE>)               \
  QIV_ON_MESSAGE(WM_SETFONT, LogAndPass<WM_SETFONT>)             \
  QIV_ON_MESSAGE(WM_INITDIALOG, LogAndPass<WM_INITDIALOG>)       \
  QIV_ON_MESSAGE(WM_ENABLE, LogAndPass<WM_ENABLE>)               \
  QIV_ON_MESSAGE(WM_DESTROY, LogAndPass<WM_DESTROY>)             \
  QIV_ON_MESSAGE(WM_NCDESTROY, LogAndPass<WM_NCDESTROY>)         \
  QIV_ON_MESSAGE(WM_NEXTDLGCTL, LogAndPass<WM_NEXTDLGCTL>)       \
  QIV_ON_MESSAGE(WM_COMMAND, LogAndPass<WM_COMMAND>)             \
  QIV_ON_MESSAGE(WM_NOTIFY, LogAndPass<WM_NOTIFY>)               \
  QIV_ON_MESSAGE(WM_DRAWITEM, LogAndPass<WM_DRAWITEM>)           \
  QIV_ON_MESSAGE(WM_SHOWWINDOW, LogAndPass<WM_SHOWWINDOW>)

namespace qiv::test {

// What a logged entry keeps besides the message: the notification code of WM_NOTIFY, the low word of
// wParam for WM_ENABLE, WM_SHOWWINDOW and WM_COMMAND, nothing for the others.
UINT Detail(UINT message, WPARAM wParam, LPARAM lParam);

// A window of a class registered for the tests.
class TestWindow : public Window {
 public:
  explicit TestWindow(std::string name) : name_(std::move(name)) {}
  bool Create(DWORD style, HWND parent = nullptr);

 protected:
  void OnFinalMessage() override;

  QIV_DECLARE_MESSAGE_MAP()
  QIV_TEST_LOGGING_HANDLERS()
};

class TestDialog : public Dialog {
 public:
  TestDialog(std::string name, UINT templateId, OkCancel okCancel = OkCancel::Handled)
      : Dialog(templateId, okCancel), name_(std::move(name)) {}

  // Run at the end of WM_INITDIALOG.
  std::function<void(TestDialog&)> onInit;
  std::function<void(DataExchange&)> exchange;
  // Answers to WM_CTLCOLORSTATIC and to WM_NOTIFY NM_CLICK from IDC_TEST_LABEL, when set.
  std::optional<HBRUSH> colourAnswer;
  std::optional<LRESULT> notifyAnswer;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;

  QIV_DECLARE_MESSAGE_MAP()
  QIV_TEST_LOGGING_HANDLERS()

 private:
  LRESULT AnswerColour(WPARAM wParam, LPARAM lParam);
  LRESULT AnswerNotify(WPARAM wParam, LPARAM lParam);
};

class TestPage : public PropertyPage {
 public:
  explicit TestPage(std::string name) : PropertyPage(IDD_TEST_PAGE), name_(std::move(name)) {}

  // Unset: the framework's default answer.
  std::optional<bool> setActiveAnswer;
  std::optional<bool> killActiveAnswer;
  std::optional<bool> queryCancelAnswer;
  std::function<bool(TestPage&)> onApply;
  std::function<void(TestPage&)> onInit;
  std::function<void(DataExchange&)> exchange;

 protected:
  bool OnInitDialog() override;
  bool OnSetActive() override;
  bool OnKillActive() override;
  bool OnApply() override;
  bool OnQueryCancel() override;
  void OnHelp() override;
  void DoDataExchange(DataExchange& dx) override;

  QIV_DECLARE_MESSAGE_MAP()
  QIV_TEST_LOGGING_HANDLERS()
};

class TestSheet : public PropertySheet {
 public:
  explicit TestSheet(std::string name) : PropertySheet("Sheet"), name_(std::move(name)) {}

 protected:
  QIV_DECLARE_MESSAGE_MAP()
  QIV_TEST_LOGGING_HANDLERS()
};

// An owner-drawn button that logs its draws and clicks, and takes the click when told to.
class TestButton : public Button {
 public:
  explicit TestButton(std::string name) : name_(std::move(name)) {}
  bool takesClick = false;

 protected:
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnClicked() override;

  QIV_DECLARE_MESSAGE_MAP()
  QIV_TEST_LOGGING_HANDLERS()
};

// A subclassed static that answers its reflected WM_CTLCOLORSTATIC when told to.
class TestStatic : public Window {
 public:
  explicit TestStatic(std::string name) : name_(std::move(name)) {}
  std::optional<HBRUSH> colourAnswer;

 protected:
  QIV_DECLARE_MESSAGE_MAP()
  QIV_TEST_LOGGING_HANDLERS()

 private:
  LRESULT AnswerReflectedColour(WPARAM wParam, LPARAM lParam);
};

// A colour control with no window: what a colour button holds.
class HeldColour final : public ColourControl {
 public:
  COLORREF Colour() const override { return colour_; }
  void SetColour(COLORREF colour) override { colour_ = colour; }

 private:
  COLORREF colour_ = 0;
};

// Runs step inside whatever message loop runs on this thread next (the test's own, a dialog's, a sheet's).
void PostStep(std::function<void()> step);

}  // namespace qiv::test
