#include "gui/treeview/ButtonPictures.h"

#include <array>

#include "pictures/BlocDeNotes.xpm"
#include "pictures/Executa.xpm"
#include "pictures/MiraCarpeta.xpm"
#include "pictures/Paint.xpm"
#include "pictures/WordPad.xpm"

namespace tavelin::gui {

QPixmap ButtonPicture(int index) {
  static constexpr std::array<const char* const*, 5> kPictures = {
      kBlocDeNotesPicture, kWordPadPicture, kExecutaPicture, kPaintPicture, kMiraCarpetaPicture};
  return QPixmap(kPictures.at(static_cast<std::size_t>(index)));
}

}  // namespace tavelin::gui
