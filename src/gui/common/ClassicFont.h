#pragma once

#include <QFont>
#include <QStringList>

namespace tavelin::gui {

// The first installed family of `families` (the system's general font when none is), at the
// pixel size of 8.25 points on a 96 dpi screen, which the drawing and list layouts assume.
QFont ClassicFont(const QStringList& families, QFont::Weight weight);

}  // namespace tavelin::gui
