#include "core/folderchoice/Ctrls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeChooser.h"
#include "fakes/FakeFileSystem.h"

namespace tavelin::core {
namespace {

using Items = std::vector<std::u16string>;

constexpr auto kFile = u"Recents.txt";

TEST(LoadListFromFile, CutsLinesAtCrLfLoneCrAndLoneLfKeepingEverythingElse) {
  struct Case {
    std::string bytes;
    Items items;
  };
  const Case cases[] = {
      {"", {}},
      {"C:\\A\r\n", {u"C:\\A"}},
      {"C:\\A", {u"C:\\A"}},
      {"\r\n", {u""}},
      {"a\r\r\nb", {u"a", u"", u"b"}},
      {"a\rb\nc\r\n", {u"a", u"b", u"c"}},
      {"a\n\r", {u"a", u""}},
      {"\r\n\r\n", {u"", u""}},
      {" C:\\Dir amb blancs \t\r\n", {u" C:\\Dir amb blancs \t"}},
  };
  for (const auto& c : cases) {
    fakes::FakeFileSystem fs;
    fs.SetFile(kFile, c.bytes);
    fakes::FakeList list;
    EXPECT_TRUE(Ctrls::LoadListFromFile(kFile, list, fs));
    EXPECT_EQ(list.items, c.items) << c.bytes;
  }
}

TEST(LoadListFromFile, AddsInFileOrderAfterTheItemsAlreadyThere) {
  fakes::FakeFileSystem fs;
  fs.SetFile(kFile, "C:\\Zeta\r\nC:\\alfa\r\n\r\nC:\\Beta\r\nC:\\alfa\r\nC:\\Darrera");
  fakes::FakeList plain;
  plain.items = {u"C:\\Mig"};
  ASSERT_TRUE(Ctrls::LoadListFromFile(kFile, plain, fs));
  EXPECT_EQ(plain.items, (Items{u"C:\\Mig", u"C:\\Zeta", u"C:\\alfa", u"", u"C:\\Beta", u"C:\\alfa",
                                u"C:\\Darrera"}));

  // A sorted list places every line, duplicates and the empty one included.
  fakes::FakeComboBox sorted;
  sorted.AddItem(u"C:\\Mig");
  ASSERT_TRUE(Ctrls::LoadListFromFile(kFile, sorted, fs));
  EXPECT_EQ(sorted.list.items, (Items{u"", u"C:\\alfa", u"C:\\alfa", u"C:\\Beta", u"C:\\Darrera",
                                      u"C:\\Mig", u"C:\\Zeta"}));
}

TEST(LoadListFromFile, MissingOrUnreadableFileLeavesTheListAsItWas) {
  fakes::FakeFileSystem fs;
  fakes::FakeList list;
  list.items = {u"C:\\A"};
  EXPECT_FALSE(Ctrls::LoadListFromFile(kFile, list, fs));
  EXPECT_EQ(list.items, Items{u"C:\\A"});

  fs.SetFile(kFile, "C:\\B\r\n");
  fs.FailReadsOf(kFile);
  EXPECT_THROW(Ctrls::LoadListFromFile(kFile, list, fs), platform::SystemError);
  EXPECT_EQ(list.items, Items{u"C:\\A"});
}

TEST(SaveListToFile, WritesEveryRepresentableItemInListOrderEndedByCrLf) {
  fakes::FakeFileSystem fs;
  fakes::FakeList list;
  list.items = {u"C:\\Zeta", u"", u"C:\\Dir amb blancs\\", u"C:\\alfa", u"C:\\alfa"};
  Ctrls::SaveListToFile(list, kFile, fs);
  EXPECT_EQ(fs.Files().at(kFile),
            "C:\\Zeta\r\n\r\nC:\\Dir amb blancs\\\r\nC:\\alfa\r\nC:\\alfa\r\n");

  list.items.clear();
  Ctrls::SaveListToFile(list, kFile, fs);
  EXPECT_EQ(fs.Files().at(kFile), "");

  // What the code page cannot hold is left out of the file but stays listed.
  list.items = {u"C:\\A", u"C:\\B\xD800", u"C:\\C"};
  Ctrls::SaveListToFile(list, kFile, fs);
  EXPECT_EQ(fs.Files().at(kFile), "C:\\A\r\nC:\\C\r\n");
  EXPECT_EQ(list.ListCount(), 3);
}

TEST(SaveListToFile, ReadsBackTheSameItemsInTheSameOrder) {
  fakes::FakeFileSystem fs;
  fakes::FakeList written;
  written.items = {u"", u"C:\\M\u00FAsica\\Can\u00E7ons", u" C:\\x ", u"\\\\servidor\\c", u"a"};
  Ctrls::SaveListToFile(written, kFile, fs);
#ifndef _WIN32
  EXPECT_EQ(fs.Files().at(kFile),
            "\r\nC:\\M\xC3\xBAsica\\Can\xC3\xA7ons\r\n C:\\x \r\n\\\\servidor\\c\r\na\r\n");
#endif
  fakes::FakeList read;
  ASSERT_TRUE(Ctrls::LoadListFromFile(kFile, read, fs));
  EXPECT_EQ(read.items, written.items);
}

TEST(FindListItem, FirstExactCaseSensitiveMatchReadingNothingOfAnEmptyList) {
  fakes::FakeList list;
  list.items = {u"C:\\Dades", u"C:\\dades", u"C:\\Fotos\\", u"C:\\dades"};
  EXPECT_EQ(Ctrls::FindListItem(u"C:\\Dades", list), 0);
  EXPECT_EQ(Ctrls::FindListItem(u"C:\\dades", list), 1);
  EXPECT_EQ(Ctrls::FindListItem(u"C:\\Fotos\\", list), 2);
  EXPECT_EQ(Ctrls::FindListItem(u"C:\\DADES", list), -1);
  EXPECT_EQ(Ctrls::FindListItem(u"C:\\Fotos", list), -1);
  EXPECT_EQ(Ctrls::FindListItem(u"C:\\Dades ", list), -1);
  list.items.push_back(u"");
  EXPECT_EQ(Ctrls::FindListItem(u"", list), 4);

  fakes::FakeComboBox empty;
  EXPECT_EQ(Ctrls::FindListItem(u"", empty), -1);
  EXPECT_EQ(empty.reads, 0);
}

}  // namespace
}  // namespace tavelin::core
