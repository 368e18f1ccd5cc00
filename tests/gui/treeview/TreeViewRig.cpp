#include "TreeViewRig.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>

namespace tavelin::gui::testing {

TreeViewRig::TreeViewRig() {
  window.Attach(fkvel);
  companion.Attach(fscroll);
}

TreeViewRig::~TreeViewRig() {
  window.Unload();
  companion.Unload();
  FlushDeletes();
}

void MakeFolder(const QString& folder, const QStringList& files) {
  QDir().mkpath(folder);
  for (const QString& name : files)
    QFile(folder + u'/' + name).open(QIODevice::WriteOnly);
}

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace tavelin::gui::testing
