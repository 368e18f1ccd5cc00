#include "core/folderchoice/FolderChain.h"

namespace tavelin::core {

bool IsRootPath(const std::u16string& path, char16_t separator) {
  return !path.empty() && path.find(separator) == path.size() - 1;
}

std::u16string TrimFolderPath(std::u16string path, char16_t separator) {
  while (!path.empty() && path.back() == separator && !IsRootPath(path, separator)) {
    path.pop_back();
  }
  return path;
}

std::vector<FolderStep> FolderChain(const std::u16string& path, char16_t separator) {
  const std::size_t firstSeparator = path.find(separator);
  if (firstSeparator == std::u16string::npos) return {{path, path}};

  const std::u16string root = path.substr(0, firstSeparator + 1);
  std::vector<FolderStep> steps{{root, root}};
  std::size_t start = firstSeparator + 1;
  while (start < path.size()) {
    std::size_t end = path.find(separator, start);
    if (end == std::u16string::npos) end = path.size();
    if (end > start) {
      std::u16string name = path.substr(start, end - start);
      steps.push_back({ChildPath(steps.back().path, name, separator), std::move(name)});
    }
    start = end + 1;
  }
  return steps;
}

std::u16string ChildPath(const std::u16string& folder, const std::u16string& name,
                         char16_t separator) {
  if (IsRootPath(folder, separator)) return folder + name;
  return folder + separator + name;
}

}  // namespace tavelin::core
