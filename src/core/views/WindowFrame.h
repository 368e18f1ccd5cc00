// A top-level window as the views measure it: its outer frame, title bar and borders included, in
// twips, and its client area in pixels.
#pragma once

namespace tavelin::core {

struct WindowFrame {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
  float clientWidth = 0;
  float clientHeight = 0;
};

}  // namespace tavelin::core
