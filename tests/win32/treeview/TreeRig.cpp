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

HWND FindMessageBox(DWORD thread) {
  HWND box = nullptr;
  EnumThreadWindows(
      thread,
      [](HWND window, LPARAM found) -> BOOL {
        wchar_t kind[16] = {}, caption[16] = {};
        GetClassNameW(window, kind, 16);
        GetWindowTextW(window, caption, 16);
        if (lstrcmpW(kind, L"#32770") != 0 || lstrcmpW(caption, L"Tavelin") != 0) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&box));
  return box;
}

std::wstring MessageBoxText(HWND box) {
  // The text is the one static control that has any; the icon's has none.
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t kind[16] = {}, text[256] = {};
    GetClassNameW(child, kind, 16);
    const int length = GetWindowTextW(child, text, 256);
    if (lstrcmpiW(kind, L"Static") == 0 && length > 0) return std::wstring(text, length);
  }
  return {};
}

std::future<MessageBoxSeen> CloseNextMessageBox() {
  const DWORD thread = GetCurrentThreadId();
  return std::async(std::launch::async, [thread] {
    HWND box = nullptr;
    for (int attempt = 0; attempt < 500 && box == nullptr; ++attempt) {
      std::this_thread::sleep_for(20ms);
      box = FindMessageBox(thread);
    }
    if (box == nullptr) return MessageBoxSeen{};
    const MessageBoxSeen seen{MessageBoxText(box), GetWindow(box, GW_OWNER), BusyCursor::Showing()};
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return seen;
  });
}

}  // namespace tavelin::win32::testing
