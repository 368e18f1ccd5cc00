#include "gui/common/Failures.h"

#include <QString>
#include <exception>

#include "gui/common/QtMessageView.h"

namespace tavelin::gui {

void ReportFailure() noexcept {
  QString what = QStringLiteral("Unknown failure");
  try {
    throw;
  } catch (const std::exception& failure) {
    what = QString::fromUtf8(failure.what());
  } catch (...) {
  }
  try {
    QtMessageView().ShowMessage(what.toStdU16String());
  } catch (...) {
    // Nothing is left to show it with; the program goes on as it can.
  }
}

}  // namespace tavelin::gui
