// Windows names are UTF-16, like Tavelin's own strings: they pass unchanged, only the character
// type differs. Paths reach the file API in their extended-length form, so that folders deeper
// than MAX_PATH can be listed, read and written like any other.
#pragma once

#include <string>
#include <string_view>

namespace tavelin::platform {

std::wstring Wide(std::u16string_view text);
std::u16string FromWide(std::wstring_view text);

// UTF-8, for the texts of exceptions, and back.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view bytes);
// The text that `bytes` hold in the Windows code page `codePage`.
std::u16string FromCodePage(unsigned codePage, std::string_view bytes);

// The absolute "\\?\" form of `path`, resolved as the system resolves any path: against the
// working directory, with doubled separators, "." and ".." and trailing dots and blanks of names
// taken out. A trailing separator stays. Paths already in that form, and device names such as
// "NUL", are returned as they are.
std::wstring ToNativePath(std::u16string_view path);

}  // namespace tavelin::platform
