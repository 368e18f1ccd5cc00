#include "gui/common/AppIcon.h"

#include <QPixmap>

#include "gui/common/PixelArt.h"
#include "pictures/TavelinIcon.xpm"

namespace tavelin::gui {

QIcon TavelinIcon() {
  return PixelArtIcon(QPixmap(kTavelinIcon));
}

}  // namespace tavelin::gui
