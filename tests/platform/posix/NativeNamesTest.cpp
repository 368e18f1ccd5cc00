#include "platform/posix/NativeNames.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/Platform.h"

namespace tavelin::platform {
namespace {

// Well-formed UTF-8 is read as text; every byte outside a well-formed sequence becomes an escape
// of its own, U+DC80 to U+DCFF, and goes back to the system as that byte. The round trip below
// catches most malformed sequences taken as text; an encoded surrogate it would not.
TEST(NativeNames, ReadWellFormedUtf8AsTextAndEscapeEveryOtherByte) {
  const std::pair<std::string, std::u16string> cases[] = {
      {"", u""},
      {"Pl\xC3\xA0nols i m\xC3\xA0quines l\xC2\xB7l", u"Plànols i màquines l·l"},
      {"\xE6\xBC\xA2\xE5\xAD\x97", u"漢字"},
      {"a\xF0\x9F\x98\x80z", u"a\xD83D\xDE00z"},
      {std::string("x\0y", 3), std::u16string(u"x\0y", 3)},
      {"\xEF\xBF\xBF", u"\uFFFF"},
      {"\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},
      {"caf\xE9.txt", u"caf\xDCE9.txt"},                  // Latin-1
      {"\xC0\xAF", u"\xDCC0\xDCAF"},                      // overlong '/'
      {"\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},            // encoded surrogate
      {"\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"},  // above U+10FFFF
      {"\xE2\x82\x41\xC3\xA9", u"\xDCE2\xDC82\x41é"},     // cut off in the middle
      {"\xC3\xA9\xA9", u"é\xDCA9"},                       // stray continuation
      {"\xF0\x9F\x98\x80\x80", u"\xD83D\xDE00\xDC80"},    // pair, then an escape
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

// A text file holds UTF-8 and the byte escapes; a lone surrogate has no bytes and is refused.
TEST(SystemCodePage, WritesExactlyWhatItCanReadBack) {
  EXPECT_EQ(ToSystemCodePage(u"/home/mar\u00e7al/\xD83D\xDE00"),
            "/home/mar\xC3\xA7"
            "al/\xF0\x9F\x98\x80");
  EXPECT_EQ(ToSystemCodePage(u"/tmp/caf\xDCE9"), "/tmp/caf\xE9");
  EXPECT_EQ(ToSystemCodePage(u""), "");
  EXPECT_EQ(FromSystemCodePage("/tmp/caf\xE9\r\n"), u"/tmp/caf\xDCE9\r\n");
  for (const std::u16string text :
       {u"a\xD800", u"\xD83Dz", u"\xDE00\xD83D", u"\xDC7F", u"\xDD00", u"x\xDFFFy"}) {
    EXPECT_EQ(ToSystemCodePage(text), std::nullopt) << static_cast<int>(text[1]);
  }
  // A name still reaches the system, where it matches nothing that was read from it.
  EXPECT_EQ(ToNativeName(u"a\xD800z"), "a\xED\xA0\x80z");
}

}  // namespace
}  // namespace tavelin::platform
