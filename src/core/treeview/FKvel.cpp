#include "core/treeview/FKvel.h"

namespace tavelin::core {

FKvel::FKvel(TreeWindowView& view, FScroll& companion, const TreeLayoutState& layout,
             platform::Launcher& launcher, MessageView& messages)
    : view_(view),
      companion_(companion),
      layout_(layout),
      launcher_(launcher),
      messages_(messages) {}

TreeWindowView& FKvel::Window() {
  if (!view_.Loaded()) view_.Load();
  return view_;
}

void FKvel::Show() {
  Window().Show();
}

void FKvel::Unload() {
  if (!view_.Loaded()) return;
  Form_Unload();
  view_.Unload();
}

void FKvel::Lst_MouseDown(std::int16_t index) {
  ActiveList = index;
  // Hidden lists too: only the pressed list may keep a selection. Lst(0) is never shown.
  for (std::int16_t i = 1; i < kFileListCount; ++i) {
    if (i != ActiveList) view_.Lst(i).SetListIndex(-1);
  }
}

void FKvel::Form_Unload() {
  companion_.Unload();
}

}  // namespace tavelin::core
