// The real windows under what users and disks put them through: every action on a folder of
// hostile names starts only its program, and a huge recents file loads fast and comes back sorted.
#include <QElapsedTimer>
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>

#include "core/folderchoice/FPrvSD.h"
#include "fakes/FakeViews.h"
#include "gui/TreeViewRig.h"
#include "gui/folderchoice/ChooserWindow.h"
#include "platform/TestFolders.h"
#include "platform/posix/NativeNames.h"

namespace tavelin::hardening {

namespace {

using namespace platform::testing;

constexpr auto kWordPad = "C:\\Archivos de programa\\Windows NT\\Accesorios\\wordpad.exe";

// A stand-in program: it notes the path it was started as and its arguments, NUL-separated, in
// a file of its own in $TAVELIN_STARTS, and does nothing else.
constexpr auto kRecorder =
    "#!/bin/sh\n"
    "note=\"$TAVELIN_STARTS/$$\"\n"
    "printf '%s\\0' \"$0\" \"$@\" > \"$note.part\" && mv \"$note.part\" \"$note\"\n";

std::vector<std::string> StartsIn(const std::string& folder) {
  std::vector<std::string> starts;
  for (const auto& note : std::filesystem::directory_iterator(folder))
    if (note.path().extension() != ".part") starts.push_back(ReadBytes(note.path()));
  std::ranges::sort(starts);
  return starts;
}

template <class... Parts>
std::string Note(const Parts&... parts) {
  return ((std::string(parts) + '\0') + ...);
}

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

}  // namespace

class RealWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryActionStartsOnlyItsProgramWithTheOneArgumentBuilt() {
    TempFolder temp;
    const std::string bin = temp / "bin", starts = temp / "starts";
    // The chosen folder's own name is hostile too.
    const std::string root = temp / "carpeta 'x' ; $(touch pwned)", sub = root + "/-d; touch pwned";
    for (const std::string& folder : {bin, starts, sub})
      std::filesystem::create_directories(folder);
    // The stand-ins, and shells that would note it if anything asked for one by name.
    for (const char* program :
         {"Notepad.exe", kWordPad, "mspaint.exe", "marbek.exe", "xdg-open", "sh", "bash", "dash"})
      WriteBytes(bin + '/' + program, kRecorder, 0755);
    // Every file can also be started itself, by Executa.
    for (const std::string& name : std::vector<std::string>{
             "a b.txt", "x; touch pwned", "$(touch pwned)", "`touch pwned`", "-rf", "line\nbreak",
             "it's \"q\" \\", "\xff bad \xe0.txt", "|| touch pwned &", std::string(255, 'n')})
      WriteBytes(root + '/' + name, kRecorder, 0755);
    for (const char* name : {"--help", "> pwned"})
      WriteBytes(sub + '/' + name, kRecorder, 0755);
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", (bin + ':' + path).c_str(), 1);
    ::setenv("TAVELIN_STARTS", starts.c_str(), 1);
    const ScopedWorkingDirectory inside(temp.path());
    gui::testing::TreeViewRig rig(platform::NativeLauncher());
    rig.ukvel.ShowTree(platform::FromNativeName(root));
    QVERIFY(QTest::qWaitForWindowExposed(&rig.Window()));
    std::vector<std::string> expected;
    for (int index = 1; index <= rig.layout.FolderCount; ++index) {
      gui::FileListBox& list = rig.List(index);
      const std::string folder = platform::ToNativeName(rig.layout.FolderPaths[index]);
      for (int row = 0; list.Visible() && row < list.ListCount(); ++row) {
        const std::string file = folder + platform::ToNativeName(list.List(row));
        gui::testing::PressRow(list.Widget(), row);
        for (int button = 0; button < gui::TreeWindow::kButtonCount; ++button)
          QTest::mouseClick(&rig.Window().Bt(button), Qt::LeftButton);
        gui::testing::DoubleClick(list.Widget().viewport(),
                                  gui::testing::RowCentre(list.Widget(), row));
        expected.insert(expected.end(),
                        {Note(bin + "/Notepad.exe", file), Note(bin + '/' + kWordPad, file),
                         Note(file), Note(bin + "/mspaint.exe", file),
                         Note(bin + "/marbek.exe", folder), Note(bin + "/Notepad.exe", file)});
      }
    }
    QCOMPARE(expected.size(), std::size_t{12 * 6});
    // The programs run on their own: their notes come in when they have.
    std::sort(expected.begin(), expected.end());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (StartsIn(starts).size() < expected.size() && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ::setenv("PATH", path.c_str(), 1);
    QVERIFY(StartsIn(starts) == expected);
    QVERIFY(rig.messages.shown.empty());
    for (const auto& entry : std::filesystem::recursive_directory_iterator(temp.path()))
      QVERIFY2(entry.path().filename() != "pwned", entry.path().c_str());
  }

  void HundredThousandLinesLoadFastAndGoBackSorted() {
    std::vector<std::string> lines;
    for (int i = 0; i < 100'000; ++i)
      lines.push_back("/home/anna/Projectes/" + std::to_string(i * 7919 % 100'000) + "/dades");
    // Letters and digits differ in case nowhere, so plain byte order is the list's order.
    std::sort(lines.begin(), lines.end());
    const std::string sorted = Joined(lines);
    std::shuffle(lines.begin(), lines.end(), std::mt19937(8));
    // As the chooser writes the file, in the list's order, and as anything else may have: every
    // line finds its place by halving the list. The chooser is real, the tree view fakes.
    for (const auto& [file, boundMs] : {std::pair{sorted, 3000}, std::pair{Joined(lines), 10000}}) {
      TempFolder temp;
      WriteBytes(temp / "Recents.txt", file);
      const ScopedWorkingDirectory inside(temp.path());
      fakes::FakeTreeView tree;
      gui::ChooserWindow window{platform::NativeFileSystem()};
      core::FPrvSD form{window, platform::NativeFileSystem(), tree.launcher, tree.ukvel,
                        tree.fkvel};
      QElapsedTimer timer;
      timer.start();
      window.Attach(form);
      const qint64 loadMs = timer.elapsed();
      QVERIFY2(loadMs < boundMs * kSlowdown, qPrintable(QString::number(loadMs)));
      QCOMPARE(window.LstR().ListCount(), 100'000);
      window.close();
      QCOMPARE(ReadBytes(temp / "Recents.txt"), sorted);
    }
  }
};

}  // namespace tavelin::hardening

QTEST_MAIN(tavelin::hardening::RealWindowsTest)
#include "RealWindowsTest.moc"
