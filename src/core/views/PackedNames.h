// Texts kept one after another in one buffer, with where each ends: the 100,000 file names of a
// folder are two blocks of memory instead of 100,000, handed over and freed in one step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavelin::core {

class PackedNames {
 public:
  std::size_t Count() const { return ends_.size(); }
  bool Empty() const { return ends_.empty(); }

  // Requires index < Count().
  std::u16string_view At(std::size_t index) const {
    const std::size_t start = index == 0 ? 0 : ends_[index - 1];
    return std::u16string_view(text_).substr(start, ends_[index] - start);
  }

  void Add(std::u16string_view name) {
    text_.append(name);
    // A list holds far fewer than 4 Gi UTF-16 units.
    ends_.push_back(static_cast<std::uint32_t>(text_.size()));
  }

  // Requires index < Count().
  void Remove(std::size_t index) {
    const std::size_t start = index == 0 ? 0 : ends_[index - 1];
    const std::uint32_t length = ends_[index] - static_cast<std::uint32_t>(start);
    text_.erase(start, length);
    ends_.erase(ends_.begin() + static_cast<std::ptrdiff_t>(index));
    for (std::size_t i = index; i < ends_.size(); ++i)
      ends_[i] -= length;
  }

 private:
  std::u16string text_;
  std::vector<std::uint32_t> ends_;
};

}  // namespace tavelin::core
