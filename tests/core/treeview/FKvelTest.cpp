#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/Requests.h"
#include "fakes/FakeTreeView.h"

namespace tavelin::core {
namespace {

using platform::ProgramKind;
using platform::WindowState;

constexpr auto kNotExecutable = u"No és un executable";

TEST(FKvel, APressMakesTheListActiveAndClearsEveryOtherSelectionButLstZero) {
  fakes::FakeTreeView tree;
  tree.window.Load();
  for (auto& list : tree.window.lists)
    list.index = 1;
  tree.fkvel.Lst_MouseDown(7);
  EXPECT_EQ(tree.fkvel.ActiveList, 7);
  for (int i = 0; i < kFileListCount; ++i)
    EXPECT_EQ(tree.window.List(i).index, i == 0 || i == 7 ? 1 : -1) << i;
}

// The companion closes with the window, and is never loaded just to be closed.
TEST(FKvel, UnloadingClosesTheCompanionOnlyWhenLoaded) {
  fakes::FakeTreeView tree;
  tree.fkvel.Show();
  tree.fkvel.Unload();
  EXPECT_EQ(tree.companion.loads, 0);
  tree.fkvel.Show();
  tree.fscroll.SetVisible(true);
  tree.fkvel.Unload();
  EXPECT_FALSE(tree.window.loaded || tree.companion.loaded);
}

// Lst(4) lists a letter, the second one selected, and Lst(9) a note.
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
    return Request{program + u' ' + argument, ProgramKind::Named, program, argument,
                   WindowState::NormalFocus};
  };
  using Case = std::tuple<std::optional<std::int16_t>, int, std::int16_t, std::optional<Request>>;
  const Case cases[] = {
      {4, 0, 0, named(u"Notepad.exe", file)},
      {4, 0, 1, named(wordPad, file)},
      {4, 0, 2, Request{file, ProgramKind::File, file, u"", WindowState::NormalFocus}},
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
      {4, 0, -2, named(u"Notepad.exe", u"D:\\Altres\\nota.txt")},
  };
  for (std::size_t row = 0; row < std::size(cases); ++row) {
    SCOPED_TRACE(row);
    const auto& [pressed, selectedIn9, button, started] = cases[row];
    ActionsRig rig;
    if (pressed) rig.fkvel.Lst_MouseDown(*pressed);
    rig.window.List(9).index = selectedIn9;
    button == -2 ? rig.fkvel.Lst_DblClick(9) : rig.fkvel.Bt_Click(button);
    EXPECT_EQ(AllFields(rig.launcher.started),
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
  EXPECT_EQ(rig.messages.shown, std::vector<std::u16string>(4, kNotExecutable));
  EXPECT_EQ(rig.fkvel.ActiveList, 4);
  EXPECT_EQ(rig.window.List(4).index, 1);
}

TEST(FScroll, RangeIsHalfTheScreenEitherWayRoundedToEven) {
  const std::tuple<float, std::int16_t, std::int16_t> cases[] = {
      {11520, 5760, -5760},    {15735, 7868, -7868},    // 7867.5 goes to the even neighbour
      {15705, 7852, -7852},                             // 7852.5 too
      {65534, 32767, -32767},  {65535, 32767, -32768},  // 32767.5 would overflow: clamped
      {200000, 32767, -32768},
  };
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
