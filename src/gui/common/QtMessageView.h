#pragma once

#include "core/views/MessageView.h"

namespace tavelin::gui {

// The system's message box: application modal, the text, OK only, no icon, titled "Tavelin".
class QtMessageView : public core::MessageView {
 public:
  void ShowMessage(const std::u16string& text) override;
};

}  // namespace tavelin::gui
