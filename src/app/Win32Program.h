// The Windows program: the windows of the Win32 front end, wired, and its message loop.
#pragma once

#include <windows.h>

#include "app/BasicProgram.h"
#include "win32/folderchoice/ChooserWindow.h"
#include "win32/treeview/ScrollCompanionHost.h"
#include "win32/treeview/TreeWindowHost.h"

namespace tavelin::app {

class Win32Program
    : public BasicProgram<win32::ChooserWindow, win32::TreeWindowHost, win32::ScrollCompanionHost> {
 public:
  // Throws platform::SystemError when the system refuses a window.
  using BasicProgram::BasicProgram;

  // The keys that move between the controls of the chooser and of the tree window; true when
  // `message` was one of them and has been handled.
  bool TranslateDialogKey(MSG& message);

  // Handles the messages of the user-interface thread until the last of the program's windows
  // has closed; returns the program's exit code.
  int Run();
};

}  // namespace tavelin::app
