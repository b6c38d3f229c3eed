// The program's run from start to end.
#include "app/QivApplication.h"

#include <commctrl.h>
#include <objbase.h>

#include <optional>

#include "app/CommandLine.h"
#include "app/CrashRescue.h"
#include "app/Guardian.h"
#include "app/InstallDialog.h"
#include "app/InstanceControl.h"
#include "app/ProgramKeys.h"
#include "app/StartCleanupBatch.h"
#include "framework/GdiObjects.h"
#include "framework/ShowMessage.h"
#include "panel/PanelWindow.h"
#include "platform/win32/Win32Desktop.h"
#include "resources/resource.h"
#include "shell/ShellServices.h"
#include "shell/Shortcuts.h"

namespace qiv {
namespace {

// The guardian's start takes a few hundred milliseconds; past this the panel parks in a holder of its own.
constexpr DWORD kGuardianHolderWaitMs = 2000;

int ScreenBitsPerPixel() {
  UniqueMemoryDc dc = MakeMemoryDc(nullptr);
  return dc ? ::GetDeviceCaps(dc.Get(), BITSPIXEL) : 0;
}

}  // namespace

QivApplication::QivApplication(Registry& registry, Settings& settings, Win32IconSource& icons,
                               const EnginePlatform& platform, Win32OffDesktopJournal& journal, WindowTracker& tracker,
                               SwitchEngine& engine)
    : registry_(registry),
      settings_(settings),
      icons_(icons),
      platform_(platform),
      journal_(journal),
      tracker_(tracker),
      engine_(engine) {}

int QivApplication::Run(const std::string& commandLine) {
  // The guardian is no instance of the program: it runs beside one, without windows.
  if (const std::optional<std::uint32_t> guarded = GuardedProcessId(commandLine)) {
    RunGuardian(*guarded);
    return 0;
  }
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const RunKind kind = RunKindFromCommandLine(commandLine);
  if (ScreenBitsPerPixel() < 8) {
    ShowMessage(nullptr, IDS_NEED_256_COLORS, MB_OK);
  } else if (kind == RunKind::Uninstall) {
    UninstallRun();
  } else if (kind == RunKind::Normal || InstallRun()) {
    NormalRun();
  }
  icons_.DestroyRegisteredIcons();
  if (SUCCEEDED(com)) ::CoUninitialize();
  return 0;
}

bool QivApplication::UninstallRun() {
  if (IsInstanceRunning(nullptr)) return false;
  if (ShowMessage(nullptr, IDS_CONFIRM_UNINSTALL, MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
  DeleteProgramKeys(registry_);
  DeleteShortcut(kDesktopFolder);
  DeleteShortcut(kStartupFolder);
  StartCleanupBatch();
  // Nothing may write the keys back before the process ends.
  settings_.SetSettingsSaveBlocked();
  ShowMessage(nullptr, IDS_UNINSTALLED, MB_OK);
  return false;
}

bool QivApplication::InstallRun() {
  InstallDialog dialog;
  if (dialog.DoModal(nullptr) != IDOK) return false;
  WriteUninstallEntry(registry_, GetProgramPath());
  if (dialog.addDesktopShortcut) CreateShortcut(kDesktopFolder);
  if (dialog.addToStartupFolder) CreateShortcut(kStartupFolder);
  return dialog.runNow;
}

void QivApplication::NormalRun() {
  if (NamedMutexExists(kInstanceMutexName)) {
    ShowMessage(nullptr, IDS_ALREADY_RUNNING, MB_OK);
    return;
  }
  // Not verified: the program runs even without it.
  HANDLE instanceMutex = ::CreateMutexA(nullptr, TRUE, kInstanceMutexName);

  // A run that ended without bringing its windows back, and whose guardian could not either, left them here.
  BringBackJournalledWindows(Win32OffDesktopJournal::TakeStoredEntries());
  if (journal_.Open()) {
    // Parked in the guardian's holder, an Explorer window outlives this process: a kill, or a program that does
    // not answer when the panel hands its window back, leaves it to the guardian instead of destroying it.
    if (const std::uint32_t guardian = StartGuardian()) {
      engine_.SetHolderWindow(ToWindowHandle(WaitForGuardianHolder(guardian, kGuardianHolderWaitMs)));
    }
    InstallCrashRescue(journal_);
  }

  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&controls);

  PanelWindow panel(settings_, registry_, icons_, platform_, tracker_, engine_);
  panel.DoModal(nullptr);
  // Every window is back: neither the guardian nor the next start has anything to do.
  journal_.Clear();

  if (instanceMutex != nullptr) ::CloseHandle(instanceMutex);
}

}  // namespace qiv
