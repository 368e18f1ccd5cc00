#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/Platform.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {
namespace {

// The bytes below are those of code page 1252, the ANSI code page of Western European Windows.
class WesternCodePage : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(::GetACP(), 1252u) << "the tests expect code page 1252"; }
};

TEST_F(WesternCodePage, CatalanTextIsWrittenByteForByteAndReadBack) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"", ""},
      {u"C:\\Usuaris\\Mercè\\Col·legi", "C:\\Usuaris\\Merc\xE8\\Col\xB7legi"},
      {u"ÀÈÉÍÏÒÓÚÜÇ àèéíïòóúüç",
       "\xC0\xC8\xC9\xCD\xCF\xD2\xD3\xDA\xDC\xC7 \xE0\xE8\xE9\xED\xEF\xF2\xF3\xFA\xFC\xE7"},
      {u"Pressupost 100 €", "Pressupost 100 \x80"},
      {std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& [text, bytes] : cases) {
    EXPECT_EQ(ToSystemCodePage(text), bytes) << bytes;
    EXPECT_EQ(FromSystemCodePage(bytes), text) << bytes;
  }
  // Every byte stands for one character, and comes back as the same byte.
  std::string everyByte;
  for (int byte = 1; byte < 256; ++byte)
    everyByte += static_cast<char>(byte);
  const std::u16string text = FromSystemCodePage(everyByte);
  EXPECT_EQ(text.size(), everyByte.size());
  EXPECT_EQ(ToSystemCodePage(text), everyByte);
}

TEST_F(WesternCodePage, TextOutsideTheCodePageIsRefusedNotApproximated) {
  for (const std::u16string text : {u"C:\\Dades\\漢字",
                                    u"C:\\Dades\\Łódź",  // best fit would give "Lodz"
                                    u"C:\\Dades\\ā",     // best fit would give "a"
                                    u"x\xD800", u"\xDC00x", u"C:\\Dades\\\xD83D\xDE00"}) {
    EXPECT_EQ(ToSystemCodePage(text), std::nullopt) << text.size();
  }
}

}  // namespace
}  // namespace tavelin::platform
