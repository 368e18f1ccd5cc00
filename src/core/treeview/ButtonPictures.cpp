// The pictures of the tree window's buttons, kept once for both front ends.
#include "core/treeview/TreeWindowDesign.h"
#include "pictures/BlocDeNotes.xpm"
#include "pictures/Executa.xpm"
#include "pictures/MiraCarpeta.xpm"
#include "pictures/Paint.xpm"
#include "pictures/WordPad.xpm"

namespace tavelin::core::FKvelDesign {

const std::array<std::span<const char* const>, kButtons.size()> kButtonPictures = {
    kBlocDeNotesPicture, kWordPadPicture, kExecutaPicture, kPaintPicture, kMiraCarpetaPicture};

}  // namespace tavelin::core::FKvelDesign
