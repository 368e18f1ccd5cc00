// Path routines: cutting a path at its last separator.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace tavelin::core::UFtx {

// The part of a path after its last separator is cut to this many characters.
inline constexpr std::size_t kMaxTail = 255;

// Splits `path` at its last separator: `head` gets what stands before it, `tail` what follows
// (at most kMaxTail characters). Without a separator, `head` is empty and `tail` is the path.
void SplitPath(const std::u16string& path, std::u16string& head, std::u16string& tail,
               char16_t separator = platform::kNativeSeparator);

// The tail that SplitPath gives for `path`.
std::u16string LastPathPart(const std::u16string& path,
                            char16_t separator = platform::kNativeSeparator);

}  // namespace tavelin::core::UFtx
