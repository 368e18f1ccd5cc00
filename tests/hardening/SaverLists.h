// The lists the saver writes, one for each generation, and the file each must give: a megabyte
// of folders whose every line names its generation, so that a file mixing two can be told.
#pragma once

#include <string>
#include <vector>

#include "core/views/ListControl.h"

namespace tavelin::hardening {

inline constexpr int kSavedLines = 20'000;

inline std::string LineOf(int generation, int line) {
  return "/home/anna/generacio " + std::to_string(generation) + "/carpeta " + std::to_string(line) +
         "/Documents compartits";
}

inline std::string FileOfGeneration(int generation) {
  std::string bytes;
  for (int line = 0; line < kSavedLines; ++line)
    bytes += LineOf(generation, line) + "\r\n";
  return bytes;
}

// A plain list of the items it is given, in order.
class SavedList : public core::ListControl {
 public:
  explicit SavedList(int generation) {
    for (int line = 0; line < kSavedLines; ++line) {
      const std::string text = LineOf(generation, line);
      items_.emplace_back(text.begin(), text.end());
    }
  }

  int ListCount() const override { return static_cast<int>(items_.size()); }
  std::u16string List(int index) const override {
    return items_.at(static_cast<std::size_t>(index));
  }
  void AddItem(const std::u16string& item) override { items_.push_back(item); }
  void RemoveItem(int index) override { items_.erase(items_.begin() + index); }
  void Clear() override { items_.clear(); }
  int ListIndex() const override { return -1; }
  void SetListIndex(int) override {}

 private:
  std::vector<std::u16string> items_;
};

}  // namespace tavelin::hardening
