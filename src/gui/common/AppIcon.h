#pragma once

#include <QIcon>

namespace tavelin::gui {

// The icon of Tavelin's windows: a miniature of a drawn folder tree.
QIcon TavelinIcon();

}  // namespace tavelin::gui
