#include "gui/folderchoice/DirListWidget.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

#include "gui/common/TextConversion.h"
#include "gui/folderchoice/KeyCodes.h"

namespace tavelin::gui {

namespace {

constexpr int kIndentPerDepth = 10;  // pixels

// Shifts each entry right by its depth.
class IndentDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem indented = option;
    indented.rect.setLeft(option.rect.left() + Indent(index));
    QStyledItemDelegate::paint(painter, indented, index);
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(Indent(index), 0);
  }

 private:
  static int Indent(const QModelIndex& index) {
    return index.data(DirListWidget::kDepthRole).toInt() * kIndentPerDepth;
  }
};

}  // namespace

DirListWidget::DirListWidget(const platform::FileSystem& fileSystem, QWidget* parent)
    : QListWidget(parent), model_(fileSystem, [](const std::u16string& a, const std::u16string& b) {
        return QString::compare(ToQString(a), ToQString(b), Qt::CaseInsensitive) < 0;
      }) {
  setItemDelegate(new IndentDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformItemSizes(true);
  // A double click opens the entry; single clicks and arrow keys only move the highlight.
  connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    static_cast<void>(SetPath(ToU16String(item->data(kPathRole).toString())));
  });
}

bool DirListWidget::SetPath(const std::u16string& path) {
  switch (model_.SetPath(path)) {
    case core::DirListModel::Move::Refused:
      return false;
    case core::DirListModel::Move::Unchanged:
      return true;
    case core::DirListModel::Move::Changed:
      break;
  }
  Fill();
  emit changed();
  return true;
}

void DirListWidget::SetFocus() {
  setFocus(Qt::OtherFocusReason);
}

void DirListWidget::Fill() {
  clear();
  for (const core::DirEntry& entry : model_.Entries()) {
    const QStyle::StandardPixmap picture =
        entry.open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon;
    auto* item = new QListWidgetItem(style()->standardIcon(picture), ToQString(entry.name), this);
    item->setData(kPathRole, ToQString(entry.path));
    item->setData(kDepthRole, entry.depth);
  }
  setCurrentRow(model_.CurrentRow());
}

void DirListWidget::keyPressEvent(QKeyEvent* event) {
  emit keyDown(KeyCodeOf(*event));
  QListWidget::keyPressEvent(event);
}

}  // namespace tavelin::gui
