#pragma once

#include <memory>

#include "core/views/TreeWindowView.h"
#include "core/views/WindowHost.h"
#include "win32/treeview/TreeWindow.h"

namespace tavelin::core {
class FKvel;
}

namespace tavelin::win32 {

// The tree window's single instance: creates and destroys the Win32 window and hands its events
// to the window's handlers. Sizes and places are twips of the outer window at 96 DPI.
class TreeWindowHost : public core::WindowHost<core::TreeWindowView, TreeWindow, core::FKvel> {
 public:
  TreeWindowHost() : WindowHost("the tree window") {}

  core::DrawingSurface& Surface() override;
  core::FileList& Lst(int index) override;

  void Show() override;
  void SetFocus() override;

  void SetCaption(const std::u16string& caption) override;
  float Left() const override;
  float Top() const override;
  void SetTop(float top) override;
  float Width() const override;
  void SetWidth(float width) override;
  float Height() const override;
  void SetHeight(float height) override;
  float ScaleWidth() const override;
  float ScaleHeight() const override;
  float PBtsHeight() const override;

 private:
  std::unique_ptr<TreeWindow> Make() override;
  void Retire(std::unique_ptr<TreeWindow> window) override;
  RECT Outer() const;
  void Resize(int width, int height);

  // A window unloaded from inside one of its own handlers lives on, destroyed, until the next
  // unload or the host's end: the handler still returns through it.
  std::unique_ptr<TreeWindow> retired_;
};

}  // namespace tavelin::win32
