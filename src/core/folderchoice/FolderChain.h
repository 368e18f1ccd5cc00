// A folder path taken apart the way the directory list shows it: the root, each folder below
// it, down to the folder itself.
#pragma once

#include <string>
#include <vector>

namespace tavelin::core {

struct FolderStep {
  std::u16string path;  // full path, with a separator at the end only for the root
  std::u16string name;  // what the list shows: the root as it is written, else the bare name
};

// Whether `path` is a root: its only separator is its last character ("/", "C:\").
bool IsRootPath(const std::u16string& path, char16_t separator);

// `path` without the separators at its end, which only a root keeps.
std::u16string TrimFolderPath(std::u16string path, char16_t separator);

// The root first, `path` last. Empty parts of a doubled separator are skipped; a path without
// any separator is one step of its own.
std::vector<FolderStep> FolderChain(const std::u16string& path, char16_t separator);

// The path of `name` inside `folder`.
std::u16string ChildPath(const std::u16string& folder, const std::u16string& name,
                         char16_t separator);

}  // namespace tavelin::core
