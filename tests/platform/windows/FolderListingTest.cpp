#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "platform/windows/TestFolders.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {
namespace {

using testing::MakeFolder;
using testing::RawNames;
using testing::TempFolder;
using testing::Utf16;
using testing::WriteBytes;

using Listing = std::vector<std::pair<std::u16string, bool>>;

Listing ListingOf(const std::wstring& folder) {
  Listing listed;
  for (const FolderEntry& entry : NativeFileSystem().ListFolder(Utf16(folder + L'\\'))) {
    listed.emplace_back(entry.name, entry.isDirectory);
  }
  return listed;
}

// What the listing must show, each name with whether it is a folder, in the system's order.
Listing Expected(const std::wstring& folder, const std::map<std::wstring, bool>& visible) {
  Listing expected;
  for (const std::wstring& name : RawNames(folder)) {
    if (const auto it = visible.find(name); it != visible.end()) {
      expected.emplace_back(Utf16(name), it->second);
    }
  }
  return expected;
}

TEST(ListFolder, LeavesOutHiddenAndSystemEntriesAndKeepsTheSystemsOrder) {
  TempFolder temp;
  MakeFolder(temp / L"Sub folder");
  MakeFolder(temp / L"Carpeta amagada", FILE_ATTRIBUTE_HIDDEN);
  MakeFolder(temp / L"Carpeta de sistema", FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(temp / L"Només lectura", FILE_ATTRIBUTE_READONLY);
  WriteBytes(temp / L"Carpeta amagada\\dins.txt", "x");
  WriteBytes(temp / L"b.txt", "x");
  WriteBytes(temp / L"Pressupost 2024 à l'obra.txt", "x");
  WriteBytes(temp / L"llegir.txt", "x", FILE_ATTRIBUTE_READONLY);
  WriteBytes(temp / L"arxiu.txt", "x", FILE_ATTRIBUTE_ARCHIVE);
  WriteBytes(temp / L"tots dos.txt", "x", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  WriteBytes(temp / L"amagat.txt", "x", FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(temp / L"sistema.sys", "x", FILE_ATTRIBUTE_SYSTEM);
  WriteBytes(temp / L"desktop.ini", "x", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

  const std::map<std::wstring, bool> visible = {{L".", true},
                                                {L"..", true},
                                                {L"Sub folder", true},
                                                {L"Només lectura", true},
                                                {L"b.txt", false},
                                                {L"Pressupost 2024 à l'obra.txt", false},
                                                {L"llegir.txt", false},
                                                {L"arxiu.txt", false},
                                                {L"tots dos.txt", false}};
  const Listing expected = Expected(temp.path(), visible);
  ASSERT_EQ(expected.size(), visible.size());
  EXPECT_EQ(ListingOf(temp.path()), expected);
}

TEST(ListFolder, DotsComeThroughEvenOfAHiddenFolder) {
  TempFolder temp;
  MakeFolder(temp / L"Ocult", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  WriteBytes(temp / L"Ocult\\visible.txt", "x");

  const Listing expected =
      Expected(temp / L"Ocult", {{L".", true}, {L"..", true}, {L"visible.txt", false}});
  ASSERT_EQ(expected.size(), 3u);
  EXPECT_EQ(ListingOf(temp / L"Ocult"), expected);
}

TEST(ListFolder, YieldsNothingForWhatIsNoFolder) {
  TempFolder temp;
  WriteBytes(temp / L"fitxer.txt", "x");
  const FileSystem& fs = NativeFileSystem();

  EXPECT_TRUE(fs.ListFolder(Utf16(temp / L"no hi és\\")).empty());
  EXPECT_TRUE(fs.ListFolder(Utf16(temp / L"fitxer.txt\\")).empty());
  EXPECT_TRUE(fs.ListFolder(Utf16(temp / L"no hi és\\ni aquesta\\")).empty());
}

TEST(ListFolder, ReachesFoldersDeeperThanMaxPath) {
  TempFolder temp;
  std::wstring deep = temp.path();
  for (int level = 0; level < 6; ++level) {
    deep += L"\\carpeta-" + std::to_wstring(level) + L'-' + std::wstring(50, L'à');
    MakeFolder(deep);
  }
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

TEST(FileSystemQueries, TellFoldersFromOrdinaryFiles) {
  TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  MakeFolder(temp / L"carpeta");
  MakeFolder(temp / L"amagada", FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(temp / L"Recents.txt", "");
  WriteBytes(temp / L"llegir.txt", "x", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  WriteBytes(temp / L"amagat.txt", "x", FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(temp / L"sistema.txt", "x", FILE_ATTRIBUTE_SYSTEM);
  WriteBytes(temp / L"amagada\\dins.txt", "x");
  const auto path = [&](const wchar_t* name) { return Utf16(temp / name); };

  EXPECT_TRUE(fs.IsFolder(path(L"carpeta")));
  EXPECT_TRUE(fs.IsFolder(path(L"carpeta\\")));
  EXPECT_TRUE(fs.IsFolder(path(L"amagada")));
  EXPECT_TRUE(fs.IsFolder(u"C:\\"));
  EXPECT_FALSE(fs.IsFolder(path(L"Recents.txt")));
  EXPECT_FALSE(fs.IsFolder(path(L"no hi és")));

  EXPECT_TRUE(fs.IsOrdinaryFile(path(L"Recents.txt")));
  EXPECT_TRUE(fs.IsOrdinaryFile(path(L"llegir.txt")));
  EXPECT_TRUE(fs.IsOrdinaryFile(path(L"amagada\\dins.txt")));  // only the file's own attributes
  EXPECT_FALSE(fs.IsOrdinaryFile(path(L"amagat.txt")));
  EXPECT_FALSE(fs.IsOrdinaryFile(path(L"sistema.txt")));
  EXPECT_FALSE(fs.IsOrdinaryFile(path(L"carpeta")));
  EXPECT_FALSE(fs.IsOrdinaryFile(path(L"no hi és")));
  EXPECT_EQ(fs.Separator(), u'\\');
}

}  // namespace
}  // namespace tavelin::platform
