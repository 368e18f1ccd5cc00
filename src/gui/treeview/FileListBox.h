#pragma once

#include <QListView>

#include "core/views/ListControl.h"
#include "gui/treeview/FileListModel.h"

namespace tavelin::gui {

// One file list of the tree window. It keeps the geometry it is given, in drawing pixels, and
// reads back exactly that; the widget underneath stands at the nearest whole pixels.
class FileListBox : public core::FileList {
 public:
  FileListBox(QWidget* parent, float left, float top, float width, float height);

  QListView& Widget() { return *view_; }

  int ListCount() const override { return model_->Count(); }
  std::u16string List(int index) const override;
  void AddItem(const std::u16string& item) override { model_->Append(item); }
  void AddItems(core::PackedNames&& items) override { model_->AppendAll(std::move(items)); }
  // Throws std::out_of_range for an index that names no item.
  void RemoveItem(int index) override;
  void Clear() override { model_->Clear(); }
  int ListIndex() const override;
  // -1 leaves no entry selected; any other index that names no item throws std::out_of_range.
  void SetListIndex(int index) override;

  bool Visible() const override { return !view_->isHidden(); }
  void SetVisible(bool visible) override { view_->setVisible(visible); }
  float Left() const override { return left_; }
  void SetLeft(float left) override;
  float Top() const override { return top_; }
  void SetTop(float top) override;
  float Width() const override { return width_; }
  float Height() const override { return height_; }
  void SetHeight(float height) override;

 private:
  void Place();

  QListView* view_;
  FileListModel* model_;
  float left_;
  float top_;
  float width_;
  float height_;
};

}  // namespace tavelin::gui
