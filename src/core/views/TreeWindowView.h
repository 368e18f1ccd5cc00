#pragma once

#include <string>

#include "core/views/DrawingSurface.h"
#include "core/views/ListControl.h"

namespace tavelin::core {

inline constexpr int kFileListCount = 51;  // Lst(0) to Lst(50)

// What the folder walk draws on: the drawing area and the pool of file lists.
class TreeCanvas {
 public:
  virtual ~TreeCanvas() = default;
  virtual DrawingSurface& Surface() = 0;
  // Throws std::out_of_range for an index outside 0 to 50.
  virtual FileList& Lst(int index) = 0;
};

// What the tree window's controls report to its host, with the index of the control concerned.
class TreeWindowEvents {
 public:
  // Any mouse button went down on a file list, on an entry or below the last one.
  virtual void ListPressed(int index) = 0;
  virtual void ListDoubleClicked(int index) = 0;
  virtual void ButtonClicked(int index) = 0;
  // The user asked to close the window; its logic decides what becomes of it.
  virtual void Closing() = 0;

 protected:
  ~TreeWindowEvents() = default;
};

// The tree window FKvel. Window positions and sizes are twips of the outer frame; the drawing
// area's size is pixels.
class TreeWindowView : public TreeCanvas {
 public:
  virtual bool Loaded() const = 0;
  // Creates the window in its load state, not shown.
  virtual void Load() = 0;
  // Discards the window: its drawing, its lists' entries, its position and size.
  virtual void Unload() = 0;
  // Shows the loaded window, modeless and without owner.
  virtual void Show() = 0;
  virtual void SetFocus() = 0;

  virtual void SetCaption(const std::u16string& caption) = 0;
  virtual float Left() const = 0;
  virtual float Top() const = 0;
  virtual void SetTop(float top) = 0;
  virtual float Width() const = 0;
  virtual void SetWidth(float width) = 0;
  virtual float Height() const = 0;
  virtual void SetHeight(float height) = 0;
  virtual float ScaleWidth() const = 0;
  virtual float ScaleHeight() const = 0;

  // Height in pixels of the button strip PBts, where the tree starts.
  virtual float PBtsHeight() const = 0;
};

}  // namespace tavelin::core
