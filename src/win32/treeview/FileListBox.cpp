#include "win32/treeview/FileListBox.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/treeview/TreeWindowDesign.h"
#include "win32/common/Failures.h"
#include "win32/common/Handles.h"
#include "win32/common/Utf16.h"

namespace tavelin::win32 {

namespace {

constexpr float kTextIndent = 2;
constexpr UINT_PTR kSubclassId = 1;

bool IsPress(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

}  // namespace

FileListBox::FileListBox(HWND parent, int id, Dpi dpi, HFONT font, float left, float top,
                         float width, float height, PressHandler pressed, PendingHandler pending)
    // A one-pixel border: a list of one entry, 13.8 pixels high, leaves its 12-pixel row whole.
    : list_(CreateWindowExW(0, WC_LISTBOXW, L"",
                            WS_CHILD | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NODATA |
                                LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr)),
      dpi_(dpi),
      font_(font),
      left_(left),
      top_(top),
      width_(width),
      height_(height),
      pressed_(std::move(pressed)),
      pending_(std::move(pending)) {
  if (list_ == nullptr) ThrowLastError("CreateWindowExW LISTBOX");
  SetWindowSubclass(list_, &FileListBox::Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  Rescale(dpi_, font_);
}

void FileListBox::Rescale(Dpi dpi, HFONT font) {
  dpi_ = dpi;
  font_ = font;
  SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SendMessageW(list_, LB_SETITEMHEIGHT, 0, dpi_.ToDevice(core::FKvelDesign::kListRowHeight));
  placed_ = Wanted();
  SetWindowPos(list_, nullptr, placed_.left, placed_.top, placed_.right - placed_.left,
               placed_.bottom - placed_.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

HDWP FileListBox::Apply(HDWP batch) {
  if (drawingHeld_) {
    drawingHeld_ = false;
    // The list updates its scroll bar as drawing comes back. A scroll bar that comes or goes is
    // a change of frame, which a list on show repaints there and then, and which costs a hidden
    // list next to nothing: such a list is hidden first and shown again in the batch.
    if (shown_ && (!visible_ || HasScrollBar() != NeedsScrollBar())) {
      SetWindowPos(list_, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      shown_ = false;
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
  }
  const RECT wanted = Wanted();
  const bool moves = !EqualRect(&wanted, &placed_);
  if (batch == nullptr || (!moves && visible_ == shown_)) return batch;
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (visible_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
  if (!moves) flags |= SWP_NOMOVE | SWP_NOSIZE;
  placed_ = wanted;
  shown_ = visible_;
  return DeferWindowPos(batch, list_, nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                        wanted.bottom - wanted.top, flags);
}

bool FileListBox::HasScrollBar() const {
  return (GetWindowLongPtrW(list_, GWL_STYLE) & WS_VSCROLL) != 0;
}

bool FileListBox::NeedsScrollBar() const {
  const RECT wanted = Wanted();
  const int inside = wanted.bottom - wanted.top - 2 * GetSystemMetrics(SM_CYBORDER);
  const int rowsShown = inside / dpi_.ToDevice(core::FKvelDesign::kListRowHeight);
  return names_.Count() > static_cast<std::size_t>(std::max(rowsShown, 0));
}

void FileListBox::HoldDrawing() {
  if (!shown_ || drawingHeld_) return;
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  drawingHeld_ = true;
  Pending();
}

void FileListBox::Pending() {
  if (pending_) pending_();
}

FileListBox::~FileListBox() {
  if (list_ != nullptr) DestroyWindow(list_);
}

LRESULT CALLBACK FileListBox::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self) {
  auto* list = reinterpret_cast<FileListBox*>(self);
  if (IsPress(message) && list->pressed_) {
    Guarded(list->pressed_);
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &FileListBox::Subclass, kSubclassId);
    list->list_ = nullptr;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void FileListBox::DrawItem(const DRAWITEMSTRUCT& item) const {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  if (item.itemID < names_.Count()) {
    const std::wstring text = ToWide(names_.At(item.itemID));
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const SelectedObject font(item.hDC, font_);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT textArea = item.rcItem;
    textArea.left += dpi_.ToDevice(kTextIndent);
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &textArea,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

std::u16string FileListBox::List(int index) const {
  if (index < 0 || index >= ListCount()) return {};
  return std::u16string(names_.At(static_cast<std::size_t>(index)));
}

void FileListBox::Recount(int selected) {
  SendMessageW(list_, LB_SETCOUNT, names_.Count(), 0);
  SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void FileListBox::AddItem(const std::u16string& item) {
  const int selected = ListIndex();
  names_.Add(item);
  Recount(selected);
}

void FileListBox::AddItems(core::PackedNames&& items) {
  HoldDrawing();
  const int selected = ListIndex();
  if (names_.Empty()) {
    names_ = std::move(items);
  } else {
    for (std::size_t i = 0; i < items.Count(); ++i)
      names_.Add(items.At(i));
  }
  Recount(selected);
}

void FileListBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) throw std::out_of_range("no such list entry");
  const int selected = ListIndex();
  names_.Remove(static_cast<std::size_t>(index));
  Recount(selected == index ? -1 : selected > index ? selected - 1 : selected);
}

void FileListBox::Clear() {
  HoldDrawing();
  names_ = core::PackedNames();
  Recount(-1);
}

int FileListBox::ListIndex() const {
  return static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
}

void FileListBox::SetListIndex(int index) {
  if (index != -1 && (index < 0 || index >= ListCount()))
    throw std::out_of_range("no such list entry");
  SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool FileListBox::Visible() const {
  return visible_;
}

void FileListBox::SetVisible(bool visible) {
  visible_ = visible;
  Pending();
}

void FileListBox::SetLeft(float left) {
  left_ = left;
  Pending();
}

void FileListBox::SetTop(float top) {
  top_ = top;
  Pending();
}

void FileListBox::SetHeight(float height) {
  height_ = height;
  Pending();
}

RECT FileListBox::Wanted() const {
  // The size is rounded on its own, not taken between rounded edges: a list of two rows stands
  // 28 pixels high wherever its top falls.
  const int left = dpi_.ToDevice(left_);
  const int top = dpi_.ToDevice(top_);
  return {left, top, left + dpi_.ToDevice(width_), top + dpi_.ToDevice(height_)};
}

}  // namespace tavelin::win32
