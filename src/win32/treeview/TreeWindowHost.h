#pragma once

#include <memory>
#include <utility>

#include "core/views/TreeWindowHost.h"
#include "win32/treeview/TreeWindow.h"

namespace tavelin::win32 {

// How the tree window is taken away for good: destroyed at once, while its object lives on until
// the next unload or the host's end, since a handler of its own may still return through it.
class RetireKeepingObject {
 public:
  void operator()(std::unique_ptr<TreeWindow> window) {
    retired_ = std::move(window);
    DestroyWindow(retired_->Handle());
  }

 private:
  std::unique_ptr<TreeWindow> retired_;
};

// The tree window's single instance, over the Win32 window.
using TreeWindowHost = core::TreeWindowHost<TreeWindow, RetireKeepingObject>;

}  // namespace tavelin::win32
