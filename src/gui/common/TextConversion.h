// The core's strings and Qt's are both UTF-16: conversion copies the units unchanged.
#pragma once

#include <QString>
#include <string>

namespace tavelin::gui {

inline QString ToQString(const std::u16string& text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16String(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                        static_cast<std::size_t>(text.size()));
}

}  // namespace tavelin::gui
