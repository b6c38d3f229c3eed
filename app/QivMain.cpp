// Entry of Qiv.exe: the settings record is loaded before anything else runs, then the
// application's run takes place.
#include <windows.h>

#include "app/QivApplication.h"
#include "app/Settings.h"
#include "framework/Program.h"
#include "platform/win32/Win32IconSource.h"
#include "platform/win32/Win32Registry.h"

namespace {

qiv::Settings::Rect WorkArea() {
  RECT area = {};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return {area.left, area.top, area.right, area.bottom};
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  qiv::Win32Registry registry;
  qiv::Settings settings(registry, WorkArea(), ::GetSystemMetrics(SM_CYCAPTION));
  qiv::Win32IconSource icons(qiv::ProgramInstance());
  qiv::QivApplication application(registry, settings, icons);
  return application.Run(::GetCommandLineA());
}
