#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/folderchoice/Ctrls.h"
#include "fakes/FakeViews.h"
#include "platform/Platform.h"
#include "platform/windows/TestFolders.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::Utf16;
using Items = std::vector<std::u16string>;

// The bytes below are those of code page 1252, the ANSI code page of Western European Windows.
class WesternCodePage : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(::GetACP(), 1252u) << "the tests expect code page 1252"; }
};

TEST_F(WesternCodePage, CatalanTextIsWrittenByteForByteAndReadBack) {
  struct Case {
    std::u16string text;
    std::string bytes;
  };
  const Case cases[] = {
      {u"", ""},
      {u"C:\\Dades", "C:\\Dades"},
      {u"à è ç l·l", "\xE0 \xE8 \xE7 l\xB7l"},
      {u"C:\\Usuaris\\Mercè\\Col·legi", "C:\\Usuaris\\Merc\xE8\\Col\xB7legi"},
      {u"ÀÈÉÍÏÒÓÚÜÇ àèéíïòóúüç",
       "\xC0\xC8\xC9\xCD\xCF\xD2\xD3\xDA\xDC\xC7 \xE0\xE8\xE9\xED\xEF\xF2\xF3\xFA\xFC\xE7"},
      {u"Pressupost 100 €", "Pressupost 100 \x80"},
      {std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToSystemCodePage(c.text), c.bytes) << c.bytes;
    EXPECT_EQ(FromSystemCodePage(c.bytes), c.text) << c.bytes;
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
  const std::u16string refused[] = {
      u"C:\\Dades\\漢字",          // CJK
      u"C:\\Dades\\Łódź",          // best fit would give "Lodz", another folder
      u"C:\\Dades\\ā",             // best fit would give "a"
      u"x\xD800",                  // lone high surrogate
      u"\xDC00x",                  // lone low surrogate
      u"C:\\Dades\\\xD83D\xDE00",  // a character beyond the basic plane
  };
  for (const std::u16string& text : refused) {
    EXPECT_EQ(ToSystemCodePage(text), std::nullopt) << text.size();
  }
}

// The recent-folders routines over the real file system: the file as the system writes it.
TEST_F(WesternCodePage, RecentsFileHoldsCodePageLinesAndLeavesOutWhatItCannotHold) {
  TempFolder temp;
  const std::u16string file = Utf16(temp / L"Recents.txt");
  const FileSystem& fs = NativeFileSystem();
  fakes::FakeList list;
  list.sorted = true;
  for (const char16_t* path : {u"D:\\Projectes\\Façana nord", u"C:\\Usuaris\\Mercè\\Documents",
                               u"C:\\Dades\\漢字", u"C:\\Música", u"C:\\Col·legi\\Àlbum"}) {
    list.AddItem(path);
  }

  core::Ctrls::SaveListToFile(list, file, fs);

  EXPECT_EQ(ReadBytes(temp / L"Recents.txt"),
            "C:\\Col\xB7legi\\\xC0lbum\r\n"
            "C:\\M\xFAsica\r\n"
            "C:\\Usuaris\\Merc\xE8\\Documents\r\n"
            "D:\\Projectes\\Fa\xE7"
            "ana nord\r\n");
  // The path the file cannot hold stays in the list for the rest of the run.
  EXPECT_EQ(list.items, (Items{u"C:\\Col·legi\\Àlbum", u"C:\\Dades\\漢字", u"C:\\Música",
                               u"C:\\Usuaris\\Mercè\\Documents", u"D:\\Projectes\\Façana nord"}));

  fakes::FakeList next;
  next.sorted = true;
  EXPECT_TRUE(core::Ctrls::LoadListFromFile(file, next, fs));
  EXPECT_EQ(next.items, (Items{u"C:\\Col·legi\\Àlbum", u"C:\\Música",
                               u"C:\\Usuaris\\Mercè\\Documents", u"D:\\Projectes\\Façana nord"}));
}

}  // namespace
}  // namespace tavelin::platform
