#pragma once

namespace tavelin::core {

class Screen {
 public:
  virtual ~Screen() = default;
  // The screen's height in twips (15 to a pixel).
  virtual float Height() const = 0;
};

}  // namespace tavelin::core
