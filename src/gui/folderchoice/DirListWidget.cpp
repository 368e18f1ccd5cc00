#include "gui/folderchoice/DirListWidget.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <vector>

#include "gui/common/TextConversion.h"
#include "gui/folderchoice/FolderChain.h"
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
    : QListWidget(parent), fileSystem_(fileSystem) {
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
  const char16_t separator = fileSystem_.Separator();
  const std::u16string trimmed = TrimFolderPath(path, separator);
  if (trimmed.empty() || !fileSystem_.IsFolder(trimmed)) return false;
  const std::u16string canonical = FolderChain(trimmed, separator).back().path;
  if (canonical == path_) return true;
  path_ = canonical;
  Fill();
  emit changed();
  return true;
}

void DirListWidget::SetFocus() {
  setFocus(Qt::OtherFocusReason);
}

void DirListWidget::AddEntry(const std::u16string& path, const std::u16string& name, int depth,
                             bool open) {
  const QStyle::StandardPixmap picture = open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon;
  auto* item = new QListWidgetItem(style()->standardIcon(picture), ToQString(name), this);
  item->setData(kPathRole, ToQString(path));
  item->setData(kDepthRole, depth);
}

void DirListWidget::Fill() {
  clear();
  const char16_t separator = fileSystem_.Separator();
  const std::vector<FolderStep> chain = FolderChain(path_, separator);
  int depth = 0;
  for (const FolderStep& step : chain)
    AddEntry(step.path, step.name, depth++, true);
  setCurrentRow(count() - 1);

  const std::u16string listed = IsRootPath(path_, separator) ? path_ : path_ + separator;
  std::vector<QString> children;
  for (const platform::FolderEntry& entry : fileSystem_.ListFolder(listed)) {
    if (!entry.isDirectory || entry.name == u"." || entry.name == u"..") continue;
    children.push_back(ToQString(entry.name));
  }
  std::stable_sort(children.begin(), children.end(), [](const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
  });
  for (const QString& child : children) {
    const std::u16string name = ToU16String(child);
    AddEntry(ChildPath(path_, name, separator), name, depth, false);
  }
}

void DirListWidget::keyPressEvent(QKeyEvent* event) {
  emit keyDown(KeyCodeOf(*event), ShiftOf(*event));
  QListWidget::keyPressEvent(event);
}

}  // namespace tavelin::gui
