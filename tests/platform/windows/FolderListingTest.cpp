#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fakes/FakeTreeView.h"
#include "platform/Platform.h"
#include "platform/windows/TestFolders.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {
namespace {

using testing::MakeFolder;
using testing::TempFolder;
using testing::Utf16;
using testing::WriteBytes;
using Listing = std::vector<std::pair<std::u16string, bool>>;
using Items = std::vector<std::u16string>;

Listing ListingOf(const std::wstring& folder) {
  Listing listed;
  for (const FolderEntry& entry : NativeFileSystem().ListFolder(Utf16(folder + L'\\')))
    listed.emplace_back(entry.name, entry.isDirectory);
  return listed;
}

// What the listing must show, each name with whether it is a folder, in the system's order.
Listing Expected(const std::wstring& folder, const std::map<std::wstring, bool>& visible) {
  Listing expected;
  for (const std::wstring& name : testing::RawNames(folder)) {
    if (visible.contains(name)) expected.emplace_back(Utf16(name), visible.at(name));
  }
  EXPECT_EQ(expected.size(), visible.size());
  return expected;
}

// Hidden and system entries are left out, but the dots come through even of a hidden folder. A
// hidden folder is a folder all the same; an ordinary file is neither hidden nor system itself.
TEST(ListFolder, LeavesOutHiddenAndSystemEntriesAndKeepsTheSystemsOrder) {
  TempFolder temp;
  MakeFolder(temp / L"Sub folder");
  MakeFolder(temp / L"Carpeta amagada", FILE_ATTRIBUTE_HIDDEN);
  MakeFolder(temp / L"Carpeta de sistema", FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(temp / L"Només lectura", FILE_ATTRIBUTE_READONLY);
  WriteBytes(temp / L"Carpeta amagada\\dins.txt", "x");
  for (const auto& [name, attributes] :
       {std::pair<std::wstring, DWORD>{L"b.txt", 0},
        {L"Pressupost 2024 à l'obra.txt", 0},
        {L"llegir.txt", FILE_ATTRIBUTE_READONLY},
        {L"arxiu.txt", FILE_ATTRIBUTE_ARCHIVE},
        {L"tots dos.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE},
        {L"amagat.txt", FILE_ATTRIBUTE_HIDDEN},
        {L"sistema.sys", FILE_ATTRIBUTE_SYSTEM},
        {L"desktop.ini", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}}) {
    WriteBytes(temp / name, "x", attributes);
  }
  EXPECT_EQ(ListingOf(temp.path()), Expected(temp.path(), {{L".", true},
                                                           {L"..", true},
                                                           {L"Sub folder", true},
                                                           {L"Només lectura", true},
                                                           {L"b.txt", false},
                                                           {L"Pressupost 2024 à l'obra.txt", false},
                                                           {L"llegir.txt", false},
                                                           {L"arxiu.txt", false},
                                                           {L"tots dos.txt", false}}));
  EXPECT_EQ(
      ListingOf(temp / L"Carpeta amagada"),
      Expected(temp / L"Carpeta amagada", {{L".", true}, {L"..", true}, {L"dins.txt", false}}));
  for (const wchar_t* none : {L"no hi és\\", L"b.txt\\", L"no hi és\\ni aquesta\\"})
    EXPECT_TRUE(NativeFileSystem().ListFolder(Utf16(temp / none)).empty());

  struct Case {
    std::wstring path;
    bool folder, ordinaryFile;
  };
  const Case cases[] = {{temp / L"Sub folder", true, false},
                        {temp / L"Sub folder\\", true, false},
                        {temp / L"Carpeta amagada", true, false},
                        {L"C:\\", true, false},
                        {temp / L"b.txt", false, true},
                        {temp / L"tots dos.txt", false, true},
                        {temp / L"Carpeta amagada\\dins.txt", false, true},
                        {temp / L"amagat.txt", false, false},
                        {temp / L"sistema.sys", false, false},
                        {temp / L"no hi és", false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    EXPECT_EQ(NativeFileSystem().IsFolder(Utf16(c.path)), c.folder);
    EXPECT_EQ(NativeFileSystem().IsOrdinaryFile(Utf16(c.path)), c.ordinaryFile);
  }
}

TEST(ListFolder, ReachesFoldersDeeperThanMaxPath) {
  TempFolder temp;
  std::wstring deep = temp.path();
  for (wchar_t level = L'0'; level < L'6'; ++level)
    MakeFolder(deep += L"\\carpeta-" + std::wstring(1, level) + L'-' + std::wstring(50, L'à'));
  ASSERT_GT(deep.size(), static_cast<std::size_t>(MAX_PATH));
  WriteBytes(deep + L"\\al fons.txt", "profund\r\n");
  MakeFolder(deep + L"\\més avall");
  const FileSystem& fs = NativeFileSystem();
  EXPECT_EQ(
      ListingOf(deep),
      Expected(deep, {{L".", true}, {L"..", true}, {L"al fons.txt", false}, {L"més avall", true}}));
  EXPECT_TRUE(fs.IsFolder(Utf16(deep)));
  EXPECT_TRUE(fs.IsOrdinaryFile(Utf16(deep + L"\\al fons.txt")));
  EXPECT_EQ(fs.ReadFile(Utf16(deep + L"\\al fons.txt")), "profund\r\n");
  fs.ReplaceFile(Utf16(deep + L"\\al fons.txt"), "nou\r\n");
  EXPECT_EQ(testing::ReadBytes(deep + L"\\al fons.txt"), "nou\r\n");
}

// The core's walk from the root of a drive that holds nothing else, named by TAVELIN_TEST_DRIVE
// (such as "T:"): the backslash after the colon doubles in every derived path, which still leads
// to the files, and hidden and system folders are neither listed nor walked.
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
  WriteBytes(r + L"\\amagat.txt", "x", FILE_ATTRIBUTE_HIDDEN);
  MakeFolder(r + L"\\Dades");
  WriteBytes(r + L"\\Dades\\a.txt", "dades\r\n");
  MakeFolder(r + L"\\Dades\\Sub");
  MakeFolder(r + L"\\Ocult", FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(r + L"\\Ocult\\dins.txt", "x");
  MakeFolder(r + L"\\Sistema", FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(r + L"\\Sistema\\Sub");

  fakes::RecordingTreeView tree(NativeFileSystem());
  tree.window.Load();
  tree.ukvel.WalkFolder(tree.window, Utf16(r + L'\\'), 10, 29);
  EXPECT_EQ(tree.FolderNames(), (Items{u"", u"Dades", u"Sub"}));
  EXPECT_EQ(Items(tree.layout.FolderPaths.begin() + 1, tree.layout.FolderPaths.begin() + 4),
            (Items{Utf16(r) + u"\\\\", Utf16(r) + u"\\\\Dades\\", u""}));
  EXPECT_EQ(tree.window.List(1).items, Items{u"arrel.txt"});
  EXPECT_EQ(tree.window.List(2).items, Items{u"a.txt"});
  EXPECT_TRUE(tree.messages.shown.empty());
  EXPECT_EQ(NativeFileSystem().ReadFile(tree.layout.FolderPaths[2] + u"a.txt"), "dades\r\n");
}

}  // namespace
}  // namespace tavelin::platform
