// The tree window's buttons and the double click in a file list: each starts one program on
// the selected file of a list, or on its folder.
#include <exception>

#include "core/common/CommandLines.h"
#include "core/treeview/FKvel.h"

namespace tavelin::core {

namespace {

using platform::WindowState;

constexpr auto kNotExecutable = u"No és un executable";
constexpr auto kNotepad = u"Notepad.exe";
constexpr auto kWordPad = u"C:\\Archivos de programa\\Windows NT\\Accesorios\\wordpad.exe";
constexpr auto kPaint = u"mspaint.exe";
constexpr auto kFolderTool = u"marbek.exe";

enum Button : std::int16_t { kBlocDeNotes = 0, kWordPadButton, kExecuta, kPaintButton, kMira };

}  // namespace

void FKvel::Bt_Click(std::int16_t index) {
  try {
    // The selection is read first, for every button, before deciding anything.
    FileList& list = view_.Lst(ActiveList);
    const int selected = list.ListIndex();
    if ((index == kExecuta || index == kMira) && ActiveList <= 0) return;

    const std::u16string& path = layout_.FolderPaths.at(ActiveList);
    platform::StartRequest request;
    switch (index) {
      case kBlocDeNotes:
        request = NamedProgram(kNotepad, path + list.List(selected), WindowState::NormalFocus);
        break;
      case kWordPadButton:
        request = NamedProgram(kWordPad, path + list.List(selected), WindowState::NormalFocus);
        break;
      case kExecuta:
        request = FileAsProgram(path + list.List(selected), WindowState::NormalFocus);
        break;
      case kPaintButton:
        request = NamedProgram(kPaint, path + list.List(selected), WindowState::NormalFocus);
        break;
      case kMira:
        request = NamedProgram(kFolderTool, path, WindowState::NormalFocus);
        break;
      default:
        return;
    }
    launcher_.Start(request);
  } catch (const std::exception&) {
    messages_.ShowMessage(kNotExecutable);
  }
}

void FKvel::Lst_DblClick(std::int16_t index) {
  try {
    FileList& list = view_.Lst(index);
    const std::u16string entry = list.List(list.ListIndex());
    launcher_.Start(
        NamedProgram(kNotepad, layout_.FolderPaths.at(index) + entry, WindowState::NormalFocus));
  } catch (const std::exception&) {
    messages_.ShowMessage(kNotExecutable);
  }
}

}  // namespace tavelin::core
