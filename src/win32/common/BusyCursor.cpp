#include "win32/common/BusyCursor.h"

#include <windows.h>

#include <atomic>

namespace tavelin::win32 {

namespace {
// Changed on the user-interface thread only; atomic so that a watcher on another thread (a test
// reading a message box) may ask.
std::atomic<int> busy = 0;
std::atomic<int> lifted = 0;
}  // namespace

BusyCursor::BusyCursor() {
  ++busy;
  Apply();
}

BusyCursor::~BusyCursor() {
  --busy;
  Apply();
}

bool BusyCursor::Showing() {
  return busy > 0 && lifted == 0;
}

void BusyCursor::Apply() {
  SetCursor(LoadCursorW(nullptr, Showing() ? IDC_WAIT : IDC_ARROW));
}

BusyCursor::Lifted::Lifted() {
  ++lifted;
  Apply();
}

BusyCursor::Lifted::~Lifted() {
  --lifted;
  Apply();
}

}  // namespace tavelin::win32
