// Linked into the programs whose start the bench times, and into nothing else: when the first
// top-level window is about to paint, it paints it whole, children included, writes the
// monotonic time on the output and ends the program at once, so that nothing the program would
// do on closing (saving its recent folders) happens.
#include <windows.h>

#include <cstdio>

#include "Clock.h"

namespace {

LRESULT CALLBACK OnMessage(int code, WPARAM removed, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && removed == PM_REMOVE && message->message == WM_PAINT &&
      GetAncestor(message->hwnd, GA_ROOT) == message->hwnd) {
    RedrawWindow(message->hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    char line[32];
    const int length = std::snprintf(line, sizeof line, "%lld\n",
                                     static_cast<long long>(tavelin::bench::MonotonicNs()));
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(length), &written, nullptr);
    ExitProcess(0);
  }
  return CallNextHookEx(nullptr, code, removed, lParam);
}

// Set before the program's own code runs, on the thread that will pump its messages.
const HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &OnMessage, nullptr, GetCurrentThreadId());

}  // namespace
