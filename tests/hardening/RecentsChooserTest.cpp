// Odd and huge recents files through the real chooser: its sorted combo box loads them, and
// closing the chooser writes back every line it loaded, byte for byte, in the list's order.
#include <QElapsedTimer>
#include <QtTest>
#include <algorithm>
#include <random>

#include "core/folderchoice/FPrvSD.h"
#include "fakes/FakeTreeView.h"
#include "gui/folderchoice/ChooserWindow.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::gui {

namespace {

using platform::testing::ReadBytes;
using platform::testing::WriteBytes;
using namespace std::string_literals;

// Sanitizers make every allocation several times dearer; the bound stays meaningful without.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kSlowdown = 8;
#else
constexpr qint64 kSlowdown = 1;
#endif

struct Outcome {
  int items = -1;
  std::u16string first, last;
  std::string writtenBack;
  qint64 loadMs = 0;
};

// Recents.txt of these bytes, loaded into a new chooser on the real file system and written
// back by closing it; the tree view is on fakes.
Outcome LoadAndClose(const std::string& bytes) {
  platform::testing::TempFolder temp;
  WriteBytes(temp / "Recents.txt", bytes);
  const platform::testing::ScopedWorkingDirectory inside(temp.path());
  fakes::FakeTreeView tree;
  ChooserWindow window{platform::NativeFileSystem()};
  core::FPrvSD form{window, platform::NativeFileSystem(), tree.launcher, tree.ukvel, tree.fkvel};
  Outcome outcome;
  QElapsedTimer timer;
  timer.start();
  window.Attach(form);
  outcome.loadMs = timer.elapsed();
  const core::ComboBox& recents = window.LstR();
  outcome.items = recents.ListCount();
  outcome.first = recents.List(0);
  outcome.last = recents.List(recents.ListCount() - 1);
  window.close();
  outcome.writtenBack = ReadBytes(temp / "Recents.txt");
  return outcome;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines)
    bytes += line + "\r\n";
  return bytes;
}

}  // namespace

class RecentsChooserTest : public QObject {
  Q_OBJECT

 private slots:
  void HundredThousandLinesLoadFastAndGoBackSorted() {
    std::vector<std::string> lines;
    for (int i = 0; i < 100'000; ++i)
      lines.push_back("/home/anna/Projectes/" + std::to_string(i * 7919 % 100'000) + "/dades");
    // Letters and digits differ in case nowhere, so plain byte order is the list's order.
    std::sort(lines.begin(), lines.end());
    const std::string sorted = Joined(lines);
    std::shuffle(lines.begin(), lines.end(), std::mt19937(8));
    // As the chooser writes the file, in the list's order, and as anything else may have: every
    // line finds its place by halving the list.
    for (const auto& [file, boundMs] : {std::pair{sorted, 1000}, std::pair{Joined(lines), 5000}}) {
      const Outcome outcome = LoadAndClose(file);
      QCOMPARE(outcome.items, 100'000);
      QCOMPARE(outcome.writtenBack, sorted);
      QVERIFY2(outcome.loadMs < boundMs * kSlowdown, qPrintable(QString::number(outcome.loadMs)));
    }
  }

  void OddBytesComeBackAsTheyWere() {
    const std::string megabyteLine = "/" + std::string(1 << 20, 'm');
    const struct {
      const char* what;
      std::string file;
      int items;
      std::string writtenBack;
    } cases[] = {
        {"NUL bytes", "/b\0c\r\n\0\r\n/a"s, 3, "\0\r\n/a\r\n/b\0c\r\n"s},
        {"not UTF-8", "/x\xff\xfe\r\n/\xc3\xa9s\r\n/\xed\xa0\x80\xc0\xaf", 3,
         "/x\xff\xfe\r\n/\xc3\xa9s\r\n/\xed\xa0\x80\xc0\xaf\r\n"},
        {"only CRs", "\r\r\r", 3, "\r\n\r\n\r\n"},
        {"a line of a megabyte", megabyteLine + "\n/0", 2, "/0\r\n" + megabyteLine + "\r\n"},
        {"case", "/b\r\n/B\r\n/a\r\n/A", 4, "/a\r\n/A\r\n/b\r\n/B\r\n"},
    };
    for (const auto& c : cases) {
      const Outcome outcome = LoadAndClose(c.file);
      QVERIFY2(outcome.items == c.items, c.what);
      QVERIFY2(outcome.writtenBack == c.writtenBack, c.what);
    }
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::RecentsChooserTest)
#include "RecentsChooserTest.moc"
