// The painter of a menu window ("#32768"): while skinning is active, its border and background
// come from the skin's menu background picture, which the item drawing reuses under each item.
#include "ElementDrawing.h"
#include "SkinManage.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinMenu.h"

namespace {
constexpr int MenuBorder = 3;  // what the item drawing assumes when the window is gone

}  // namespace

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND menuWindow, TSkinData* skin) {
  MenuWindow = menuWindow;
  Skin = skin;
  FSubclass.Install(menuWindow);
}

void TWinSkinPopMenu::Detach() {
  FSubclass.Remove();
  PopBackground.Clear();
}

POINT TWinSkinPopMenu::ClientOffset() const {
  RECT window{};
  POINT client{0, 0};
  if (!MenuWindow || !GetWindowRect(MenuWindow, &window) || !ClientToScreen(MenuWindow, &client))
    return POINT{MenuBorder, MenuBorder};
  return POINT{client.x - window.left, client.y - window.top};
}

bool TWinSkinPopMenu::HasPicture() const {
  return Skin && !Skin->Loading && Skin->MenuBackground && !Skin->MenuBackground->Bitmap.Empty();
}

// The skin's menu background cut to the window's size.
void TWinSkinPopMenu::MakeBackground() {
  RECT window{};
  GetWindowRect(MenuWindow, &window);
  const RECT all{0, 0, window.right - window.left, window.bottom - window.top};
  TDataSkinObject& element = *Skin->MenuBackground;
  auto picture = DrawElementFrame(all, element.Bitmap, element.Margins(), false, element.Tile == 1, 1, 1);
  PopBackground.Assign(*picture);
}

// Some systems draw a menu's frame inside the window, around the items: the skin's background
// goes over what lies outside the items once the menu has painted.
void TWinSkinPopMenu::PaintAroundItems(HWND wnd) {
  HMENU menu = reinterpret_cast<HMENU>(TWindowSubclass::CallPrevious(wnd, MN_GETHMENU, 0, 0));
  if (!MenuHandle && menu) MenuHandle = menu;
  tk::WindowDC dc(wnd);
  if (!dc.Get()) return;
  const int count = menu && IsMenu(menu) ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &item)) continue;
    MapWindowPoints(nullptr, wnd, reinterpret_cast<POINT*>(&item), 2);
    ExcludeClipRect(dc.Get(), item.left, item.top, item.right, item.bottom);
  }
  RECT client{};
  GetClientRect(wnd, &client);
  const POINT offset = ClientOffset();
  BitBlt(dc.Get(), 0, 0, client.right, client.bottom, PopBackground.Canvas().Handle(), offset.x, offset.y, SRCCOPY);
}

LRESULT TWinSkinPopMenu::SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == SKM_ISSKINNED) return 1;
  TSkinManage* manager = TSkinManage::Instance();
  if (!manager || !manager->Active || !Skin) return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
  try {
    switch (msg) {
      case WM_DESTROY:
        FSubclass.Remove();
        PopBackground.Clear();
        return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
      case WM_ERASEBKGND:
        if (!Skin->Options().Contains(TSkinOption::xoMenuBG)) return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
        return 1;
      case WM_NCPAINT:
        if (wParam != 1 || !HasPicture()) return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
        {
          MakeBackground();
          tk::WindowDC dc(wnd, true);
          BitBlt(dc.Get(), 0, 0, PopBackground.Width(), PopBackground.Height(), PopBackground.Canvas().Handle(), 0, 0, SRCCOPY);
        }
        return 0;
      case WM_PAINT: {
        const LRESULT result = TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
        if (HasPicture() && !PopBackground.Empty()) PaintAroundItems(wnd);
        return result;
      }
      case WM_PRINT: {
        if (!HasPicture()) return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
        HDC dc = reinterpret_cast<HDC>(wParam);
        MakeBackground();
        BitBlt(dc, 0, 0, PopBackground.Width(), PopBackground.Height(), PopBackground.Canvas().Handle(), 0, 0, SRCCOPY);
        // The menu prints its items inside the skinned border, over the picture.
        tk::SavedDC saved(dc);
        IntersectClipRect(dc, MenuBorder, MenuBorder, PopBackground.Width() - MenuBorder, PopBackground.Height() - MenuBorder);
        SetBkMode(dc, TRANSPARENT);
        return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
      }
      default:
        return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
    }
  } catch (...) {
    // A painting failure leaves the native look; the menu keeps working.
    return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
  }
}
