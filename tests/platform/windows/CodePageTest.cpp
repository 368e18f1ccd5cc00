#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/Platform.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {
namespace {

// Every byte of code page 1252 comes back as that byte; what it cannot hold is refused, not
// approximated.
TEST(SystemCodePage, WesternTextRoundTripsAndTheRestIsRefused) {
  ASSERT_EQ(::GetACP(), 1252u) << "the tests expect code page 1252";
  EXPECT_EQ(ToSystemCodePage(u"Col·legi Mercè 100 €"), "Col\xB7legi Merc\xE8 100 \x80");
  EXPECT_EQ(FromSystemCodePage(std::string("a\0\xC7", 3)), std::u16string(u"a\0Ç", 3));
  std::string everyByte;
  for (int byte = 1; byte < 256; ++byte)
    everyByte += static_cast<char>(byte);
  const std::u16string text = FromSystemCodePage(everyByte);
  EXPECT_EQ(text.size(), everyByte.size());
  EXPECT_EQ(ToSystemCodePage(text), everyByte);
  for (const std::u16string refused : {u"C:\\Dades\\漢字",
                                       u"C:\\Dades\\Łódź",  // best fit would give "Lodz"
                                       u"C:\\Dades\\ā",     // best fit would give "a"
                                       u"x\xD800", u"\xDC00x", u"C:\\Dades\\\xD83D\xDE00"}) {
    EXPECT_EQ(ToSystemCodePage(refused), std::nullopt) << refused.size();
  }
}

}  // namespace
}  // namespace tavelin::platform
