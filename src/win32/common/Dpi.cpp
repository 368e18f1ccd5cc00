#include "win32/common/Dpi.h"

#include <cmath>

namespace tavelin::win32 {

Dpi Dpi::Of(HWND window) {
  return Dpi(static_cast<int>(window ? GetDpiForWindow(window) : GetDpiForSystem()));
}

int Dpi::ToDevice(float pixels) const {
  return static_cast<int>(std::lround(pixels * static_cast<float>(dpi_) / kBaseDpi));
}

float Dpi::FromDevice(int pixels) const {
  return static_cast<float>(pixels) * kBaseDpi / static_cast<float>(dpi_);
}

int Dpi::TwipsToDevice(float twips) const {
  return ToDevice(twips / kTwipsPerPixel);
}

float Dpi::DeviceToTwips(int pixels) const {
  return FromDevice(pixels) * kTwipsPerPixel;
}

}  // namespace tavelin::win32
