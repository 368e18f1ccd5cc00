// The Qt program: the windows of the Qt front end, wired.
#pragma once

#include "app/BasicProgram.h"
#include "gui/folderchoice/ChooserWindow.h"
#include "gui/treeview/ScrollCompanionHost.h"
#include "gui/treeview/TreeWindowHost.h"

namespace tavelin::app {

using Program = BasicProgram<gui::ChooserWindow, gui::TreeWindowHost, gui::ScrollCompanionHost>;

}  // namespace tavelin::app
