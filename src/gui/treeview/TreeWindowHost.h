#pragma once

#include "core/views/TreeWindowHost.h"
#include "gui/common/HostedWidget.h"
#include "gui/treeview/TreeWindow.h"

namespace tavelin::gui {

// The tree window's single instance, over the Qt window.
using TreeWindowHost = core::TreeWindowHost<TreeWindow, RetireLater>;

}  // namespace tavelin::gui
