// A font as a window's design states it: each front end builds its own from the face, the size in
// points and the weight.
#pragma once

namespace tavelin::core {

struct Font {
  const char16_t* face;
  float points;
  bool bold;
};

}  // namespace tavelin::core
