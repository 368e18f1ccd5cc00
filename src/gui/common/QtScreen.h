#pragma once

#include "core/views/Screen.h"

namespace tavelin::gui {

// The primary screen.
class QtScreen : public core::Screen {
 public:
  float Height() const override;
};

}  // namespace tavelin::gui
