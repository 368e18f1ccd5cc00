// The listing reads an entry's status only when the directory read leaves its type open: a
// folder of 100,000 files costs no 100,000 status reads.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <string>

#include "platform/posix/FolderListing.h"
#include "platform/posix/NativeNames.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::platform {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

int statusReads = 0;

int CountingStatus(int dirFd, const char* name, struct stat* status) {
  ++statusReads;
  return ReadStatus(dirFd, name, status);
}

// Each listed name with whether it is a folder.
std::map<std::string, bool> Enumerate(const std::string& folder) {
  statusReads = 0;
  std::map<std::string, bool> listed;
  EnumerateEntries(
      folder + '/',
      [&listed](FolderEntry&& entry) { listed[ToNativeName(entry.name)] = entry.isDirectory; },
      CountingStatus);
  return listed;
}

// Some file systems give no entry types at all; there every entry needs its status.
bool ReadGivesTypes(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  bool known = true;
  while (const dirent* entry = ::readdir(dir))
    known = known && entry->d_type != DT_UNKNOWN;
  ::closedir(dir);
  return known;
}

TEST(ListingCost, ReadsNoStatusForFilesAndFoldersOfAKnownType) {
  TempFolder temp;
  for (int i = 0; i < 500; ++i)
    WriteBytes(temp / ("fitxer-" + std::to_string(i) + ".txt"), "");
  for (const char* folder : {"A", "B", "C"})
    ASSERT_EQ(::mkdir((temp / folder).c_str(), 0755), 0);
  WriteBytes(temp / ".amagat", "");
  if (!ReadGivesTypes(temp.path())) GTEST_SKIP() << "this file system gives no entry types";

  const std::map<std::string, bool> listed = Enumerate(temp.path());

  EXPECT_EQ(statusReads, 0);
  ASSERT_EQ(listed.size(), 505u);  // ".", ".." and the three folders, the 500 files
  for (const char* folder : {".", "..", "A", "B", "C"})
    EXPECT_TRUE(listed.at(folder)) << folder;
  EXPECT_FALSE(listed.at("fitxer-0.txt"));
  EXPECT_FALSE(listed.at("fitxer-499.txt"));
  EXPECT_FALSE(listed.contains(".amagat"));
}

TEST(ListingCost, ReadsTheStatusOfLinksOnly) {
  TempFolder temp;
  for (int i = 0; i < 100; ++i)
    WriteBytes(temp / ("fitxer-" + std::to_string(i) + ".txt"), "");
  ASSERT_EQ(::mkdir((temp / "carpeta").c_str(), 0755), 0);
  ASSERT_EQ(::symlink("carpeta", (temp / "a la carpeta").c_str()), 0);
  ASSERT_EQ(::symlink("fitxer-0.txt", (temp / "al fitxer").c_str()), 0);
  ASSERT_EQ(::symlink("enlloc", (temp / "trencat").c_str()), 0);
  if (!ReadGivesTypes(temp.path())) GTEST_SKIP() << "this file system gives no entry types";

  const std::map<std::string, bool> listed = Enumerate(temp.path());

  EXPECT_EQ(statusReads, 3);
  EXPECT_TRUE(listed.at("a la carpeta"));
  EXPECT_FALSE(listed.at("al fitxer"));
  EXPECT_FALSE(listed.contains("trencat"));
  EXPECT_EQ(listed.size(), 105u);
}

}  // namespace
}  // namespace tavelin::platform
