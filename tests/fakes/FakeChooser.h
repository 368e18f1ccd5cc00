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
class FakeComboBox : public FakeItems<core::ComboBox> {
 public:
  FakeComboBox() { sorted = true; }

  std::u16string text;

  // The user picks item `i`: it becomes the selection and fills the edit field.
  void Pick(int i) {
    index = i;
    text = List(i);
  }
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
