// The folder chooser FPrvSD as the system designs it: its caption and menu, and the text, place,
// colour and font of each control. Places are twips within the client area, under the menu bar;
// both front ends build the window from these figures.
#pragma once

#include "core/views/Color.h"
#include "core/views/Font.h"

namespace tavelin::core::FPrvSDDesign {

inline constexpr auto kCaption = u"Visió total carpeta";
inline constexpr auto kInfoMenu = u"Info";
// The client area is square.
inline constexpr float kClientSide = 4530;

struct Placement {
  float left, top, width, height;
};
inline constexpr Placement kLabel2{240, 40, 855, 255};
inline constexpr Placement kLstR{120, 240, 4335, 315};
inline constexpr Placement kLDirs{360, 600, 3855, 3240};
inline constexpr Placement kLabel1{120, 3840, 4170, 195};
inline constexpr Placement kBtOk{1920, 4080, 735, 375};
// The recent list drops down as far as the directory list reaches.
inline constexpr float kLstRDroppedHeight = 3600;

inline constexpr auto kLabel2Text = u"Recents:";
inline constexpr auto kLabel1Text = u"Tria la carpeta de la qual vols obtenir l'arbre";
inline constexpr auto kBtOkText = u"ok";

inline constexpr Color kLabel2Color = Rgb(0, 0, 128);
inline constexpr Color kLabel1Color = Rgb(128, 0, 0);
inline constexpr Color kLstRColor = Rgb(255, 255, 192);
inline constexpr Color kLDirsColor = Rgb(192, 255, 192);

// Every control but the button, and the button.
inline constexpr Font kWindowFont{u"MS Sans Serif", 8.25F, false};
inline constexpr Font kOkFont{u"MS Sans Serif", 9.75F, false};

}  // namespace tavelin::core::FPrvSDDesign
