#include "win32/treeview/TreeWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

#include "win32/common/BusyCursor.h"
#include "win32/common/Failures.h"
#include "win32/common/Fonts.h"
#include "win32/common/Palette.h"
#include "win32/common/Utf16.h"
#include "win32/common/Xpm.h"

namespace tavelin::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TavelinFKvel";
namespace design = core::FKvelDesign;

// Control identifiers: the lists from 100, the strip 200, the buttons from 300.
constexpr int kFirstListId = 100;
constexpr int kStripId = 200;
constexpr int kFirstButtonId = 300;
constexpr UINT_PTR kStripSubclassId = 1;
// Posted to the window itself: apply what the drawing and the lists changed.
constexpr UINT kApplyChanges = WM_APP;

MemorySurface::Style SurfaceStyle(const TreePalette& palette) {
  return {palette.background, palette.text, palette.fill, palette.connectors, palette.outlines};
}

HMENU ControlId(int id) {
  return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

// The strip holds the buttons; what they tell it goes on to the window.
LRESULT CALLBACK ForwardToParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
      return SendMessageW(GetParent(window), message, wParam, lParam);
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &ForwardToParent, kStripSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

TreeWindow::TreeWindow(core::TreeWindowEvents& events) : events_(events) {
  Create(kClassName, GetSysColorBrush(COLOR_BTNFACE), 0, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
         L"CARPETA", {});
  dpi_ = Dpi::Of(Handle());
  RECT outer{0, 0, dpi_.ToDevice(design::kLoadWidth), dpi_.ToDevice(design::kLoadHeight)};
  AdjustWindowRectExForDpi(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0, static_cast<UINT>(dpi_.Value()));
  SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  icons_.Apply(Handle(), dpi_);
  nameFont_ = CreateClassicFont(design::kNameFont, dpi_);
  listFont_ = CreateClassicFont(design::kListFont, dpi_);
  palette_ = TreeColours(HighContrastOn());
  stripBrush_.reset(CreateSolidBrush(palette_.strip));

  surface_ = std::make_unique<MemorySurface>(dpi_, SurfaceStyle(palette_), nameFont_.get(),
                                             [this](const RECT& area) {
                                               UnionRect(&changedArea_, &changedArea_, &area);
                                               ChangesPending();
                                             });
  RECT client{};
  GetClientRect(Handle(), &client);
  surface_->Reserve(client.right, client.bottom);

  // Created in tab order: the lists, then the strip with its buttons.
  CreateLists();
  CreateStrip();
}

TreeWindow::~TreeWindow() {
  // The controls go before the objects that draw them.
  if (Handle() != nullptr) DestroyWindow(Handle());
}

void TreeWindow::Show(bool centre) {
  if (centre) {
    RECT outer{};
    GetWindowRect(Handle(), &outer);
    SetWindowPos(Handle(), nullptr,
                 (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

void TreeWindow::SetCaption(const std::u16string& caption) {
  SetWindowTextW(Handle(), ToWide(caption).c_str());
}

void TreeWindow::CreateLists() {
  lists_.reserve(core::kFileListCount);
  for (int i = 0; i < core::kFileListCount; ++i) {
    lists_.push_back(std::make_unique<FileListBox>(
        Handle(), kFirstListId + i, dpi_, listFont_.get(),
        i == 0 ? design::kFirstListLeft : design::kListLeft, design::kListTop, design::kListWidth,
        design::kListHeight, [this, i] { events_.ListPressed(i); }, [this] { ChangesPending(); }));
  }
}

void TreeWindow::CreateStrip() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  // Tab moves on into the buttons inside it.
  strip_ = CreateWindowExW(WS_EX_CONTROLPARENT, WC_STATICW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                           Handle(), ControlId(kStripId), instance, nullptr);
  SetWindowSubclass(strip_, &ForwardToParent, kStripSubclassId, 0);

  tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(),
                          nullptr, instance, nullptr);
  for (std::size_t i = 0; i < kButtonCount; ++i) {
    // The window text is the accessible name; with BS_ICON it is not drawn.
    const auto* tip = reinterpret_cast<const wchar_t*>(design::kButtons[i].toolTip);
    const HWND button = CreateWindowExW(
        0, WC_BUTTONW, tip, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_ICON, 0, 0, 0,
        0, strip_, ControlId(kFirstButtonId + static_cast<int>(i)), instance, nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = const_cast<wchar_t*>(tip);
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    buttons_[i] = button;
  }
  PlaceStrip();
}

void TreeWindow::PlaceStrip() {
  constexpr UINT kJustPlace = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(strip_, nullptr, 0, 0, dpi_.ToDevice(design::kStripWidth),
               dpi_.ToDevice(design::kStripHeight), kJustPlace);
  // Whole multiples of the picture's pixels keep the pixel art sharp.
  const int factor = std::max(1, dpi_.Value() / kBaseDpi);
  const int top = dpi_.ToDevice(design::kButtonTop);
  const int bottom = dpi_.ToDevice(design::kButtonTop + design::kButtonSize);
  for (std::size_t i = 0; i < kButtonCount; ++i) {
    const float designLeft = design::kButtons[i].left;
    const int left = dpi_.ToDevice(designLeft);
    SetWindowPos(buttons_[i], nullptr, left, top,
                 dpi_.ToDevice(designLeft + design::kButtonSize) - left, bottom - top, kJustPlace);
    UniqueIcon picture = IconOf(ReadXpm(design::kButtonPictures[i]), factor);
    SendMessageW(buttons_[i], BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture.get()));
    // The button no longer shows the one it had.
    pictures_[i] = std::move(picture);
  }
}

void TreeWindow::OnColoursChanged(UINT message, WPARAM wParam, LPARAM lParam) {
  palette_ = TreeColours(HighContrastOn());
  stripBrush_.reset(CreateSolidBrush(palette_.strip));
  // The drawing takes them at the next pass, which draws it anew.
  if (surface_) surface_->SetStyle(SurfaceStyle(palette_));
  FollowColourChange(Handle(), message, wParam, lParam);
}

void TreeWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = Dpi(dpi);
  icons_.Apply(Handle(), dpi_);
  UniqueFont nameFont = CreateClassicFont(design::kNameFont, dpi_);
  UniqueFont listFont = CreateClassicFont(design::kListFont, dpi_);
  surface_->Rescale(dpi_, nameFont.get());
  for (const auto& list : lists_)
    list->Rescale(dpi_, listFont.get());
  // The old fonts go once nothing uses them any more.
  nameFont_ = std::move(nameFont);
  listFont_ = std::move(listFont);
  PlaceStrip();
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TreeWindow::ChangesPending() {
  if (changesPosted_) return;
  // A queue too full to take the message: the changes are applied now.
  changesPosted_ = PostMessageW(Handle(), kApplyChanges, 0, 0) != 0;
  if (!changesPosted_) ApplyChanges();
}

void TreeWindow::ApplyChanges() {
  changesPosted_ = false;
  HDWP batch = BeginDeferWindowPos(static_cast<int>(lists_.size()));
  for (const auto& list : lists_)
    batch = list->Apply(batch);
  if (batch == nullptr) ThrowLastError("DeferWindowPos");
  if (!EndDeferWindowPos(batch)) ThrowLastError("EndDeferWindowPos");
  if (!IsRectEmpty(&changedArea_)) InvalidateRect(Handle(), &changedArea_, FALSE);
  changedArea_ = {};
}

void TreeWindow::Paint() {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(Handle(), &paint);
  const RECT& area = paint.rcPaint;
  const SIZE size = surface_->Size();
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, surface_->Dc(),
         area.left, area.top, SRCCOPY);
  // Beyond the drawing, should the window be larger still, the background.
  const RECT right{std::max(area.left, size.cx), area.top, area.right, area.bottom};
  const RECT below{area.left, std::max(area.top, size.cy), area.right, area.bottom};
  if (right.left < right.right) FillRect(dc, &right, GetSysColorBrush(COLOR_BTNFACE));
  if (below.top < below.bottom) FillRect(dc, &below, GetSysColorBrush(COLOR_BTNFACE));
  EndPaint(Handle(), &paint);
}

LRESULT TreeWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MEASUREITEM: {
      // Sent while each list is created, before it is one of the pool.
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      item.itemHeight = static_cast<UINT>(dpi_.ToDevice(design::kListRowHeight));
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const int index = static_cast<int>(item.CtlID) - kFirstListId;
      if (index < 0 || index >= static_cast<int>(lists_.size())) break;
      lists_[static_cast<std::size_t>(index)]->DrawItem(item);
      return TRUE;
    }
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (code == LBN_DBLCLK && id >= kFirstListId && id < kFirstListId + core::kFileListCount) {
        events_.ListDoubleClicked(id - kFirstListId);
        return 0;
      }
      if (code == BN_CLICKED && id >= kFirstButtonId && id < kFirstButtonId + kButtonCount) {
        events_.ButtonClicked(id - kFirstButtonId);
        return 0;
      }
      break;
    }
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) == strip_) {
        SetBkColor(reinterpret_cast<HDC>(wParam), palette_.strip);
        return reinterpret_cast<LRESULT>(stripBrush_.get());
      }
      break;
    case WM_ERASEBKGND:
      // WM_PAINT covers every pixel.
      return TRUE;
    case WM_PAINT:
      if (!surface_) break;
      Paint();
      return 0;
    case kApplyChanges:
      ApplyChanges();
      return 0;
    case WM_SIZE:
      // The first sizes come while the window is created, before it has a drawing.
      if (surface_) surface_->Reserve(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      OnColoursChanged(message, wParam, lParam);
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_GETMINMAXINFO: {
      // The display pass may make the window taller than the screen, which the system would
      // otherwise cut back to the screen: the bottom of the tree would be lost for good.
      auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
      limits.ptMaxTrackSize = {SHRT_MAX, SHRT_MAX};
      return 0;
    }
    case WM_SETCURSOR:
      if (BusyCursor::Showing()) {
        BusyCursor::Apply();
        return TRUE;
      }
      break;
    case WM_CLOSE:
      events_.Closing();
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tavelin::win32
