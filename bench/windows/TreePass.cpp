#include "TreePass.h"

#include <algorithm>
#include <stdexcept>

#include "platform/windows/NativeNames.h"

namespace tavelin::bench {

TreePass::TreePass() {
  window_.Attach(fkvel_);
  companion_.Attach(fscroll_);
  // Loaded, not shown, as before the user's first OK; the bench never closes it.
  fkvel_.Window();
}

TreePass::~TreePass() {
  window_.Unload();
  companion_.Unload();
}

std::int64_t TreePass::Run(const std::string& folder) {
  const std::u16string path = platform::FromUtf8(folder);
  fileSystem_.Reset();
  const std::int64_t start = MonotonicNs();
  ukvel_.ShowTree(path);
  const HWND window = window_.Window()->Handle();
  // What the pass queued, then its painting, every list included: the queue is empty only once
  // no window is left to paint.
  for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (!IsWindowVisible(window)) throw std::runtime_error("the tree window is not shown");
  return MonotonicNs() - start;
}

std::size_t TreePass::ListedFiles() {
  std::size_t files = 0;
  const int last = std::min<int>(layout_.FolderCount, core::UKvel::kMaxFolders);
  for (int i = 1; i <= last; ++i)
    files += static_cast<std::size_t>(window_.Lst(i).ListCount());
  return files;
}

}  // namespace tavelin::bench
