#include "gui/common/QtMessageView.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>

#include "gui/common/TextConversion.h"

namespace tavelin::gui {

void QtMessageView::ShowMessage(const std::u16string& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tavelin"), ToQString(text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  // A message can come in the middle of long work under the wait cursor; the user answering it
  // should see the ordinary pointer.
  const bool busy = QGuiApplication::overrideCursor() != nullptr;
  if (busy) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
  box.exec();
  if (busy) QGuiApplication::restoreOverrideCursor();
}

}  // namespace tavelin::gui
