#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "platform/posix/NativeNames.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::platform {
namespace {

using testing::RawNames;
using testing::TempFolder;
using testing::WriteBytes;
using namespace std::string_literals;

std::u16string Folder(const std::string& path) {
  return FromNativeName(path + '/');
}

TEST(ListFolder, GivesVisibleEntriesInTheSystemsOrder) {
  TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  const std::string notUtf8 = "Pressupost \xE0 \xC0\xAF\xFF.txt";
  ASSERT_EQ(::mkdir((temp / "Sub folder").c_str(), 0755), 0);
  ASSERT_EQ(::mkdir((temp / ".git").c_str(), 0755), 0);
  for (const std::string& name : {"b.txt"s, "A file"s, notUtf8, ".hidden"s, "..."s, "a.b."s}) {
    WriteBytes(temp / name, "dades \xE0\r\n");
  }
  ASSERT_EQ(::symlink("Sub folder", (temp / "link to folder").c_str()), 0);
  ASSERT_EQ(::symlink("b.txt", (temp / "link to file").c_str()), 0);
  ASSERT_EQ(::symlink("nowhere", (temp / "broken link").c_str()), 0);
  ASSERT_EQ(::symlink("Sub folder", (temp / ".hidden link").c_str()), 0);
  ASSERT_EQ(::symlink("link to folder", (temp / "link to link").c_str()), 0);

  // What the listing must show, each name with whether it is a folder, in readdir's order.
  const std::map<std::string, bool> visible = {{".", true},
                                               {"..", true},
                                               {"Sub folder", true},
                                               {"link to folder", true},
                                               {"link to link", true},
                                               {"b.txt", false},
                                               {"A file", false},
                                               {"link to file", false},
                                               {"a.b.", false},
                                               {notUtf8, false}};
  std::vector<std::pair<std::u16string, bool>> expected;
  for (const std::string& name : RawNames(temp.path())) {
    if (const auto it = visible.find(name); it != visible.end()) {
      expected.emplace_back(FromNativeName(name), it->second);
    }
  }
  ASSERT_EQ(expected.size(), visible.size());

  std::vector<std::pair<std::u16string, bool>> listed;
  for (const FolderEntry& entry : fs.ListFolder(Folder(temp.path()))) {
    listed.emplace_back(entry.name, entry.isDirectory);
  }
  EXPECT_EQ(listed, expected);

  // The listed name of a file whose name is no UTF-8 leads back to that very file.
  const std::u16string path = Folder(temp.path()) + u"Pressupost \xDCE0 \xDCC0\xDCAF\xDCFF.txt";
  EXPECT_TRUE(fs.IsOrdinaryFile(path));
  EXPECT_EQ(fs.ReadFile(path), "dades \xE0\r\n");
  fs.ReplaceFile(path, "nou");
  EXPECT_EQ(testing::ReadBytes(temp / notUtf8), "nou");
}

TEST(ListFolder, YieldsNothingForAFolderItCannotOpen) {
  TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  WriteBytes(temp / "file", "x");
  const std::string vanished = temp / "vanished";
  ASSERT_EQ(::mkdir(vanished.c_str(), 0755), 0);
  ASSERT_EQ(::rmdir(vanished.c_str()), 0);

  EXPECT_TRUE(fs.ListFolder(Folder(vanished)).empty());
  EXPECT_TRUE(fs.ListFolder(Folder(temp / "never there")).empty());
  EXPECT_TRUE(fs.ListFolder(Folder(temp / "file")).empty());
  EXPECT_FALSE(fs.IsFolder(Folder(vanished)));
}

TEST(ListFolder, YieldsNothingForAFolderItMayNotRead) {
  TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  const std::string locked = temp / "locked";
  ASSERT_EQ(::mkdir(locked.c_str(), 0755), 0);
  WriteBytes(locked + "/inside", "x");
  ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
  if (::access(locked.c_str(), R_OK) == 0) {
    ::chmod(locked.c_str(), 0755);
    GTEST_SKIP() << "permissions do not bind this user";
  }
  const std::vector<FolderEntry> entries = fs.ListFolder(Folder(locked));
  const bool isFolder = fs.IsFolder(Folder(locked));
  ::chmod(locked.c_str(), 0755);
  EXPECT_TRUE(entries.empty());
  EXPECT_FALSE(isFolder);
}

TEST(FileSystemQueries, TellFoldersFromOrdinaryFiles) {
  TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  ASSERT_EQ(::mkdir((temp / "folder").c_str(), 0755), 0);
  ASSERT_EQ(::mkdir((temp / ".config").c_str(), 0755), 0);
  WriteBytes(temp / "Recents.txt", "");
  WriteBytes(temp / ".profile", "x");
  WriteBytes(temp / ".config/settings", "x");
  ASSERT_EQ(::symlink("folder", (temp / "to folder").c_str()), 0);
  ASSERT_EQ(::symlink("Recents.txt", (temp / "to file").c_str()), 0);
  ASSERT_EQ(::symlink("nowhere", (temp / "broken").c_str()), 0);
  const auto path = [&](const char* name) { return FromNativeName(temp / name); };

  EXPECT_TRUE(fs.IsFolder(path("folder")));
  EXPECT_TRUE(fs.IsFolder(path("folder/")));
  EXPECT_TRUE(fs.IsFolder(path("to folder")));
  EXPECT_TRUE(fs.IsFolder(u"/"));
  EXPECT_FALSE(fs.IsFolder(path("Recents.txt")));
  EXPECT_FALSE(fs.IsFolder(path("broken")));
  EXPECT_FALSE(fs.IsFolder(path("missing")));

  EXPECT_TRUE(fs.IsOrdinaryFile(path("Recents.txt")));
  EXPECT_TRUE(fs.IsOrdinaryFile(path("to file")));
  EXPECT_TRUE(fs.IsOrdinaryFile(path(".config/settings")));  // only the last name counts
  EXPECT_FALSE(fs.IsOrdinaryFile(path(".profile")));
  EXPECT_FALSE(fs.IsOrdinaryFile(path("folder")));
  EXPECT_FALSE(fs.IsOrdinaryFile(path("to folder")));
  EXPECT_FALSE(fs.IsOrdinaryFile(path("broken")));
  EXPECT_FALSE(fs.IsOrdinaryFile(path("missing")));
  EXPECT_FALSE(fs.IsOrdinaryFile(u"/dev/null"));
}

}  // namespace
}  // namespace tavelin::platform
