// The whole Windows program: every window's logic wired to its Win32 window. Each window has one
// instance, and all of it lives as long as this object, normally the whole run.
#pragma once

#include <windows.h>

#include "core/folderchoice/FPrvSD.h"
#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "core/views/MessageView.h"
#include "core/views/Screen.h"
#include "platform/Platform.h"
#include "win32/folderchoice/ChooserWindow.h"
#include "win32/treeview/ScrollCompanionHost.h"
#include "win32/treeview/TreeWindowHost.h"

namespace tavelin::app {

class Win32Program {
 public:
  // Loads the folder chooser (it reads the recent folders) without showing it. Throws
  // platform::SystemError when the system refuses a window.
  Win32Program(const platform::FileSystem& fileSystem, platform::Launcher& launcher,
               core::MessageView& messages, const core::Screen& screen);
  Win32Program(const Win32Program&) = delete;
  Win32Program& operator=(const Win32Program&) = delete;

  win32::ChooserWindow& Chooser() { return chooser_; }

  // The keys that move between the controls of the chooser and of the tree window; true when
  // `message` was one of them and has been handled.
  bool TranslateDialogKey(MSG& message);

  // Handles the messages of the user-interface thread until the last of the program's windows
  // has closed; returns the program's exit code.
  int Run();

 private:
  core::TreeLayoutState layout_;
  win32::TreeWindowHost treeWindow_;
  win32::ScrollCompanionHost companion_;
  core::FScroll fScroll_;
  core::FKvel fKvel_;
  core::UKvel uKvel_;
  win32::ChooserWindow chooser_;
  core::FPrvSD fPrvSD_;
};

}  // namespace tavelin::app
