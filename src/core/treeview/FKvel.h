// The tree window: its window-level state and its event handlers. The window itself is reached
// through its view, which is loaded on first use and discarded when the window closes.
#pragma once

#include <cstdint>

#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/views/MessageView.h"
#include "core/views/TreeWindowView.h"
#include "platform/Platform.h"

namespace tavelin::core {

class FKvel {
 public:
  FKvel(TreeWindowView& view, FScroll& companion, const TreeLayoutState& layout,
        platform::Launcher& launcher, MessageView& messages);

  // The file list the user last pressed; 0 until the first press. Survives closing the window.
  std::int16_t ActiveList = 0;

  bool Loaded() const { return view_.Loaded(); }
  // The window, loaded first when it is not.
  TreeWindowView& Window();
  // Loads the window if needed and shows it.
  void Show();
  // Closes the window, running its unload step; a window that is not loaded stays so.
  void Unload();

  // Events.
  void Lst_MouseDown(std::int16_t index);
  void Form_Unload();
  void Bt_Click(std::int16_t index);
  void Lst_DblClick(std::int16_t index);

 private:
  TreeWindowView& view_;
  FScroll& companion_;
  const TreeLayoutState& layout_;
  platform::Launcher& launcher_;
  MessageView& messages_;
};

}  // namespace tavelin::core
