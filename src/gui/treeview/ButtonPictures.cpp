#include "gui/treeview/ButtonPictures.h"

#include <array>

#include "gui/treeview/pictures/BlocDeNotes.xpm"
#include "gui/treeview/pictures/Executa.xpm"
#include "gui/treeview/pictures/MiraCarpeta.xpm"
#include "gui/treeview/pictures/Paint.xpm"
#include "gui/treeview/pictures/WordPad.xpm"

namespace tavelin::gui {

QPixmap ButtonPicture(int index) {
  static constexpr std::array<const char* const*, 5> kPictures = {
      kBlocDeNotesPicture, kWordPadPicture, kExecutaPicture, kPaintPicture, kMiraCarpetaPicture};
  return QPixmap(kPictures.at(static_cast<std::size_t>(index)));
}

}  // namespace tavelin::gui
