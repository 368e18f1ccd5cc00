#include "gui/treeview/FileListModel.h"

namespace tavelin::gui {

int FileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Count();
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count()) return {};
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  const std::u16string_view entry = At(index.row());
  return QString(reinterpret_cast<const QChar*>(entry.data()),
                 static_cast<qsizetype>(entry.size()));
}

void FileListModel::Append(std::u16string_view entry) {
  beginInsertRows(QModelIndex(), Count(), Count());
  entries_.Add(entry);
  endInsertRows();
}

void FileListModel::AppendAll(core::PackedNames&& entries) {
  if (entries.Empty()) return;
  const int first = Count();
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(entries.Count()) - 1);
  if (entries_.Empty()) {
    entries_ = std::move(entries);
  } else {
    for (std::size_t i = 0; i < entries.Count(); ++i)
      entries_.Add(entries.At(i));
  }
  endInsertRows();
}

void FileListModel::Remove(int row) {
  beginRemoveRows(QModelIndex(), row, row);
  entries_.Remove(static_cast<std::size_t>(row));
  endRemoveRows();
}

void FileListModel::Clear() {
  beginResetModel();
  entries_ = core::PackedNames();
  endResetModel();
}

}  // namespace tavelin::gui
