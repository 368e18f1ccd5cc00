#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/treeview/TreeWindowDesign.h"
#include "core/views/TreeWindowView.h"
#include "win32/common/AppIcon.h"
#include "win32/common/Handles.h"
#include "win32/common/OuterFrame.h"
#include "win32/common/Palette.h"
#include "win32/common/Window.h"
#include "win32/treeview/FileListBox.h"
#include "win32/treeview/MemorySurface.h"

namespace tavelin::win32 {

// The tree window FKvel as the user sees it: the drawing, the button strip PBts with its five
// picture buttons Bt, and the pool of file lists Lst. Created hidden, in its load state. Its
// events go to the TreeWindowEvents it is made with.
class TreeWindow : public Window {
 public:
  static constexpr int kButtonCount = static_cast<int>(core::FKvelDesign::kButtons.size());

  explicit TreeWindow(core::TreeWindowEvents& events);
  ~TreeWindow() override;

  MemorySurface& Surface() { return *surface_; }
  // Throws std::out_of_range for an index outside 0 to 50.
  FileListBox& Lst(int index) { return *lists_.at(static_cast<std::size_t>(index)); }
  HWND PBts() const { return strip_; }
  // Throws std::out_of_range for an index outside 0 to 4.
  HWND Bt(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
  HWND ToolTips() const { return tips_; }
  // Applies at once what the drawing and the lists have changed since the last time: the lists'
  // moves in one batch, and the drawing's changed area to repaint. The window does it by itself
  // when its thread next reads its messages.
  void ApplyChanges();

  core::WindowFrame Frame() const { return FrameOf(Handle(), dpi_); }
  void MoveFrame(float left, float top) { win32::MoveFrame(Handle(), dpi_, left, top); }
  void ResizeFrame(float width, float height) { win32::ResizeFrame(Handle(), dpi_, width, height); }
  // Shows the window in front; with `centre` it is first centred on the screen.
  void Show(bool centre);
  void Activate() { SetForegroundWindow(Handle()); }
  void SetCaption(const std::u16string& caption);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateLists();
  void CreateStrip();
  // Places the strip and its buttons, with pictures, at the window's DPI.
  void PlaceStrip();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnColoursChanged(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  // Something changed that ApplyChanges() takes: it is asked for once, however many changes come
  // before it runs.
  void ChangesPending();

  core::TreeWindowEvents& events_;
  Dpi dpi_;
  WindowIcons icons_;
  UniqueFont nameFont_;
  UniqueFont listFont_;
  TreePalette palette_;
  UniqueBrush stripBrush_;
  std::unique_ptr<MemorySurface> surface_;
  std::vector<std::unique_ptr<FileListBox>> lists_;
  HWND strip_ = nullptr;
  std::array<HWND, kButtonCount> buttons_{};
  std::array<UniqueIcon, kButtonCount> pictures_;
  HWND tips_ = nullptr;
  bool changesPosted_ = false;
  RECT changedArea_{};
};

}  // namespace tavelin::win32
