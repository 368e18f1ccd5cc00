#include "platform/windows/NativeNames.h"

#include "platform/windows/Win32.h"

namespace tavelin::platform {

namespace {

constexpr std::wstring_view kExtendedPrefix = L"\\\\?\\";
constexpr std::wstring_view kDevicePrefix = L"\\\\.\\";
constexpr std::wstring_view kUncPrefix = L"\\\\";
constexpr std::wstring_view kExtendedUncPrefix = L"\\\\?\\UNC\\";

std::wstring FullPath(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return path;  // the file call that follows reports what is wrong with it
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length);
  }
}

}  // namespace

std::wstring Wide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

std::u16string FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

std::string ToUtf8(std::u16string_view text) {
  if (text.empty()) return {};
  const std::wstring wide = Wide(text);
  const int length = static_cast<int>(wide.size());
  const int size =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

std::u16string FromUtf8(std::string_view bytes) {
  return FromCodePage(CP_UTF8, bytes);
}

std::u16string FromCodePage(unsigned codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = ::MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(codePage, 0, bytes.data(), length, text.data(), size);
  return FromWide(text);
}

std::wstring ToNativePath(std::u16string_view path) {
  std::wstring wide = Wide(path);
  if (wide.empty() || wide.starts_with(kExtendedPrefix)) return wide;
  wide = FullPath(wide);
  if (wide.starts_with(kExtendedPrefix) || wide.starts_with(kDevicePrefix)) return wide;
  if (wide.starts_with(kUncPrefix)) {
    return std::wstring(kExtendedUncPrefix) + wide.substr(kUncPrefix.size());
  }
  return std::wstring(kExtendedPrefix) + wide;
}

}  // namespace tavelin::platform
