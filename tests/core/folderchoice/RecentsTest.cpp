#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/folderchoice/Ctrls.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeViews.h"

namespace tavelin::core {
namespace {

using Items = std::vector<std::u16string>;

constexpr auto kFile = u"Recents.txt";

TEST(LoadListFromFile, CutsLinesAtCrLfLoneCrAndLoneLfAndAddsThemAfterTheItemsThere) {
  const std::pair<std::string, Items> cases[] = {
      {"", {}},
      {"C:\\A\r\n", {u"C:\\A"}},
      {"C:\\A", {u"C:\\A"}},
      {"\r\n", {u""}},
      {"a\r\r\nb", {u"a", u"", u"b"}},
      {"a\rb\nc\r\n", {u"a", u"b", u"c"}},
      {"a\n\r", {u"a", u""}},
      {"\r\n\r\n", {u"", u""}},
      {" C:\\Dir amb blancs \t\r\n", {u" C:\\Dir amb blancs \t"}},
      {"C:\\Zeta\r\nC:\\alfa\r\n\r\nC:\\alfa", {u"C:\\Zeta", u"C:\\alfa", u"", u"C:\\alfa"}},
  };
  for (const auto& [bytes, items] : cases) {
    SCOPED_TRACE(bytes);
    fakes::FakeFileSystem fs;
    fs.SetFile(kFile, bytes);
    fakes::FakeList list;
    list.items = {u"C:\\Mig"};
    EXPECT_TRUE(Ctrls::LoadListFromFile(kFile, list, fs));
    Items expected{u"C:\\Mig"};
    expected.insert(expected.end(), items.begin(), items.end());
    EXPECT_EQ(list.items, expected);
  }
}

// Every item the code page can hold, in list order, each ended by CR LF; read back the same.
TEST(SaveListToFile, WritesWhatTheCodePageHoldsAndReadsItBack) {
#ifdef _WIN32
  const std::string music = "C:\\M\xFAsica\\Can\xE7ons";
#else
  const std::string music = "C:\\M\xC3\xBAsica\\Can\xC3\xA7ons";
#endif
  const Items spaces = {u"C:\\Zeta", u"", u"C:\\Dir amb blancs\\", u"C:\\alfa", u"C:\\alfa"};
  const Items accents = {u"", u"C:\\M\u00FAsica\\Can\u00E7ons", u" C:\\x ", u"\\\\servidor\\c"};
  const std::tuple<Items, std::string, Items> cases[] = {
      {spaces, "C:\\Zeta\r\n\r\nC:\\Dir amb blancs\\\r\nC:\\alfa\r\nC:\\alfa\r\n", spaces},
      {Items(), "", Items()},
      {accents, "\r\n" + music + "\r\n C:\\x \r\n\\\\servidor\\c\r\n", accents},
      {{u"C:\\A", u"C:\\B\xD800", u"C:\\C"}, "C:\\A\r\nC:\\C\r\n", {u"C:\\A", u"C:\\C"}},
  };
  for (const auto& [items, bytes, readBack] : cases) {
    SCOPED_TRACE(bytes);
    fakes::FakeFileSystem fs;
    fakes::FakeList written, read;
    written.items = items;
    Ctrls::SaveListToFile(written, kFile, fs);
    EXPECT_EQ(fs.Files().at(kFile), bytes);
    EXPECT_EQ(written.items, items);  // what the file cannot hold stays listed
    ASSERT_TRUE(Ctrls::LoadListFromFile(kFile, read, fs));
    EXPECT_EQ(read.items, readBack);
  }
}

}  // namespace
}  // namespace tavelin::core
