// Every button and the double click, on every file of a folder of hostile names, through the
// real windows and the real launcher: only the named programs start, each with exactly the one
// argument built, and no shell ever reads a name.
#include <QtTest>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "gui/TreeViewRig.h"
#include "platform/posix/NativeNames.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::hardening {

namespace {

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
    const std::string bytes = platform::testing::ReadBytes(note.path());
    for (std::size_t begin = 0, end; (end = bytes.find('\0', begin)) != std::string::npos;
         begin = end + 1)
      start.push_back(bytes.substr(begin, end - begin));
    starts.push_back(start);
  }
  std::sort(starts.begin(), starts.end());
  return starts;
}

}  // namespace

class HostileLaunchTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryActionStartsOnlyItsProgramWithTheOneArgumentBuilt() {
    TempFolder temp;
    const std::string bin = temp / "bin", starts = temp / "starts";
    // The chosen folder's own name is hostile too.
    const std::string root = temp / "carpeta 'x' ; $(touch pwned)";
    const std::string sub = root + "/-d; touch pwned";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(starts);
    std::filesystem::create_directories(sub);
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
    const platform::testing::ScopedWorkingDirectory inside(temp.path());

    gui::testing::TreeViewRig rig(platform::NativeLauncher());
    rig.ukvel.ShowTree(platform::FromNativeName(root));
    QVERIFY(QTest::qWaitForWindowExposed(&rig.Window()));
    std::vector<Start> expected;
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
        for (const Start& start : std::vector<Start>{{bin + "/Notepad.exe", file},
                                                     {bin + '/' + kWordPad, file},
                                                     {file},
                                                     {bin + "/mspaint.exe", file},
                                                     {bin + "/marbek.exe", folder},
                                                     {bin + "/Notepad.exe", file}})
          expected.push_back(start);
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
};

}  // namespace tavelin::hardening

QTEST_MAIN(tavelin::hardening::HostileLaunchTest)
#include "HostileLaunchTest.moc"
