#include "TreePass.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <chrono>
#include <stdexcept>

namespace tavelin::bench {

TreePass::TreePass() {
  window_.Attach(fkvel_);
  companion_.Attach(fscroll_);
  // Loaded, not shown, as before the user's first OK; the bench never closes it.
  fkvel_.Window();
  window_.Window()->installEventFilter(this);
}

TreePass::~TreePass() {
  window_.Unload();
  companion_.Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool TreePass::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && watched == window_.Window()) painted_ = true;
  return QObject::eventFilter(watched, event);
}

std::int64_t TreePass::Run(const std::string& folder) {
  const std::u16string path = platform::FromSystemCodePage(folder);
  painted_ = false;
  fileSystem_.Reset();
  const auto start = std::chrono::steady_clock::now();
  ukvel_.ShowTree(path);
  // The window is painted before its lists, in the same repaint: once the events that brought
  // its paint event are handled, the whole window has been painted.
  const QDeadlineTimer deadline(std::chrono::seconds(30));
  while (!painted_) {
    if (deadline.hasExpired()) throw std::runtime_error("the tree window never painted");
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
  }
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration_cast<std::chrono::nanoseconds>(end - start).count();
}

std::size_t TreePass::ListedFiles() {
  std::size_t files = 0;
  const int last = std::min<int>(layout_.FolderCount, core::UKvel::kMaxFolders);
  for (int i = 1; i <= last; ++i)
    files += static_cast<std::size_t>(window_.Lst(i).ListCount());
  return files;
}

}  // namespace tavelin::bench
