#include "TreeRig.h"

#include <chrono>
#include <thread>

#include "win32/common/BusyCursor.h"

namespace tavelin::win32::testing {

using namespace std::chrono_literals;

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

RECT ChildRect(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

namespace {

// A message box of the thread, found among its windows: other programs under test on the same
// display may show boxes of the same caption.
BOOL CALLBACK TakeMessageBox(HWND window, LPARAM found) {
  wchar_t kind[16];
  wchar_t caption[16];
  GetClassNameW(window, kind, 16);
  GetWindowTextW(window, caption, 16);
  if (lstrcmpW(kind, L"#32770") != 0 || lstrcmpW(caption, L"Tavelin") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

}  // namespace

std::future<MessageBoxSeen> CloseNextMessageBox() {
  const DWORD thread = GetCurrentThreadId();
  return std::async(std::launch::async, [thread] {
    MessageBoxSeen seen;
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    HWND box = nullptr;
    while (box == nullptr && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(20ms);
      EnumThreadWindows(thread, TakeMessageBox, reinterpret_cast<LPARAM>(&box));
    }
    if (box == nullptr) return seen;
    seen.owner = GetWindow(box, GW_OWNER);
    seen.busy = BusyCursor::Showing();
    // The text is the one static control that has any; the icon's has none.
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t kind[16];
      wchar_t text[256];
      GetClassNameW(child, kind, 16);
      const int length = GetWindowTextW(child, text, 256);
      if (lstrcmpiW(kind, L"Static") == 0 && length > 0) seen.text.assign(text, length);
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return seen;
  });
}

}  // namespace tavelin::win32::testing
