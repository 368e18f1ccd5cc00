#pragma once

#include <windows.h>

#include <functional>

#include "core/views/ListControl.h"
#include "core/views/PackedNames.h"
#include "win32/common/Dpi.h"

namespace tavelin::win32 {

// One file list of the tree window: an owner-data LISTBOX whose rows are drawn from the names
// it keeps, so that 100,000 files reach it in one LB_SETCOUNT. It keeps the geometry and
// visibility it is given, in 96-DPI pixels, and reads back exactly that; the control stands at
// the nearest device pixels.
//
// A display pass hides every list, then shows, moves and sizes each one it fills, and refills
// it: done on the spot, that is five window operations and two scroll-bar changes for a list
// that may end up where it was. So the list only records them and tells its window, which
// applies them all at once, once the pass has returned to the message loop (Apply): a list that
// ends up where it was costs nothing, any other one a single move.
class FileListBox : public core::FileList {
 public:
  // Any mouse button went down on the list, before the list's own handling of the press.
  using PressHandler = std::function<void()>;
  // The list has changes to apply.
  using PendingHandler = std::function<void()>;

  FileListBox(HWND parent, int id, Dpi dpi, HFONT font, float left, float top, float width,
              float height, PressHandler pressed, PendingHandler pending);
  ~FileListBox() override;
  FileListBox(const FileListBox&) = delete;
  FileListBox& operator=(const FileListBox&) = delete;

  HWND Handle() const { return list_; }
  // The window moved to a screen of another DPI: the list stands and draws at it at once.
  void Rescale(Dpi dpi, HFONT font);
  // Lets the list draw again, then adds its move, if it has one, to `batch` (from
  // BeginDeferWindowPos); returns the batch to go on with, null if the system could not take it.
  HDWP Apply(HDWP batch);
  // Draws one row; the parent hands its WM_DRAWITEM for this list here.
  void DrawItem(const DRAWITEMSTRUCT& item) const;

  int ListCount() const override { return static_cast<int>(names_.Count()); }
  std::u16string List(int index) const override;
  void AddItem(const std::u16string& item) override;
  void AddItems(core::PackedNames&& items) override;
  // Throws std::out_of_range for an index that names no item.
  void RemoveItem(int index) override;
  void Clear() override;
  int ListIndex() const override;
  // -1 leaves no entry selected; any other index that names no item throws std::out_of_range.
  void SetListIndex(int index) override;

  bool Visible() const override;
  void SetVisible(bool visible) override;
  float Left() const override { return left_; }
  void SetLeft(float left) override;
  float Top() const override { return top_; }
  void SetTop(float top) override;
  float Width() const override { return width_; }
  float Height() const override { return height_; }
  void SetHeight(float height) override;

 private:
  static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR id, DWORD_PTR self);
  // Tells the control how many rows there are, keeping the selected one.
  void Recount(int selected);
  // While it is refilled, a list shown does not draw, nor show or hide its scroll bar.
  void HoldDrawing();
  // Whether the control shows its scroll bar now, and whether it will once its rows and
  // height are applied.
  bool HasScrollBar() const;
  bool NeedsScrollBar() const;
  // Where the control should stand, in device pixels.
  RECT Wanted() const;
  void Pending();

  HWND list_;
  Dpi dpi_;
  HFONT font_;
  core::PackedNames names_;
  float left_;
  float top_;
  float width_;
  float height_;
  bool visible_ = false;
  // What the control shows now.
  RECT placed_{};
  bool shown_ = false;
  bool drawingHeld_ = false;
  PressHandler pressed_;
  PendingHandler pending_;
};

}  // namespace tavelin::win32
