#include "core/folderchoice/DirListModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "core/folderchoice/FolderChain.h"
#include "fakes/FakeFileSystem.h"

namespace tavelin::core {
namespace {

using Paths = std::vector<std::u16string>;

// The chain from the root down (its names are checked with the model's rows), and the
// trailing-separator rule: only a root keeps its own. Path, separator, chain, root?, trimmed.
TEST(FolderChain, TakesPathsApartAndOnlyARootKeepsItsSeparator) {
  const std::tuple<std::u16string, char16_t, Paths, bool, std::u16string> cases[] = {
      {u"/home/anna//", u'/', {u"/", u"/home", u"/home/anna"}, false, u"/home/anna"},
      {u"/", u'/', {u"/"}, true, u"/"},
      {u"C:\\", u'\\', {u"C:\\"}, true, u"C:\\"},
      {u"C:\\A\\\\B", u'\\', {u"C:\\", u"C:\\A", u"C:\\A\\B"}, false, u"C:\\A\\\\B"},
      {u"C:\\Dades\\", u'\\', {u"C:\\", u"C:\\Dades"}, false, u"C:\\Dades"},
  };
  for (const auto& [path, separator, paths, root, trimmed] : cases) {
    const std::string shown(path.begin(), path.end());
    Paths chain;
    for (const FolderStep& step : FolderChain(path, separator))
      chain.push_back(step.path);
    EXPECT_EQ(chain, paths) << shown;
    EXPECT_EQ(IsRootPath(path, separator), root) << shown;
    EXPECT_EQ(TrimFolderPath(path, separator), trimmed) << shown;
  }
  EXPECT_EQ(ChildPath(u"C:\\", u"x", u'\\'), u"C:\\x");
}

struct DirListModelTest : testing::Test {
  DirListModelTest() {
    fs.AddFolder(u"C:", u"Dades");
    fs.AddDotEntries(u"C:\\");
    fs.AddDotEntries(u"C:\\Dades");
    for (const char16_t* name : {u"Beta", u"alfa", u"Gamma", u"Alfa"})
      fs.AddFolder(u"C:\\Dades", name);
    fs.AddFile(u"C:\\Dades", u"fitxer.txt");
  }

  // Letter case ignored, as the front ends sort.
  static bool Before(const std::u16string& a, const std::u16string& b) {
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    return std::ranges::lexicographical_compare(a, b, {}, lower, lower);
  }

  fakes::FakeFileSystem fs;
  DirListModel model{fs, Before};
};

TEST_F(DirListModelTest, ListsTheFoldersAboveThenTheSortedOnesInsideAndMovesOnlyToFolders) {
  ASSERT_EQ(model.SetPath(u"C:\\Dades"), DirListModel::Move::Changed);
  using Row = std::tuple<std::u16string, std::u16string, int, bool>;  // path, name, depth, open
  const std::vector<Row> expected = {
      {u"C:\\", u"C:\\", 0, true},
      {u"C:\\Dades", u"Dades", 1, true},
      // Names equal but for case keep the order the file system gave.
      {u"C:\\Dades\\alfa", u"alfa", 2, false},
      {u"C:\\Dades\\Alfa", u"Alfa", 2, false},
      {u"C:\\Dades\\Beta", u"Beta", 2, false},
      {u"C:\\Dades\\Gamma", u"Gamma", 2, false},
  };
  std::vector<Row> rows;
  for (const DirEntry& e : model.Entries())
    rows.emplace_back(e.path, e.name, e.depth, e.open);
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(model.CurrentRow(), 1);
  EXPECT_EQ(fs.Listed(), (Paths{u"C:\\Dades\\"}));

  using Move = DirListModel::Move;
  const std::tuple<std::u16string, Move, std::u16string> moves[] = {
      // path, move, path after
      {u"C:\\Dades\\", Move::Unchanged, u"C:\\Dades"},
      {u"C:\\Dades\\NoHiEs", Move::Refused, u"C:\\Dades"},
      {u"C:\\Dades\\fitxer.txt", Move::Refused, u"C:\\Dades"},
      {u"", Move::Refused, u"C:\\Dades"},
      {u"C:\\", Move::Changed, u"C:\\"},
      {u"C:\\\\", Move::Unchanged, u"C:\\"},
  };
  for (const auto& [path, move, after] : moves) {
    const std::string shown(path.begin(), path.end());
    EXPECT_EQ(model.SetPath(path), move) << shown;
    EXPECT_EQ(model.Path(), after) << shown;
  }
  // The root's own entry is its only one above the folders inside it.
  EXPECT_EQ(model.CurrentRow(), 0);
  EXPECT_EQ(model.Entries().size(), 2u);
}

}  // namespace
}  // namespace tavelin::core
