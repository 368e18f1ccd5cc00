#pragma once

#include <memory>

#include "core/views/TreeWindowView.h"
#include "core/views/WindowHost.h"
#include "gui/treeview/TreeWindow.h"

namespace tavelin::core {
class FKvel;
}

namespace tavelin::gui {

// The tree window's single instance: loads and discards the Qt window and hands its events to
// the window's handlers.
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
};

}  // namespace tavelin::gui
