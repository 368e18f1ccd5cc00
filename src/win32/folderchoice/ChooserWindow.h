// The folder chooser window: the recent folders, the directory list and OK under the menu entry
// "Info". Its events go to the chooser's logic once attached.
#pragma once

#include <windows.h>

#include <string>

#include "core/folderchoice/FPrvSD.h"
#include "core/views/ChooserView.h"
#include "platform/Platform.h"
#include "win32/common/AppIcon.h"
#include "win32/common/Dpi.h"
#include "win32/common/Handles.h"
#include "win32/common/Palette.h"
#include "win32/common/Window.h"
#include "win32/folderchoice/DirListBox.h"
#include "win32/folderchoice/RecentsComboBox.h"

namespace tavelin::win32 {

class ChooserWindow : public Window, public core::ChooserView {
 public:
  // The controls' identifiers (GetDlgItem) and the menu entry's command.
  enum Id : int { kLDirs = 100, kBtOk, kLabel1, kLstR, kLabel2, kOpInfo = 200 };

  // Creates the window hidden, the directory list at `startFolder`. Throws platform::SystemError
  // when the system refuses the window or a control.
  explicit ChooserWindow(const platform::FileSystem& fileSystem,
                         const std::u16string& startFolder = platform::WorkingDirectory());

  // Sends the window's events to `form` from now on and runs its load step.
  void Attach(core::FPrvSD& form);
  // Shows the window with the focus in the directory list.
  void Show(int showCommand = SW_SHOWNORMAL);

  // The keys that move between the controls (Tab, Shift+Tab) and Enter; true when `message`
  // was one of them and has been handled. The message loop asks before dispatching.
  bool TranslateDialogKey(MSG& message);

  core::DirectoryList& LDirs() override { return dirs_; }
  core::ComboBox& LstR() override { return recents_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND AddControl(const wchar_t* className, const wchar_t* text, DWORD style, Id id);
  // Sizes the client area, places the controls and makes the fonts and icons for `dpi_`.
  void Layout();
  // The colours of the labels and lists for the theme the user has now.
  void ApplyColours();
  void OnCommand(int id, int code);
  LRESULT OnColor(UINT message, HDC dc, HWND control);
  static LRESULT CALLBACK KeyHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR self);

  DirListBox dirs_;
  RecentsComboBox recents_;
  core::FPrvSD* form_ = nullptr;
  HWND lastFocus_ = nullptr;
  // The DPI of the monitor the window stands on, as the system last told it.
  Dpi dpi_;
  UniqueFont font_;
  UniqueFont okFont_;
  WindowIcons icons_;
  ChooserPalette palette_;
  UniqueBrush recentsBackground_;
  UniqueBrush dirsBackground_;
};

}  // namespace tavelin::win32
