#pragma once

#include "core/views/MessageView.h"

namespace tavelin::win32 {

// The system's message box: the text, OK only, no icon, captioned "Tavelin", modal over the
// window of this thread that is active when the message is raised, and modal over the whole
// program: no other window of it takes input until the box is closed.
class MessageBoxView : public core::MessageView {
 public:
  void ShowMessage(const std::u16string& text) override;
};

}  // namespace tavelin::win32
