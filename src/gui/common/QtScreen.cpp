#include "gui/common/QtScreen.h"

#include <QGuiApplication>
#include <QScreen>

#include "gui/common/Twips.h"

namespace tavelin::gui {

float QtScreen::Height() const {
  return PixelsToTwips(QGuiApplication::primaryScreen()->geometry().height());
}

}  // namespace tavelin::gui
