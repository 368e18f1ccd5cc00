// A window whose messages reach a C++ object: the object is found from the window's user data,
// set while the window is created, and the window is destroyed with the object.
#pragma once

#include <windows.h>

namespace tavelin::win32 {

struct WindowPlace {
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
};

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // nullptr once the window is destroyed.
  HWND Handle() const { return handle_; }

  // What runs when the last top-level window of this process is destroyed (the program's end);
  // nothing runs while no action is set.
  static void SetOnLastTopLevelClosed(void (*action)());

 protected:
  // Registers the class the first time and creates the window. Throws platform::SystemError when
  // the system refuses either.
  void Create(const wchar_t* className, HBRUSH background, DWORD exStyle, DWORD style,
              const wchar_t* title, const WindowPlace& place, HWND parent = nullptr,
              HMENU menu = nullptr);

  // Messages the object does not answer go to DefWindowProcW.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
  bool topLevel_ = false;
};

}  // namespace tavelin::win32
