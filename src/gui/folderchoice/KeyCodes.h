// Qt key events as the key codes that the core's key-down handlers take.
#pragma once

#include <QKeyEvent>
#include <cstdint>

namespace tavelin::gui {

// The key's code: 13 for either Enter key, 46 for Delete, the character's code for letters
// and digits; 0 for every other key, which the chooser's handlers leave alone.
std::int16_t KeyCodeOf(const QKeyEvent& event);

}  // namespace tavelin::gui
