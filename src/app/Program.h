// The whole program: every window's logic wired to its Qt window. Each window has one instance,
// and all of it lives as long as this object, normally the whole run.
#pragma once

#include "core/folderchoice/FPrvSD.h"
#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "core/views/MessageView.h"
#include "core/views/Screen.h"
#include "gui/folderchoice/ChooserWindow.h"
#include "gui/treeview/ScrollCompanionHost.h"
#include "gui/treeview/TreeWindowHost.h"
#include "platform/Platform.h"

namespace tavelin::app {

class Program {
 public:
  // Loads the folder chooser (it reads the recent folders) without showing it.
  Program(const platform::FileSystem& fileSystem, platform::Launcher& launcher,
          core::MessageView& messages, const core::Screen& screen);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  gui::ChooserWindow& Chooser() { return chooser_; }
  gui::TreeWindowHost& TreeWindow() { return treeWindow_; }
  gui::ScrollCompanionHost& Companion() { return companion_; }
  core::TreeLayoutState& Layout() { return layout_; }
  core::FKvel& FKvel() { return fKvel_; }

 private:
  core::TreeLayoutState layout_;
  gui::TreeWindowHost treeWindow_;
  gui::ScrollCompanionHost companion_;
  core::FScroll fScroll_;
  core::FKvel fKvel_;
  core::UKvel uKvel_;
  gui::ChooserWindow chooser_;
  core::FPrvSD fPrvSD_;
};

}  // namespace tavelin::app
