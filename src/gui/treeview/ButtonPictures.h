#pragma once

#include <QPixmap>

namespace tavelin::gui {

// The picture of the tree window's button Bt(index), index 0 to 4.
QPixmap ButtonPicture(int index);

}  // namespace tavelin::gui
