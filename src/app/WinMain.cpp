// Tavelin for Windows: wires the windows and opens the folder chooser.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/Win32Program.h"
#include "platform/Platform.h"
#include "win32/common/Failures.h"
#include "win32/common/MessageBoxView.h"
#include "win32/common/Win32Screen.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  using namespace tavelin;

  // A drive with no medium, or one that is not ready, is a folder that cannot be read, not a
  // reason for the system to ask the user to insert a disk.
  SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  // The shell, which starts a program that asks for elevation, wants COM on the thread that
  // calls it.
  static_cast<void>(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  // The common controls of version 6, which the manifest asks for: tool tips among them.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  win32::MessageBoxView messages;
  win32::Win32Screen screen;
  try {
    app::Win32Program program(platform::NativeFileSystem(), platform::NativeLauncher(), messages,
                              screen);
    program.Chooser().Show(showCommand);
    return program.Run();
  } catch (...) {
    // No window could be made: the program cannot start.
    win32::ReportFailure();
    return 1;
  }
}
