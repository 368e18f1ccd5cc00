#include "gui/folderchoice/KeyCodes.h"

#include "core/views/ChooserView.h"

namespace tavelin::gui {

std::int16_t KeyCodeOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return core::kKeyReturn;
  if (key == Qt::Key_Delete) return core::kKeyDelete;
  // Qt numbers letters and digits by their upper-case character, as the key codes do.
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
    return static_cast<std::int16_t>(key);
  }
  return 0;
}

}  // namespace tavelin::gui
