// Twips to the whole pixels of Qt's widgets and back.
#pragma once

#include <cmath>

#include "core/views/Twips.h"

namespace tavelin::gui {

using core::kTwipsPerPixel;

inline float PixelsToTwips(int pixels) {
  return static_cast<float>(pixels) * kTwipsPerPixel;
}

inline int TwipsToPixels(float twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace tavelin::gui
