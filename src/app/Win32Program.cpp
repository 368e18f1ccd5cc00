#include "app/Win32Program.h"

#include "win32/common/Window.h"

namespace tavelin::app {

Win32Program::Win32Program(const platform::FileSystem& fileSystem, platform::Launcher& launcher,
                           core::MessageView& messages, const core::Screen& screen)
    : fScroll_(companion_, treeWindow_, screen),
      fKvel_(treeWindow_, fScroll_, layout_, launcher, messages),
      uKvel_(layout_, fileSystem, messages, fKvel_, fScroll_, screen),
      chooser_(fileSystem),
      fPrvSD_(chooser_, fileSystem, launcher, uKvel_, fKvel_) {
  // The hosts forward their windows' events to handlers that need the hosts themselves.
  treeWindow_.Attach(fKvel_);
  companion_.Attach(fScroll_);
  chooser_.Attach(fPrvSD_);
}

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
