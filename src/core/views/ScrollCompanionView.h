#pragma once

#include <cstdint>

namespace tavelin::core {

// What the scroll companion reports to its host.
class ScrollCompanionEvents {
 public:
  // The bar's value changed: after an arrow or track click, a key, or the release of a dragged
  // thumb; never while the thumb is dragged.
  virtual void ScrllFrmChanged() = 0;
  // The user asked to close the window, where the window system offers a way to.
  virtual void Closing() = 0;

 protected:
  ~ScrollCompanionEvents() = default;
};

// The scroll companion FScroll with its vertical bar ScrllFrm. Positions and sizes are twips.
class ScrollCompanionView {
 public:
  virtual ~ScrollCompanionView() = default;

  virtual bool Loaded() const = 0;
  // Creates the window in its load state, not shown, the bar's Value at 0.
  virtual void Load() = 0;
  virtual void Unload() = 0;
  virtual void SetVisible(bool visible) = 0;

  virtual float Left() const = 0;
  virtual void SetLeft(float left) = 0;
  virtual float Top() const = 0;
  virtual void SetTop(float top) = 0;
  virtual float Height() const = 0;

  virtual std::int16_t Max() const = 0;
  virtual void SetMax(std::int16_t max) = 0;
  virtual std::int16_t Min() const = 0;
  virtual void SetMin(std::int16_t min) = 0;
  virtual std::int16_t Value() const = 0;
};

}  // namespace tavelin::core
