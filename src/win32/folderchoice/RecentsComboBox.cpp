#include "win32/folderchoice/RecentsComboBox.h"

#include <vector>

#include "win32/common/Utf16.h"

namespace tavelin::win32 {

namespace {

std::u16string WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1);
  const int read = GetWindowTextW(window, text.data(), length + 1);
  return ToU16(std::wstring_view(text.data(), static_cast<std::size_t>(read)));
}

}  // namespace

HWND RecentsComboBox::Edit() const {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(combo_, &info) ? info.hwndItem : nullptr;
}

int RecentsComboBox::ListCount() const {
  return static_cast<int>(SendMessageW(combo_, CB_GETCOUNT, 0, 0));
}

std::u16string RecentsComboBox::List(int index) const {
  const LRESULT length = SendMessageW(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR || index < 0) return {};
  std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1);
  const LRESULT read = SendMessageW(combo_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(text.data()));
  if (read == CB_ERR) return {};
  return ToU16(std::wstring_view(text.data(), static_cast<std::size_t>(read)));
}

void RecentsComboBox::AddItem(const std::u16string& item) {
  const std::wstring text = ToWide(item);
  SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void RecentsComboBox::RemoveItem(int index) {
  // The list drops its selection with the selected entry; the edit field keeps its text.
  SendMessageW(combo_, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void RecentsComboBox::Clear() {
  SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
}

int RecentsComboBox::ListIndex() const {
  return static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0));
}

void RecentsComboBox::SetListIndex(int index) {
  SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::u16string RecentsComboBox::Text() const {
  if (picking_) return List(ListIndex());
  return WindowText(combo_);
}

void RecentsComboBox::Picked(const std::function<void()>& handler) {
  picking_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{picking_};
  handler();
}

}  // namespace tavelin::win32
