#pragma once

#include "core/views/ScrollCompanionHost.h"
#include "gui/common/HostedWidget.h"
#include "gui/treeview/ScrollCompanion.h"

namespace tavelin::gui {

// The scroll companion's single instance, over the Qt window.
using ScrollCompanionHost = core::ScrollCompanionHost<ScrollCompanion, RetireLater>;

}  // namespace tavelin::gui
