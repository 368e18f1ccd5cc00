#pragma once

#include <string>

namespace tavelin::core {

// A modal message box with the text, an OK button only, no icon, titled "Tavelin". Returns when
// the user has dismissed it.
class MessageView {
 public:
  virtual ~MessageView() = default;
  virtual void ShowMessage(const std::u16string& text) = 0;
};

}  // namespace tavelin::core
