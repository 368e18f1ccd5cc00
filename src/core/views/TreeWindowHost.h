// The tree window's host over a front end's window, written once for both front ends: it makes
// the window, hands its events to the handlers and answers the view with the window's own calls.
// `FrontWindow` is made from the TreeWindowEvents it reports to and offers its drawing and lists,
// its outer frame in twips (Frame, MoveFrame, ResizeFrame), Show, Activate and SetCaption.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/treeview/FKvel.h"
#include "core/treeview/TreeWindowDesign.h"
#include "core/views/TreeWindowView.h"
#include "core/views/WindowFrame.h"
#include "core/views/WindowHost.h"

namespace tavelin::core {

template <typename FrontWindow, typename Retirement>
class TreeWindowHost : public WindowHost<TreeWindowView, FrontWindow, FKvel, Retirement>,
                       private TreeWindowEvents {
 public:
  TreeWindowHost() : TreeWindowHost::WindowHost("the tree window") {}

  DrawingSurface& Surface() override { return this->Require().Surface(); }
  FileList& Lst(int index) override { return this->Require().Lst(index); }

  void Show() override {
    FrontWindow& window = this->Require();
    window.Show(this->FirstShowSinceLoad());
  }
  void SetFocus() override { this->Require().Activate(); }

  void SetCaption(const std::u16string& caption) override { this->Require().SetCaption(caption); }
  float Left() const override { return Frame().left; }
  float Top() const override { return Frame().top; }
  void SetTop(float top) override { this->Require().MoveFrame(Frame().left, top); }
  float Width() const override { return Frame().width; }
  void SetWidth(float width) override { this->Require().ResizeFrame(width, Frame().height); }
  float Height() const override { return Frame().height; }
  void SetHeight(float height) override { this->Require().ResizeFrame(Frame().width, height); }
  float ScaleWidth() const override { return Frame().clientWidth; }
  float ScaleHeight() const override { return Frame().clientHeight; }

  // The figure itself, which the strip keeps at any DPI: read back from a Win32 control at 150 %
  // it would be 38 / 1.5 pixels.
  float PBtsHeight() const override {
    this->Require();
    return FKvelDesign::kStripHeight;
  }

 private:
  std::unique_ptr<FrontWindow> Make() override {
    return std::make_unique<FrontWindow>(static_cast<TreeWindowEvents&>(*this));
  }
  WindowFrame Frame() const { return this->Require().Frame(); }

  void ListPressed(int index) override {
    if (this->handlers_ != nullptr)
      this->handlers_->Lst_MouseDown(static_cast<std::int16_t>(index));
  }
  void ListDoubleClicked(int index) override {
    if (this->handlers_ != nullptr) this->handlers_->Lst_DblClick(static_cast<std::int16_t>(index));
  }
  void ButtonClicked(int index) override {
    if (this->handlers_ != nullptr) this->handlers_->Bt_Click(static_cast<std::int16_t>(index));
  }
  void Closing() override { this->Closed(); }
};

}  // namespace tavelin::core
