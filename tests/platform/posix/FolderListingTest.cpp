#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/FolderListingTest.h"
#include "platform/Platform.h"
#include "platform/TestFolders.h"
#include "platform/posix/FolderListing.h"
#include "platform/posix/NativeNames.h"

namespace tavelin::platform {
namespace {

using namespace testing;
using namespace std::string_literals;

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
  static int statusReads;  // a status reader is a plain function
  statusReads = 0;
  EnumerateEntries(
      temp.path() + '/', [&](FolderEntry&& e) { listed.emplace_back(e.name, e.isDirectory); },
      [](int dirFd, const char* name, struct stat* status) {
        ++statusReads;
        return ReadStatus(dirFd, name, status);
      });
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
  EXPECT_TRUE(ListingOf(locked).empty());
  EXPECT_FALSE(NativeFileSystem().IsFolder(Utf16(locked) + u'/'));
  ::chmod(locked.c_str(), 0755);
}

// Well-formed UTF-8 is read as text; every byte outside a well-formed sequence becomes an escape
// of its own, U+DC80 to U+DCFF, and goes back to the system as that byte. The round trip below
// catches most malformed sequences taken as text; an encoded surrogate it would not.
TEST(NativeNames, ReadWellFormedUtf8AsTextAndEscapeEveryOtherByte) {
  const std::pair<std::string, std::u16string> cases[] = {
      {"", u""},
      {"Pl\xC3\xA0nols l\xC2\xB7l \xE6\xBC\xA2\xE5\xAD\x97", u"Plànols l·l 漢字"},
      {std::string("x\0y", 3), std::u16string(u"x\0y", 3)},
      {"\xEF\xBF\xBF\xF4\x8F\xBF\xBF", u"\uFFFF\xDBFF\xDFFF"},
      {"caf\xE9.txt", u"caf\xDCE9.txt"},                            // Latin-1
      {"\xC0\xAF\xE0\x80\xAF", u"\xDCC0\xDCAF\xDCE0\xDC80\xDCAF"},  // overlong '/'
      {"\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},                      // encoded surrogate
      {"\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"},            // above U+10FFFF
      {"\xE2\x82\x41\xC3\xA9", u"\xDCE2\xDC82\x41é"},               // cut off in the middle
      {"\xC3\xA9\xA9", u"é\xDCA9"},                                 // stray continuation
      {"\xF0\x9F\x98\x80\x80", u"\xD83D\xDE00\xDC80"},              // pair, then an escape
  };
  for (const auto& [bytes, text] : cases) {
    EXPECT_EQ(FromNativeName(bytes), text) << bytes;
    EXPECT_EQ(ToNativeName(text), bytes) << bytes;
  }
}

TEST(NativeNames, AnyByteStringSurvivesTheRoundTrip) {
  for (int pair = 0; pair < 65536; ++pair) {
    const std::string bytes{static_cast<char>(pair >> 8), static_cast<char>(pair)};
    ASSERT_EQ(ToNativeName(FromNativeName(bytes)), bytes) << pair;
  }
  // Random strings of high bytes run into every kind of broken and whole sequence.
  std::mt19937 random(20240611);
  for (int round = 0; round < 200000; ++round) {
    std::string bytes(random() % 13, '\0');
    for (char& byte : bytes)
      byte = static_cast<char>(round % 4 == 0 ? random() : random() | 0x80);
    ASSERT_EQ(ToNativeName(FromNativeName(bytes)), bytes) << round;
  }
}

}  // namespace
}  // namespace tavelin::platform
