#include "win32/treeview/MemorySurface.h"

#include <algorithm>
#include <cmath>

#include "win32/common/Failures.h"
#include "win32/common/Utf16.h"

namespace tavelin::win32 {

namespace {

// Growing in steps spares a copy of the bitmap for every row the walk adds and for every step
// of the user dragging the window's edge.
constexpr int kGrowthStep = 256;

int RoundUpToStep(int length) {
  return (length + kGrowthStep - 1) / kGrowthStep * kGrowthStep;
}

UniqueBitmap BlankBitmap(HDC dc, int width, int height, COLORREF background) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) ThrowLastError("CreateDIBSection");
  const SelectedObject selected(dc, bitmap.get());
  const RECT all{0, 0, width, height};
  const UniqueBrush brush(CreateSolidBrush(background));
  FillRect(dc, &all, brush.get());
  return bitmap;
}

}  // namespace

MemorySurface::MemorySurface(Dpi dpi, Style style, HFONT font,
                             std::function<void(const RECT&)> changed)
    : dpi_(dpi),
      style_(style),
      font_(font),
      changed_(std::move(changed)),
      dc_(CreateCompatibleDC(nullptr)) {
  if (!dc_) ThrowLastError("CreateCompatibleDC");
  bitmap_ = BlankBitmap(dc_.get(), 1, 1, style_.background);
  originalBitmap_ = SelectObject(dc_.get(), bitmap_.get());
  size_ = {1, 1};
  SelectObject(dc_.get(), font_);
  SetBkMode(dc_.get(), TRANSPARENT);
}

MemorySurface::~MemorySurface() {
  // A bitmap selected into a device context cannot be deleted.
  SelectObject(dc_.get(), originalBitmap_);
}

int MemorySurface::Edge(float cell) const {
  return dpi_.ToDevice(std::floor(cell));
}

void MemorySurface::Reserve(int width, int height) {
  if (width <= size_.cx && height <= size_.cy) return;
  const SIZE wanted{std::max(RoundUpToStep(width), static_cast<int>(size_.cx)),
                    std::max(RoundUpToStep(height), static_cast<int>(size_.cy))};
  UniqueBitmap larger = BlankBitmap(dc_.get(), wanted.cx, wanted.cy, style_.background);
  const UniqueDc copy(CreateCompatibleDC(dc_.get()));
  {
    const SelectedObject target(copy.get(), larger.get());
    BitBlt(copy.get(), 0, 0, size_.cx, size_.cy, dc_.get(), 0, 0, SRCCOPY);
  }
  SelectObject(dc_.get(), larger.get());
  bitmap_ = std::move(larger);
  size_ = wanted;
}

void MemorySurface::Rescale(Dpi dpi, HFONT font) {
  const SIZE scaled{MulDiv(size_.cx, dpi.Value(), dpi_.Value()),
                    MulDiv(size_.cy, dpi.Value(), dpi_.Value())};
  UniqueBitmap larger = BlankBitmap(dc_.get(), scaled.cx, scaled.cy, style_.background);
  const UniqueDc copy(CreateCompatibleDC(dc_.get()));
  {
    const SelectedObject target(copy.get(), larger.get());
    // Whole pixels repeated, not blended: the boxes and connectors stay crisp.
    SetStretchBltMode(copy.get(), COLORONCOLOR);
    StretchBlt(copy.get(), 0, 0, scaled.cx, scaled.cy, dc_.get(), 0, 0, size_.cx, size_.cy,
               SRCCOPY);
  }
  SelectObject(dc_.get(), larger.get());
  bitmap_ = std::move(larger);
  size_ = scaled;
  dpi_ = dpi;
  font_ = font;
  SelectObject(dc_.get(), font_);
}

void MemorySurface::Touch(RECT area) {
  Reserve(area.right, area.bottom);
  if (changed_) changed_(area);
}

void MemorySurface::FillCells(float x1, float y1, float x2, float y2, COLORREF color) {
  const RECT area{Edge(std::min(x1, x2)), Edge(std::min(y1, y2)), Edge(std::max(x1, x2) + 1),
                  Edge(std::max(y1, y2) + 1)};
  Touch(area);
  const UniqueBrush brush(CreateSolidBrush(color));
  FillRect(dc_.get(), &area, brush.get());
}

void MemorySurface::Line(float x1, float y1, float x2, float y2, core::Color color) {
  currentX_ = x2;
  currentY_ = y2;
  if (!recentLines_.IsNew(x1, y1, x2, y2, color)) return;

  const COLORREF drawn = style_.lineColor.value_or(color);
  if (std::floor(x1) == std::floor(x2) || std::floor(y1) == std::floor(y2)) {
    FillCells(x1, y1, x2, y2, drawn);
    return;
  }
  // A slanted line: a pen one logical pixel wide through the cells' centres, both ends drawn.
  const int width = Edge(1) - Edge(0);
  const auto centre = [&](float cell) { return (Edge(cell) + Edge(cell + 1)) / 2; };
  Touch({Edge(std::min(x1, x2)) - width, Edge(std::min(y1, y2)) - width,
         Edge(std::max(x1, x2) + 1) + width, Edge(std::max(y1, y2) + 1) + width});
  const UniquePen pen(CreatePen(PS_SOLID, width, drawn));
  const SelectedObject selected(dc_.get(), pen.get());
  MoveToEx(dc_.get(), centre(x1), centre(y1), nullptr);
  LineTo(dc_.get(), centre(x2), centre(y2));
  FillCells(x2, y2, x2, y2, drawn);
}

void MemorySurface::Box(float x1, float y1, float x2, float y2, core::Color color) {
  recentLines_.Forget();
  FillCells(x1, y1, x2, y2, style_.outlineColor.value_or(color));
  const float left = std::min(x1, x2) + 1;
  const float top = std::min(y1, y2) + 1;
  const float right = std::max(x1, x2) - 1;
  const float bottom = std::max(y1, y2) - 1;
  if (left <= right && top <= bottom) FillCells(left, top, right, bottom, style_.fillColor);
  currentX_ = x2;
  currentY_ = y2;
}

void MemorySurface::Print(const std::u16string& text) {
  recentLines_.Forget();
  const std::wstring wide = ToWide(text);
  const int length = static_cast<int>(wide.size());
  SIZE extent{0, 0};
  GetTextExtentPoint32W(dc_.get(), wide.c_str(), length, &extent);
  const int x = dpi_.ToDevice(currentX_);
  const int y = dpi_.ToDevice(currentY_);
  // Some glyphs reach a little beyond their advance: a pixel of slack on each side.
  Touch({x - 1, y, x + extent.cx + 2, y + extent.cy + 1});
  SetTextColor(dc_.get(), style_.foreColor);
  TextOutW(dc_.get(), x, y, wide.c_str(), length);
  currentX_ += dpi_.FromDevice(extent.cx);
}

void MemorySurface::Cls() {
  recentLines_.Forget();
  const RECT all{0, 0, size_.cx, size_.cy};
  const UniqueBrush brush(CreateSolidBrush(style_.background));
  FillRect(dc_.get(), &all, brush.get());
  currentX_ = 0;
  currentY_ = 0;
  if (changed_) changed_(all);
}

}  // namespace tavelin::win32
