// The scroll companion: a narrow window whose vertical bar moves a tree window that is taller
// than the screen up and down.
#pragma once

#include <cstdint>

#include "core/views/Screen.h"
#include "core/views/ScrollCompanionView.h"
#include "core/views/TreeWindowView.h"

namespace tavelin::core {

class FScroll {
 public:
  FScroll(ScrollCompanionView& view, TreeWindowView& tree, const Screen& screen);

  // The tree window's Top when the companion loaded, in twips.
  float TopAtLoad = 0;

  bool Loaded() const { return view_.Loaded(); }
  // Reading the companion's height loads it first when it is not loaded.
  float Height();
  void SetTop(float top);
  void SetVisible(bool visible);
  // Closes the companion; one that is not loaded stays unloaded.
  void Unload();

  // Events.
  void Form_Load();
  void ScrllFrm_Change();

 private:
  void EnsureLoaded();

  ScrollCompanionView& view_;
  TreeWindowView& tree_;
  const Screen& screen_;
};

}  // namespace tavelin::core
