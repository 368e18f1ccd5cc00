// File names on POSIX are bytes, not text. They are read as UTF-8, and every byte that is not part
// of a well-formed UTF-8 sequence becomes the lone surrogate U+DC00 + byte, which the way back
// turns into that byte again: any name the system hands out survives the trip through UTF-16
// unchanged.
#pragma once

#include <string>
#include <string_view>

namespace tavelin::platform {

std::u16string FromNativeName(std::string_view bytes);

// A lone surrogate that stands for no byte has no exact form; it is written as the three bytes
// UTF-8 would give it, so that the name still reaches the system, where it names nothing that
// was read from it.
std::string ToNativeName(std::u16string_view name);

}  // namespace tavelin::platform
