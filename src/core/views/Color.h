#pragma once

#include <cstdint>

namespace tavelin::core {

// A colour as the system writes it, &H00BBGGRR&: blue in the high byte, red in the low one.
using Color = std::uint32_t;

constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Color>(red) | static_cast<Color>(green) << 8 | static_cast<Color>(blue) << 16;
}
constexpr std::uint8_t RedOf(Color c) {
  return c & 0xFF;
}
constexpr std::uint8_t GreenOf(Color c) {
  return (c >> 8) & 0xFF;
}
constexpr std::uint8_t BlueOf(Color c) {
  return (c >> 16) & 0xFF;
}

}  // namespace tavelin::core
