// Starts programs with the command line exactly as Tavelin built it, and never from a place that
// Windows would only reach by probing: every program goes to the system named with its folder.
#pragma once

#include <functional>
#include <string>

#include "platform/Platform.h"

namespace tavelin::platform {

class WindowsLauncher final : public Launcher {
 public:
  // The system's two ways to start a program, each answering 0 or the error it met: CreateProcessW
  // with the application and command line, and the shell's start, which asks the user's consent
  // for a program that needs elevation.
  struct Starts {
    std::function<unsigned long(const std::wstring& application, std::wstring& commandLine,
                                bool hidden, bool console)>
        createProcess;
    std::function<unsigned long(const std::wstring& application, const std::wstring& parameters,
                                bool hidden)>
        shellExecute;
  };

  WindowsLauncher();  // the system's own
  explicit WindowsLauncher(Starts starts) : starts_(std::move(starts)) {}

  void Start(const StartRequest& request) override;

 private:
  Starts starts_;
};

// Where a program named without a folder is found: the folder of the running program, the
// system folders and the Windows folder, then the absolute folders of PATH; never the working
// directory, where any downloaded file could stand in for it. Nothing when it is nowhere.
std::wstring FindProgram(const std::wstring& name);

// The system folder, where the command interpreters live.
std::wstring SystemFolder();

}  // namespace tavelin::platform
