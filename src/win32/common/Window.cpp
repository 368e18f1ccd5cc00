#include "win32/common/Window.h"

#include "win32/common/Failures.h"

namespace tavelin::win32 {

namespace {

int topLevelCount = 0;
void (*onLastClosed)() = nullptr;

}  // namespace

Window::~Window() {
  if (handle_ != nullptr) DestroyWindow(handle_);
}

void Window::SetOnLastTopLevelClosed(void (*action)()) {
  onLastClosed = action;
}

void Window::Create(const wchar_t* className, HBRUSH background, DWORD exStyle, DWORD style,
                    const wchar_t* title, const WindowPlace& place, HWND parent, HMENU menu) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW known{};
  known.cbSize = sizeof known;
  if (!GetClassInfoExW(instance, className, &known)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &Window::Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    if (RegisterClassExW(&windowClass) == 0) ThrowLastError("RegisterClassExW");
  }
  if (CreateWindowExW(exStyle, className, title, style, place.x, place.y, place.width, place.height,
                      parent, menu, instance, this) == nullptr)
    ThrowLastError("CreateWindowExW");
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->handle_ = window;
    self->topLevel_ = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0;
    if (self->topLevel_) ++topLevelCount;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
    const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
    if (self->topLevel_ && --topLevelCount == 0 && onLastClosed != nullptr) onLastClosed();
    return result;
  }
  return Guarded([&] { return self->HandleMessage(message, wParam, lParam); }, LRESULT{0});
}

}  // namespace tavelin::win32
