#include "win32/common/BusyCursor.h"

#include <windows.h>

namespace tavelin::win32 {

namespace {
// One user-interface thread: plain counters are enough.
int busy = 0;
int lifted = 0;
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
