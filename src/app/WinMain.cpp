// Tavelin for Windows: wires the windows and opens the folder chooser.
#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <string>

#include "app/Win32Program.h"
#include "platform/Platform.h"
#include "win32/common/MessageBoxView.h"
#include "win32/common/Win32Screen.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  using namespace tavelin;

  // The common controls of version 6, which the manifest asks for: tool tips among them.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  win32::MessageBoxView messages;
  try {
    win32::Win32Screen screen;
    app::Win32Program program(platform::NativeFileSystem(), platform::NativeLauncher(), messages,
                              screen);
    program.Chooser().Show(showCommand);
    return program.Run();
  } catch (const std::exception& failure) {
    // No window could be made, or one of the system's calls failed outside any handler.
    const std::string what = failure.what();
    messages.ShowMessage(std::u16string(what.begin(), what.end()));
    return 1;
  }
}
