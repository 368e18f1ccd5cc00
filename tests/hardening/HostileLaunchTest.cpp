// Every button and the double click, on every file of a folder of hostile names, through the
// real windows and the real launcher: only the named programs start, each with exactly the one
// argument built, and no shell ever reads a name. The names also show readably in the lists.
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "RealTreeRig.h"
#include "gui/common/TextConversion.h"
#include "platform/posix/NativeNames.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::hardening {

namespace {

using platform::FromNativeName;
using platform::testing::ReadBytes;
using platform::testing::ScopedWorkingDirectory;
using platform::testing::TempFolder;
using platform::testing::WriteBytes;
using Start = std::vector<std::string>;  // the program's path, then its arguments

constexpr auto kWordPad = "C:\\Archivos de programa\\Windows NT\\Accesorios\\wordpad.exe";

// A stand-in program: it notes the path it was started as and its arguments, NUL-separated, in
// a file of its own in $TAVELIN_STARTS, and does nothing else.
constexpr auto kRecorder =
    "#!/bin/sh\n"
    "note=\"$TAVELIN_STARTS/$$\"\n"
    "printf '%s\\0' \"$0\" \"$@\" > \"$note.part\" && mv \"$note.part\" \"$note\"\n";

std::vector<Start> StartsIn(const std::string& folder) {
  std::vector<Start> starts;
  for (const auto& note : std::filesystem::directory_iterator(folder)) {
    if (note.path().extension() == ".part") continue;
    Start start;
    const std::string bytes = ReadBytes(note.path());
    for (std::size_t begin = 0, end; (end = bytes.find('\0', begin)) != std::string::npos;
         begin = end + 1) {
      start.push_back(bytes.substr(begin, end - begin));
    }
    starts.push_back(start);
  }
  std::sort(starts.begin(), starts.end());
  return starts;
}

bool AnythingNamed(const std::string& folder, const std::string& name) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.path().filename() == name) return true;
  }
  return false;
}

QString Readable(const QString& name) {
  QString shown = name;
  for (QChar& c : shown) {
    if (c.isSurrogate()) c = QChar::ReplacementCharacter;
  }
  return shown;
}

}  // namespace

class HostileLaunchTest : public QObject {
  Q_OBJECT

 private:
  TempFolder temp_;
  const std::string bin_ = temp_ / "bin";
  const std::string starts_ = temp_ / "starts";
  // The chosen folder's own name is hostile too.
  const std::string root_ = temp_ / "carpeta 'x' ; $(touch pwned)";
  const std::string sub_ = root_ + "/-d; touch pwned";
  const std::vector<std::string> rootFiles_ = {"a b.txt",
                                               "x; touch pwned",
                                               "$(touch pwned)",
                                               "`touch pwned`",
                                               "-rf",
                                               "line\nbreak",
                                               "it's \"q\" \\",
                                               "\xff bad \xe0.txt",
                                               "|| touch pwned &",
                                               std::string(255, 'n')};
  const std::vector<std::string> subFiles_ = {"--help", "> pwned"};
  std::string previousPath_;

  gui::TreeWindow& Window(RealTreeRig& rig) { return *rig.window.Window(); }

  void PressRow(QListView& view, int row) {
    const QPoint centre = view.visualRect(view.model()->index(row, 0)).center();
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, centre);
  }

  void DoubleClickRow(QListView& view, int row) {
    PressRow(view, row);
    const QPoint centre = view.visualRect(view.model()->index(row, 0)).center();
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, centre);
  }

 private slots:
  void initTestCase() {
    std::filesystem::create_directories(bin_);
    std::filesystem::create_directories(starts_);
    std::filesystem::create_directories(sub_);
    // The stand-ins, and shells that would note it if anything asked for one by name.
    for (const char* program :
         {"Notepad.exe", kWordPad, "mspaint.exe", "marbek.exe", "xdg-open", "sh", "bash", "dash"}) {
      WriteBytes(bin_ + '/' + program, kRecorder, 0755);
    }
    // Every file can also be started itself, by Executa.
    for (const std::string& name : rootFiles_)
      WriteBytes(root_ + '/' + name, kRecorder, 0755);
    for (const std::string& name : subFiles_)
      WriteBytes(sub_ + '/' + name, kRecorder, 0755);
    previousPath_ = std::getenv("PATH");
    ::setenv("PATH", (bin_ + ':' + previousPath_).c_str(), 1);
    ::setenv("TAVELIN_STARTS", starts_.c_str(), 1);
  }

  void cleanupTestCase() {
    ::setenv("PATH", previousPath_.c_str(), 1);
    ::unsetenv("TAVELIN_STARTS");
  }

  void EveryActionStartsOnlyItsProgramWithTheOneArgumentBuilt() {
    const ScopedWorkingDirectory inside(temp_.path());
    RealTreeRig rig(platform::NativeLauncher());
    rig.ukvel.ShowTree(FromNativeName(root_));
    QVERIFY(QTest::qWaitForWindowExposed(&Window(rig)));

    std::vector<Start> expected;
    int listed = 0;
    for (int index = 1; index <= rig.layout.FolderCount; ++index) {
      gui::FileListBox& list = Window(rig).Lst(index);
      if (!list.Visible()) continue;
      const std::string folder = platform::ToNativeName(rig.layout.FolderPaths[index]);
      for (int row = 0; row < list.ListCount(); ++row) {
        const std::string file = folder + platform::ToNativeName(list.List(row));
        PressRow(list.Widget(), row);
        for (int button = 0; button < gui::TreeWindow::kButtonCount; ++button) {
          QTest::mouseClick(&Window(rig).Bt(button), Qt::LeftButton);
        }
        DoubleClickRow(list.Widget(), row);
        expected.push_back({bin_ + "/Notepad.exe", file});
        expected.push_back({bin_ + '/' + kWordPad, file});
        expected.push_back({file});
        expected.push_back({bin_ + "/mspaint.exe", file});
        expected.push_back({bin_ + "/marbek.exe", folder});
        expected.push_back({bin_ + "/Notepad.exe", file});
        ++listed;
      }
    }
    QCOMPARE(listed, static_cast<int>(rootFiles_.size() + subFiles_.size()));

    // The programs run on their own: their notes come in when they have.
    std::sort(expected.begin(), expected.end());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (StartsIn(starts_).size() < expected.size() &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    QVERIFY(StartsIn(starts_) == expected);
    qInfo("%zu programs started for %d files", expected.size(), listed);
    QVERIFY(rig.messages.shown.empty());
    QVERIFY(!AnythingNamed(temp_.path(), "pwned"));
  }

  void NamesThatAreNoUtf8ShowTheReplacementCharacter() {
    RealTreeRig rig(platform::NativeLauncher());
    rig.ukvel.ShowTree(FromNativeName(root_));
    QVERIFY(QTest::qWaitForWindowExposed(&Window(rig)));

    gui::FileListBox& list = Window(rig).Lst(1);
    QCOMPARE(rig.layout.FolderPaths[1], FromNativeName(root_ + '/'));
    int bad = -1;
    for (int row = 0; row < list.ListCount(); ++row) {
      if (list.List(row) == FromNativeName("\xff bad \xe0.txt")) bad = row;
    }
    QVERIFY(bad >= 0);
    // Shown alone in a list of its own, it looks exactly like its readable form.
    gui::FileListBox& shown = Window(rig).Lst(49);
    gui::FileListBox& readable = Window(rig).Lst(50);
    for (gui::FileListBox* other : {&shown, &readable}) {
      other->SetLeft(30);
      other->SetTop(200);
      other->SetHeight(15);
      other->SetVisible(true);
    }
    shown.AddItem(list.List(bad));
    readable.AddItem(gui::ToU16String(Readable(gui::ToQString(list.List(bad)))));
    QCOMPARE(gui::ToQString(readable.List(0)),
             QString::fromUtf8("\xef\xbf\xbd bad \xef\xbf\xbd.txt"));
    const QImage shownImage = shown.Widget().grab().toImage();
    QCOMPARE(shownImage, readable.Widget().grab().toImage());
    // ... and unlike the name without it.
    readable.Clear();
    readable.AddItem(u" bad .txt");
    QVERIFY(shownImage != readable.Widget().grab().toImage());
  }
};

}  // namespace tavelin::hardening

QTEST_MAIN(tavelin::hardening::HostileLaunchTest)
#include "HostileLaunchTest.moc"
