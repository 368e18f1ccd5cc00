// The wait cursor while long work runs on the user-interface thread. The windows ask
// `Showing()` in WM_SETCURSOR; a message box raised in the middle of the work lifts it with a
// `BusyCursor::Lifted` so that the user answering it sees the ordinary pointer.
#pragma once

namespace tavelin::win32 {

class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

  // True while some BusyCursor lives and no Lifted does.
  static bool Showing();
  // Sets the cursor that fits the moment: the wait cursor or the arrow.
  static void Apply();

  class Lifted {
   public:
    Lifted();
    ~Lifted();
    Lifted(const Lifted&) = delete;
    Lifted& operator=(const Lifted&) = delete;
  };
};

}  // namespace tavelin::win32
