// The tree view's real core objects on real folders, wired to the real Win32 windows, the
// system's message box and launcher; and ways to read the windows back.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "platform/Platform.h"
#include "win32/common/MessageBoxView.h"
#include "win32/common/Win32Screen.h"
#include "win32/treeview/ScrollCompanionHost.h"
#include "win32/treeview/TreeWindowHost.h"

#include <ostream>

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

// The message box of this process captioned "Tavelin", once it is up: found from a second
// thread, its text and owner read, and closed with OK.
class MessageBoxCloser {
 public:
  MessageBoxCloser();
  ~MessageBoxCloser();
  MessageBoxCloser(const MessageBoxCloser&) = delete;
  MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

  // Waits for the closer to end; empty text when no box came up within a few seconds.
  void Wait();
  const std::wstring& Text() const { return text_; }
  HWND Owner() const { return owner_; }
  // Whether the wait cursor was meant to show while the box was up.
  bool BusyWhileUp() const { return busyWhileUp_; }

 private:
  void Run();

  std::wstring text_;
  HWND owner_ = nullptr;
  bool busyWhileUp_ = false;
  std::thread thread_;
};

}  // namespace tavelin::win32::testing
