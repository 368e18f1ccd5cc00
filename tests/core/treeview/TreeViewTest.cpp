// The tree view's core on fakes: the walk, the display pass, the actions and the scroll companion.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/common/UFtx.h"
#include "fakes/FakeViews.h"

namespace tavelin::core {
namespace {

using fakes::DrawCall;
using fakes::FakeTreeView;
using fakes::Request;
using Items = std::vector<std::u16string>;

// The calls in hundredths of a pixel, to be compared whole.
auto Drawn(const std::vector<DrawCall>& calls) {
  const auto at = [](float v) { return std::lround(v * 100); };
  std::vector<std::tuple<int, long, long, long, long, Color, std::u16string>> drawn;
  for (const DrawCall& c : calls)
    drawn.emplace_back(c.kind, at(c.x1), at(c.y1), at(c.x2), at(c.y2), c.color, c.text);
  return drawn;
}

std::unique_ptr<FakeTreeView> Walk(const std::u16string& root,
                                   const std::function<void(FakeTreeView&)>& build) {
  auto tree = std::make_unique<FakeTreeView>();
  build(*tree);
  tree->window.Load();
  tree->ukvel.WalkFolder(tree->window, root, 10, 29);
  return tree;
}

// Three files and the sub-folders A (empty) and B (one file), mixed as the file system gives them.
TEST(WalkFolder, DrawsTheWorkedExampleExactly) {
  const auto tree = Walk(u"C:\\Arrel", [](FakeTreeView& t) {
    t.fs.AddDotEntries(u"C:\\Arrel");
    t.fs.Add(u"C:\\Arrel", {u"un.txt", u"A\\", u"dos.txt", u"B\\", u"tres.txt"});
    t.fs.AddDotEntries(u"C:\\Arrel\\B");
    t.fs.Add(u"C:\\Arrel", {u"B\\b.txt"});
  });
  constexpr Color kGrey = 0xC0C0C0;
  // Each folder: its box, its name, then for each sub-folder two connectors and its drawing.
  EXPECT_EQ(Drawn(tree->window.surface.calls),
            Drawn({{DrawCall::kBox, 10, 29, 31, 43, kGrey},
                   {DrawCall::kPrint, 14, 29, 0, 0, 0, u"Arrel"},
                   {DrawCall::kLine, 20.5f, 43, 20.5f, 95.4f, kGrey},
                   {DrawCall::kLine, 20.5f, 95.4f, 28, 95.4f, kGrey},
                   {DrawCall::kBox, 30, 88.4f, 51, 102.4f, kGrey},
                   {DrawCall::kPrint, 34, 88.4f, 0, 0, 0, u"A"},
                   {DrawCall::kLine, 20.5f, 43, 20.5f, 111.4f, kGrey},
                   {DrawCall::kLine, 20.5f, 111.4f, 28, 111.4f, kGrey},
                   {DrawCall::kBox, 30, 104.4f, 51, 118.4f, kGrey},
                   {DrawCall::kPrint, 34, 104.4f, 0, 0, 0, u"B"}}));
  // Lst(0) as loaded; Lst(2) for A, untouched but cleared and given its empty batch; each
  // folder's files in one batch, none added one by one.
  const std::tuple<Items, bool, float, float, float, std::size_t, int> lists[] = {
      {{}, false, 144, 48, 15, 0, 0},
      {{u"un.txt", u"dos.txt", u"tres.txt"}, true, 30, 45, float(3 * 13.8), 1, 0},
      {{}, false, 152, 48, 15, 1, 0},
      {{u"b.txt"}, true, 50, 120.4f, float(13.8), 1, 0}};
  for (std::size_t i = 0; i < 4; ++i) {
    const fakes::FakeList& l = tree->window.lists[i];
    EXPECT_EQ(
        std::tuple(l.items, l.visible, l.left, l.top, l.height, l.batches.size(), l.singleAdds),
        lists[i])
        << i;
  }
  const TreeLayoutState& layout = tree->layout;
  EXPECT_FLOAT_EQ(layout.NextY, 136.2f);
  EXPECT_EQ(std::tuple(layout.MaxRight, layout.FolderCount, layout.StopWalk, tree->messages.shown),
            std::tuple(192.f, 3, kFalse, Items{}));
  EXPECT_EQ(Items(layout.FolderPaths.begin(), layout.FolderPaths.begin() + 4),
            (Items{u"", u"C:\\Arrel\\", u"", u"C:\\Arrel\\B\\"}));
  EXPECT_EQ(tree->fs.Listed(), (Items{u"C:\\Arrel\\", u"C:\\Arrel\\A\\", u"C:\\Arrel\\B\\"}));
}

// Below a drive root paths double the separator; sub-folders come in the file system's order, one
// gone since its parent was listed drawn empty; a list is as high as its rows, five at most.
TEST(WalkFolder, ADriveRootAFolderGoneAndALongList) {
  const auto tree = Walk(u"C:\\", [](FakeTreeView& t) {
    t.fs.Add(u"C:\\", {u"Z\\", u"boot.ini", u"Esborrada\\", u"A\\", u"A\\1", u"A\\2", u"A\\3",
                       u"A\\4", u"A\\5", u"A\\6"});
    t.fs.Remove(u"C:\\\\Esborrada");
  });
  EXPECT_EQ(tree->FolderNames(), (Items{u"", u"Z", u"Esborrada", u"A"}));
  EXPECT_EQ(tree->fs.Listed(),
            (Items{u"C:\\\\", u"C:\\\\Z\\", u"C:\\\\Esborrada\\", u"C:\\\\A\\"}));
  EXPECT_EQ(tree->layout.FolderCount, 4);
  const std::tuple<std::u16string, Items, bool, float> lists[] = {
      {u"C:\\\\", {u"boot.ini"}, true, float(13.8)},
      {u"", {}, false, 15},
      {u"", {}, false, 15},
      {u"C:\\\\A\\", {u"1", u"2", u"3", u"4", u"5", u"6"}, true, float(5 * 13.8)}};
  for (std::size_t n = 1; n <= 4; ++n) {
    const fakes::FakeList& l = tree->window.lists[n];
    EXPECT_EQ(std::tuple(tree->layout.FolderPaths[n], l.items, l.visible, l.height), lists[n - 1])
        << n;
  }
}

// MaxRight is only ever raised: by a file list's right edge, to 5 beyond it, and by a folder's
// name end, measured after its sub-folders.
TEST(WalkFolder, MaxRightRisesOnlyBeyondWhatWasDrawn) {
  const std::tuple<std::size_t, bool, float, float> cases[] = {
      {1, false, 167, 167},  // the list's right edge is 30 + 137 = 167
      {1, false, 166, 172},
      {29, true, 0, 192},  // the sub-folder's list ends at 187, the name at 14 + 29 × 6 = 188
      {40, true, 0, 14 + 40 * 6}};
  for (const auto& [nameLength, subFolder, before, after] : cases) {
    const std::u16string root = u"C:\\" + std::u16string(nameLength, u'n');
    const auto tree = Walk(root, [&](FakeTreeView& t) {
      t.layout.MaxRight = before;
      subFolder ? t.fs.Add(root, {u"S\\", u"S\\f"}) : t.fs.Add(root, {u"f"});
    });
    EXPECT_EQ(tree->layout.MaxRight, after) << nameLength << subFolder;
  }
}

// 50 folders are drawn; the 51st stops the walk with one message, in a wide tree or a deep one.
TEST(WalkFolder, TheFolderLimit) {
  const auto flat = [](int subFolders) {
    return [subFolders](FakeTreeView& t) {
      for (char16_t i = 0; i < subFolders; ++i)
        t.fs.Add(u"C:\\R", {{u'S', char16_t(u'a' + i), u'\\'}});
    };
  };
  const auto deep = Walk(u"C:\\R", [](FakeTreeView& t) {
    for (std::u16string path; path.size() < 120; path += u"d\\")
      t.fs.Add(u"C:\\R", {path + u"d\\"});
  });
  const auto fifty = Walk(u"C:\\R", flat(49)), wide = Walk(u"C:\\R", flat(52));
  for (const FakeTreeView* tree : {fifty.get(), wide.get(), deep.get()}) {
    const bool stopped = tree != fifty.get();
    EXPECT_EQ(std::tuple(tree->window.surface.Of(DrawCall::kBox).size(), tree->FolderNames().size(),
                         tree->fs.Listed().size(), tree->layout.FolderCount, tree->layout.StopWalk,
                         tree->messages.shown),
              std::tuple(50u, 50u, 50u, stopped ? 51 : 50, stopped ? kTrue : kFalse,
                         stopped ? Items{u"Màxim  50 subcarpetes"} : Items{}));
  }
  // Folder n of the deep tree stands at x = 10 + 20 (n - 1).
  EXPECT_FLOAT_EQ(deep->window.surface.Of(DrawCall::kBox).back().x1, 10 + 20 * 49);
  // The connectors of the 51st folder and those after it all reach the row below the 50th.
  const auto lines = wide->window.surface.Of(DrawCall::kLine);
  ASSERT_EQ(lines.size(), 2u * 52);
  for (std::size_t i = 2 * 48; i < lines.size(); ++i)
    EXPECT_EQ(lines[i].y2 == wide->layout.NextY + 7, i >= 2 * 49) << i;
}

// The name of a folder as the tree draws it: what follows the last separator, 255 units at most.
TEST(UFtx, LastPathPartCutsAtTheLastSeparatorAndCutsTheTail) {
  const std::tuple<std::u16string, char16_t, std::u16string> cases[] = {
      {u"C:\\Dir\\Sub", u'\\', u"Sub"},      {u"C:\\", u'\\', u""},
      {u"C:\\Dir\\\\Sub", u'\\', u"Sub"},    {u"", u'\\', u""},
      {u"C:/Dir/Sub", u'\\', u"C:/Dir/Sub"}, {u"/home/anna/Fotos", u'/', u"Fotos"}};
  for (const auto& c : cases)
    EXPECT_EQ(UFtx::LastPathPart(std::get<0>(c), std::get<1>(c)), std::get<2>(c)) << &c - cases;
  const std::u16string longName(300, u'n');
  EXPECT_EQ(UFtx::LastPathPart(u"C:\\" + longName, u'\\'), std::u16string(255, u'n'));
  EXPECT_EQ(UFtx::LastPathPart(longName, u'\\'), longName);  // no separator: all, however long
  EXPECT_EQ(UFtx::LastPathPart({u'a', platform::kNativeSeparator, u'b'}), u"b");
}

constexpr float kLoadWidth = fakes::FakeTreeWindow::kLoadWidth;
constexpr float kFrameW = fakes::FakeTreeWindow::kFrameW, kFrameH = fakes::FakeTreeWindow::kFrameH;

class ShowTreeTest : public ::testing::Test, protected fakes::FakeTreeView {
 protected:
  ShowTreeTest() {
    fs.Add(u"C:\\Arrel", {u"un.txt", u"A\\", u"dos.txt", u"B\\", u"tres.txt", u"B\\b.txt"});
  }
};

// The worked example; then the window widens only beyond its current width, and never narrows.
TEST_F(ShowTreeTest, SizesTheWindowToTheWorkedExampleAndCentresIt) {
  ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(
      std::tuple(window.loads, window.shows, window.focuses, companion.loaded, window.caption),
      std::tuple(1, 1, 0, false, std::u16string(u"C:\\Arrel")));
  EXPECT_EQ(std::pair(layout.FrameExtraW, layout.FrameExtraH), std::pair(kFrameW, kFrameH));
  EXPECT_EQ(window.surface.calls.front().kind, DrawCall::kCls);
  EXPECT_EQ(window.surface.Of(DrawCall::kBox).front().y1, 29);  // below the 25 pixel strip
  EXPECT_FLOAT_EQ(window.height, 2693);  // 2043 twips of drawing, the frame and a margin
  EXPECT_EQ(window.width, kLoadWidth);   // 192 × 15 + 120 = 3000 does not exceed it
  EXPECT_EQ(std::pair(window.left, window.top), std::pair(3000.f, (11520 - window.height) / 2));
  layout.MaxRight = 304;  // the drawing's extent exactly at the window's width
  ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(window.width, kLoadWidth);
  layout.MaxRight = (kLoadWidth + 1 - kFrameW) / 15;  // one twip beyond
  ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(window.width, kLoadWidth + 1 + 200);
  // MaxRight carries over: a narrow tree after a wide one keeps the wide width.
  fs.Add(u"C:\\Estreta", {u"x\\"});
  ukvel.ShowTree(u"C:\\Estreta");
  EXPECT_EQ(window.width, kLoadWidth + 1 + 200);
}

// The folder limit does not stop the sizing. Each pass starts afresh and hides the old lists,
// which keep their entries and folder paths; the buttons act on the list pressed last.
TEST_F(ShowTreeTest, LaterPassesStartAfreshButKeepTheOldLists) {
  for (char16_t i = 0; i < 55; ++i)
    fs.Add(u"C:\\Molts", {{u's', char16_t(u'A' + i), u'\\'}});
  ukvel.ShowTree(u"C:\\Molts");
  EXPECT_FLOAT_EQ(layout.NextY, 29 + 50 * 16);  // 50 empty folders
  EXPECT_EQ(window.height, layout.NextY * 15 + kFrameH + 200);

  ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(layout.FolderCount, 3);
  fkvel.Lst_MouseDown(3);
  window.List(3).index = 0;
  fs.Add(u"C:\\Sola", {u"s.txt"});
  ukvel.ShowTree(u"C:\\Sola");
  EXPECT_EQ(std::tuple(window.loads, window.surface.Of(DrawCall::kCls).size(),
                       messages.shown.size(), window.caption),
            std::tuple(1, 3u, 1u, std::u16string(u"C:\\Sola")));
  EXPECT_EQ(std::tuple(window.List(1).items, layout.FolderPaths[1], window.List(3).items),
            std::tuple(Items{u"s.txt"}, std::u16string(u"C:\\Sola\\"), Items{u"b.txt"}));
  for (int i = 2; i < kFileListCount; ++i)
    EXPECT_FALSE(window.List(i).visible) << i;
  fkvel.Bt_Click(0);
  ASSERT_EQ(launcher.started.size(), 1u);
  EXPECT_EQ(launcher.started[0].commandLine, u"Notepad.exe C:\\Arrel\\B\\b.txt");
}

TEST_F(ShowTreeTest, AWindowAsTallAsTheScreenGoesToTheTopWithTheCompanion) {
  // A chain of three nested folders of five files: rows of 16 + 69 + 2 pixels from y = 29.
  fs.Add(u"C:\\Alt",
         {u"a", u"b", u"c", u"d", u"e", u"d\\", u"d\\a", u"d\\b", u"d\\c", u"d\\d", u"d\\e",
          u"d\\d\\", u"d\\d\\a", u"d\\d\\b", u"d\\d\\c", u"d\\d\\d", u"d\\d\\e"});
  window.left = 450;
  screen.height = 290 * 15 + kFrameH + 200;  // NextY = 29 + 3 × 87 = 290
  ukvel.ShowTree(u"C:\\Alt");
  ASSERT_FLOAT_EQ(layout.NextY, 290);
  // The companion stands 600 twips left of the window, beyond the screen's edge.
  EXPECT_EQ(std::tuple(window.height, window.top, window.focuses, companion.loaded,
                       companion.visible, companion.left, companion.top),
            std::tuple(screen.height, 0.f, 1, true, true, -150.f, (screen.height - 3810) / 2));
  // The bar moves the window from where it stood when the companion loaded.
  for (std::int16_t value : {-1000, 5760}) {
    companion.value = value;
    fscroll.ScrllFrm_Change();
    EXPECT_EQ(window.top, value);
  }
  // A later short tree is centred; the companion stays, its bar where the user left it.
  companion.value = 300;
  ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(std::tuple(window.top, companion.visible, companion.value),
            std::tuple((screen.height - window.height) / 2, true, std::int16_t{300}));
  // A second tall tree places the companion again but does not load it again.
  ukvel.ShowTree(u"C:\\Alt");
  EXPECT_EQ(std::pair(companion.loads, window.top), std::pair(1, 0.f));
}

// A press makes its list active and clears every other selection but Lst(0)'s. The companion
// closes with the window, and is never loaded just to be closed.
TEST(FKvel, APressAndTheClose) {
  fakes::FakeTreeView tree;
  tree.fkvel.Show();
  tree.fkvel.Unload();
  EXPECT_EQ(tree.companion.loads, 0);
  tree.fkvel.Show();
  for (auto& list : tree.window.lists)
    list.index = 1;
  tree.fkvel.Lst_MouseDown(7);
  EXPECT_EQ(tree.fkvel.ActiveList, 7);
  for (int i = 0; i < kFileListCount; ++i)
    EXPECT_EQ(tree.window.List(i).index, i == 0 || i == 7 ? 1 : -1) << i;
  tree.fscroll.SetVisible(true);
  tree.fkvel.Unload();
  EXPECT_FALSE(tree.window.loaded || tree.companion.loaded);
}

struct ActionsRig : fakes::FakeTreeView {
  ActionsRig() {
    window.Load();
    layout.FolderPaths[4] = u"C:\\Els meus documents\\Cartes noves\\";
    window.List(4).items = {u"primera.txt", u"carta a la Marta.txt"};
    window.List(4).index = 1;
    layout.FolderPaths[9] = u"D:\\Altres\\";
    window.List(9).items = {u"nota.txt"};
    window.List(9).index = 0;
  }
};

// Each row: the list pressed (if any), then Lst(9)'s selection, then a button (or -2, a double
// click in Lst(9)), and the program that starts.
TEST(FKvel, ButtonsAndTheDoubleClickBuildTheirCommandLinesUnquoted) {
  const std::u16string folder = u"C:\\Els meus documents\\Cartes noves\\";
  const std::u16string file = folder + u"carta a la Marta.txt";
  const std::u16string wordPad = u"C:\\Archivos de programa\\Windows NT\\Accesorios\\wordpad.exe";
  const auto named = [](const std::u16string& program, const std::u16string& argument) {
    return Request{program + u' ' + argument, platform::ProgramKind::Named, program, argument,
                   platform::WindowState::NormalFocus};
  };
  using Case = std::tuple<std::optional<std::int16_t>, int, std::int16_t, std::optional<Request>>;
  const Case cases[] = {
      {4, 0, 0, named(u"Notepad.exe", file)},
      {4, 0, 1, named(wordPad, file)},
      {4, 0, 2,
       Request{file, platform::ProgramKind::File, file, u"", platform::WindowState::NormalFocus}},
      {4, 0, 3, named(u"mspaint.exe", file)},
      {4, 0, 4, named(u"marbek.exe", folder)},
      {4, 0, 5, std::nullopt},
      {4, 0, -1, std::nullopt},
      // Before any press only the editors start, on the empty folder path of Lst(0).
      {std::nullopt, 0, 0, named(u"Notepad.exe", u"")},
      {std::nullopt, 0, 1, named(wordPad, u"")},
      {std::nullopt, 0, 2, std::nullopt},
      {std::nullopt, 0, 3, named(u"mspaint.exe", u"")},
      {std::nullopt, 0, 4, std::nullopt},
      // No selection in the pressed list: the folder path alone.
      {9, -1, 0, named(u"Notepad.exe", u"D:\\Altres\\")},
      {9, -1, 4, named(u"marbek.exe", u"D:\\Altres\\")},
      // A double click acts on its own list, whatever was pressed last.
      {4, 0, -2, named(u"Notepad.exe", u"D:\\Altres\\nota.txt")}};
  for (std::size_t row = 0; row < std::size(cases); ++row) {
    SCOPED_TRACE(row);
    const auto& [pressed, selectedIn9, button, started] = cases[row];
    ActionsRig rig;
    if (pressed) rig.fkvel.Lst_MouseDown(*pressed);
    rig.window.List(9).index = selectedIn9;
    button == -2 ? rig.fkvel.Lst_DblClick(9) : rig.fkvel.Bt_Click(button);
    EXPECT_EQ(rig.launcher.Requests(),
              started ? std::vector<Request>{*started} : std::vector<Request>{});
    EXPECT_TRUE(rig.messages.shown.empty());
  }
}

TEST(FKvel, AFailedStartShowsOneMessageAndChangesNothing) {
  ActionsRig rig;
  rig.fkvel.Lst_MouseDown(4);
  rig.launcher.failing = {u"Notepad.exe", u"marbek.exe",
                          u"C:\\Els meus documents\\Cartes noves\\carta a la Marta.txt"};
  for (std::int16_t button : {0, 2, 4})
    rig.fkvel.Bt_Click(button);
  rig.fkvel.Lst_DblClick(9);
  EXPECT_EQ(std::tuple(rig.messages.shown, rig.fkvel.ActiveList, rig.window.List(4).index),
            std::tuple(Items(4, u"No és un executable"), 4, 1));
}

TEST(FScroll, RangeIsHalfTheScreenEitherWayRoundedToEven) {
  const std::tuple<float, std::int16_t, std::int16_t> cases[] = {
      {11520, 5760, -5760},   {15735, 7868, -7868},    // 7867.5 goes to the even neighbour
      {15705, 7852, -7852},                            // 7852.5 too
      {65534, 32767, -32767}, {65535, 32767, -32768},  // 32767.5 would overflow: clamped
      {200000, 32767, -32768}};
  for (const auto& [screen, max, min] : cases) {
    fakes::FakeTreeView tree;
    tree.screen.height = screen;
    tree.window.Load();
    tree.fscroll.Height();  // loads the companion
    EXPECT_EQ(std::tuple(tree.companion.max, tree.companion.min, tree.companion.value),
              std::tuple(max, min, std::int16_t{0}))
        << screen;
  }
}

}  // namespace
}  // namespace tavelin::core
