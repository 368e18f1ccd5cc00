#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "fakes/FakeViews.h"
#include "platform/FolderListingTest.h"
#include "platform/Platform.h"
#include "platform/TestFolders.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {
namespace {

using testing::MakeFolder;
using testing::Utf16;
using testing::WriteBytes;
using Items = std::vector<std::u16string>;

// System entries are left out like hidden ones; being read-only or changed hides nothing.
TEST(ListFolder, LeavesOutSystemEntriesAndKeepsReadOnlyAndChangedOnes) {
  testing::TempFolder temp;
  MakeFolder(temp / L"Carpeta de sistema", FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(temp / L"Només lectura", FILE_ATTRIBUTE_READONLY);
  for (const auto& [name, attributes] :
       {std::pair<std::wstring, DWORD>{L"llegir.txt", FILE_ATTRIBUTE_READONLY},
        {L"arxiu.txt", FILE_ATTRIBUTE_ARCHIVE},
        {L"sistema.sys", FILE_ATTRIBUTE_SYSTEM},
        {L"desktop.ini", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}}) {
    WriteBytes(temp / name, "x", attributes);
  }
  EXPECT_EQ(ListingOf(temp.path()),
            Expected(temp.path(),
                     {{u"Només lectura", true}, {u"llegir.txt", false}, {u"arxiu.txt", false}}));
  const FileSystem& fs = NativeFileSystem();
  EXPECT_TRUE(fs.IsOrdinaryFile(Utf16(temp / L"llegir.txt")));
  EXPECT_FALSE(fs.IsOrdinaryFile(Utf16(temp / L"sistema.sys")));
}

// The core's walk from the root of a drive that holds nothing else, named by TAVELIN_TEST_DRIVE
// (such as "T:"): the path with the backslash doubled after the colon still leads to the files.
TEST(NativeWalk, FromADriveRootDoublesTheBackslashAfterTheColon) {
  const char* drive = std::getenv("TAVELIN_TEST_DRIVE");
  if (drive == nullptr) GTEST_SKIP() << "TAVELIN_TEST_DRIVE names no empty drive to walk";
  const std::wstring r(drive, drive + std::char_traits<char>::length(drive));
  ASSERT_EQ(testing::RawEntries(r).size(), 0u) << "the drive must be empty";
  struct Emptied {
    const std::wstring& folder;
    ~Emptied() { testing::EmptyFolder(folder); }
  } emptied{r};
  WriteBytes(r + L"\\arrel.txt", "x");
  MakeFolder(r + L"\\Dades");
  WriteBytes(r + L"\\Dades\\a.txt", "dades\r\n");
  MakeFolder(r + L"\\Dades\\Sub");

  fakes::RecordingTreeView tree(NativeFileSystem());
  tree.window.Load();
  tree.ukvel.WalkFolder(tree.window, Utf16(r + L'\\'), 10, 29);
  EXPECT_EQ(tree.FolderNames(), (Items{u"", u"Dades", u"Sub"}));
  EXPECT_EQ(tree.window.List(1).items, Items{u"arrel.txt"});
  EXPECT_EQ(tree.window.List(2).items, Items{u"a.txt"});
  EXPECT_TRUE(tree.messages.shown.empty());
  EXPECT_EQ(NativeFileSystem().ReadFile(tree.layout.FolderPaths[2] + u"a.txt"), "dades\r\n");
}

}  // namespace
}  // namespace tavelin::platform
