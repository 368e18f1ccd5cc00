// The folder chooser FPrvSD as its logic needs it: the directory list LDirs and the recent
// folders combo box LstR. The window forwards its events to FPrvSD's handlers.
#pragma once

#include <cstdint>
#include <string>

#include "core/views/ListControl.h"

namespace tavelin::core {

// The key codes that key-down handlers receive. The modifier keys change nothing the chooser
// does, so the handlers are not told of them.
inline constexpr std::int16_t kKeyReturn = 13;
inline constexpr std::int16_t kKeyDelete = 46;

// A directory list: a current folder shown with the folders above and inside it.
class DirectoryList {
 public:
  virtual ~DirectoryList() = default;

  // The current folder's full path; it ends with the separator only for a root.
  virtual std::u16string Path() const = 0;
  // Makes `path` the current folder and raises the change event, before returning, when that
  // changes the current folder. A folder that cannot be opened leaves the list as it was,
  // raises nothing and gives false.
  [[nodiscard]] virtual bool SetPath(const std::u16string& path) = 0;
  virtual void SetFocus() = 0;
};

// A combo box: an edit field over a list whose items the control may keep sorted.
class ComboBox : public ListControl {
 public:
  // What the edit field shows: the picked item, or what the user typed.
  virtual std::u16string Text() const = 0;
};

class ChooserView {
 public:
  virtual ~ChooserView() = default;
  virtual DirectoryList& LDirs() = 0;
  // Keeps its items in alphabetical order, letter case ignored.
  virtual ComboBox& LstR() = 0;
};

}  // namespace tavelin::core
