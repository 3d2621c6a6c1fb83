// The skinned menu band: one button per top-level item of the window's menu, painted below the
// title; a click or a key opens the item's drop-down with the platform's pop-up menu tracking, and
// a message-filter hook turns left/right keys and mouse moves over the band into switching to the
// neighbouring item's drop-down.
#include <windowsx.h>

#include <algorithm>
#include <cwctype>

#include "ElementDrawing.h"
#include "Encoding.h"
#include "Forms.h"
#include "SkinManage.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

namespace {

constexpr int MaxItemText = 80;
constexpr int MDIButtonAlign = 100;  // caption buttons drawn in the band of an MDI frame

COLORREF BandTextColour(const TSkinData& skin, bool enabled) {
  return enabled ? tk::ColorToRGB(skin.Colors[scMenuBarText]) : GetSysColor(COLOR_BTNSHADOW);
}

bool HasMenuBarPicture(const TSkinData& skin) { return skin.MenuBar && !skin.MenuBar->Bitmap.Empty(); }

wchar_t Accelerator(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return static_cast<wchar_t>(std::towupper(caption[i + 1]));
  }
  return 0;
}

// A button the band may switch to while a drop-down is open: one with a drop-down that can open
// (passing over a command must not run it).
bool CanSwitchTo(const TMenuBtn& button) {
  return button.Visible && button.Enabled && !button.Caption.empty() && button.SubMenu;
}

// The drop-down being tracked, for the message-filter hook (one at a time, on the GUI thread).
struct TTrackingState {
  TWinSkinMenu* band = nullptr;
  int current = -1;  // index of the button whose drop-down is open
  int next = -1;     // button to open once the current drop-down has closed
  HHOOK hook = nullptr;
  bool firstMessage = true;
  HMENU dropDown = nullptr;
  POINT lastCursor{};
};
thread_local TTrackingState t_tracking;

}  // namespace

// ---------------------------------------------------------------------------------------------
// TMenuBtn

void TMenuBtn::Paint() {
  TWinSkinForm* form = Owner;
  if (!form->Wnd || !Skin || Band->BandBackground.Empty()) return;
  tk::WindowDC dc(form->Wnd, true);
  const RECT band = Band->MenuBand;
  const RECT b = Bounds;
  BitBlt(dc.Get(), b.left, b.top, b.right - b.left, b.bottom - b.top, Band->BandBackground.Canvas().Handle(),
         b.left - band.left, b.top - band.top, SRCCOPY);
  if (State == ncsHot || State == ncsPressed) {
    tk::UniqueBrush frame(CreateSolidBrush(tk::ColorToRGB(Skin->Colors[scButtonHilight])));
    FrameRect(dc.Get(), &b, frame.Get());
  }
  tk::SelectGuard font(dc.Get(), tk::MenuFont());
  SetBkMode(dc.Get(), TRANSPARENT);
  SetTextColor(dc.Get(), BandTextColour(*Skin, Enabled));
  RECT text = b;
  DrawTextW(dc.Get(), Caption.c_str(), static_cast<int>(Caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// ---------------------------------------------------------------------------------------------
// Building

TWinSkinMenu::TWinSkinMenu(TWinSkinForm* form, TSkinData* skin) : Skin(skin), FormPainter(form) {}

TWinSkinMenu::~TWinSkinMenu() {
  if (t_tracking.band == this) {
    // The window goes while its drop-down is open: the tracking ends without us.
    t_tracking.band = nullptr;
    EndMenu();
  }
  // A window takes its menu along when it is destroyed; the band took the menu off it, so it goes
  // here (a toolkit form's menu belongs to its menu component).
  const TWinSkinForm* form = FormPainter;
  if (form->FrameState == fsDestroying && !form->Form && NativeMenu && IsMenu(NativeMenu) && GetMenu(form->Wnd) != NativeMenu)
    DestroyMenu(NativeMenu);
}

tk::TMenuItem* TWinSkinMenu::ToolkitItemOf(ULONG_PTR itemData, UINT command, HMENU subMenu) const {
  if (!FrameworkMenu) return nullptr;
  if (tk::TMenuItem* item = FrameworkMenu->FindItemByIdentity(itemData)) return item;
  return subMenu ? FrameworkMenu->FindItemByHandle(subMenu) : FrameworkMenu->FindItemByCommand(command);
}

void TWinSkinMenu::BuildBar(bool mdiSetMenu) {
  HWND wnd = FormPainter->Wnd;
  tk::TCustomForm* form = FormPainter->Form;
  // A toolkit form's band follows the form's menu of the moment: a menu freed or replaced is never
  // kept, nor the native handles of its old items.
  if (form) FrameworkMenu = form->Menu();
  const HMENU current = GetMenu(wnd);
  if (current) NativeMenu = current;
  else if (form) NativeMenu = FrameworkMenu && FrameworkMenu->HandleAllocated() ? FrameworkMenu->Handle() : nullptr;
  if (NativeMenu && !IsMenu(NativeMenu)) NativeMenu = nullptr;
  FormPainter->NativeMenu = NativeMenu;

  if (dynamic_cast<TMenuBtn*>(FormPainter->HotObject)) FormPainter->HotObject = nullptr;
  std::vector<std::unique_ptr<TMenuBtn>> old = std::move(Buttons);
  Buttons.clear();
  const int count = NativeMenu ? GetMenuItemCount(NativeMenu) : 0;
  for (int i = 0; i < count; ++i) {
    wchar_t text[MaxItemText + 1] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING | MIIM_DATA;
    info.dwTypeData = text;
    info.cch = MaxItemText + 1;
    if (!GetMenuItemInfoW(NativeMenu, static_cast<UINT>(i), TRUE, &info)) continue;
    auto button = std::make_unique<TMenuBtn>(FormPainter, this);
    button->Skin = Skin;
    button->Index = i;
    button->Visible = true;
    button->Enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
    button->Command = info.wID;
    button->SubMenu = info.hSubMenu;
    button->Caption = text;
    if (mdiSetMenu && i < static_cast<int>(old.size()) && button->Caption.empty()) {
      button->Caption = old[static_cast<size_t>(i)]->Caption;
      button->Enabled = old[static_cast<size_t>(i)]->Enabled;
    }
    if (tk::TMenuItem* item = ToolkitItemOf(info.dwItemData, info.wID, info.hSubMenu)) {
      button->Caption = tk::GbkToWide(item->Caption());
      button->Enabled = item->Enabled();
      button->MenuItem = item;
      button->SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
      button->Command = item->Command();
    }
    Buttons.push_back(std::move(button));
  }
  if (current) SetMenu(wnd, nullptr);
  if (mdiSetMenu) LayoutBar();
}

// ---------------------------------------------------------------------------------------------
// Painting and layout

int TWinSkinMenu::FirstItemOffset(int bandWidth) const {
  if (!HasMenuBarPicture(*Skin)) return 6;
  const TDataSkinObject& element = *Skin->MenuBar;
  const int start = FormPainter->RightToLeft ? element.RightWidth + 8 : element.LeftWidth + 4;
  return bandWidth > start ? start : 12;
}

// Frame coordinates of the left edge of the MDI child's caption buttons in the band, -1 without.
int TWinSkinMenu::MDIButtonsLeft() const {
  int left = -1;
  for (const auto& button : FormPainter->CaptionButtons)
    if (button->Visible && button->Element->Align == MDIButtonAlign)
      left = left < 0 ? static_cast<int>(button->Bounds.left) : std::min<int>(left, button->Bounds.left);
  return left;
}

void TWinSkinMenu::PlaceButtons(HDC dc, const RECT& band, bool paint) {
  const int bandWidth = band.right - band.left, bandHeight = band.bottom - band.top;
  const bool rtl = FormPainter->RightToLeft;
  int x = rtl ? bandWidth - FirstItemOffset(bandWidth) : FirstItemOffset(bandWidth);
  if (rtl) {
    TSkinManage* manager = TSkinManage::Instance();
    const int mdiLeft = manager && manager->MDIMaximized ? MDIButtonsLeft() : -1;
    if (mdiLeft >= 0) x = std::min<int>(x, mdiLeft - band.left - 5);
  }
  tk::SelectGuard font(dc, tk::MenuFont());
  SetBkMode(dc, TRANSPARENT);
  for (auto& button : Buttons) {
    if (!button->Visible) {
      button->Bounds = RECT{};
      continue;
    }
    int width = 0;
    if (!button->Caption.empty()) {
      RECT measure{0, 0, 0, 0};
      DrawTextW(dc, button->Caption.c_str(), static_cast<int>(button->Caption.size()), &measure,
                DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
      width = (measure.right - measure.left) + 10;
    }
    RECT r = rtl ? RECT{x - width, 0, x, bandHeight - 1} : RECT{x, 0, x + width, bandHeight - 1};
    x = rtl ? x - width : x + width;
    if (paint && width > 0) {
      SetTextColor(dc, BandTextColour(*Skin, button->Enabled));
      RECT text = r;
      DrawTextW(dc, button->Caption.c_str(), static_cast<int>(button->Caption.size()), &text,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    OffsetRect(&r, band.left, band.top);
    button->Bounds = r;
  }
}

void TWinSkinMenu::PaintBandBackground(HDC dc, int width, int height) {
  RECT all{0, 0, width, height};
  if (!HasMenuBarPicture(*Skin)) {
    tk::UniqueBrush fill(CreateSolidBrush(tk::ColorToRGB(Skin->Colors[scMenubar])));
    FillRect(dc, &all, fill.Get());
    return;
  }
  TDataSkinObject& element = *Skin->MenuBar;
  const int frame = FormPainter->NCActive ? 1 : 2;
  if (element.Tile == 1) {
    auto piece = DrawElementFrame(all, element.Bitmap, element.Margins(), true, false, 2, frame);
    BitBlt(dc, 0, 0, width, height, piece->Canvas().Handle(), 0, 0, SRCCOPY);
  } else {
    DrawThreePartBand(dc, all, element.Bitmap, 2, frame, element.LeftWidth, element.RightWidth, false);
  }
}

// An MDI frame whose active child is maximized shows that child's caption buttons in its band.
void TWinSkinMenu::PaintMDIButtons(HDC dc, const RECT& band) {
  TSkinManage* manager = TSkinManage::Instance();
  if (FormPainter->FormKind != fkMDIFrame || !manager || !manager->MDIClientWnd) return;
  BOOL maximized = FALSE;
  if (!SendMessageW(manager->MDIClientWnd, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)) || !maximized) return;
  manager->SetMDIMaximized(true);
  for (const auto& button : FormPainter->CaptionButtons) {
    TDataSkinSysButton& e = *button->Element;
    if (!button->Visible || e.Align != MDIButtonAlign || e.Bitmap.Empty()) continue;
    RECT r = button->Bounds;
    OffsetRect(&r, -band.left, -band.top);
    DrawFrameStretched(dc, r, e.Bitmap, true, std::max(e.FrameCount, 1), 1);
  }
}

void TWinSkinMenu::PaintBar(HDC dc, const RECT& band) {
  const int width = band.right - band.left, height = band.bottom - band.top;
  if (width <= 0 || height <= 0) return;
  MenuBand = band;
  tk::TBitmap& scratch = FrameScratchBitmap();
  scratch.SetSize(width, height);
  HDC sdc = scratch.Canvas().Handle();
  PaintBandBackground(sdc, width, height);
  BandBackground.SetSize(width, height);
  BitBlt(BandBackground.Canvas().Handle(), 0, 0, width, height, sdc, 0, 0, SRCCOPY);
  PlaceButtons(sdc, band, true);
  PaintMDIButtons(sdc, band);
  BitBlt(dc, band.left, band.top, width, height, sdc, 0, 0, SRCCOPY);
}

void TWinSkinMenu::LayoutBar() {
  const RECT band = FormPainter->MenuBandRect();
  HDC screen = GetDC(nullptr);
  PlaceButtons(screen, band, false);
  ReleaseDC(nullptr, screen);
  MenuBand = band;
}

// ---------------------------------------------------------------------------------------------
// Finding buttons

TMenuBtn* TWinSkinMenu::ButtonAt(POINT framePoint) {
  for (auto& button : Buttons)
    if (!button->Caption.empty() && button->Contains(framePoint)) return button.get();
  return nullptr;
}

int TWinSkinMenu::IndexOf(const TMenuBtn* button) const {
  for (int i = 0; i < ButtonCount(); ++i)
    if (Buttons[static_cast<size_t>(i)].get() == button) return i;
  return -1;
}

TMenuBtn* TWinSkinMenu::ButtonWithAccelerator(wchar_t character) {
  const wchar_t wanted = static_cast<wchar_t>(std::towupper(character));
  for (auto& button : Buttons)
    if (button->Enabled && button->Visible && Accelerator(button->Caption) == wanted) return button.get();
  return nullptr;
}

bool TWinSkinMenu::KeyMenu(wchar_t character) {
  TMenuBtn* button = nullptr;
  if (character == 0) {
    for (auto& candidate : Buttons)
      if (candidate->Visible && !candidate->Caption.empty()) {
        button = candidate.get();
        break;
      }
  } else {
    button = ButtonWithAccelerator(character);
  }
  if (!button) return false;
  OpenDropDown(*button);
  return true;
}

void TWinSkinMenu::OpenAt(POINT screenPoint) {
  if (TMenuBtn* button = ButtonAt(FormPainter->ScreenToFrame(screenPoint))) OpenDropDown(*button);
}

void TWinSkinMenu::MenuSelect(WPARAM wParam, LPARAM lParam) {
  const UINT flags = HIWORD(wParam);
  HMENU menu = reinterpret_cast<HMENU>(lParam);
  if (flags == 0xFFFF && !menu) {
    // The drop-down closes; unless the band switches to a neighbour, tracking is over.
    if (t_tracking.band != this || t_tracking.next < 0) FormPainter->MenuTracking = false;
    SelectedItem = nullptr;
    return;
  }
  SelectedItem = nullptr;
  if (!FrameworkMenu) return;
  if (flags & MF_POPUP) SelectedItem = FrameworkMenu->FindItemByHandle(GetSubMenu(menu, LOWORD(wParam)));
  else SelectedItem = FrameworkMenu->FindItemByCommand(LOWORD(wParam));
}

// ---------------------------------------------------------------------------------------------
// Tracking a drop-down

namespace {

// The next button to switch to, from `from` in steps of `step`, wrapping round the band.
int NextOpenable(const TWinSkinMenu& band, int from, int step) {
  const int n = band.ButtonCount();
  for (int k = 1; k < n; ++k) {
    const int i = ((from + step * k) % n + n) % n;
    if (CanSwitchTo(*band.Buttons[static_cast<size_t>(i)])) return i;
  }
  return from;
}

int HilitedItem(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    if (GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) && (info.fState & MFS_HILITE)) return i;
  }
  return -1;
}

// Where the selection of an open drop-down is, read from the items' highlight: the menus do not
// report every move back to a parent menu.
struct TSelection {
  bool any = false;
  bool inDropDown = false;  // the selected item belongs to the drop-down itself, not a sub-menu
  bool hasSubMenu = false;
};

TSelection SelectionIn(HMENU dropDown) {
  TSelection selection;
  HMENU menu = dropDown;
  for (int depth = 0; menu && depth < 16; ++depth) {
    const int i = HilitedItem(menu);
    if (i < 0) break;
    HMENU sub = GetSubMenu(menu, i);
    selection = TSelection{true, menu == dropDown, sub != nullptr};
    menu = sub;
  }
  return selection;
}

BOOL CALLBACK FindVisibleMenuWindow(HWND wnd, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(wnd, name, 16);
  if (lstrcmpW(name, L"#32768") != 0 || !IsWindowVisible(wnd)) return TRUE;
  *reinterpret_cast<HWND*>(found) = wnd;
  return FALSE;
}

HWND VisibleMenuWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindVisibleMenuWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The button a tracked message asks to switch to, or -1.
int SwitchTarget(TTrackingState& t, const MSG& msg) {
  TWinSkinMenu& band = *t.band;
  switch (msg.message) {
    case WM_KEYDOWN:
      switch (msg.wParam) {
        case VK_RETURN:
        case VK_ESCAPE:
          t.next = -1;
          return -1;
        case VK_LEFT: {
          const TSelection s = SelectionIn(t.dropDown);
          return !s.any || s.inDropDown ? NextOpenable(band, t.current, -1) : -1;
        }
        case VK_RIGHT: {
          const TSelection s = SelectionIn(t.dropDown);
          return !s.any || !s.hasSubMenu ? NextOpenable(band, t.current, +1) : -1;
        }
        default:
          return -1;
      }
    case WM_SYSKEYDOWN:
      if (msg.wParam == VK_MENU) band.FormPainter->MenuTracking = false;
      return -1;
    case WM_MOUSEMOVE: {
      // Where the cursor is now: a move still queued from before a switch must not switch back.
      POINT cursor{};
      GetCursorPos(&cursor);
      if (cursor.x == t.lastCursor.x && cursor.y == t.lastCursor.y) return -1;
      t.lastCursor = cursor;
      TMenuBtn* under = band.ButtonAt(band.FormPainter->ScreenToFrame(cursor));
      return under && CanSwitchTo(*under) ? band.IndexOf(under) : -1;
    }
    default:
      return -1;
  }
}

LRESULT CALLBACK TrackingHook(int code, WPARAM wParam, LPARAM lParam) {
  TTrackingState& t = t_tracking;
  auto* msg = reinterpret_cast<MSG*>(lParam);
  const bool ours = code == MSGF_MENU && msg && t.band;
  if (ours && t.band->FormPainter->RightToLeft && msg->message == WM_KEYDOWN) {
    if (msg->wParam == VK_LEFT) msg->wParam = VK_RIGHT;
    else if (msg->wParam == VK_RIGHT) msg->wParam = VK_LEFT;
  }
  const LRESULT chained = CallNextHookEx(t.hook, code, wParam, lParam);
  if (chained != 0 || !ours) return chained;
  if (t.firstMessage) {
    t.firstMessage = false;
    // The first item of the drop-down starts selected, as in a native menu bar opened by key.
    if (HWND menuWindow = VisibleMenuWindow()) PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
  }
  const int target = SwitchTarget(t, *msg);
  if (target < 0 || target == t.current) return 0;
  // Closing the open drop-down ends its tracking; the band then opens the target's.
  t.next = target;
  EndMenu();
  return 1;
}

}  // namespace

void TWinSkinMenu::OpenDropDown(TMenuBtn& first) {
  if (t_tracking.band) return;  // one drop-down at a time
  int index = IndexOf(&first);
  while (index >= 0) index = TrackDropDown(index);
}

// A click on the band outside an open drop-down closes it and then reaches the window as well: on
// the very button whose drop-down it closed it must not open that drop-down again.
void TWinSkinMenu::DropClosingClick(int index) {
  HWND wnd = FormPainter->Wnd;
  MSG msg;
  if (!PeekMessageW(&msg, wnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_NOREMOVE)) return;
  const POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
  if (index < ButtonCount() && Buttons[static_cast<size_t>(index)]->Contains(FormPainter->ScreenToFrame(p)))
    PeekMessageW(&msg, wnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE);
}

int TWinSkinMenu::TrackDropDown(int index) {
  if (index < 0 || index >= ButtonCount()) return -1;
  TWinSkinForm* form = FormPainter;
  HWND wnd = form->Wnd;
  TMenuBtn* button = Buttons[static_cast<size_t>(index)].get();
  if (!button->SubMenu) {
    // A top-level item without sub-items is a command.
    if (button->Enabled) PostMessageW(wnd, WM_COMMAND, MAKEWPARAM(button->Command, 0), 0);
    if (form->HotObject == button) button->Leave();
    return -1;
  }
  if (button->Enabled) {
    // What the system would tell the window before showing the drop-down (the tracking below asks
    // it not to): a toolkit form runs the item's click, which may change the items and the band.
    SendMessageW(wnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(button->SubMenu), MAKELPARAM(index, FALSE));
    if (index >= ButtonCount()) return -1;
    button = Buttons[static_cast<size_t>(index)].get();
    if (!button->SubMenu || !IsMenu(button->SubMenu)) return -1;
  }
  HMENU dropDown = button->SubMenu;
  skin_menu::MakeOwnerDrawn(dropDown);
  form->MenuTracking = true;
  if (TSkinManage* manager = TSkinManage::Instance()) {
    manager->MenuSource = mnsBar;
    manager->BarMenuOpen = true;
  }
  FOpenIndex = index;
  SelectedItem = nullptr;
  t_tracking = TTrackingState{};
  t_tracking.band = this;
  t_tracking.current = index;
  t_tracking.dropDown = dropDown;
  GetCursorPos(&t_tracking.lastCursor);
  t_tracking.hook = SetWindowsHookExW(WH_MSGFILTER, &TrackingHook, nullptr, GetCurrentThreadId());
  button->State = ncsPressed;
  form->HotObject = button;
  button->Paint();
  if (button->Enabled) {
    RECT window{};
    GetWindowRect(wnd, &window);
    UINT flags = TPM_RIGHTBUTTON | TPM_NONOTIFY;
    int x = window.left + button->Bounds.left;
    if (form->RightToLeft) {
      x = window.left + button->Bounds.right;
      flags |= TPM_RIGHTALIGN;
    }
    // The hook selects the first item on the first message the menu loop reads: make sure there
    // is one even when the user does nothing yet.
    PostMessageW(wnd, WM_NULL, 0, 0);
    TrackPopupMenu(dropDown, flags, x, window.top + button->Bounds.bottom, 0, wnd, nullptr);
  }
  if (t_tracking.hook) UnhookWindowsHookEx(t_tracking.hook);
  const bool stillOurs = t_tracking.band == this;
  const int next = stillOurs ? t_tracking.next : -1;
  t_tracking = TTrackingState{};
  if (!stillOurs) return -1;  // the band went away meanwhile
  FOpenIndex = -1;
  SelectedItem = nullptr;
  form->MenuTracking = false;
  if (next < 0) DropClosingClick(index);
  // The band may have been rebuilt while the drop-down was open.
  if (index < ButtonCount()) {
    TMenuBtn* shown = Buttons[static_cast<size_t>(index)].get();
    shown->State = ncsNormal;
    if (form->HotObject == shown) form->HotObject = nullptr;
    shown->Paint();
  }
  return next;
}
