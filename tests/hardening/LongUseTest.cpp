// A long session: a thousand passes alternating between two trees, the tree window closed
// between them, leave memory where it was after the first passes and every list, caption and
// folder path as the last pass made them.
#include <unistd.h>

#include <QPixmapCache>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "RealTreeRig.h"
#include "gui/common/TextConversion.h"
#include "platform/posix/NativeNames.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::hardening {

namespace {

using platform::FromNativeName;
using platform::testing::TempFolder;
using platform::testing::WriteBytes;

// AddressSanitizer keeps freed memory aside for a while, so resident memory says nothing there;
// its leak check at exit covers that build.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryMeasurable = false;
#else
constexpr bool kMemoryMeasurable = true;
#endif

// Resident memory, Qt's pixmap cache emptied first: it keeps what styles and icons drew for each
// new window up to its limit, and drops the keys of emptied entries only on a timer of its own.
long ResidentKilobytes() {
  QPixmapCache::clear();
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

void MakeFolder(const std::string& path, int files) {
  std::filesystem::create_directories(path);
  for (int i = 0; i < files; ++i)
    WriteBytes(path + "/fitxer " + std::to_string(i) + ".txt", "");
}

// What a pass over `folder` puts in FolderPaths and the lists, by list number, in the walk's
// order: depth first, in the order the system lists the entries.
struct Expected {
  std::vector<std::u16string> paths{core::kFileListCount};
  std::vector<std::vector<std::u16string>> files{core::kFileListCount};
  int count = 0;

  void Walk(const std::u16string& folder) {
    const int number = ++count;
    std::vector<std::u16string> subFolders;
    for (const auto& entry : platform::NativeFileSystem().ListFolder(folder + u'/')) {
      if (entry.name == u"." || entry.name == u"..") continue;
      (entry.isDirectory ? subFolders : files[number]).push_back(entry.name);
    }
    if (!files[number].empty()) paths[number] = folder + u'/';
    for (const auto& sub : subFolders)
      Walk(folder + u'/' + sub);
  }
};

}  // namespace

class LongUseTest : public QObject {
  Q_OBJECT

 private slots:
  void AThousandPassesLeaveMemoryFlatAndTheLastPassInPlace() {
    TempFolder temp;
    // A, taller than the screen, brings the scroll companion along; B is small.
    const std::string tall = temp / "A";
    MakeFolder(tall, 3);
    for (int i = 0; i < 12; ++i)
      MakeFolder(tall + "/carpeta " + std::to_string(i), 6);
    const std::string small = temp / "B";
    MakeFolder(small, 2);
    MakeFolder(small + "/u", 1);
    MakeFolder(small + "/d", 0);

    // The cache may not fill up to its usual 10 MB between the measurements either.
    QPixmapCache::setCacheLimit(256);
    RealTreeRig rig(platform::NativeLauncher());
    constexpr int kPasses = 1000;
    constexpr int kWarmUp = 100;
    long warm = 0;
    bool companionSeen = false;
    for (int pass = 0; pass < kPasses; ++pass) {
      if (pass > 0) {
        rig.window.Window()->close();
        QVERIFY(!rig.window.Loaded());
        FlushDeletes();
      }
      rig.ukvel.ShowTree(FromNativeName(pass % 2 == 0 ? tall : small));
      // As between the user's clicks: the window paints and Qt's queued work is done.
      QCoreApplication::processEvents();
      companionSeen = companionSeen || rig.companion.Loaded();
      if (pass == kWarmUp) warm = ResidentKilobytes();
    }
    const long end = ResidentKilobytes();
    QVERIFY(companionSeen);
    qInfo("resident memory after %d passes: %ld kB, after %d: %ld kB", kWarmUp, warm, kPasses, end);
    // Qt's caches, keyed anew for every window (drawn pixmaps, accessibility ids), grow by about
    // 2 kB a pass until their own timers clean them up; a window, list or drawing that Tavelin
    // kept alive would cost 100 kB and more each time.
    if (kMemoryMeasurable) {
      QVERIFY2(end - warm < 4096, qPrintable(QStringLiteral("grew by %1 kB").arg(end - warm)));
    }

    // The last pass drew B in a fresh window; FolderPaths beyond B's folders still hold what
    // the passes over A wrote there.
    Expected a;
    a.Walk(FromNativeName(tall));
    Expected b;
    b.Walk(FromNativeName(small));
    QCOMPARE(rig.window.Window()->windowTitle(), QString::fromStdString(small));
    QCOMPARE(rig.layout.FolderCount, b.count);
    QCOMPARE(b.count, 3);
    QCOMPARE(a.count, 13);
    for (int i = 1; i < core::kFileListCount; ++i) {
      gui::FileListBox& list = rig.window.Window()->Lst(i);
      std::vector<std::u16string> items;
      for (int row = 0; row < list.ListCount(); ++row)
        items.push_back(list.List(row));
      QVERIFY2(items == b.files[i], qPrintable(QStringLiteral("Lst(%1)").arg(i)));
      QCOMPARE(list.Visible(), !b.files[i].empty());
      const std::u16string& path = b.paths[i].empty() ? a.paths[i] : b.paths[i];
      QVERIFY2(rig.layout.FolderPaths[i] == path,
               qPrintable(QStringLiteral("FolderPaths(%1)").arg(i)));
    }
    QVERIFY(!rig.companion.Loaded());
  }
};

}  // namespace tavelin::hardening

QTEST_MAIN(tavelin::hardening::LongUseTest)
#include "LongUseTest.moc"
