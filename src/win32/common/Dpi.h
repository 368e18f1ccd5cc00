// The core's figures are pixels and twips of a 96-DPI screen; the windows are per-monitor DPI
// aware, so every figure is scaled by the monitor's DPI / 96 where it reaches Win32 and scaled
// back where it is read.
#pragma once

#include <windows.h>

#include "core/views/Twips.h"

namespace tavelin::win32 {

inline constexpr int kBaseDpi = 96;
using core::kTwipsPerPixel;

class Dpi {
 public:
  explicit constexpr Dpi(int dpi = kBaseDpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

  // The DPI of the monitor the window stands on.
  static Dpi Of(HWND window);

  constexpr int Value() const { return dpi_; }

  // 96-DPI pixels to device pixels, rounded to the nearest.
  int ToDevice(float pixels) const;
  // Device pixels to 96-DPI pixels, unrounded.
  float FromDevice(int pixels) const;
  // Twips to device pixels, rounded to the nearest.
  int TwipsToDevice(float twips) const;
  // Device pixels to twips.
  float DeviceToTwips(int pixels) const;

 private:
  int dpi_;
};

}  // namespace tavelin::win32
