#include "win32/common/Fonts.h"

#include <cmath>
#include <cwchar>

#include "win32/common/Failures.h"
#include "win32/common/Utf16.h"

namespace tavelin::win32 {

namespace {
constexpr float kPointsPerInch = 72;
}

int FontPixelHeight(float points, Dpi dpi) {
  return static_cast<int>(std::lround(points * static_cast<float>(dpi.Value()) / kPointsPerInch));
}

const wchar_t* FaceAt(const wchar_t* face, Dpi dpi) {
  return dpi.Value() > kBaseDpi && std::wcscmp(face, L"MS Sans Serif") == 0
             ? L"Microsoft Sans Serif"
             : face;
}

UniqueFont CreateClassicFont(const core::Font& design, Dpi dpi) {
  // A negative height asks for the character height, not the cell height, as point sizes mean.
  // Without antialiasing the names stay as crisp as the drawing around them.
  HFONT font = CreateFontW(-FontPixelHeight(design.points, dpi), 0, 0, 0,
                           design.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, FaceAt(AsWide(design.face), dpi));
  if (font == nullptr) ThrowLastError("CreateFontW");
  return UniqueFont(font);
}

}  // namespace tavelin::win32
