#include "win32/common/Win32Screen.h"

#include "win32/common/Dpi.h"

namespace tavelin::win32 {

float Win32Screen::Height() const {
  return Dpi::Of(nullptr).DeviceToTwips(GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace tavelin::win32
