// The painter of a menu window ("#32768"): while skinning is active, its border and background
// come from the skin's menu background picture.
#include "ElementDrawing.h"
#include "SkinManage.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinMenu.h"

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

void TWinSkinPopMenu::PaintBackground(HDC dc) {
  RECT window{};
  GetWindowRect(MenuWindow, &window);
  const RECT all{0, 0, window.right - window.left, window.bottom - window.top};
  TDataSkinObject* element = Skin->MenuBackground.get();
  auto picture = DrawElementFrame(all, element->Bitmap, element->Margins(), false, element->Tile == 1, 1, 1);
  PopBackground.Assign(*picture);
  BitBlt(dc, 0, 0, all.right, all.bottom, PopBackground.Canvas().Handle(), 0, 0, SRCCOPY);
}

LRESULT TWinSkinPopMenu::SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == SKM_ISSKINNED) return 1;
  TSkinManage* manager = TSkinManage::Instance();
  if (!manager || !manager->Active || !Skin) return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
  const bool hasPicture = !Skin->Loading && Skin->MenuBackground && !Skin->MenuBackground->Bitmap.Empty();
  switch (msg) {
    case WM_DESTROY:
      FSubclass.Remove();
      PopBackground.Clear();
      return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
      if (!Skin->Options().Contains(TSkinOption::xoMenuBG)) return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
      return 1;
    case WM_NCPAINT:
      if (wParam == 1 && hasPicture) {
        HDC dc = GetWindowDC(wnd);
        PaintBackground(dc);
        ReleaseDC(wnd, dc);
        return 0;
      }
      return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
    case WM_PRINT:
      if (hasPicture) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        PaintBackground(dc);
        RECT window{};
        GetWindowRect(wnd, &window);
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, 3, 3, window.right - window.left - 3, window.bottom - window.top - 3);
        SetBkMode(dc, TRANSPARENT);
        const LRESULT result = TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam & ~static_cast<LPARAM>(PRF_NONCLIENT));
        RestoreDC(dc, saved);
        return result;
      }
      return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
    default:
      return TWindowSubclass::CallPrevious(wnd, msg, wParam, lParam);
  }
}
