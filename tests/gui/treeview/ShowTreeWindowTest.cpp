#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>
#include <cmath>

#include "Pixels.h"
#include "TreeViewRig.h"
#include "gui/common/TextConversion.h"

namespace tavelin::gui {

using testing::ExtentOf;
using testing::MakeFolder;
using testing::TreeViewRig;

namespace {

const QRgb kGrey = qRgb(192, 192, 192);
const QRgb kFill = qRgb(255, 255, 128);
const QRgb kNavy = qRgb(0, 0, 128);

// The folder's entries as the platform lists them, "." and ".." left out.
struct Listing {
  QStringList files;
  QStringList folders;
};

Listing ListingOf(const QString& folder) {
  Listing listing;
  for (const auto& entry : platform::NativeFileSystem().ListFolder(ToU16String(folder + u'/'))) {
    const QString name = ToQString(entry.name);
    if (name != QStringLiteral(".") && name != QStringLiteral("..")) {
      (entry.isDirectory ? listing.folders : listing.files) << name;
    }
  }
  return listing;
}

QStringList EntriesOf(FileListBox& list) {
  QStringList entries;
  for (int i = 0; i < list.ListCount(); ++i)
    entries << ToQString(list.List(i));
  return entries;
}

}  // namespace

class ShowTreeWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir temp_;
  std::unique_ptr<TreeViewRig> rig_;

  TreeWindow& Window() { return *rig_->window.Window(); }
  FileListBox& List(int index) { return Window().Lst(index); }

 private slots:
  void init() { rig_ = std::make_unique<TreeViewRig>(); }
  void cleanup() { rig_.reset(); }

  void DrawsARealFolderAndSizesTheWindowToIt() {
    // Three files and two sub-folders, A empty and B with one file.
    const QString root = temp_.filePath(QStringLiteral("Arrel"));
    MakeFolder(root, {"un.txt", "dos.txt", "tres.txt"});
    MakeFolder(root + "/A", {});
    MakeFolder(root + "/B", {"b.txt"});
    const Listing listing = ListingOf(root);
    const bool aFirst = listing.folders == QStringList{"A", "B"};

    rig_->ukvel.ShowTree(ToU16String(root));

    QVERIFY(Window().isVisible());
    QCOMPARE(Window().windowHandle()->title(), root);
    FileListBox& files = List(1);
    QCOMPARE(EntriesOf(files), listing.files);
    QCOMPARE(files.Widget().geometry(), QRect(30, 45, 137, 41));
    FileListBox& ofB = List(aFirst ? 3 : 2);
    QCOMPARE(EntriesOf(ofB), QStringList{"b.txt"});
    QCOMPARE(ofB.Top(), aFirst ? 120.4f : 104.4f);
    for (int i = 0; i < core::kFileListCount; ++i) {
      QCOMPARE(List(i).Visible(), &List(i) == &files || &List(i) == &ofB);
    }
    QCOMPARE(rig_->layout.NextY, 136.2f);
    QCOMPARE(rig_->layout.MaxRight, 192.0f);

    // Height: NextY × 15 + the frame + 200 twips at the nearest whole pixel, which leaves the
    // client (2043 + 200) / 15 = 149.5 → 150 pixels. The width keeps the load size.
    const int frameH = Window().frameGeometry().height() - Window().height();
    QCOMPARE(Window().size(), QSize(304, 150));
    QCOMPARE(rig_->window.Height(), (150.0f + frameH) * 15);
    const int screenHeight = QGuiApplication::primaryScreen()->geometry().height();
    const long centredTop = std::lround((screenHeight - 150 - frameH) / 2.0);
    QCOMPARE(rig_->window.Top(), centredTop * 15.0f);
    QVERIFY(!rig_->companion.Loaded());

    // What the window shows: the chosen folder's box and name, the connector down to the
    // first sub-folder and that folder's box.
    const QImage shown = Window().grab().toImage();
    QCOMPARE(shown.pixel(10, 29), kGrey);
    QCOMPARE(shown.pixel(31, 43), kGrey);
    QCOMPARE(shown.pixel(12, 31), kFill);
    const QRect name = ExtentOf(shown, kNavy, QRect(0, 0, 304, 80));
    QVERIFY(name.left() >= 14 && name.left() <= 16 && name.top() >= 29 && name.bottom() < 43);
    QCOMPARE(shown.pixel(20, 60), kGrey);
    QCOMPARE(shown.pixel(28, 95), kGrey);
    QCOMPARE(shown.pixel(30, 95), kGrey);
  }

  void ASmallerSecondTreeHidesTheListsOfTheFirst() {
    const QString big = temp_.filePath(QStringLiteral("Gran"));
    MakeFolder(big, {"g.txt"});
    for (const char* sub : {"u", "d", "t"})
      MakeFolder(big + u'/' + sub, {"f.txt"});
    rig_->ukvel.ShowTree(ToU16String(big));
    for (int i = 1; i <= 4; ++i)
      QVERIFY(List(i).Visible());

    const QString small = temp_.filePath(QStringLiteral("Petit"));
    MakeFolder(small, {"p1.txt", "p2.txt"});
    rig_->ukvel.ShowTree(ToU16String(small));

    QCOMPARE(Window().windowHandle()->title(), small);
    QCOMPARE(EntriesOf(List(1)), ListingOf(small).files);
    for (int i = 2; i <= 4; ++i) {
      QVERIFY(!List(i).Visible());
      QCOMPARE(EntriesOf(List(i)), QStringList{"f.txt"});  // hidden, not emptied
    }
    // The old drawing is gone: only the new folder's box is left.
    const QImage& image = Window().Surface().Image();
    QCOMPARE(ExtentOf(image, kGrey, image.rect()), QRect(QPoint(10, 29), QPoint(31, 43)));
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::ShowTreeWindowTest)
#include "ShowTreeWindowTest.moc"
