#include "core/folderchoice/DirListModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/folderchoice/FolderChain.h"
#include "fakes/FakeFileSystem.h"

namespace tavelin::core {
namespace {

using Paths = std::vector<std::u16string>;

Paths PathsOf(const std::vector<FolderStep>& steps) {
  Paths paths;
  for (const FolderStep& step : steps)
    paths.push_back(step.path);
  return paths;
}

TEST(FolderChain, TakesPathsApartRootFirst) {
  struct Case {
    std::u16string path;
    char16_t separator;
    Paths paths;
    std::u16string lastName;
  };
  const Case cases[] = {
      {u"/home/anna/Fotos", u'/', {u"/", u"/home", u"/home/anna", u"/home/anna/Fotos"}, u"Fotos"},
      {u"/", u'/', {u"/"}, u"/"},
      {u"C:\\", u'\\', {u"C:\\"}, u"C:\\"},
      {u"C:\\Dades\\\\Fotos", u'\\', {u"C:\\", u"C:\\Dades", u"C:\\Dades\\Fotos"}, u"Fotos"},
      {u"C:\\Dades\\", u'\\', {u"C:\\", u"C:\\Dades"}, u"Dades"},
      {u"Dades", u'\\', {u"Dades"}, u"Dades"},
  };
  for (const Case& c : cases) {
    const std::vector<FolderStep> chain = FolderChain(c.path, c.separator);
    EXPECT_EQ(PathsOf(chain), c.paths) << std::string(c.path.begin(), c.path.end());
    EXPECT_EQ(chain.back().name, c.lastName);
  }
}

TEST(FolderChain, OnlyARootKeepsItsSeparator) {
  struct Case {
    std::u16string path;
    char16_t separator;
    bool root;
    std::u16string trimmed;
    std::u16string child;  // ChildPath(trimmed, "x")
  };
  const Case cases[] = {
      {u"/", u'/', true, u"/", u"/x"},
      {u"/home/anna//", u'/', false, u"/home/anna", u"/home/anna/x"},
      {u"C:\\", u'\\', true, u"C:\\", u"C:\\x"},
      {u"C:\\Dades\\", u'\\', false, u"C:\\Dades", u"C:\\Dades\\x"},
      {u"C:\\Dades", u'\\', false, u"C:\\Dades", u"C:\\Dades\\x"},
      {u"", u'\\', false, u"", u"\\x"},
  };
  for (const Case& c : cases) {
    const std::string shown(c.path.begin(), c.path.end());
    EXPECT_EQ(IsRootPath(c.path, c.separator), c.root) << shown;
    EXPECT_EQ(TrimFolderPath(c.path, c.separator), c.trimmed) << shown;
    EXPECT_EQ(ChildPath(c.trimmed, u"x", c.separator), c.child) << shown;
  }
}

class DirListModelTest : public testing::Test {
 protected:
  DirListModelTest() {
    fs.AddFolder(u"C:", u"Dades");
    fs.AddDotEntries(u"C:\\");
    fs.AddDotEntries(u"C:\\Dades");
    for (const char16_t* name : {u"Beta", u"alfa", u"Gamma", u"Alfa"}) {
      fs.AddFolder(u"C:\\Dades", name);
    }
    fs.AddFile(u"C:\\Dades", u"fitxer.txt");
  }

  // Letter case ignored, as the front ends sort.
  static bool Before(const std::u16string& a, const std::u16string& b) {
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [&](char16_t x, char16_t y) { return lower(x) < lower(y); });
  }

  fakes::FakeFileSystem fs;
  DirListModel model{fs, Before};
};

TEST_F(DirListModelTest, ListsTheFoldersAboveThenTheSortedFoldersInside) {
  ASSERT_EQ(model.SetPath(u"C:\\Dades"), DirListModel::Move::Changed);
  struct Row {
    std::u16string path, name;
    int depth;
    bool open;
  };
  const Row expected[] = {
      {u"C:\\", u"C:\\", 0, true},
      {u"C:\\Dades", u"Dades", 1, true},
      // Names equal but for case keep the order the file system gave.
      {u"C:\\Dades\\alfa", u"alfa", 2, false},
      {u"C:\\Dades\\Alfa", u"Alfa", 2, false},
      {u"C:\\Dades\\Beta", u"Beta", 2, false},
      {u"C:\\Dades\\Gamma", u"Gamma", 2, false},
  };
  const std::vector<DirEntry>& entries = model.Entries();
  ASSERT_EQ(entries.size(), std::size(expected));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].path, expected[i].path) << i;
    EXPECT_EQ(entries[i].name, expected[i].name) << i;
    EXPECT_EQ(entries[i].depth, expected[i].depth) << i;
    EXPECT_EQ(entries[i].open, expected[i].open) << i;
  }
  EXPECT_EQ(model.CurrentRow(), 1);
  EXPECT_EQ(fs.Listed(), (Paths{u"C:\\Dades\\"}));
}

TEST_F(DirListModelTest, MovesOnlyToFoldersAndReportsWhetherThePathChanged) {
  struct Case {
    std::u16string path;
    DirListModel::Move move;
    std::u16string after;
  };
  using Move = DirListModel::Move;
  const Case cases[] = {
      {u"C:\\Dades\\", Move::Changed, u"C:\\Dades"},
      {u"C:\\Dades", Move::Unchanged, u"C:\\Dades"},
      {u"C:\\Dades\\NoHiEs", Move::Refused, u"C:\\Dades"},
      {u"C:\\Dades\\fitxer.txt", Move::Refused, u"C:\\Dades"},
      {u"", Move::Refused, u"C:\\Dades"},
      {u"C:\\", Move::Changed, u"C:\\"},
      {u"C:\\\\", Move::Unchanged, u"C:\\"},
  };
  for (const Case& c : cases) {
    const std::string shown(c.path.begin(), c.path.end());
    EXPECT_EQ(model.SetPath(c.path), c.move) << shown;
    EXPECT_EQ(model.Path(), c.after) << shown;
  }
  // The root's own entry is its only one above the folders inside it.
  EXPECT_EQ(model.CurrentRow(), 0);
  EXPECT_EQ(model.Entries().size(), 2u);
}

}  // namespace
}  // namespace tavelin::core
