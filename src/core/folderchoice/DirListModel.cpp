#include "core/folderchoice/DirListModel.h"

#include <algorithm>
#include <utility>

#include "core/folderchoice/FolderChain.h"

namespace tavelin::core {

DirListModel::DirListModel(const platform::FileSystem& fileSystem, NameOrder nameOrder)
    : fileSystem_(fileSystem), nameOrder_(std::move(nameOrder)) {}

DirListModel::Move DirListModel::SetPath(const std::u16string& path) {
  const char16_t separator = fileSystem_.Separator();
  const std::u16string trimmed = TrimFolderPath(path, separator);
  if (trimmed.empty() || !fileSystem_.IsFolder(trimmed)) return Move::Refused;
  std::u16string canonical = FolderChain(trimmed, separator).back().path;
  if (canonical == path_) return Move::Unchanged;
  path_ = std::move(canonical);
  Fill();
  return Move::Changed;
}

void DirListModel::Fill() {
  const char16_t separator = fileSystem_.Separator();
  entries_.clear();
  int depth = 0;
  for (FolderStep& step : FolderChain(path_, separator)) {
    entries_.push_back({std::move(step.path), std::move(step.name), depth++, true});
  }
  currentRow_ = depth - 1;

  const std::u16string listed = IsRootPath(path_, separator) ? path_ : path_ + separator;
  std::vector<std::u16string> children;
  fileSystem_.EnumerateFolder(listed, [&children](platform::FolderEntry&& entry) {
    if (entry.isDirectory && entry.name != u"." && entry.name != u"..")
      children.push_back(std::move(entry.name));
  });
  std::stable_sort(children.begin(), children.end(), nameOrder_);
  for (std::u16string& child : children) {
    std::u16string childPath = ChildPath(path_, child, separator);
    entries_.push_back({std::move(childPath), std::move(child), depth, false});
  }
}

}  // namespace tavelin::core
