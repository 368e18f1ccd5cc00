// The folder chooser's core on fakes: its form, its recents file and its directory list.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/folderchoice/Ctrls.h"
#include "core/folderchoice/DirListModel.h"
#include "core/folderchoice/FPrvSD.h"
#include "core/folderchoice/FolderChain.h"
#include "fakes/FakeViews.h"

namespace tavelin::core {
namespace {

using fakes::Request;
using Items = std::vector<std::u16string>;
using fakes::DrawCall;

constexpr auto kRecents = u"Recents.txt";

struct ChooserRig {
  ChooserRig() {
    tree.fs.Add(u"C:", {u"Dades\\", u"Dades\\Fotos\\"});
    tree.fs.AddFolder(u"D:", u"Arxiu");
    chooser.dirs.onChange = [this] {
      focusesAtChange.push_back(chooser.dirs.focuses);
      form.LDirs_Change();
    };
    chooser.dirs.path = u"C:\\Dades";
  }

  const Items& Recents() const { return chooser.recents.items; }
  fakes::FakeTreeView tree;
  fakes::FakeChooser chooser{tree.fs};
  FPrvSD form{chooser, tree.fs, tree.launcher, tree.ukvel, tree.fkvel};
  std::vector<int> focusesAtChange;
};

class ChooserTest : public ::testing::Test, protected ChooserRig {};

// The file is loaded into the sorted list and written back at close, unless it could not be
// read; a failed save leaves the old file and closes all the same.
TEST(ChooserRecents, FromLoadToClose) {
  const std::tuple<std::optional<std::string>, bool, bool, Items, std::string> cases[] = {
      {"D:\\A\r\nC:\\a", false, false, {u"C:\\a", u"D:\\A"}, "C:\\a\r\nC:\\Dades\r\nD:\\A\r\n"},
      {std::nullopt, false, false, {}, "C:\\Dades\r\n"},
      {"C:\\Vell\r\n", true, false, {}, "C:\\Vell\r\n"},
      {"C:\\Vell\r\n", false, true, {u"C:\\Vell"}, "C:\\Vell\r\n"}};
  for (const auto& [before, failRead, failWrite, loaded, after] : cases) {
    SCOPED_TRACE(after);
    ChooserRig t;
    if (before) t.tree.fs.SetFile(kRecents, *before);
    if (failRead) t.tree.fs.FailReadsOf(kRecents);
    if (failWrite) t.tree.fs.FailWritesTo(kRecents);
    t.form.Form_Load();
    EXPECT_EQ(std::pair(t.Recents(), t.chooser.recents.ListIndex()), std::pair(loaded, -1));
    t.form.BtOk_Click();
    EXPECT_NO_THROW(t.form.Form_Unload());
    EXPECT_EQ(t.tree.fs.Files().at(kRecents), after);
  }
}

// OK and Enter list the folder once and draw it each time; Delete removes the selected entry.
TEST_F(ChooserTest, OkAndEnterListTheFolderOnceAndDeleteRemovesTheSelectedEntry) {
  form.LDirs_KeyDown(kKeyDelete);
  form.LDirs_KeyDown(65);
  EXPECT_EQ(std::pair(tree.window.loaded, chooser.recents.ListCount()), std::pair(false, 0));
  form.LDirs_KeyDown(kKeyReturn);
  form.BtOk_Click();
  EXPECT_EQ(std::tuple(Recents(), tree.window.caption, tree.window.shows,
                       tree.window.surface.Of(DrawCall::kCls).size()),
            std::tuple(Items{u"C:\\Dades"}, std::u16string(u"C:\\Dades"), 2, 2u));
  // The tree is drawn again after the second clear: the folder's name follows it.
  EXPECT_EQ(tree.window.surface.calls.back().text, u"Fotos");
  // A path that differs in letter case is another entry.
  chooser.dirs.path = u"C:\\DADES";
  form.BtOk_Click();
  EXPECT_EQ(Recents(), (Items{u"C:\\Dades", u"C:\\DADES"}));

  chooser.recents.AddItem(u"C:\\E");
  form.LstR_KeyDown(kKeyDelete);  // nothing selected
  chooser.recents.Pick(1);
  form.LstR_KeyDown(kKeyReturn);
  form.LstR_KeyDown(8);
  EXPECT_EQ(std::pair(chooser.recents.ListCount(), tree.window.shows), std::pair(3, 3));
  form.LstR_KeyDown(kKeyDelete);
  form.LstR_KeyDown(kKeyDelete);
  EXPECT_EQ(std::pair(Recents(), chooser.recents.ListIndex()),
            std::pair(Items{u"C:\\Dades", u"C:\\E"}, -1));
}

// A picked folder that exists closes the tree and its companion, without drawing, and the focus
// moves on after the change; a vanished one changes nothing.
TEST_F(ChooserTest, PickingARecentFolder) {
  chooser.recents.AddItem(u"D:\\Arxiu");
  chooser.recents.AddItem(u"E:\\Perduda");
  form.BtOk_Click();
  tree.companion.loaded = true;
  const std::size_t drawn = tree.window.surface.calls.size();

  chooser.recents.Pick(2);
  form.LstR_Click();
  EXPECT_EQ(std::tuple(chooser.dirs.path, chooser.dirs.focuses, tree.window.loaded),
            std::tuple(std::u16string(u"C:\\Dades"), 0, true));

  chooser.recents.Pick(1);
  form.LstR_Click();
  EXPECT_FALSE(tree.window.loaded || tree.companion.loaded);
  EXPECT_EQ(std::tuple(chooser.dirs.path, focusesAtChange, chooser.dirs.focuses,
                       tree.window.surface.calls.size(), tree.window.shows),
            std::tuple(std::u16string(u"D:\\Arxiu"), std::vector<int>{0}, 1, drawn, 1));

  form.BtOk_Click();
  EXPECT_EQ(std::tuple(tree.window.caption, tree.window.loads, chooser.recents.ListCount()),
            std::tuple(std::u16string(u"D:\\Arxiu"), 2, 3));
}

// Through cmd.exe, hidden, or command.com once when that cannot start; without either the help
// stays closed and the chooser usable.
TEST_F(ChooserTest, InfoOpensTheHelpDocumentAndSurvivesAMissingInterpreter) {
  const Request cmd{u"cmd.exe /c Tavelin.pdf", platform::ProgramKind::Interpreter, u"cmd.exe",
                    u"Tavelin.pdf", platform::WindowState::Hidden};
  const Request com{u"command.com /c Tavelin.pdf", platform::ProgramKind::Interpreter,
                    u"command.com", u"Tavelin.pdf", platform::WindowState::Hidden};
  form.OpInfo_Click();
  tree.launcher.failing = {u"cmd.exe"};
  form.OpInfo_Click();
  tree.launcher.failing = {u"cmd.exe", u"command.com"};
  EXPECT_NO_THROW(form.OpInfo_Click());
  EXPECT_EQ(tree.launcher.Requests(), (std::vector<Request>{cmd, cmd, com, cmd, com}));
}

// Lines cut at CR LF, lone CR or lone LF follow the listed items and are written back each ended
// by CR LF. Each row: the bytes read, the items they add, the bytes written after "C:\Mig\r\n".
TEST(RecentsFile, ReadsLinesAfterTheListedItemsAndWritesThemBack) {
#ifdef _WIN32
  const std::string music = "C:\\M\xFAsica\\Can\xE7ons";
#else
  const std::string music = "C:\\M\xC3\xBAsica\\Can\xC3\xA7ons";
#endif
  const std::tuple<std::string, Items, std::string> cases[] = {
      {"", {}, ""},
      {"\r\n", {u""}, "\r\n"},
      {"a\r\r\nb", {u"a", u"", u"b"}, "a\r\n\r\nb\r\n"},
      {"a\rb\nc\r\n", {u"a", u"b", u"c"}, "a\r\nb\r\nc\r\n"},
      {"a\n\r", {u"a", u""}, "a\r\n\r\n"},
      {" C:\\Dir amb blancs \t", {u" C:\\Dir amb blancs \t"}, " C:\\Dir amb blancs \t\r\n"},
      {"C:\\Z\r\nC:\\a\r\nC:\\a", {u"C:\\Z", u"C:\\a", u"C:\\a"}, "C:\\Z\r\nC:\\a\r\nC:\\a\r\n"},
      {music, {u"C:\\M\u00FAsica\\Can\u00E7ons"}, music + "\r\n"}};
  for (const auto& [read, items, written] : cases) {
    SCOPED_TRACE(read);
    fakes::FakeFileSystem fs;
    fs.SetFile(kRecents, read);
    fakes::FakeList list;
    list.items = {u"C:\\Mig"};
    EXPECT_TRUE(Ctrls::LoadListFromFile(kRecents, list, fs));
    EXPECT_EQ(list.items.front(), u"C:\\Mig");
    EXPECT_EQ(Items(list.items.begin() + 1, list.items.end()), items);
    Ctrls::SaveListToFile(list, kRecents, fs);
    EXPECT_EQ(fs.Files().at(kRecents), "C:\\Mig\r\n" + written);
  }
  // An empty list empties the file; what the code page cannot hold stays listed, unwritten.
  fakes::FakeFileSystem fs;
  fakes::FakeList list;
  fs.SetFile(kRecents, "x");
  Ctrls::SaveListToFile(list, kRecents, fs);
  EXPECT_EQ(fs.Files().at(kRecents), "");
  const Items unwritable = {u"C:\\A", u"C:\\B\xD800", u"C:\\C"};
  list.items = unwritable;
  Ctrls::SaveListToFile(list, kRecents, fs);
  EXPECT_EQ(std::pair(fs.Files().at(kRecents), list.items),
            std::pair(std::string("C:\\A\r\nC:\\C\r\n"), unwritable));
}

// Only a root keeps its trailing separator. Each row: path, separator, chain, root?, trimmed.
TEST(FolderChain, TakesItemsApartAndOnlyARootKeepsItsSeparator) {
  const std::tuple<std::u16string, char16_t, Items, bool, std::u16string> cases[] = {
      {u"/home/anna//", u'/', {u"/", u"/home", u"/home/anna"}, false, u"/home/anna"},
      {u"/", u'/', {u"/"}, true, u"/"},
      {u"C:\\", u'\\', {u"C:\\"}, true, u"C:\\"},
      {u"C:\\A\\\\B", u'\\', {u"C:\\", u"C:\\A", u"C:\\A\\B"}, false, u"C:\\A\\\\B"},
      {u"C:\\Dades\\", u'\\', {u"C:\\", u"C:\\Dades"}, false, u"C:\\Dades"}};
  for (const auto& [path, separator, paths, root, trimmed] : cases) {
    Items chain;
    for (const FolderStep& step : FolderChain(path, separator))
      chain.push_back(step.path);
    EXPECT_EQ(std::tuple(chain, IsRootPath(path, separator), TrimFolderPath(path, separator)),
              std::tuple(paths, root, trimmed))
        << std::string(path.begin(), path.end());
  }
  EXPECT_EQ(ChildPath(u"C:\\", u"x", u'\\'), u"C:\\x");
}

TEST(DirListModel, ListsTheFoldersAboveThenTheSortedOnesInsideAndMovesOnlyToFolders) {
  fakes::FakeFileSystem fs;
  fs.AddFolder(u"C:", u"Dades");
  fs.AddDotEntries(u"C:\\");
  fs.AddDotEntries(u"C:\\Dades");
  fs.Add(u"C:\\Dades", {u"Beta\\", u"alfa\\", u"Gamma\\", u"Alfa\\", u"fitxer.txt"});
  DirListModel model{fs, fakes::LessIgnoringCase};
  ASSERT_EQ(model.SetPath(u"C:\\Dades"), DirListModel::Move::Changed);
  // Path, name, depth, open; names equal but for case keep the order the file system gave.
  using Row = std::tuple<std::u16string, std::u16string, int, bool>;
  const std::vector<Row> expected = {{u"C:\\", u"C:\\", 0, true},
                                     {u"C:\\Dades", u"Dades", 1, true},
                                     {u"C:\\Dades\\alfa", u"alfa", 2, false},
                                     {u"C:\\Dades\\Alfa", u"Alfa", 2, false},
                                     {u"C:\\Dades\\Beta", u"Beta", 2, false},
                                     {u"C:\\Dades\\Gamma", u"Gamma", 2, false}};
  std::vector<Row> rows;
  for (const DirEntry& e : model.Entries())
    rows.emplace_back(e.path, e.name, e.depth, e.open);
  EXPECT_EQ(std::tuple(rows, model.CurrentRow(), fs.Listed()),
            std::tuple(expected, 1, Items{u"C:\\Dades\\"}));

  using Move = DirListModel::Move;
  const std::tuple<std::u16string, Move, std::u16string> moves[] = {
      {u"C:\\Dades\\", Move::Unchanged, u"C:\\Dades"},
      {u"C:\\Dades\\NoHiEs", Move::Refused, u"C:\\Dades"},
      {u"C:\\Dades\\fitxer.txt", Move::Refused, u"C:\\Dades"},
      {u"", Move::Refused, u"C:\\Dades"},
      {u"C:\\", Move::Changed, u"C:\\"},
      {u"C:\\\\", Move::Unchanged, u"C:\\"}};
  for (const auto& [path, move, after] : moves) {
    const Move moved = model.SetPath(path);
    EXPECT_EQ(std::pair(moved, model.Path()), std::pair(move, after))
        << std::string(path.begin(), path.end());
  }
  // The root's own entry is its only one above the folders inside it.
  EXPECT_EQ(std::pair(model.CurrentRow(), model.Entries().size()), std::pair(0, std::size_t{2}));
}

}  // namespace
}  // namespace tavelin::core
