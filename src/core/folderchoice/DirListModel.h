// What the chooser's directory list shows, whatever draws it: the current folder under the
// folders above it, then the folders directly inside it. Moving happens only through paths the
// list itself hands out or that the program sets, so the list never leaves its drive on its own.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace tavelin::core {

struct DirEntry {
  std::u16string path;  // what opening the entry makes the current folder
  std::u16string name;  // what the entry shows
  int depth = 0;        // how many folders stand above it
  bool open = false;    // the current folder or one above it, as opposed to one inside it
};

class DirListModel {
 public:
  // Whether the first name comes before the second: the front end's own collation, letter case
  // ignored, so that the list sorts as the system's other lists do.
  using NameOrder = std::function<bool(const std::u16string&, const std::u16string&)>;

  enum class Move {
    Refused,    // not a folder that can be listed: nothing changed
    Unchanged,  // already the current folder
    Changed,    // a new current folder, with its entries
  };

  DirListModel(const platform::FileSystem& fileSystem, NameOrder nameOrder);

  // Makes `path` the current folder. Separators at its end are dropped except for a root's,
  // and doubled ones inside it are read as one.
  Move SetPath(const std::u16string& path);

  // The current folder: empty before the first SetPath, a separator at the end only for a root.
  const std::u16string& Path() const { return path_; }
  const std::vector<DirEntry>& Entries() const { return entries_; }
  // The entry of the current folder itself: the last of those above the ones inside it.
  int CurrentRow() const { return currentRow_; }

 private:
  void Fill();

  const platform::FileSystem& fileSystem_;
  NameOrder nameOrder_;
  std::u16string path_;
  std::vector<DirEntry> entries_;
  int currentRow_ = -1;
};

}  // namespace tavelin::core
