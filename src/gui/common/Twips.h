// Window positions and sizes are twips, at the fixed rate of 15 to a pixel.
#pragma once

#include <cmath>

namespace tavelin::gui {

inline constexpr float kTwipsPerPixel = 15;

inline float PixelsToTwips(int pixels) {
  return static_cast<float>(pixels) * kTwipsPerPixel;
}

inline int TwipsToPixels(float twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace tavelin::gui
