#include "core/common/UFtx.h"

namespace tavelin::core::UFtx {

void SplitPath(const std::u16string& path, std::u16string& head, std::u16string& tail,
               char16_t separator) {
  const auto last = path.rfind(separator);
  if (last == std::u16string::npos) {
    head.clear();
    tail = path;
    return;
  }
  head = path.substr(0, last);
  tail = path.substr(last + 1, kMaxTail);
}

std::u16string LastPathPart(const std::u16string& path, char16_t separator) {
  std::u16string head;
  std::u16string tail;
  SplitPath(path, head, tail, separator);
  return tail;
}

}  // namespace tavelin::core::UFtx
