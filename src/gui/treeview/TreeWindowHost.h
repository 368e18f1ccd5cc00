#pragma once

#include "core/views/TreeWindowView.h"
#include "gui/treeview/TreeWindow.h"

namespace tavelin::core {
class FKvel;
}

namespace tavelin::gui {

// The tree window's single instance: loads and discards the Qt window and hands its events to
// the window's handlers.
class TreeWindowHost : public core::TreeWindowView {
 public:
  TreeWindowHost() = default;
  ~TreeWindowHost() override;
  TreeWindowHost(const TreeWindowHost&) = delete;
  TreeWindowHost& operator=(const TreeWindowHost&) = delete;

  // The handlers need this host as their view, so they are attached once both exist.
  void Attach(core::FKvel& handlers) { handlers_ = &handlers; }

  // The Qt window; nullptr while not loaded.
  TreeWindow* Window() const { return window_; }

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
  void OnClosing();

  TreeWindow* window_ = nullptr;
  core::FKvel* handlers_ = nullptr;
  // The first Show after a load centres the window; later ones leave it where it is.
  bool shownSinceLoad_ = false;
};

}  // namespace tavelin::gui
