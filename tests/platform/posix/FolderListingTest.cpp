#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/FolderListingTest.h"
#include "platform/Platform.h"
#include "platform/TestFolders.h"
#include "platform/posix/FolderListing.h"

namespace tavelin::platform {
namespace {

using testing::MakeFolder;
using testing::TempFolder;
using testing::Utf16;
using testing::WriteBytes;
using namespace std::string_literals;

int statusReads = 0;

int CountingStatus(int dirFd, const char* name, struct stat* status) {
  ++statusReads;
  return ReadStatus(dirFd, name, status);
}

// Links count as what they lead to, and the listing reads the status of links only, where the
// directory read gives the type. A name that is no UTF-8 leads back to its very file.
TEST(ListFolder, GivesVisibleEntriesInTheSystemsOrderReadingTheStatusOfLinksOnly) {
  TempFolder temp;
  const std::string notUtf8 = "Pressupost \xE0 \xC0\xAF\xFF.txt";
  MakeFolder(temp / "Sub folder");
  for (const std::string& name : {"b.txt"s, notUtf8, ".hidden"s, "..."s, "a.b."s})
    WriteBytes(temp / name, "dades \xE0\r\n");
  for (int i = 0; i < 300; ++i)
    WriteBytes(temp / ("fitxer-" + std::to_string(i)), "");
  for (const auto& [link, target] : {std::pair{"link to folder", "Sub folder"},
                                     {"link to file", "b.txt"},
                                     {"broken link", "nowhere"},
                                     {".hidden link", "Sub folder"},
                                     {"link to link", "link to folder"}})
    ASSERT_EQ(::symlink(target, (temp / link).c_str()), 0);
  std::map<std::u16string, bool> visible = {{u"Sub folder", true},    {u"link to folder", true},
                                            {u"link to link", true},  {u"b.txt", false},
                                            {u"link to file", false}, {u"a.b.", false},
                                            {Utf16(notUtf8), false}};
  for (int i = 0; i < 300; ++i)
    visible[u"fitxer-" + Utf16(std::to_string(i))] = false;
  const Listing expected = Expected(temp.path(), visible);
  Listing listed;
  statusReads = 0;
  EnumerateEntries(
      temp.path() + '/', [&](FolderEntry&& e) { listed.emplace_back(e.name, e.isDirectory); },
      CountingStatus);
  EXPECT_EQ(listed, expected);
  EXPECT_EQ(statusReads, 4);
  EXPECT_EQ(ListingOf(temp.path()), expected);

  const std::u16string path = Utf16(temp.path()) + u"/Pressupost \xDCE0 \xDCC0\xDCAF\xDCFF.txt";
  EXPECT_TRUE(NativeFileSystem().IsOrdinaryFile(path));
  EXPECT_EQ(NativeFileSystem().ReadFile(path), "dades \xE0\r\n");
  NativeFileSystem().ReplaceFile(path, "nou");
  EXPECT_EQ(testing::ReadBytes(temp / notUtf8), "nou");

  for (const auto& [name, folder, ordinaryFile] : {std::tuple{"link to link", true, false},
                                                   {"link to file", false, true},
                                                   {"broken link", false, false},
                                                   {"/dev/null", false, false}}) {
    const std::u16string at = Utf16(name[0] == '/' ? name : temp / name);
    EXPECT_EQ(NativeFileSystem().IsFolder(at), folder) << name;
    EXPECT_EQ(NativeFileSystem().IsOrdinaryFile(at), ordinaryFile) << name;
  }
}

// Not readable: no entries, and no folder to list.
TEST(ListFolder, YieldsNothingForALockedFolder) {
  TempFolder temp;
  const std::string locked = temp / "locked";
  MakeFolder(locked);
  WriteBytes(locked + "/inside", "x");
  ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
  if (::access(locked.c_str(), R_OK) == 0) GTEST_SKIP() << "root reads any folder";
  EXPECT_TRUE(NativeFileSystem().ListFolder(Utf16(locked) + u'/').empty());
  EXPECT_FALSE(NativeFileSystem().IsFolder(Utf16(locked) + u'/'));
  ::chmod(locked.c_str(), 0755);
}

}  // namespace
}  // namespace tavelin::platform
