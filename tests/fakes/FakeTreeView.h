// The whole tree view wired to fakes, as the program wires it to real windows.
#pragma once

#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeViews.h"

namespace tavelin::fakes {

struct FakeTreeView {
  explicit FakeTreeView(char16_t separator = u'\\') : fs(separator) {}

  FakeFileSystem fs;
  FakeTreeWindow window;
  FakeScrollCompanion companion;
  FakeMessages messages;
  FakeScreen screen;
  FakeLauncher launcher;
  core::TreeLayoutState layout;
  core::FScroll fscroll{companion, window, screen};
  core::FKvel fkvel{window, fscroll, layout, launcher, messages};
  core::UKvel ukvel{layout, fs, messages, fkvel, fscroll, screen};
};

}  // namespace tavelin::fakes
