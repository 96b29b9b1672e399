// The program entry: sets up the global services, keeps full-window dragging off while the window
// runs, runs the one procedure and undoes its steps in reverse. No argument is read; the exit
// code is always 0.
#include <windows.h>

#include <commctrl.h>

#include "app/error_reporter.h"
#include "app/ini_manager.h"
#include "platform/clock.h"
#include "platform/win32/win32_ini.h"
#include "platform/win32/win32_registry.h"
#include "ui/main_procedure.h"

namespace {

void PresentError(const std::string& message) {
  MessageBoxA(nullptr, message.c_str(), "isam-netcheck", MB_OK | MB_ICONERROR);
}

// The process's two global services; the window-state store goes first at exit.
netcheck::ErrorReporter errorReporter(&PresentError);
netcheck::IniManager iniManager;

constexpr const char* kWindowStateFile = ".\\morvex.INI";

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Load system DLLs from the system folder only, never from the program's or current folder.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  netcheck::Win32Ini ini;
  netcheck::Win32Registry registry;
  netcheck::SystemClock clock;

  errorReporter.BindThread();
  iniManager.Bind(ini, kWindowStateFile);

  BOOL dragFullWindows = FALSE;
  SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &dragFullWindows, 0);
  const bool switchedOff = dragFullWindows == 1;
  if (switchedOff) SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, 0, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);

  netcheck::ProcedureServices services{registry, ini, clock, iniManager, errorReporter};
  netcheck::MainProcedure(instance, services);

  if (switchedOff) SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, 1, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  iniManager.Release();
  return 0;
}
