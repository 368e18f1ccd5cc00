#include "win32/common/MessageBoxView.h"

#include <windows.h>

#include "win32/common/BusyCursor.h"
#include "win32/common/Utf16.h"

namespace tavelin::win32 {

void MessageBoxView::ShowMessage(const std::u16string& text) {
  const BusyCursor::Lifted arrow;
  MessageBoxW(GetActiveWindow(), ToWide(text).c_str(), L"Tavelin", MB_OK);
}

}  // namespace tavelin::win32
