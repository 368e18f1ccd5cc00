#pragma once

#include <memory>

#include "core/views/TreeWindowView.h"
#include "win32/treeview/TreeWindow.h"

namespace tavelin::core {
class FKvel;
}

namespace tavelin::win32 {

// The tree window's single instance: creates and destroys the Win32 window and hands its events
// to the window's handlers. Sizes and places are twips of the outer window at 96 DPI.
class TreeWindowHost : public core::TreeWindowView {
 public:
  TreeWindowHost() = default;
  TreeWindowHost(const TreeWindowHost&) = delete;
  TreeWindowHost& operator=(const TreeWindowHost&) = delete;

  // The handlers need this host as their view, so they are attached once both exist.
  void Attach(core::FKvel& handlers) { handlers_ = &handlers; }

  // The Win32 window; nullptr while not loaded.
  TreeWindow* Window() const { return window_.get(); }

  core::DrawingSurface& Surface() override;
  core::FileList& Lst(int index) override;

  bool Loaded() const override { return window_ != nullptr; }
  void Load() override;
  void Unload() override;
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
  // The loaded window; throws std::logic_error when there is none.
  TreeWindow& Require() const;
  RECT Outer() const;
  void Resize(int width, int height);

  std::unique_ptr<TreeWindow> window_;
  // A window unloaded from inside one of its own handlers lives on, destroyed, until the next
  // unload or the host's end: the handler still returns through it.
  std::unique_ptr<TreeWindow> retired_;
  core::FKvel* handlers_ = nullptr;
  // The first Show after a load centres the window; later ones leave it where it is.
  bool shownSinceLoad_ = false;
};

}  // namespace tavelin::win32
