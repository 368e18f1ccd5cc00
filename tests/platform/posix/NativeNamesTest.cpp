#include "platform/posix/NativeNames.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

#include "platform/Platform.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::platform {
namespace {

using testing::ScopedWorkingDirectory;
using testing::TempFolder;

struct NameCase {
  std::string bytes;
  std::u16string text;
};

TEST(NativeNames, WellFormedUtf8IsReadAsText) {
  const NameCase cases[] = {
      {"", u""},
      {"Recents.txt", u"Recents.txt"},
      {"Pl\xC3\xA0nols i m\xC3\xA0quines l\xC2\xB7l", u"Plànols i màquines l·l"},
      {"\xE6\xBC\xA2\xE5\xAD\x97", u"漢字"},
      {"a\xF0\x9F\x98\x80z", u"a\xD83D\xDE00z"},
      {std::string("x\0y", 3), std::u16string(u"x\0y", 3)},
      {"\xEF\xBF\xBF", u"\uFFFF"},
      {"\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(FromNativeName(c.bytes), c.text) << c.bytes;
    EXPECT_EQ(ToNativeName(c.text), c.bytes) << c.bytes;
  }
}

TEST(NativeNames, EveryByteOutsideAWellFormedSequenceIsEscapedAlone) {
  const NameCase cases[] = {
      {"\x80", u"\xDC80"},
      {"\xFF", u"\xDCFF"},
      {"caf\xE9.txt", u"caf\xDCE9.txt"},                  // Latin-1
      {"\xC0\xAF", u"\xDCC0\xDCAF"},                      // overlong '/'
      {"\xC1\xBF", u"\xDCC1\xDCBF"},                      // overlong
      {"\xE0\x9F\xBF", u"\xDCE0\xDC9F\xDCBF"},            // overlong three bytes
      {"\xF0\x8F\xBF\xBF", u"\xDCF0\xDC8F\xDCBF\xDCBF"},  // overlong four bytes
      {"\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},            // encoded surrogate
      {"\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"},  // above U+10FFFF
      {"\xF5\x80\x80\x80", u"\xDCF5\xDC80\xDC80\xDC80"},  // no such lead byte
      {"\xE2\x82", u"\xDCE2\xDC82"},                      // cut off at the end
      {"\xE2\x82"
       "A\xC3\xA9",
       u"\xDCE2\xDC82"
       u"Aé"},                                          // cut off in the middle
      {"\xF0\x9F\x98", u"\xDCF0\xDC9F\xDC98"},          // emoji missing its last byte
      {"\xC3\xA9\xA9", u"é\xDCA9"},                     // stray continuation
      {"\xF0\x9F\x98\x80\x80", u"\xD83D\xDE00\xDC80"},  // pair, then an escape
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(FromNativeName(c.bytes), c.text) << c.bytes;
    EXPECT_EQ(ToNativeName(c.text), c.bytes) << c.bytes;
  }
}

TEST(NativeNames, AnyByteStringSurvivesTheRoundTrip) {
  for (int first = 0; first < 256; ++first) {
    for (int second = 0; second < 256; ++second) {
      const std::string bytes{static_cast<char>(first), static_cast<char>(second)};
      ASSERT_EQ(ToNativeName(FromNativeName(bytes)), bytes) << first << ' ' << second;
    }
  }
  // Random strings of high bytes run into every kind of broken and whole sequence.
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> length(0, 12);
  std::uniform_int_distribution<int> highByte(0x80, 0xFF);
  std::uniform_int_distribution<int> anyByte(0, 0xFF);
  for (int round = 0; round < 200000; ++round) {
    std::string bytes(static_cast<std::size_t>(length(random)), '\0');
    for (char& byte : bytes)
      byte = static_cast<char>(round % 4 == 0 ? anyByte(random) : highByte(random));
    ASSERT_EQ(ToNativeName(FromNativeName(bytes)), bytes) << round;
  }
}

TEST(SystemCodePage, WritesExactlyWhatItCanReadBack) {
  EXPECT_EQ(ToSystemCodePage(u"/home/mar\u00e7al/Documents"),
            "/home/mar\xC3\xA7"
            "al/Documents");
  EXPECT_EQ(ToSystemCodePage(u"\xD83D\xDE00"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(ToSystemCodePage(u"/tmp/caf\xDCE9"), "/tmp/caf\xE9");
  EXPECT_EQ(ToSystemCodePage(u""), "");
  EXPECT_EQ(FromSystemCodePage("/tmp/caf\xE9\r\n"), u"/tmp/caf\xDCE9\r\n");

  const std::u16string cannotBeWritten[] = {
      u"a\xD800",       // high surrogate at the end
      u"\xD83Dz",       // high surrogate before an ordinary letter
      u"\xDE00\xD83D",  // a pair in the wrong order
      u"\xDC7F",        // low surrogate below the byte escapes
      u"\xDD00",        // low surrogate above them
      u"x\xDFFFy",
  };
  for (const std::u16string& text : cannotBeWritten) {
    EXPECT_EQ(ToSystemCodePage(text), std::nullopt) << static_cast<int>(text[1]);
  }
  // A name still reaches the system, where it matches nothing that was read from it.
  EXPECT_EQ(ToNativeName(u"a\xD800z"), "a\xED\xA0\x80z");
}

TEST(WorkingDirectory, ReadsALongNonUtf8FolderBack) {
  TempFolder temp;
  // Deeper than the first guess at the buffer size, with a name that is no UTF-8.
  std::string deep = temp.path();
  for (int level = 0; level < 6; ++level) {
    deep += "/carpeta-\xE9-" + std::string(60, static_cast<char>('a' + level));
    ASSERT_EQ(::mkdir(deep.c_str(), 0755), 0) << deep;
  }
  ScopedWorkingDirectory inside(deep);
  char real[4096];
  ASSERT_NE(::getcwd(real, sizeof real), nullptr);

  const std::u16string folder = WorkingDirectory();
  EXPECT_EQ(ToNativeName(folder), real);
  EXPECT_EQ(folder.substr(folder.size() - 71), u"/carpeta-\xDCE9-" + std::u16string(60, u'f'));
}

}  // namespace
}  // namespace tavelin::platform
