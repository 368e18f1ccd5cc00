// The file system's own pace: every folder of a tree read with getdents64 into UTF-16 names,
// hidden entries skipped, in a tight loop with nothing else done.
#pragma once

#include <string>
#include <vector>

namespace tavelin::bench {

struct FloorListing {
  std::vector<std::vector<std::u16string>> files;  // one list per folder, in reading order
  std::size_t folders = 0;
};

// Reads `root` and every folder below it, depth first, each folder whole before its
// sub-folders.
FloorListing ReadFloor(const std::string& root);

}  // namespace tavelin::bench
