#pragma once

#include <string>

#include "core/views/Color.h"

namespace tavelin::core {

// The tree window's drawing area, in pixels, with a drawing position that lines and text move.
// Everything drawn stays until Cls.
class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  virtual float CurrentX() const = 0;
  virtual void SetCurrentX(float x) = 0;
  virtual float CurrentY() const = 0;
  virtual void SetCurrentY(float y) = 0;

  // A straight line; the drawing position is left at (x2, y2).
  virtual void Line(float x1, float y1, float x2, float y2, Color color) = 0;
  // A rectangle outlined in `color` whose inside takes the surface's fill style and fill
  // colour; the drawing position is left at (x2, y2).
  virtual void Box(float x1, float y1, float x2, float y2, Color color) = 0;
  // Text in the surface's font and fore colour, its top left corner at the drawing position,
  // which is left directly behind the text on the same row.
  virtual void Print(const std::u16string& text) = 0;
  // Erases everything drawn and puts the drawing position at (0, 0).
  virtual void Cls() = 0;
};

}  // namespace tavelin::core
