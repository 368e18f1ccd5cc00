#include "gui/common/PixelArt.h"

namespace tavelin::gui {

namespace {

constexpr int kLargestFactor = 2;

}  // namespace

QPixmap EnlargedPixelArt(const QPixmap& art, int factor) {
  QPixmap enlarged = art.scaled(art.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  enlarged.setDevicePixelRatio(factor);
  return enlarged;
}

QIcon PixelArtIcon(const QPixmap& art) {
  QIcon icon;
  for (int factor = 1; factor <= kLargestFactor; ++factor)
    icon.addPixmap(EnlargedPixelArt(art, factor));
  return icon;
}

}  // namespace tavelin::gui
