#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "platform/posix/FolderListing.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::platform {
namespace {

using testing::MakeFolder;
using testing::TempFolder;
using testing::Utf16;
using testing::WriteBytes;
using namespace std::string_literals;

std::u16string Folder(const std::string& path) {
  return Utf16(path + '/');
}

int statusReads = 0;

int CountingStatus(int dirFd, const char* name, struct stat* status) {
  ++statusReads;
  return ReadStatus(dirFd, name, status);
}

// The listing must show these, each with whether it is a folder, in readdir's order; it reads the
// status of links only, where the directory read gives the type.
TEST(ListFolder, GivesVisibleEntriesInTheSystemsOrderReadingTheStatusOfLinksOnly) {
  TempFolder temp;
  const std::string notUtf8 = "Pressupost \xE0 \xC0\xAF\xFF.txt";
  MakeFolder(temp / "Sub folder");
  MakeFolder(temp / ".git");
  for (const std::string& name : {"b.txt"s, "A file"s, notUtf8, ".hidden"s, "..."s, "a.b."s})
    WriteBytes(temp / name, "dades \xE0\r\n");
  for (int i = 0; i < 300; ++i)
    WriteBytes(temp / ("fitxer-" + std::to_string(i)), "");
  for (const auto& [link, target] : {std::pair{"link to folder", "Sub folder"},
                                     {"link to file", "b.txt"},
                                     {"broken link", "nowhere"},
                                     {".hidden link", "Sub folder"},
                                     {"link to link", "link to folder"}})
    ASSERT_EQ(::symlink(target, (temp / link).c_str()), 0);
  std::map<std::string, bool> visible = {{".", true},
                                         {"..", true},
                                         {"Sub folder", true},
                                         {"link to folder", true},
                                         {"link to link", true},
                                         {"b.txt", false},
                                         {"A file", false},
                                         {"link to file", false},
                                         {"a.b.", false},
                                         {notUtf8, false}};
  for (int i = 0; i < 300; ++i)
    visible["fitxer-" + std::to_string(i)] = false;
  std::vector<std::pair<std::u16string, bool>> expected, listed;
  for (const std::string& name : testing::RawNames(temp.path())) {
    if (visible.contains(name)) expected.emplace_back(Utf16(name), visible.at(name));
  }
  ASSERT_EQ(expected.size(), visible.size());
  statusReads = 0;
  EnumerateEntries(
      temp.path() + '/', [&](FolderEntry&& e) { listed.emplace_back(e.name, e.isDirectory); },
      CountingStatus);
  EXPECT_EQ(listed, expected);
  EXPECT_EQ(statusReads, 4);
  listed.clear();
  for (const FolderEntry& e : NativeFileSystem().ListFolder(Folder(temp.path())))
    listed.emplace_back(e.name, e.isDirectory);
  EXPECT_EQ(listed, expected);

  // The listed name of a file whose name is no UTF-8 leads back to that very file.
  const std::u16string path = Folder(temp.path()) + u"Pressupost \xDCE0 \xDCC0\xDCAF\xDCFF.txt";
  EXPECT_TRUE(NativeFileSystem().IsOrdinaryFile(path));
  EXPECT_EQ(NativeFileSystem().ReadFile(path), "dades \xE0\r\n");
  NativeFileSystem().ReplaceFile(path, "nou");
  EXPECT_EQ(testing::ReadBytes(temp / notUtf8), "nou");

  // Links count as what they lead to; of a hidden file only the last name counts.
  WriteBytes(temp / ".git/config", "");
  struct Case {
    std::string path;
    bool folder, ordinaryFile;
  };
  const Case cases[] = {{temp / "Sub folder", true, false},   {temp / "Sub folder/", true, false},
                        {temp / "link to link", true, false}, {"/", true, false},
                        {temp / "b.txt", false, true},        {temp / "link to file", false, true},
                        {temp / ".git/config", false, true},  {temp / ".hidden", false, false},
                        {temp / "broken link", false, false}, {temp / "missing", false, false},
                        {"/dev/null", false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(NativeFileSystem().IsFolder(Utf16(c.path)), c.folder) << c.path;
    EXPECT_EQ(NativeFileSystem().IsOrdinaryFile(Utf16(c.path)), c.ordinaryFile) << c.path;
  }
}

// Vanished, never there, a file, or not readable: no entries, and no folder to list.
TEST(ListFolder, YieldsNothingForWhatItCannotList) {
  TempFolder temp;
  WriteBytes(temp / "file", "x");
  MakeFolder(temp / "vanished");
  ASSERT_EQ(::rmdir((temp / "vanished").c_str()), 0);
  MakeFolder(temp / "locked");
  WriteBytes(temp / "locked/inside", "x");
  ASSERT_EQ(::chmod((temp / "locked").c_str(), 0), 0);
  const bool locks = ::access((temp / "locked").c_str(), R_OK) != 0;  // not for root
  for (const char* name : {"vanished", "never there", "file", "locked"}) {
    if (name == "locked"s && !locks) continue;
    EXPECT_TRUE(NativeFileSystem().ListFolder(Folder(temp / name)).empty()) << name;
    EXPECT_FALSE(NativeFileSystem().IsFolder(Folder(temp / name))) << name;
  }
  ::chmod((temp / "locked").c_str(), 0755);
}

}  // namespace
}  // namespace tavelin::platform
