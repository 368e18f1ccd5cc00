#pragma once

#include "core/views/ScrollCompanionHost.h"
#include "win32/treeview/ScrollCompanion.h"

namespace tavelin::win32 {

// The scroll companion's single instance, over the Win32 window. Without a close button it is
// only ever closed from the tree window's handlers, never from its own, so it goes at once.
using ScrollCompanionHost = core::ScrollCompanionHost<ScrollCompanion, core::RetireAtOnce>;

}  // namespace tavelin::win32
