#pragma once

#include <QAbstractListModel>
#include <string_view>

#include "core/views/PackedNames.h"

namespace tavelin::gui {

// The entries of one file list, in the order they were added. They are kept packed as the walk
// hands them over and become Qt text only for the rows the view asks for, a few at a time.
class FileListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  int Count() const { return static_cast<int>(entries_.Count()); }
  std::u16string_view At(int row) const { return entries_.At(static_cast<std::size_t>(row)); }
  void Append(std::u16string_view entry);
  // One insertion for all of them; an empty model takes them over as they are.
  void AppendAll(core::PackedNames&& entries);
  void Remove(int row);
  void Clear();

 private:
  core::PackedNames entries_;
};

}  // namespace tavelin::gui
