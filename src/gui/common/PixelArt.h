#pragma once

#include <QIcon>
#include <QPixmap>

namespace tavelin::gui {

// `art` enlarged `factor` times pixel for pixel, with that device pixel ratio: the same picture
// in logical pixels, as sharp as the original on a screen of that scale.
QPixmap EnlargedPixelArt(const QPixmap& art, int factor);

// `art` as an icon that stays sharp at twice the scale, where fractional scales still get a
// picture close to their size.
QIcon PixelArtIcon(const QPixmap& art);

}  // namespace tavelin::gui
