// The tree window FKvel and its scroll companion FScroll as the system designs them: sizes,
// colours, fonts, the button strip and the file lists at load. Lengths are pixels at 96 DPI; both
// front ends build their windows from these figures and write none of them again.
#pragma once

#include <array>
#include <span>

#include "core/views/Color.h"
#include "core/views/Font.h"
#include "core/views/Twips.h"

namespace tavelin::core {

namespace FKvelDesign {

// The drawing area when the window loads.
inline constexpr float kLoadWidth = 304;
inline constexpr float kLoadHeight = 202;
inline constexpr Color kForeColor = Rgb(0, 0, 128);              // the folder names
inline constexpr Color kFillColor = Rgb(255, 255, 128);          // inside the folder boxes
inline constexpr Font kNameFont{u"MS Sans Serif", 8.25F, true};  // the folder names
inline constexpr Font kListFont{u"Tahoma", 8.25F, false};        // the file lists

// The button strip PBts across the top, and its buttons Bt(0) to Bt(4) with their tool tips.
inline constexpr float kStripWidth = 305;
inline constexpr float kStripHeight = 25;
inline constexpr Color kStripColor = Rgb(192, 192, 255);
inline constexpr float kButtonTop = 4;
inline constexpr float kButtonSize = 16;
struct Button {
  float left;
  const char16_t* toolTip;
};
inline constexpr std::array<Button, 5> kButtons = {{{24, u"Bloc de Notes"},
                                                    {48, u"WordPad"},
                                                    {72, u"Executa"},
                                                    {96, u"Paint"},
                                                    {120, u"Mira carpeta"}}};
// Their pictures, Bt(0) first, as the lines of an XPM image.
extern const std::array<std::span<const char* const>, kButtons.size()> kButtonPictures;

// The file lists at load, hidden until the walk places them; Lst(0) stands a little to the left.
inline constexpr float kListLeft = 152;
inline constexpr float kFirstListLeft = 144;
inline constexpr float kListTop = 48;
inline constexpr float kListWidth = 137;
inline constexpr float kListHeight = 15;
// The walk gives a list 13.8 pixels a row, its border included: rows of 12 pixels let a list of
// one entry show it without a scroll bar.
inline constexpr float kListRowHeight = 12;

}  // namespace FKvelDesign

namespace FScrollDesign {

// A window without a title bar: its client area is the whole window.
inline constexpr float kClientWidth = 9;
inline constexpr float kClientHeight = 254;
inline constexpr Color kBackground = Rgb(255, 224, 192);
// The bar ScrllFrm, wider and taller than the window: only its track shows, not its right and
// lower edges.
inline constexpr float kBarWidth = 12;
inline constexpr float kBarHeight = 257;
inline constexpr int kArrowStep = 100;
inline constexpr int kPageStep = 1000;

}  // namespace FScrollDesign

}  // namespace tavelin::core
