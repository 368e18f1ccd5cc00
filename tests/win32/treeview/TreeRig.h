// The tree view's real core objects on real folders, wired to the real Win32 windows, the
// system's message box and launcher; and ways to read the windows back.
#pragma once

#include <windows.h>

#include <future>
#include <ostream>
#include <string>

#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "platform/Platform.h"
#include "win32/common/MessageBoxView.h"
#include "win32/common/Win32Screen.h"
#include "win32/treeview/ScrollCompanionHost.h"
#include "win32/treeview/TreeWindowHost.h"

// Rectangles compared and printed by the tests; found by argument lookup, so global.
inline bool operator==(const RECT& a, const RECT& b) {
  return EqualRect(&a, &b) != 0;
}
inline void PrintTo(const RECT& rect, std::ostream* out) {
  *out << "(" << rect.left << ", " << rect.top << ") to (" << rect.right << ", " << rect.bottom
       << ")";
}

namespace tavelin::win32::testing {

struct TreeRig {
  TreeRig() {
    window.Attach(fkvel);
    companion.Attach(fscroll);
  }
  ~TreeRig() {
    window.Unload();
    companion.Unload();
  }

  TreeWindow& Window() { return *window.Window(); }

  core::TreeLayoutState layout;
  Win32Screen screen;
  MessageBoxView messages;
  TreeWindowHost window;
  ScrollCompanionHost companion;
  core::FScroll fscroll{companion, window, screen};
  core::FKvel fkvel{window, fscroll, layout, platform::NativeLauncher(), messages};
  core::UKvel ukvel{layout, platform::NativeFileSystem(), messages, fkvel, fscroll, screen};
};

// Handles what is waiting in this thread's queue.
void PumpMessages();

SIZE ClientSize(HWND window);
// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);

// The box captioned "Tavelin" among `thread`'s own windows (other programs may show one), or null.
HWND FindMessageBox(DWORD thread);
std::wstring MessageBoxText(HWND box);

// The message box of this process captioned "Tavelin", as a second thread found it once it was
// up, read it and closed it with OK; an empty text when none came up within a few seconds.
struct MessageBoxSeen {
  std::wstring text;
  HWND owner = nullptr;
  // Whether the wait cursor was meant to show while the box was up.
  bool busy = false;
};
std::future<MessageBoxSeen> CloseNextMessageBox();

}  // namespace tavelin::win32::testing
