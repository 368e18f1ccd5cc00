// The tree view as the program wires it: the real core on the real Qt windows and file system,
// messages recorded, and a recording launcher unless the caller brings another. With it, the
// ways a user reaches the windows and reads their drawing back.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListView>
#include <QStringList>
#include <QtTest>

#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "fakes/FakeViews.h"
#include "gui/common/QtScreen.h"
#include "gui/common/TextConversion.h"
#include "gui/treeview/ScrollCompanionHost.h"
#include "gui/treeview/TreeWindowHost.h"

namespace tavelin::gui::testing {

inline const QRgb kGrey = qRgb(192, 192, 192), kFill = qRgb(255, 255, 128), kNavy = qRgb(0, 0, 128);

// Deletes the windows that were let go of with deleteLater.
inline void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void MakeFolder(const QString& folder, const QStringList& files) {
  QDir().mkpath(folder);
  for (const QString& name : files)
    QFile(folder + u'/' + name).open(QIODevice::WriteOnly);
}

// The smallest rectangle holding every pixel of `colour` within `area`; null when there is none.
inline QRect ExtentOf(const QImage& image, QRgb colour, const QRect& area) {
  QRect extent;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      extent |= image.pixel(x, y) == colour ? QRect(x, y, 1, 1) : QRect();
  return extent;
}

inline int CountOtherThan(const QImage& image, const QList<QRgb>& colours, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      count += !colours.contains(image.pixel(x, y));
  return count;
}

// What a real double click delivers: QTest's own sends the double-click event alone.
inline void DoubleClick(QWidget* widget, QPoint where, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mousePress(widget, button, {}, where);
  QTest::mouseRelease(widget, button, {}, where);
  QTest::mouseDClick(widget, button, {}, where);
  QTest::mouseRelease(widget, button, {}, where);
}

inline QPoint RowCentre(QListView& view, int row) {
  return view.visualRect(view.model()->index(row, 0)).center();
}

inline void PressRow(QListView& view, int row, Qt::MouseButton button = Qt::LeftButton,
                     Qt::KeyboardModifiers modifiers = {}) {
  QTest::mouseClick(view.viewport(), button, modifiers, RowCentre(view, row));
}

inline QStringList EntriesOf(const core::ListControl& list) {
  QStringList entries;
  for (int i = 0; i < list.ListCount(); ++i)
    entries << ToQString(list.List(i));
  return entries;
}

struct TreeViewRig {
  TreeViewRig() : TreeViewRig(recorded) {}
  explicit TreeViewRig(platform::Launcher& launcher)
      : fkvel(window, fscroll, layout, launcher, messages) {
    window.Attach(fkvel);
    companion.Attach(fscroll);
  }
  ~TreeViewRig() {
    window.Unload();
    companion.Unload();
    FlushDeletes();
  }

  TreeWindow& Window() { return *window.Window(); }
  FileListBox& List(int index) { return Window().Lst(index); }

  fakes::FakeLauncher recorded;
  core::TreeLayoutState layout;
  QtScreen screen;
  fakes::FakeMessages messages;
  TreeWindowHost window;
  ScrollCompanionHost companion;
  core::FScroll fscroll{companion, window, screen};
  core::FKvel fkvel;
  core::UKvel ukvel{layout, platform::NativeFileSystem(), messages, fkvel, fscroll, screen};
};

}  // namespace tavelin::gui::testing
