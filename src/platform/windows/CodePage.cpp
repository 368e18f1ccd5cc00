// Text files hold the ANSI code page (CP_ACP) of the running system.
#include <optional>
#include <string>

#include "platform/Platform.h"
#include "platform/windows/NativeNames.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {

std::optional<std::string> ToSystemCodePage(std::u16string_view text) {
  if (text.empty()) return std::string();
  const std::wstring wide = Wide(text);
  const int length = static_cast<int>(wide.size());
  // No best fit: "ā" must not quietly become "a", which would name another folder. UTF-8 as the
  // ANSI code page takes neither that flag nor the used-default report, and refuses lone
  // surrogates by failing instead.
  const UINT codePage = ::GetACP();
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* const usedDefaultReport = utf8 ? nullptr : &usedDefault;

  const int size = ::WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr,
                                         usedDefaultReport);
  if (size == 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (::WideCharToMultiByte(codePage, flags, wide.data(), length, bytes.data(), size, nullptr,
                            usedDefaultReport) != size ||
      usedDefault) {
    return std::nullopt;
  }
  return bytes;
}

std::u16string FromSystemCodePage(std::string_view bytes) {
  return FromCodePage(CP_ACP, bytes);
}

}  // namespace tavelin::platform
