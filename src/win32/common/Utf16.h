// The core's strings and the wide-character API are both UTF-16 on Windows: conversion copies
// the units unchanged.
#pragma once

#include <string>
#include <string_view>

namespace tavelin::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wchar_t is a UTF-16 unit");

inline std::wstring ToWide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

// The same units seen as wchar_t, for a text the API only reads.
inline const wchar_t* AsWide(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}

inline std::u16string ToU16(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace tavelin::win32
