// The tree view as the program wires it: the real core, the real Qt windows, the real file
// system, and a launcher and message box of the caller's choice.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <string>
#include <vector>

#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "gui/common/QtScreen.h"
#include "gui/treeview/ScrollCompanionHost.h"
#include "gui/treeview/TreeWindowHost.h"
#include "platform/Platform.h"

namespace tavelin::hardening {

class NotedMessages : public core::MessageView {
 public:
  void ShowMessage(const std::u16string& text) override { shown.push_back(text); }
  std::vector<std::u16string> shown;
};

// Deletes the windows that were let go of with deleteLater.
inline void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct RealTreeRig {
  explicit RealTreeRig(platform::Launcher& launcher)
      : fkvel(window, fscroll, layout, launcher, messages) {
    window.Attach(fkvel);
    companion.Attach(fscroll);
  }
  RealTreeRig(const RealTreeRig&) = delete;
  RealTreeRig& operator=(const RealTreeRig&) = delete;
  ~RealTreeRig() {
    window.Unload();
    companion.Unload();
    FlushDeletes();
  }

  core::TreeLayoutState layout;
  gui::QtScreen screen;
  NotedMessages messages;
  gui::TreeWindowHost window;
  gui::ScrollCompanionHost companion;
  core::FScroll fscroll{companion, window, screen};
  core::FKvel fkvel;
  core::UKvel ukvel{layout, platform::NativeFileSystem(), messages, fkvel, fscroll, screen};
};

}  // namespace tavelin::hardening
