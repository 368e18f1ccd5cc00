// The folder chooser's controls, recording what the chooser does to them.
#pragma once

#include <functional>
#include <string>

#include "core/views/ChooserView.h"
#include "fakes/FakeViews.h"
#include "platform/Platform.h"

namespace tavelin::fakes {

// Opens the folders that the file system says are folders; onChange stands for the change
// event and runs inside SetPath.
class FakeDirectoryList : public core::DirectoryList {
 public:
  explicit FakeDirectoryList(const platform::FileSystem& fileSystem) : fileSystem_(fileSystem) {}

  std::u16string path;
  int changes = 0, focuses = 0;
  std::function<void()> onChange;

  std::u16string Path() const override { return path; }
  bool SetPath(const std::u16string& newPath) override {
    if (!fileSystem_.IsFolder(newPath)) return false;
    if (newPath == path) return true;
    path = newPath;
    ++changes;
    if (onChange) onChange();
    return true;
  }
  void SetFocus() override { ++focuses; }

 private:
  const platform::FileSystem& fileSystem_;
};

// A sorted combo box.
class FakeComboBox : public core::ComboBox {
 public:
  FakeComboBox() { list.sorted = true; }

  FakeList list;
  std::u16string text;

  // The user picks item `index`: it becomes the selection and fills the edit field.
  void Pick(int index) {
    list.index = index;
    text = list.List(index);
  }

  int ListCount() const override { return list.ListCount(); }
  std::u16string List(int index) const override { return list.List(index); }
  void AddItem(const std::u16string& item) override { list.AddItem(item); }
  void RemoveItem(int index) override {
    list.RemoveItem(index);
    if (list.index == index) list.index = -1;
  }
  void Clear() override { list.Clear(); }
  int ListIndex() const override { return list.index; }
  void SetListIndex(int index) override { list.index = index; }
  std::u16string Text() const override { return text; }
};

class FakeChooser : public core::ChooserView {
 public:
  explicit FakeChooser(const platform::FileSystem& fileSystem) : dirs(fileSystem) {}

  FakeDirectoryList dirs;
  FakeComboBox recents;

  core::DirectoryList& LDirs() override { return dirs; }
  core::ComboBox& LstR() override { return recents; }
};

}  // namespace tavelin::fakes
