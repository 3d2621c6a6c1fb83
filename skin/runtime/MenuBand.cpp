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

tk::UniqueFont MenuFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return tk::UniqueFont(CreateFontIndirectW(&metrics.lfMenuFont));
}

HFONT SharedMenuFont() {
  static tk::UniqueFont font = MenuFont();
  return font.Get();
}

COLORREF BandTextColour(const TSkinData& skin, bool enabled) {
  return enabled ? tk::ColorToRGB(skin.Colors[scMenuBarText]) : GetSysColor(COLOR_BTNSHADOW);
}

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

// The drop-down being tracked, for the message-filter hook (one at a time, on the GUI thread).
struct TTrackingState {
  TWinSkinMenu* band = nullptr;
  int current = -1;         // index of the button whose drop-down is open
  int next = -1;            // button to open once the current drop-down has closed
  HHOOK hook = nullptr;
  bool firstMessage = true;
  bool itemSelected = false;       // an item of a drop-down is selected
  bool selectedHasSubMenu = false; // ... and it opens a sub-menu
  HMENU selectedMenu = nullptr;    // the menu holding the selected item
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
  tk::SelectGuard font(dc.Get(), SharedMenuFont());
  SetBkMode(dc.Get(), TRANSPARENT);
  SetTextColor(dc.Get(), BandTextColour(*Skin, Enabled));
  RECT text = b;
  DrawTextW(dc.Get(), Caption.c_str(), static_cast<int>(Caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// ---------------------------------------------------------------------------------------------
// TWinSkinMenu

TWinSkinMenu::TWinSkinMenu(TWinSkinForm* form, TSkinData* skin) : Skin(skin), FormPainter(form) {}

TWinSkinMenu::~TWinSkinMenu() {
  if (t_tracking.band == this) t_tracking.band = nullptr;
}

void TWinSkinMenu::BuildBar(bool mdiSetMenu) {
  HWND wnd = FormPainter->Wnd;
  if (HMENU current = GetMenu(wnd)) NativeMenu = current;
  if (!NativeMenu) return;
  if (FormPainter->Form && !FrameworkMenu) FrameworkMenu = FormPainter->Form->Menu();
  if (FormPainter->Form && !FrameworkMenu) return;
  if (!IsMenu(NativeMenu)) {
    // The menu went away under us: a stale handle must not be used.
    NativeMenu = nullptr;
    Buttons.clear();
    return;
  }
  if (FormPainter->HotObject && dynamic_cast<TMenuBtn*>(FormPainter->HotObject)) FormPainter->HotObject = nullptr;
  std::vector<std::unique_ptr<TMenuBtn>> old = std::move(Buttons);
  Buttons.clear();
  const int count = GetMenuItemCount(NativeMenu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[MaxItemText + 1] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = MaxItemText;
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
    if (FrameworkMenu) {
      tk::TMenuItem* item = info.hSubMenu ? FrameworkMenu->FindItemByHandle(info.hSubMenu)
                                          : FrameworkMenu->FindItemByCommand(info.wID);
      if (item) {
        button->Caption = tk::GbkToWide(item->Caption());
        button->Enabled = item->Enabled();
        button->MenuItem = item;
        button->SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
        if (!info.hSubMenu) button->Command = item->Command();
      }
    }
    Buttons.push_back(std::move(button));
  }
  SetMenu(wnd, nullptr);
  if (mdiSetMenu) LayoutBar();
}

int TWinSkinMenu::FirstItemOffset(int bandWidth) const {
  const TDataSkinObject* element = Skin->MenuBar.get();
  if (!element) return 6;
  const bool rtl = FormPainter->RightToLeft;
  const int start = rtl ? element->RightWidth + 8 : element->LeftWidth + 4;
  return bandWidth > start ? start : 12;
}

void TWinSkinMenu::PlaceButtons(HDC dc, const RECT& band, bool paint) {
  const int bandWidth = band.right - band.left, bandHeight = band.bottom - band.top;
  const bool rtl = FormPainter->RightToLeft;
  int x = rtl ? bandWidth - FirstItemOffset(bandWidth) : FirstItemOffset(bandWidth);
  tk::SelectGuard font(dc, SharedMenuFont());
  SetBkMode(dc, TRANSPARENT);
  for (auto& button : Buttons) {
    if (!button->Visible) {
      button->Bounds = RECT{};
      continue;
    }
    RECT measure{0, 0, 0, 0};
    int width = 0;
    if (!button->Caption.empty()) {
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

void TWinSkinMenu::PaintBar(HDC dc, const RECT& band) {
  const int width = band.right - band.left, height = band.bottom - band.top;
  if (width <= 0 || height <= 0) return;
  Painting = true;
  MenuBand = band;
  tk::TBitmap& scratch = FrameScratchBitmap();
  scratch.SetSize(width, height);
  HDC sdc = scratch.Canvas().Handle();
  RECT all{0, 0, width, height};
  if (TDataSkinObject* element = Skin->MenuBar.get(); element && !element->Bitmap.Empty()) {
    const int frame = FormPainter->NCActive ? 1 : 2;
    auto piece = DrawElementFrame(all, element->Bitmap, element->Tile == 1 ? element->Margins() : TElementMargins{element->LeftWidth, 0, element->RightWidth, 0},
                                  true, false, 2, frame);
    BitBlt(sdc, 0, 0, width, height, piece->Canvas().Handle(), 0, 0, SRCCOPY);
  } else {
    tk::UniqueBrush fill(CreateSolidBrush(tk::ColorToRGB(Skin->Colors[scMenubar])));
    FillRect(sdc, &all, fill.Get());
  }
  BandBackground.SetSize(width, height);
  BitBlt(BandBackground.Canvas().Handle(), 0, 0, width, height, sdc, 0, 0, SRCCOPY);
  PlaceButtons(sdc, band, true);
  BitBlt(dc, band.left, band.top, width, height, sdc, 0, 0, SRCCOPY);
  Painting = false;
}

void TWinSkinMenu::LayoutBar() {
  const RECT band = FormPainter->MenuBandRect();
  HDC screen = GetDC(nullptr);
  PlaceButtons(screen, band, false);
  ReleaseDC(nullptr, screen);
  MenuBand = band;
}

TMenuBtn* TWinSkinMenu::ButtonAt(POINT framePoint) {
  for (auto& button : Buttons)
    if (!button->Caption.empty() && button->Contains(framePoint)) return button.get();
  return nullptr;
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

// ---------------------------------------------------------------------------------------------
// Tracking a drop-down

namespace {

int NextVisible(const TWinSkinMenu& band, int from, int step) {
  const int n = band.ButtonCount();
  for (int k = 1; k <= n; ++k) {
    const int i = ((from + step * k) % n + n) % n;
    const TMenuBtn& b = *band.Buttons[static_cast<size_t>(i)];
    if (b.Visible && !b.Caption.empty()) return i;
  }
  return from;
}

void SwitchTo(int target) {
  TTrackingState& t = t_tracking;
  if (!t.band || target < 0 || target == t.current) return;
  t.next = target;
  // Closing the open drop-down ends its tracking; the band then opens the next one.
  EndMenu();
}

LRESULT CALLBACK TrackingHook(int code, WPARAM wParam, LPARAM lParam) {
  TTrackingState& t = t_tracking;
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code == MSGF_MENU && msg && t.band && t.band->FormPainter->RightToLeft && msg->message == WM_KEYDOWN) {
    if (msg->wParam == VK_LEFT) msg->wParam = VK_RIGHT;
    else if (msg->wParam == VK_RIGHT) msg->wParam = VK_LEFT;
  }
  const LRESULT chained = CallNextHookEx(t.hook, code, wParam, lParam);
  if (chained != 0 || code != MSGF_MENU || !msg || !t.band) return chained;
  TWinSkinMenu& band = *t.band;
  if (t.firstMessage) {
    t.firstMessage = false;
    // The first item of the drop-down starts selected, as in a native menu bar.
    if (HWND menuWindow = FindWindowW(L"#32768", nullptr)) PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
  }
  switch (msg->message) {
    case WM_KEYDOWN:
      if (msg->wParam == VK_LEFT && (!t.itemSelected || t.selectedMenu == t.dropDown)) {
        SwitchTo(NextVisible(band, t.current, -1));
        return 1;
      }
      if (msg->wParam == VK_RIGHT && (!t.itemSelected || !t.selectedHasSubMenu)) {
        SwitchTo(NextVisible(band, t.current, +1));
        return 1;
      }
      break;
    case WM_SYSKEYDOWN:
      if (msg->wParam == VK_MENU) band.FormPainter->MenuTracking = false;
      break;
    case WM_MOUSEMOVE: {
      POINT p{GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam)};
      // Menu loops report the cursor in screen coordinates.
      if (p.x == t.lastCursor.x && p.y == t.lastCursor.y) break;
      t.lastCursor = p;
      if (TMenuBtn* target = band.ButtonAt(band.FormPainter->ScreenToFrame(p)); target && target->Index != t.current) {
        for (int i = 0; i < band.ButtonCount(); ++i)
          if (band.Buttons[static_cast<size_t>(i)].get() == target) SwitchTo(i);
      }
      break;
    }
    default:
      break;
  }
  return 0;
}

}  // namespace

void TWinSkinMenu::OpenDropDown(TMenuBtn& first) {
  if (t_tracking.band) return;  // one drop-down at a time
  TWinSkinForm* form = FormPainter;
  HWND wnd = form->Wnd;
  int index = -1;
  for (int i = 0; i < ButtonCount(); ++i)
    if (Buttons[static_cast<size_t>(i)].get() == &first) index = i;
  if (index < 0) return;

  TSkinManage* manager = TSkinManage::Instance();
  while (index >= 0 && index < ButtonCount()) {
    TMenuBtn& button = *Buttons[static_cast<size_t>(index)];
    if (!button.SubMenu) {
      // A top-level item without sub-items is a command.
      PostMessageW(wnd, WM_COMMAND, button.Command, 0);
      if (form->HotObject == &button) button.Leave();
      break;
    }
    skin_menu::MakeOwnerDrawn(button.SubMenu);
    form->MenuTracking = true;
    if (manager) {
      manager->MenuSource = mnsBar;
      manager->BarMenuOpen = true;
    }
    t_tracking = TTrackingState{};
    t_tracking.band = this;
    t_tracking.current = index;
    t_tracking.dropDown = button.SubMenu;
    GetCursorPos(&t_tracking.lastCursor);
    t_tracking.hook = SetWindowsHookExW(WH_MSGFILTER, &TrackingHook, nullptr, GetCurrentThreadId());
    button.State = ncsPressed;
    button.Paint();
    if (button.Enabled) {
      RECT window{};
      GetWindowRect(wnd, &window);
      UINT flags = TPM_RIGHTBUTTON | TPM_NONOTIFY;
      int x = window.left + button.Bounds.left;
      if (form->RightToLeft) {
        x = window.left + button.Bounds.right;
        flags |= TPM_RIGHTALIGN;
      }
      TrackPopupMenu(button.SubMenu, flags, x, window.top + button.Bounds.bottom, 0, wnd, nullptr);
    }
    if (t_tracking.hook) UnhookWindowsHookEx(t_tracking.hook);
    const int next = t_tracking.band == this ? t_tracking.next : -1;
    t_tracking = TTrackingState{};
    form->MenuTracking = false;
    button.State = ncsNormal;
    if (form->HotObject == &button) form->HotObject = nullptr;
    button.Paint();
    index = next;
    if (index >= 0) {
      Buttons[static_cast<size_t>(index)]->State = ncsPressed;
      form->HotObject = Buttons[static_cast<size_t>(index)].get();
    }
  }
}
