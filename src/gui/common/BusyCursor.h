#pragma once

namespace tavelin::gui {

// Shows the wait cursor over the whole application for the lifetime of the object.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace tavelin::gui
