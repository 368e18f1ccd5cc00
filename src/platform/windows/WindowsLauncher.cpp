#include "platform/windows/WindowsLauncher.h"

#include <string>

#include "platform/windows/Failures.h"
#include "platform/windows/NativeNames.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {

void WindowsLauncher::Start(const StartRequest& request) {
  // CreateProcessW may write into the command line it is given.
  std::wstring commandLine = Wide(request.commandLine);

  // A file started as a program is named outright. Left to the command line, an unquoted
  // "C:\Program Files\x.exe" would first try "C:\Program.exe".
  const std::wstring application = Wide(request.program);
  const wchar_t* const applicationName =
      request.kind == ProgramKind::File ? application.c_str() : nullptr;

  const bool hidden = request.windowState == WindowState::Hidden;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = hidden ? SW_HIDE : SW_SHOWNORMAL;
  // The interpreter is a console program: hidden, it must not open a console window either.
  const DWORD creation = hidden && request.kind == ProgramKind::Interpreter ? CREATE_NO_WINDOW : 0;

  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(applicationName, commandLine.data(), nullptr, nullptr, FALSE, creation,
                        nullptr, nullptr, &startup, &process)) {
    Fail<StartError>(::GetLastError(), "Cannot start", request.commandLine);
  }
  // Not waited for and not tracked: the program runs on its own.
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
}

Launcher& NativeLauncher() {
  static WindowsLauncher launcher;
  return launcher;
}

}  // namespace tavelin::platform
