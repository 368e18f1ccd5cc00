#pragma once

#include <QFont>
#include <QStringList>

#include "core/views/Font.h"

namespace tavelin::gui {

// The design's font at the pixel size of its points on a 96 dpi screen, which the layouts assume.
// Where its face is not installed, the first installed of `substitutes` stands in for it, else
// the system's general font.
QFont ClassicFont(const core::Font& design, const QStringList& substitutes = {});

}  // namespace tavelin::gui
