// The whole program: every window's logic wired to a front end's windows, the same way for both.
// Each window has one instance, and all of it lives as long as this object, normally the whole
// run. `ChooserWindow`, `TreeWindowHost` and `CompanionHost` are the front end's window types.
#pragma once

#include "core/folderchoice/FPrvSD.h"
#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "core/views/MessageView.h"
#include "core/views/Screen.h"
#include "platform/Platform.h"

namespace tavelin::app {

template <typename ChooserWindow, typename TreeWindowHost, typename CompanionHost>
class BasicProgram {
 public:
  // Loads the folder chooser (it reads the recent folders) without showing it.
  BasicProgram(const platform::FileSystem& fileSystem, platform::Launcher& launcher,
               core::MessageView& messages, const core::Screen& screen)
      : fScroll_(companion_, treeWindow_, screen),
        fKvel_(treeWindow_, fScroll_, layout_, launcher, messages),
        uKvel_(layout_, fileSystem, messages, fKvel_, fScroll_, screen),
        chooser_(fileSystem),
        fPrvSD_(chooser_, fileSystem, launcher, uKvel_, fKvel_) {
    // The hosts forward their windows' events to handlers that need the hosts themselves.
    treeWindow_.Attach(fKvel_);
    companion_.Attach(fScroll_);
    chooser_.Attach(fPrvSD_);
  }
  BasicProgram(const BasicProgram&) = delete;
  BasicProgram& operator=(const BasicProgram&) = delete;

  ChooserWindow& Chooser() { return chooser_; }
  // What a test of the whole program watches.
  TreeWindowHost& TreeWindow() { return treeWindow_; }
  CompanionHost& Companion() { return companion_; }
  const core::TreeLayoutState& Layout() const { return layout_; }

 protected:
  core::TreeLayoutState layout_;
  TreeWindowHost treeWindow_;
  CompanionHost companion_;
  core::FScroll fScroll_;
  core::FKvel fKvel_;
  core::UKvel uKvel_;
  ChooserWindow chooser_;
  core::FPrvSD fPrvSD_;
};

}  // namespace tavelin::app
