#include "gui/common/AppIcon.h"

#include <QPixmap>

#include "gui/common/PixelArt.h"
#include "gui/common/pictures/TavelinIcon.xpm"

namespace tavelin::gui {

QIcon TavelinIcon() {
  return PixelArtIcon(QPixmap(kTavelinIcon));
}

}  // namespace tavelin::gui
