#include "gui/treeview/FileListModel.h"

namespace tavelin::gui {

int FileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Count();
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count()) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return At(index.row());
  return {};
}

void FileListModel::Append(const QString& entry) {
  beginInsertRows(QModelIndex(), Count(), Count());
  entries_.push_back(entry);
  endInsertRows();
}

void FileListModel::Remove(int row) {
  beginRemoveRows(QModelIndex(), row, row);
  entries_.erase(entries_.begin() + row);
  endRemoveRows();
}

void FileListModel::Clear() {
  beginResetModel();
  entries_.clear();
  endResetModel();
}

}  // namespace tavelin::gui
