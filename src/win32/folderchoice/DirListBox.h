// The chooser's directory list: an owner-drawn LISTBOX showing the core's directory listing,
// each entry indented by its depth. A double click opens an entry; a single click or the arrow
// keys only highlight one.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "core/folderchoice/DirListModel.h"
#include "core/views/ChooserView.h"
#include "platform/Platform.h"
#include "win32/common/Dpi.h"

namespace tavelin::win32 {

class DirListBox : public core::DirectoryList {
 public:
  explicit DirListBox(const platform::FileSystem& fileSystem);

  // The control, once created (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY).
  void Attach(HWND list) { list_ = list; }
  HWND Handle() const { return list_; }
  // Runs whenever Path changes, by a double click or by SetPath.
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  std::u16string Path() const override { return model_.Path(); }
  bool SetPath(const std::u16string& path) override;
  void SetFocus() override;

  // LBN_DBLCLK: opens the highlighted entry.
  void OpenHighlighted();
  // WM_DRAWITEM for the list, on its light-green background.
  void Draw(const DRAWITEMSTRUCT& item, HBRUSH background, Dpi dpi) const;

 private:
  void Fill();

  core::DirListModel model_;
  HWND list_ = nullptr;
  std::function<void()> onChange_;
};

}  // namespace tavelin::win32
