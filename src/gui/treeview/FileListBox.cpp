#include "gui/treeview/FileListBox.h"

#include <QStyledItemDelegate>
#include <cmath>
#include <stdexcept>

#include "core/treeview/TreeWindowDesign.h"
#include "gui/common/ClassicFont.h"

namespace tavelin::gui {

namespace {

int Pixel(float value) {
  return static_cast<int>(std::lround(value));
}

constexpr int kRowHeight = static_cast<int>(core::FKvelDesign::kListRowHeight);

class RowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight);
  }
};

}  // namespace

FileListBox::FileListBox(QWidget* parent, float left, float top, float width, float height)
    : view_(new QListView(parent)),
      model_(new FileListModel(view_)),
      left_(left),
      top_(top),
      width_(width),
      height_(height) {
  // A folder may hold 100,000 files: a plain model with uniform rows shows them at once, where
  // an item widget list takes ten times as long to fill and show.
  view_->setUniformItemSizes(true);
  view_->setModel(model_);
  view_->setItemDelegate(new RowDelegate(view_));
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view_->setTextElideMode(Qt::ElideNone);
  view_->setFont(ClassicFont(core::FKvelDesign::kListFont,
                             {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}));
  view_->hide();
  Place();
}

std::u16string FileListBox::List(int index) const {
  if (index < 0 || index >= model_->Count()) return {};
  return std::u16string(model_->At(index));
}

void FileListBox::RemoveItem(int index) {
  if (index < 0 || index >= model_->Count()) throw std::out_of_range("no such list entry");
  model_->Remove(index);
}

int FileListBox::ListIndex() const {
  const QModelIndexList selected = view_->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void FileListBox::SetListIndex(int index) {
  if (index == -1) {
    view_->selectionModel()->clear();
    return;
  }
  if (index < 0 || index >= model_->Count()) throw std::out_of_range("no such list entry");
  const QModelIndex entry = model_->index(index);
  view_->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
  view_->scrollTo(entry);
}

void FileListBox::SetLeft(float left) {
  left_ = left;
  Place();
}

void FileListBox::SetTop(float top) {
  top_ = top;
  Place();
}

void FileListBox::SetHeight(float height) {
  height_ = height;
  Place();
}

void FileListBox::Place() {
  view_->setGeometry(Pixel(left_), Pixel(top_), Pixel(width_), Pixel(height_));
}

}  // namespace tavelin::gui
