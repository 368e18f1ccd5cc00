#pragma once

#include <string>

#include "core/views/PackedNames.h"

namespace tavelin::core {

// The items of a list box or of a combo box's list. Indices are 0-based; -1 means no item.
// Counts and indices are 32-bit so that a folder of 100,000 files is one list like any other.
class ListControl {
 public:
  virtual ~ListControl() = default;

  virtual int ListCount() const = 0;
  // The text of item `index`; the empty text for an index that names no item (-1 included).
  virtual std::u16string List(int index) const = 0;
  // Adds at the end, or at its alphabetical place in a sorted control.
  virtual void AddItem(const std::u16string& item) = 0;
  virtual void RemoveItem(int index) = 0;
  virtual void Clear() = 0;

  virtual int ListIndex() const = 0;
  virtual void SetListIndex(int index) = 0;
};

// A file list of the tree window: a list box that the walk places in drawing pixels. It keeps
// the geometry it is given and reads back exactly that.
class FileList : public ListControl {
 public:
  // Appends `items` at the end, in their order, as one change: a folder of 100,000 files reaches
  // its list at once instead of one entry at a time.
  virtual void AddItems(PackedNames&& items) = 0;

  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual float Left() const = 0;
  virtual void SetLeft(float left) = 0;
  virtual float Top() const = 0;
  virtual void SetTop(float top) = 0;
  virtual float Width() const = 0;
  virtual float Height() const = 0;
  virtual void SetHeight(float height) = 0;
};

}  // namespace tavelin::core
