// Window positions and sizes, and the screen, are twips, at the fixed rate of 15 to a pixel.
#pragma once

namespace tavelin::core {

inline constexpr float kTwipsPerPixel = 15;

}  // namespace tavelin::core
