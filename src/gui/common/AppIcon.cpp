#include "gui/common/AppIcon.h"

#include <QPixmap>

#include "gui/common/pictures/TavelinIcon.xpm"

namespace tavelin::gui {

QIcon TavelinIcon() {
  return QIcon(QPixmap(kTavelinIcon));
}

}  // namespace tavelin::gui
