// The core's folder walk over the real Windows file system, drawn on the recording fakes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/FakeTreeView.h"
#include "platform/Platform.h"
#include "platform/windows/TestFolders.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {
namespace {

using fakes::DrawCall;
using testing::MakeFolder;
using testing::TempFolder;
using testing::Utf16;
using testing::WriteBytes;
using Items = std::vector<std::u16string>;

class NativeWalk : public ::testing::Test, protected fakes::RecordingTreeView {
 protected:
  NativeWalk() : RecordingTreeView(NativeFileSystem()) {}

  void Walk(const std::u16string& path) {
    window.Load();
    ukvel.WalkFolder(window, path, 10, 29);
  }
  std::vector<std::u16string> Names() const {
    std::vector<std::u16string> names;
    for (const DrawCall& call : window.surface.Of(DrawCall::kPrint))
      names.push_back(call.text);
    return names;
  }
};

// The root of a drive that holds nothing else, named by TAVELIN_TEST_DRIVE (such as "T:");
// emptied again when the test ends.
class DriveRoot {
 public:
  DriveRoot() {
    if (const char* drive = std::getenv("TAVELIN_TEST_DRIVE")) {
      const std::string_view name(drive);
      folder_.assign(name.begin(), name.end());
    }
  }
  DriveRoot(const DriveRoot&) = delete;
  DriveRoot& operator=(const DriveRoot&) = delete;
  ~DriveRoot() {
    if (!folder_.empty()) testing::EmptyFolder(folder_);
  }

  bool Named() const { return !folder_.empty(); }
  // "T:", without the backslash.
  const std::wstring& drive() const { return folder_; }

 private:
  std::wstring folder_;
};

TEST_F(NativeWalk, FromADriveRootDoublesTheBackslashAfterTheColon) {
  const DriveRoot root;
  if (!root.Named()) GTEST_SKIP() << "TAVELIN_TEST_DRIVE names no empty drive to walk";
  const std::wstring r = root.drive();
  ASSERT_EQ(testing::RawEntries(r).size(), 0u) << "the drive must be empty";
  WriteBytes(r + L"\\arrel.txt", "x");
  WriteBytes(r + L"\\amagat.txt", "x", FILE_ATTRIBUTE_HIDDEN);
  MakeFolder(r + L"\\Dades");
  WriteBytes(r + L"\\Dades\\a.txt", "dades\r\n");
  MakeFolder(r + L"\\Dades\\Sub");
  MakeFolder(r + L"\\Ocult", FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(r + L"\\Ocult\\dins.txt", "x");
  MakeFolder(r + L"\\Sistema", FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(r + L"\\Sistema\\Sub");

  Walk(Utf16(r + L'\\'));

  EXPECT_EQ(Names(), (Items{u"", u"Dades", u"Sub"}));
  EXPECT_EQ(layout.FolderCount, 3);
  EXPECT_EQ(layout.FolderPaths[1], Utf16(r) + u"\\\\");
  EXPECT_EQ(layout.FolderPaths[2], Utf16(r) + u"\\\\Dades\\");
  EXPECT_EQ(layout.FolderPaths[3], u"");
  EXPECT_EQ(window.List(1).items, Items{u"arrel.txt"});
  EXPECT_EQ(window.List(2).items, Items{u"a.txt"});
  EXPECT_FALSE(window.List(3).visible);
  EXPECT_EQ(messages.shown, Items{});
  // The derived paths, doubled backslash and all, still lead to the files.
  EXPECT_EQ(NativeFileSystem().ReadFile(layout.FolderPaths[2] + u"a.txt"), "dades\r\n");
}

TEST_F(NativeWalk, HiddenAndSystemFoldersAreNeitherListedNorWalked) {
  TempFolder temp;
  const std::wstring top = temp / L"Arrel";
  MakeFolder(top);
  MakeFolder(top + L"\\Amagada", FILE_ATTRIBUTE_HIDDEN);
  MakeFolder(top + L"\\Amagada\\Dins");
  WriteBytes(top + L"\\Amagada\\fitxer.txt", "x");
  MakeFolder(top + L"\\Sistema", FILE_ATTRIBUTE_SYSTEM);
  WriteBytes(top + L"\\Sistema\\fitxer.txt", "x");
  MakeFolder(top + L"\\Només lectura", FILE_ATTRIBUTE_READONLY);
  WriteBytes(top + L"\\Només lectura\\llegir.txt", "x", FILE_ATTRIBUTE_READONLY);
  WriteBytes(top + L"\\Només lectura\\arxiu.txt", "x", FILE_ATTRIBUTE_ARCHIVE);
  WriteBytes(top + L"\\Només lectura\\amagat.txt", "x", FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(top + L"\\Només lectura\\sistema.txt", "x", FILE_ATTRIBUTE_SYSTEM);

  Walk(Utf16(top));

  EXPECT_EQ(Names(), (Items{u"Arrel", u"Només lectura"}));
  EXPECT_EQ(layout.FolderCount, 2);
  EXPECT_FALSE(window.List(1).visible);
  Items files = window.List(2).items;
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (Items{u"arxiu.txt", u"llegir.txt"}));
  EXPECT_EQ(layout.FolderPaths[2], Utf16(top) + u"\\Només lectura\\");
}

TEST_F(NativeWalk, WalksFoldersLongerThanMaxPath) {
  TempFolder temp;
  const std::wstring top = temp / L"Arrel";
  MakeFolder(top);
  std::wstring deep = top;
  Items expectedNames{u"Arrel"};
  for (int level = 0; level < 5; ++level) {
    const std::wstring name = L"nivell " + std::to_wstring(level) + L' ' + std::wstring(60, L'è');
    deep += L'\\' + name;
    MakeFolder(deep);
    expectedNames.push_back(Utf16(name));
  }
  ASSERT_GT(deep.size(), static_cast<std::size_t>(MAX_PATH));
  WriteBytes(deep + L"\\al fons.txt", "x");

  Walk(Utf16(top));

  EXPECT_EQ(Names(), expectedNames);
  EXPECT_EQ(layout.FolderCount, 6);
  EXPECT_EQ(window.List(6).items, Items{u"al fons.txt"});
  EXPECT_EQ(layout.FolderPaths[6], Utf16(deep) + u"\\");
  EXPECT_TRUE(NativeFileSystem().IsOrdinaryFile(layout.FolderPaths[6] + u"al fons.txt"));
}

}  // namespace
}  // namespace tavelin::platform
