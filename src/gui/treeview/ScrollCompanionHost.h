#pragma once

#include "core/views/ScrollCompanionHost.h"
#include "gui/common/DeleteLater.h"
#include "gui/treeview/ScrollCompanion.h"

namespace tavelin::gui {

// The scroll companion's single instance, over the Qt window.
using ScrollCompanionHost = core::ScrollCompanionHost<ScrollCompanion, DeleteLater>;

}  // namespace tavelin::gui
