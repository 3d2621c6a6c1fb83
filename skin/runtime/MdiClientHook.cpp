#include "MdiClientHook.h"

#include "SkinManage.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

namespace {

bool ActiveChildMaximized(HWND client) {
  BOOL maximized = FALSE;
  return SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)) && maximized;
}

void SetMDIMaximized(bool on) {
  if (TSkinManage* manager = TSkinManage::Instance()) manager->SetMDIMaximized(on);
}

}  // namespace

LRESULT TMdiClientHook::PassOn(UINT msg, WPARAM wParam, LPARAM lParam) {
  return TWindowSubclass::CallPrevious(FSubclass.Window(), msg, wParam, lParam);
}

LRESULT TMdiClientHook::SubclassProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  try {
    switch (msg) {
      case WM_NCDESTROY: {
        const LRESULT result = PassOn(msg, wParam, lParam);
        FSubclass.Remove();
        return result;
      }
      case WM_NCCALCSIZE:
        if (FFrame.SkinFrame && FFrame.SkinData && !FFrame.SkinData->Options().Contains(TSkinOption::xoMDIScrollbar)) {
          HWND client = FSubclass.Window();
          const LONG_PTR style = GetWindowLongPtrW(client, GWL_STYLE);
          if (style & (WS_HSCROLL | WS_VSCROLL))
            SetWindowLongPtrW(client, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL));
        }
        return PassOn(msg, wParam, lParam);
      case WM_MDICREATE:
        if (FFrame.SkinData) FFrame.SkinData->SetMenuUpdate(false);
        return PassOn(msg, wParam, lParam);
      case WM_MDIDESTROY: {
        const LRESULT result = PassOn(msg, wParam, lParam);
        if (FFrame.SkinFrame) ChildDestroyed();
        return result;
      }
      case WM_MDITILE:
      case WM_MDICASCADE:
        if (FFrame.SkinFrame) SetMDIMaximized(false);
        return PassOn(msg, wParam, lParam);
      case WM_MDISETMENU: {
        const LRESULT result = PassOn(msg, wParam, lParam);
        if (FFrame.SkinFrame) FrameMenuSet(wParam);
        return result;
      }
      case SKM_REDRAWMDI:
        RedrawFrame();
        return 0;
      default:
        return PassOn(msg, wParam, lParam);
    }
  } catch (...) {
    // Nothing of the painter's may reach the client's caller.
    return 0;
  }
}

void TMdiClientHook::ChildDestroyed() {
  HWND client = FSubclass.Window();
  SetMDIMaximized(ActiveChildMaximized(client));
  const bool anyActive = SendMessageW(client, WM_MDIGETACTIVE, 0, 0) != 0;
  if (!anyActive && FFrame.MenuBar) {
    if (FFrame.SkinData) FFrame.SkinData->SetMenuUpdate(FFrame.FMenuUpdateRemembered);
    FFrame.MenuBar->BuildBar();
  }
  RedrawFrame();
}

void TMdiClientHook::FrameMenuSet(WPARAM frameMenu) {
  if (frameMenu && FFrame.MenuBar) FFrame.MenuBar->BuildBar(true);
  // The band shows the menu: the frame window keeps none of its own.
  if (GetMenu(FFrame.Wnd)) SetMenu(FFrame.Wnd, nullptr);
}

void TMdiClientHook::RedrawFrame() {
  if (IsWindow(FFrame.Wnd))
    RedrawWindow(FFrame.Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}
