#pragma once

#include "core/views/Screen.h"

namespace tavelin::win32 {

// The primary screen's height in twips of a 96-DPI screen.
class Win32Screen : public core::Screen {
 public:
  float Height() const override;
};

}  // namespace tavelin::win32
