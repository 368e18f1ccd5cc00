// Reading a drawing back pixel by pixel.
#pragma once

#include <QImage>
#include <QList>
#include <QRect>

namespace tavelin::gui::testing {

// The smallest rectangle holding every pixel of `colour` within `area`; null when there is none.
inline QRect ExtentOf(const QImage& image, QRgb colour, const QRect& area) {
  QRect extent;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixel(x, y) == colour) extent |= QRect(x, y, 1, 1);
    }
  }
  return extent;
}

inline int CountPixels(const QImage& image, QRgb colour, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x)
      count += image.pixel(x, y) == colour;
  }
  return count;
}

inline int CountOtherThan(const QImage& image, const QList<QRgb>& colours, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x)
      count += !colours.contains(image.pixel(x, y));
  }
  return count;
}

}  // namespace tavelin::gui::testing
