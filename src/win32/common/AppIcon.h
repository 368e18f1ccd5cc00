// The program's icon, from the icon group of its own executable.
#pragma once

#include <windows.h>

#include "win32/common/Dpi.h"
#include "win32/common/Handles.h"

namespace tavelin::win32 {

// The icon group's identifier in the executable's resources.
inline constexpr int kAppIconId = 1;

// A window's big and small icons, held for as long as the window shows them.
class WindowIcons {
 public:
  // Gives `window` the icon at the big and small icon sizes of `dpi`, each made by the system
  // from the group's nearest image at or above that size, so that it is never blurred by
  // enlarging. An executable without the group leaves the window the icons it has.
  void Apply(HWND window, Dpi dpi);

 private:
  UniqueIcon big_;
  UniqueIcon small_;
};

}  // namespace tavelin::win32
