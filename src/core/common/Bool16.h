#pragma once

#include <cstdint>

namespace tavelin::core {

// A Boolean held in a 16-bit integer, as the system stores its flags: -1 true, 0 false.
using Bool16 = std::int16_t;
inline constexpr Bool16 kTrue = -1;
inline constexpr Bool16 kFalse = 0;

}  // namespace tavelin::core
