#include "TreePass.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <chrono>
#include <stdexcept>

#include "Clock.h"

namespace tavelin::bench {

void TimedFileSystem::EnumerateFolder(
    const std::u16string& folder, const std::function<void(platform::FolderEntry&&)>& take) const {
  const std::int64_t start = MonotonicNs();
  native_.EnumerateFolder(folder, take);
  // What the walk does with each entry as it comes is counted too; it is little beside the read.
  readNs += MonotonicNs() - start;
  ++foldersRead;
}

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
  fileSystem_.readNs = 0;
  fileSystem_.foldersRead = 0;
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
