#include "win32/common/MessageBoxView.h"

#include <windows.h>

#include <vector>

#include "win32/common/BusyCursor.h"
#include "win32/common/Utf16.h"

namespace tavelin::win32 {

namespace {

// Every other window of the program disabled while a message is up, and enabled again after.
// The box itself disables only its owner: the chooser would go on taking clicks and keys, and
// its ok would start a second pass inside the one that raised the message.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND owner) : owner_(owner) {
    EnumThreadWindows(GetCurrentThreadId(), &OtherWindowsDisabled::Take,
                      reinterpret_cast<LPARAM>(this));
    for (const HWND window : disabled_)
      EnableWindow(window, FALSE);
  }
  ~OtherWindowsDisabled() {
    for (const HWND window : disabled_)
      if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Take(HWND window, LPARAM self) {
    auto& windows = *reinterpret_cast<OtherWindowsDisabled*>(self);
    if (window != windows.owner_ && IsWindowVisible(window) && IsWindowEnabled(window))
      windows.disabled_.push_back(window);
    return TRUE;
  }

  HWND owner_;
  std::vector<HWND> disabled_;
};

}  // namespace

void MessageBoxView::ShowMessage(const std::u16string& text) {
  const BusyCursor::Lifted arrow;
  const HWND owner = GetActiveWindow();
  const OtherWindowsDisabled others(owner);
  MessageBoxW(owner, ToWide(text).c_str(), L"Tavelin", MB_OK);
}

}  // namespace tavelin::win32
