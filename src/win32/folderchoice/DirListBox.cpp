#include "win32/folderchoice/DirListBox.h"

#include <utility>

#include "win32/common/Utf16.h"

namespace tavelin::win32 {

namespace {

constexpr float kIndentPerDepth = 10;  // pixels
constexpr float kTextMargin = 2;       // pixels

// Folder names as the system's own lists sort them: by the user's locale, letter case ignored.
bool NameBefore(const std::u16string& a, const std::u16string& b) {
  const std::wstring wideA = ToWide(a), wideB = ToWide(b);
  return CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, wideA.c_str(),
                         static_cast<int>(wideA.size()), wideB.c_str(),
                         static_cast<int>(wideB.size()), nullptr, nullptr, 0) == CSTR_LESS_THAN;
}

}  // namespace

DirListBox::DirListBox(const platform::FileSystem& fileSystem) : model_(fileSystem, NameBefore) {}

bool DirListBox::SetPath(const std::u16string& path) {
  switch (model_.SetPath(path)) {
    case core::DirListModel::Move::Refused:
      return false;
    case core::DirListModel::Move::Unchanged:
      return true;
    case core::DirListModel::Move::Changed:
      break;
  }
  Fill();
  if (onChange_) onChange_();
  return true;
}

void DirListBox::SetFocus() {
  ::SetFocus(list_);
}

void DirListBox::OpenHighlighted() {
  const LRESULT row = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  if (row == LB_ERR) return;
  // A copy: opening the entry replaces the entries.
  const std::u16string path = model_.Entries().at(static_cast<std::size_t>(row)).path;
  static_cast<void>(SetPath(path));
}

void DirListBox::Fill() {
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  // The names are the items' strings too, for screen readers and type-ahead.
  for (const core::DirEntry& entry : model_.Entries()) {
    const std::wstring name = ToWide(entry.name);
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(model_.CurrentRow()), 0);
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void DirListBox::Draw(const DRAWITEMSTRUCT& item, HBRUSH background, Dpi dpi) const {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT area = item.rcItem;
  FillRect(item.hDC, &area, selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : background);
  if (item.itemID < model_.Entries().size()) {
    const core::DirEntry& entry = model_.Entries()[item.itemID];
    const std::wstring name = ToWide(entry.name);
    RECT text = area;
    text.left += dpi.ToDevice(kTextMargin + kIndentPerDepth * static_cast<float>(entry.depth));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(item.hDC, name.c_str(), static_cast<int>(name.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &area);
}

}  // namespace tavelin::win32
