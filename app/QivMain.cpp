// Entry of Qiv.exe: the settings record is loaded before anything else runs, then the
// application's run takes place.
#include <windows.h>

#include "app/QivApplication.h"
#include "engine/SwitchEngine.h"
#include "engine/WindowTracker.h"
#include "framework/Program.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32HookLock.h"
#include "platform/win32/Win32IconSource.h"
#include "platform/win32/Win32OffDesktopJournal.h"
#include "platform/win32/Win32ProgramProcess.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SoundPlayer.h"
#include "platform/win32/Win32WorkerThreads.h"
#include "shell/Settings.h"
#include "shell/WindowGeometry.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  qiv::Win32Registry registry;
  const RECT workArea = qiv::WorkArea();
  qiv::Settings settings(registry, {workArea.left, workArea.top, workArea.right, workArea.bottom},
                         ::GetSystemMetrics(SM_CYCAPTION));
  qiv::Win32IconSource icons(qiv::ProgramInstance());

  qiv::Win32Desktop desktop;
  qiv::Win32Clock clock;
  qiv::Win32WorkerThreads workers;
  qiv::Win32HookLock hookLock;
  qiv::Win32ProgramProcess process;
  qiv::Win32SoundPlayer sound;
  qiv::Win32OffDesktopJournal journal;
  const qiv::EnginePlatform platform{desktop, clock, workers, hookLock, process, sound, journal};
  qiv::WindowTracker tracker(platform, settings);
  qiv::SwitchEngine engine(platform, tracker);

  qiv::QivApplication application(registry, settings, icons, platform, journal, tracker, engine);
  return application.Run(::GetCommandLineA());
}
