#pragma once

#include <QAbstractListModel>
#include <QString>
#include <vector>

namespace tavelin::gui {

// The entries of one file list, in the order they were added.
class FileListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  int Count() const { return static_cast<int>(entries_.size()); }
  const QString& At(int row) const { return entries_[static_cast<std::size_t>(row)]; }
  void Append(const QString& entry);
  void Remove(int row);
  void Clear();

 private:
  std::vector<QString> entries_;
};

}  // namespace tavelin::gui
