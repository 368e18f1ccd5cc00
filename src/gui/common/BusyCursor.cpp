#include "gui/common/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace tavelin::gui {

BusyCursor::BusyCursor() {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace tavelin::gui
