#include "win32/folderchoice/ChooserWindow.h"

#include <commctrl.h>

#include <cstdint>

#include "core/folderchoice/ChooserDesign.h"
#include "win32/common/BusyCursor.h"
#include "win32/common/Dpi.h"
#include "win32/common/Failures.h"
#include "win32/common/Fonts.h"
#include "win32/common/Utf16.h"

namespace tavelin::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TavelinFPrvSD";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

namespace design = core::FPrvSDDesign;

constexpr UINT_PTR kKeyHookId = 1;

void Place(HWND control, const design::Placement& p, Dpi dpi, float height) {
  MoveWindow(control, dpi.TwipsToDevice(p.left), dpi.TwipsToDevice(p.top),
             dpi.TwipsToDevice(p.width), dpi.TwipsToDevice(height), TRUE);
}

}  // namespace

ChooserWindow::ChooserWindow(const platform::FileSystem& fileSystem,
                             const std::u16string& startFolder)
    : dirs_(fileSystem) {
  ApplyColours();
  const HMENU menu = CreateMenu();
  if (menu == nullptr || !AppendMenuW(menu, MF_STRING, kOpInfo, AsWide(design::kInfoMenu)))
    ThrowLastError("AppendMenuW");
  Create(kClassName, GetSysColorBrush(COLOR_BTNFACE), 0, kWindowStyle, AsWide(design::kCaption),
         WindowPlace{}, nullptr, menu);

  // Created in tab order: the directory list first, so the focus starts there.
  dirs_.Attach(AddControl(WC_LISTBOXW, L"",
                          WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_OWNERDRAWFIXED |
                              LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                          kLDirs));
  AddControl(WC_BUTTONW, AsWide(design::kBtOkText), WS_TABSTOP | BS_PUSHBUTTON, kBtOk);
  AddControl(WC_STATICW, AsWide(design::kLabel1Text), SS_CENTER | SS_NOPREFIX, kLabel1);
  recents_.Attach(AddControl(WC_COMBOBOXW, L"",
                             WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL,
                             kLstR));
  AddControl(WC_STATICW, AsWide(design::kLabel2Text), SS_LEFT | SS_NOPREFIX, kLabel2);

  // The keys of both lists reach the handlers before the controls' own handling.
  SetWindowSubclass(dirs_.Handle(), &ChooserWindow::KeyHook, kKeyHookId,
                    reinterpret_cast<DWORD_PTR>(this));
  SetWindowSubclass(recents_.Edit(), &ChooserWindow::KeyHook, kKeyHookId,
                    reinterpret_cast<DWORD_PTR>(this));

  dpi_ = Dpi::Of(Handle());
  Layout();

  static_cast<void>(dirs_.SetPath(startFolder));
}

HWND ChooserWindow::AddControl(const wchar_t* className, const wchar_t* text, DWORD style, Id id) {
  const HWND control = CreateWindowExW(
      0, className, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, Handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (control == nullptr) ThrowLastError("CreateWindowExW");
  return control;
}

void ChooserWindow::Layout() {
  const Dpi dpi = dpi_;
  icons_.Apply(Handle(), dpi);
  font_ = CreateClassicFont(design::kWindowFont, dpi);
  okFont_ = CreateClassicFont(design::kOkFont, dpi);

  // The menu bar takes its height above the client area, not out of it.
  RECT frame{0, 0, dpi.TwipsToDevice(design::kClientSide), dpi.TwipsToDevice(design::kClientSide)};
  AdjustWindowRectExForDpi(&frame, kWindowStyle, TRUE, 0, static_cast<UINT>(dpi.Value()));
  SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  for (const Id id : {kLDirs, kLabel1, kLstR, kLabel2}) {
    SendMessageW(GetDlgItem(Handle(), id), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  }
  const HWND ok = GetDlgItem(Handle(), kBtOk);
  SendMessageW(ok, WM_SETFONT, reinterpret_cast<WPARAM>(okFont_.get()), TRUE);

  Place(GetDlgItem(Handle(), kLabel2), design::kLabel2, dpi, design::kLabel2.height);
  Place(GetDlgItem(Handle(), kLabel1), design::kLabel1, dpi, design::kLabel1.height);
  Place(ok, design::kBtOk, dpi, design::kBtOk.height);
  Place(dirs_.Handle(), design::kLDirs, dpi, design::kLDirs.height);
  SendMessageW(dirs_.Handle(), LB_SETITEMHEIGHT, 0,
               FontPixelHeight(design::kWindowFont.points, dpi) + 2);

  // A drop-down combo box is as tall as its edit field, which its font sets; the height it is
  // given is that of the field and the dropped list together.
  Place(recents_.Handle(), design::kLstR, dpi, design::kLstRDroppedHeight);
}

void ChooserWindow::ApplyColours() {
  palette_ = ChooserColours(HighContrastOn());
  recentsBackground_.reset(CreateSolidBrush(palette_.recentsBack));
  dirsBackground_.reset(CreateSolidBrush(palette_.dirsBack));
}

void ChooserWindow::Attach(core::FPrvSD& form) {
  form_ = &form;
  dirs_.SetOnChange([&form] { form.LDirs_Change(); });
  form.Form_Load();
}

void ChooserWindow::Show(int showCommand) {
  ShowWindow(Handle(), showCommand);
  dirs_.SetFocus();
}

bool ChooserWindow::TranslateDialogKey(MSG& message) {
  return Handle() != nullptr && IsDialogMessageW(Handle(), &message);
}

LRESULT ChooserWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
      return OnColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
      if (wParam != kLDirs) break;
      dirs_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), dirsBackground_.get(), dpi_);
      return TRUE;
    case WM_SETCURSOR:
      if (!BusyCursor::Showing()) break;
      BusyCursor::Apply();
      return TRUE;
    case WM_ACTIVATE:
      // The focus goes back to the control that had it when the window was left.
      if (LOWORD(wParam) == WA_INACTIVE) {
        lastFocus_ = GetFocus();
      } else if (lastFocus_ != nullptr && IsChild(Handle(), lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      ApplyColours();
      FollowColourChange(Handle(), message, wParam, lParam);
      return 0;
    case WM_DPICHANGED: {
      // Moved to a screen of another scale: the system suggests where the window goes.
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      dpi_ = Dpi(HIWORD(wParam));
      Layout();
      return 0;
    }
    case WM_CLOSE:
      // The closing is never cancelled.
      if (form_ != nullptr) form_->Form_Unload();
      DestroyWindow(Handle());
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void ChooserWindow::OnCommand(int id, int code) {
  if (form_ == nullptr) return;
  switch (id) {
    case kBtOk:
      if (code == BN_CLICKED) {
        BusyCursor busy;
        form_->BtOk_Click();
      }
      break;
    case kLDirs:
      if (code == LBN_DBLCLK) dirs_.OpenHighlighted();
      break;
    case kLstR:
      if (code == CBN_SELCHANGE) recents_.Picked([this] { form_->LstR_Click(); });
      break;
    case kOpInfo:
      form_->OpInfo_Click();
      break;
    default:
      // IDOK and IDCANCEL, which Enter and Esc give through the dialog keys: OK is not the
      // default button and the window has no cancel.
      break;
  }
}

LRESULT ChooserWindow::OnColor(UINT message, HDC dc, HWND control) {
  if (message == WM_CTLCOLORSTATIC) {
    const int id = GetDlgCtrlID(control);
    SetTextColor(dc, id == kLabel1 ? palette_.label1Text : palette_.label2Text);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  // The directory list, or the recent list's edit field and dropped list.
  const bool dirs = control == dirs_.Handle();
  SetBkColor(dc, dirs ? palette_.dirsBack : palette_.recentsBack);
  return reinterpret_cast<LRESULT>(dirs ? dirsBackground_.get() : recentsBackground_.get());
}

LRESULT CALLBACK ChooserWindow::KeyHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR /*id*/, DWORD_PTR self) {
  auto& chooser = *reinterpret_cast<ChooserWindow*>(self);
  const bool inDirs = window == chooser.dirs_.Handle();
  if (message == WM_GETDLGCODE && inDirs && lParam != 0) {
    // Enter in the directory list is its own key, not the dialog's OK.
    const MSG* pending = reinterpret_cast<const MSG*>(lParam);
    if (pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN) {
      return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTALLKEYS;
    }
  }
  if (message == WM_KEYDOWN && chooser.form_ != nullptr) {
    const auto keyCode = static_cast<std::int16_t>(wParam);
    Guarded([&] {
      if (inDirs) {
        BusyCursor busy;
        chooser.form_->LDirs_KeyDown(keyCode);
      } else {
        chooser.form_->LstR_KeyDown(keyCode);
      }
    });
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, &ChooserWindow::KeyHook, kKeyHookId);
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace tavelin::win32
