#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "core/views/DrawingSurface.h"
#include "core/views/RecentLines.h"
#include "win32/common/Dpi.h"
#include "win32/common/Handles.h"

namespace tavelin::win32 {

// The tree window's drawing, kept in a memory device context that outlives every repaint and
// grows to take whatever is drawn beyond it. Coordinates are the core's 96-DPI pixels; the
// bitmap holds the window's device pixels, each logical pixel a whole block of them, so that
// boxes and connectors stay crisp at any scale.
class MemorySurface : public core::DrawingSurface {
 public:
  struct Style {
    COLORREF background;
    COLORREF foreColor;
    COLORREF fillColor;
    // When set, these stand in for the colours the drawing names for lines and box outlines.
    std::optional<COLORREF> lineColor;
    std::optional<COLORREF> outlineColor;
  };

  // `changed` hears of every area drawn or erased, in device pixels. `font` stays the caller's.
  MemorySurface(Dpi dpi, Style style, HFONT font, std::function<void(const RECT&)> changed);

  ~MemorySurface() override;
  MemorySurface(const MemorySurface&) = delete;
  MemorySurface& operator=(const MemorySurface&) = delete;

  float CurrentX() const override { return currentX_; }
  void SetCurrentX(float x) override { currentX_ = x; }
  float CurrentY() const override { return currentY_; }
  void SetCurrentY(float y) override { currentY_ = y; }

  void Line(float x1, float y1, float x2, float y2, core::Color color) override;
  void Box(float x1, float y1, float x2, float y2, core::Color color) override;
  void Print(const std::u16string& text) override;
  void Cls() override;

  HDC Dc() const { return dc_.get(); }
  // The bitmap's size in device pixels.
  SIZE Size() const { return size_; }
  // Enlarges the bitmap to at least this many device pixels, keeping the drawing; it never
  // shrinks.
  void Reserve(int width, int height);
  // What is drawn from now on takes these colours; what is drawn already keeps its own.
  void SetStyle(const Style& style) { style_ = style; }
  // The window moved to a screen of another DPI: the drawing is scaled to it, block for block,
  // and what is drawn from now on uses `dpi` and `font`.
  void Rescale(Dpi dpi, HFONT font);

 private:
  // The first device pixel of logical pixel `cell`; cell c covers Edge(c) to Edge(c + 1) - 1.
  int Edge(float cell) const;
  // Fills the logical cells from (x1, y1) to (x2, y2), both included.
  void FillCells(float x1, float y1, float x2, float y2, COLORREF color);
  // Grows the bitmap to hold `area` (device pixels), then reports it.
  void Touch(RECT area);

  Dpi dpi_;
  Style style_;
  HFONT font_;
  std::function<void(const RECT&)> changed_;
  UniqueDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ originalBitmap_ = nullptr;
  SIZE size_{0, 0};
  float currentX_ = 0;
  float currentY_ = 0;

  core::RecentLines recentLines_;
};

}  // namespace tavelin::win32
