// Odd and huge recents files through the real chooser: its sorted combo box loads them, and
// closing the chooser writes back every line it loaded, byte for byte, in the list's order.
#include <QElapsedTimer>
#include <QtTest>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/folderchoice/FPrvSD.h"
#include "fakes/FakeTreeView.h"
#include "gui/common/TextConversion.h"
#include "gui/folderchoice/ChooserWindow.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::gui {

namespace {

using platform::testing::ReadBytes;
using platform::testing::ScopedWorkingDirectory;
using platform::testing::TempFolder;
using platform::testing::WriteBytes;
using namespace std::string_literals;

// Sanitizers make every allocation several times dearer; the bound stays meaningful without.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kSlowdown = 8;
#else
constexpr qint64 kSlowdown = 1;
#endif

std::string Joined(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines)
    bytes += line + "\r\n";
  return bytes;
}

// The chooser on the real file system in `folder`, with the tree view on fakes; its load step
// reads Recents.txt there.
struct Chooser {
  explicit Chooser(const std::string& folder) : inside(folder) {}

  ScopedWorkingDirectory inside;
  fakes::FakeTreeView tree;
  ChooserWindow window{platform::NativeFileSystem()};
  core::FPrvSD form{window, platform::NativeFileSystem(), tree.launcher, tree.ukvel, tree.fkvel};
};

// Loads `lines` as Recents.txt into a new chooser, checks the list and what closing writes
// back, and gives the time the load took.
qint64 LoadAndWriteBack(std::vector<std::string> lines) {
  TempFolder temp;
  WriteBytes(temp / "Recents.txt", Joined(lines));
  Chooser chooser(temp.path());
  QElapsedTimer timer;
  timer.start();
  chooser.window.Attach(chooser.form);
  const qint64 elapsed = timer.elapsed();

  // Letters and digits differ in case nowhere, so plain byte order is the list's order.
  std::sort(lines.begin(), lines.end());
  const core::ComboBox& recents = chooser.window.LstR();
  if (recents.ListCount() != static_cast<int>(lines.size())) return -1;
  for (const int i : {0, 1, 49'999, 99'999}) {
    if (recents.List(i) != ToU16String(QString::fromStdString(lines[i]))) return -1;
  }
  chooser.window.close();
  return ReadBytes(temp / "Recents.txt") == Joined(lines) ? elapsed : -1;
}

}  // namespace

class RecentsChooserTest : public QObject {
  Q_OBJECT

 private slots:
  void HundredThousandLinesLoadFastAndGoBackSorted() {
    std::vector<std::string> lines;
    for (int i = 0; i < 100'000; ++i) {
      lines.push_back("/home/anna/Projectes/" + std::to_string(i * 7919 % 100'000) + "/dades");
    }
    // As the chooser writes the file: in the list's order.
    std::sort(lines.begin(), lines.end());
    const qint64 sorted = LoadAndWriteBack(lines);
    QVERIFY(sorted >= 0);
    QVERIFY2(sorted < 1000 * kSlowdown, qPrintable(QStringLiteral("%1 ms").arg(sorted)));

    // Written by anything else, in any order: every line finds its place by halving the list.
    std::shuffle(lines.begin(), lines.end(), std::mt19937(8));
    const qint64 shuffled = LoadAndWriteBack(lines);
    QVERIFY(shuffled >= 0);
    QVERIFY2(shuffled < 5000 * kSlowdown, qPrintable(QStringLiteral("%1 ms").arg(shuffled)));
    qInfo("100,000 lines load in %lld ms sorted, %lld ms shuffled", sorted, shuffled);
  }

  void OddBytesComeBackAsTheyWere() {
    const std::string megabyteLine = "/" + std::string(1 << 20, 'm');
    struct Case {
      const char* what;
      std::string file;
      int items;
      std::string writtenBack;
    };
    const Case cases[] = {
        {"NUL bytes", "/b\0c\r\n\0\r\n/a"s, 3, "\0\r\n/a\r\n/b\0c\r\n"s},
        {"not UTF-8", "/x\xff\xfe\r\n/\xc3\xa9s\r\n/\xed\xa0\x80\xc0\xaf", 3,
         "/x\xff\xfe\r\n/\xc3\xa9s\r\n/\xed\xa0\x80\xc0\xaf\r\n"},
        {"only CRs", "\r\r\r", 3, "\r\n\r\n\r\n"},
        {"a line of a megabyte", megabyteLine + "\n/0", 2, "/0\r\n" + megabyteLine + "\r\n"},
    };
    for (const Case& c : cases) {
      TempFolder temp;
      WriteBytes(temp / "Recents.txt", c.file);
      Chooser chooser(temp.path());
      chooser.window.Attach(chooser.form);
      QVERIFY2(chooser.window.LstR().ListCount() == c.items, c.what);
      chooser.window.close();
      QVERIFY2(ReadBytes(temp / "Recents.txt") == c.writtenBack, c.what);
    }
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::RecentsChooserTest)
#include "RecentsChooserTest.moc"
