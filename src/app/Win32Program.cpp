#include "app/Win32Program.h"

#include "win32/common/Window.h"

namespace tavelin::app {

bool Win32Program::TranslateDialogKey(MSG& message) {
  if (chooser_.TranslateDialogKey(message)) return true;
  const win32::TreeWindow* tree = treeWindow_.Window();
  if (tree == nullptr || tree->Handle() == nullptr) return false;
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  return root == tree->Handle() && IsDialogMessageW(root, &message);
}

int Win32Program::Run() {
  // A tree window left open outlives the chooser: the program ends with its last window.
  win32::Window::SetOnLastTopLevelClosed([] { PostQuitMessage(0); });
  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    if (TranslateDialogKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  win32::Window::SetOnLastTopLevelClosed(nullptr);
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

}  // namespace tavelin::app
