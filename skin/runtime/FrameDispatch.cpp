// The frame painter's window procedure. Every message of the window passes up to three stages:
// stage 1 always, stage 2 for a frame the skin paints (not for child windows), stage 3 once the
// frame is attached (and not for a maximized MDI child). To pass on is to call the window's
// previous procedure and answer what it answers.
#include <windowsx.h>

#include "Application.h"
#include "Messages.h"
#include "SkinManage.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

namespace {
constexpr UINT WM_NCUAHDRAWCAPTION = 0xAE;  // the system's own caption drawing

// Alt+character that a toolkit form did not take: an accelerator of the band gets a click, else
// the form that shows the menu bar is asked (the MDI frame, or the main form for another form).
// With the focus in a control this is the only way a form sees Alt+character: the system hands
// its SC_KEYMENU to the focused control, not to the top-level window.
LRESULT DialogCharToMenu(TWinSkinForm& form, WPARAM key, LPARAM keyData) {
  const bool onlyAlt = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
  if (onlyAlt && form.MenuBar) {
    if (TMenuBtn* button = form.MenuBar->ButtonWithAccelerator(static_cast<wchar_t>(key))) {
      RECT window{};
      GetWindowRect(form.Wnd, &window);
      PostMessageW(form.Wnd, SKM_OPENMENUAT, 0,
                   MAKELPARAM(window.left + button->Bounds.left + 1, window.top + button->Bounds.top + 1));
      return 1;
    }
  }
  tk::TCustomForm* target = nullptr;
  if (form.FormKind == fkMDIChild) {
    if (TSkinManage* manager = TSkinManage::Instance()) target = manager->MDIMainForm;
  } else if (tk::Application && tk::Application->MainForm() != form.Form) {
    target = tk::Application->MainForm();
    // A form shown modally has the main form disabled under it.
    if (target && target->HandleAllocated() && !IsWindowEnabled(target->HandleIfAllocated())) target = nullptr;
  }
  if (!target || target == form.Form || !target->HandleAllocated()) return 0;
  return target->Perform(tk::CM_DIALOGCHAR, key, keyData);
}

}  // namespace

LRESULT TWinSkinForm::PassOn(UINT msg, WPARAM wParam, LPARAM lParam) {
  return TWindowSubclass::CallPrevious(Wnd, msg, wParam, lParam);
}

LRESULT TWinSkinForm::SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // Our own handshake has the value of the toolkit's reflected WM_NOTIFY: it ends here.
  if (msg == SkinHandshakeNotify && lParam == SkinHandshakeTag) return 0;
  try {
    return Stage1(msg, wParam, lParam);
  } catch (...) {
    // Nothing of the painter's may reach the window procedure's caller.
    return 0;
  }
}

LRESULT TWinSkinForm::Stage1(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCPAINT:
      if (FrameState == fsAttaching) return 0;
      break;
    case WM_ERASEBKGND: {
      const LRESULT result = PassOn(msg, wParam, lParam);
      if (Form || !SkinData) return result;
      RECT r{};
      GetClientRect(Wnd, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, SkinData->FaceBrush.Get());
      return 1;
    }
    case WM_NCDESTROY: {
      FrameState = fsDestroying;
      ReleaseWindow();
      const LRESULT result = PassOn(msg, wParam, lParam);
      FrameState = fsDetached;
      return result;
    }
    case WM_NCACTIVATE:
      // Until the skin is ready the native frame must not flash.
      if (FrameState == fsAttaching && FormKind != fkMDIChild) return 0;
      if (!SkinFrame) return PassOn(msg, wParam, lParam);
      return Stage2(msg, wParam, lParam);
    case WM_NCUAHDRAWCAPTION:
      return 0;
    case WM_INITMENUPOPUP:
      if (TSkinManage* manager = TSkinManage::Instance())
        manager->MenuSource = reinterpret_cast<HMENU>(wParam) == SysMenuHandle ? mnsSystem : mnsBar;
      return PassOn(msg, wParam, lParam);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
      const LRESULT result = PassOn(msg, wParam, lParam);
      if (Form || !SkinData) return result;
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return msg == WM_CTLCOLORSTATIC ? reinterpret_cast<LRESULT>(SkinData->FaceBrush.Get()) : result;
    }
    case SKM_FINISHATTACH:
      FinishAttach();
      return 0;
    case SKM_RESKINSCROLL:
      ReskinScrollPainter(reinterpret_cast<HWND>(wParam));
      return 0;
    case SKM_ISSKINNED:
      PostMessageW(Wnd, SkinHandshakeNotify, 0, SkinHandshakeTag);
      return 1;
    default:
      break;
  }
  if (!SkinFrame) return PassOn(msg, wParam, lParam);
  return Stage2(msg, wParam, lParam);
}

LRESULT TWinSkinForm::Stage2(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (IsChild && FormKind != fkMDIChild) return PassOn(msg, wParam, lParam);
  bool handled = false;
  switch (msg) {
    case WM_SYSCOMMAND: {
      const LRESULT result = OnSysCommand(wParam, lParam, handled);
      if (handled) return result;
      return PassOn(msg, wParam, lParam);
    }
    case WM_COMMAND: {
      const LRESULT result = OnSysMenuCommand(wParam, lParam, handled);
      if (handled) return result;
      return PassOn(msg, wParam, lParam);
    }
    case WM_WINDOWPOSCHANGED:
      ReadShowState();
      return PassOn(msg, wParam, lParam);
    case WM_NCACTIVATE:
    case WM_ACTIVATE:
      NCActive = LOBYTE(LOWORD(wParam)) != 0;
      break;
    case WM_GETMINMAXINFO: {
      const LRESULT result = PassOn(msg, wParam, lParam);
      ReadShowState();
      return result;
    }
    case tk::CM_MENUCHANGED:
      return OnMenuChanged(wParam, lParam);
    case WM_MENUSELECT:
      if (MenuBar && MenuBar->OpenIndex() >= 0) MenuBar->MenuSelect(wParam, lParam);
      break;
    case SKM_OPENMENUAT:
      if (MenuBar) MenuBar->OpenAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_SIZE:
      return OnSize(wParam, lParam);
    case WM_SETICON: {
      const LRESULT result = PassOn(msg, wParam, lParam);
      BuildIconBitmap();
      return result;
    }
    default:
      break;
  }
  return Stage3(msg, wParam, lParam, false);
}

LRESULT TWinSkinForm::Stage3(UINT msg, WPARAM wParam, LPARAM lParam, bool) {
  if (IsMaximizedMDIChild() || FrameState == fsAttaching) return PassOn(msg, wParam, lParam);
  switch (msg) {
    case WM_NCPAINT:
      return OnNcPaint(wParam, lParam);
    case WM_NCACTIVATE:
      return OnNcActivate(wParam, lParam);
    case WM_NCCALCSIZE:
      return OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST:
      return OnNcHitTest(wParam, lParam);
    case WM_NCMOUSEMOVE:
      return OnNcMouseMove(wParam, lParam);
    case WM_NCLBUTTONDOWN:
      return OnNcLButtonDown(wParam, lParam);
    case WM_NCLBUTTONUP:
      return OnNcLButtonUp(wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
      return OnNcLButtonDblClk(wParam, lParam);
    case WM_NCRBUTTONDOWN:
      return OnNcRButtonDown(wParam, lParam);
    case WM_MEASUREITEM:
      if (wParam == 0 && skin_menu::MeasureItem(*this, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      return PassOn(msg, wParam, lParam);
    case WM_DRAWITEM:
      if (wParam == 0 && skin_menu::DrawItem(*this, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      return PassOn(msg, wParam, lParam);
    case SKM_REPAINTFRAME:
      PaintFrame();
      return 0;
    default:
      return PassOn(msg, wParam, lParam);
  }
}

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
  const LRESULT native = PassOn(WM_NCCALCSIZE, wParam, lParam);
  if (!wParam) return native;
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
  if ((FormKind == fkMDIChild && ShowState != ssNormal) || BorderKind == bkNoCaption) {
    params->rgrc[1] = params->rgrc[0];
    return WVR_VALIDRECTS;
  }
  const WINDOWPOS* pos = params->lppos;
  RECT client{pos->x + LeftWidth(), pos->y + TitleHeight() + MenuHeight, pos->x + pos->cx - RightWidth(),
              pos->y + pos->cy - BottomHeight()};
  if (client.right < client.left) client.right = client.left;
  if (client.bottom < client.top) client.bottom = client.top;
  params->rgrc[0] = client;
  params->rgrc[1] = client;
  return WVR_VALIDRECTS;
}

LRESULT TWinSkinForm::OnSize(WPARAM wParam, LPARAM lParam) {
  // The previous procedure sees each WM_SIZE once, although the message is reached from stage 2.
  const LRESULT result = PassOn(WM_SIZE, wParam, lParam);
  const TShowState before = ShowState;
  switch (wParam) {
    case SIZE_RESTORED: ShowState = ssNormal; break;
    case SIZE_MAXIMIZED: ShowState = ssMaximized; break;
    case SIZE_MINIMIZED: ShowState = ssMinimized; break;
    default: break;
  }
  if (FormKind == fkMDIChild) MDIChildSized(wParam, before);
  if (ShowState == ssMinimized) return result;
  if (FormKind == fkMDIChild) {
    TSkinManage* manager = TSkinManage::Instance();
    if ((manager && manager->MDIMaximized) || ShowState != ssNormal) return result;
  }
  if (FrameState == fsRunning || FrameState == fsRefreshing) UpdateRegion();
  return result;
}

// A child maximised or put back however it happened (its buttons, the keyboard, the program): the
// frame's band shows or drops the child's buttons.
void TWinSkinForm::MDIChildSized(WPARAM kind, TShowState before) {
  TSkinManage* manager = TSkinManage::Instance();
  if (!manager || !manager->MDIClientWnd) return;
  if (kind == SIZE_MAXIMIZED) {
    manager->SetMDIMaximized(true);
  } else if (before == ssMaximized || manager->MDIMaximized) {
    BOOL maximized = FALSE;
    SendMessageW(manager->MDIClientWnd, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    if (!maximized) manager->SetMDIMaximized(false);
  }
  if (before != ShowState || kind == SIZE_MAXIMIZED) PostMessageW(manager->MDIClientWnd, SKM_REDRAWMDI, 0, 0);
}

void TWinSkinForm::RemoveSysMenuStyle() {
  if (CaptionFlags & cfKeepSysMenuStyle) return;
  const LONG_PTR style = GetWindowLongPtrW(Wnd, GWL_STYLE);
  if (style & WS_SYSMENU) SetWindowLongPtrW(Wnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU));
}

void TWinSkinForm::RestoreSysMenuStyle() {
  if (!(CaptionFlags & cfSystemMenu) || (CaptionFlags & cfKeepSysMenuStyle) || !IsWindow(Wnd)) return;
  const LONG_PTR style = GetWindowLongPtrW(Wnd, GWL_STYLE);
  if (!(style & WS_SYSMENU)) SetWindowLongPtrW(Wnd, GWL_STYLE, style | WS_SYSMENU);
}

LRESULT TWinSkinForm::OnNcPaint(WPARAM wParam, LPARAM lParam) {
  // Without the style bit the system draws no caption buttons of its own.
  RemoveSysMenuStyle();
  if (SkinData && SkinData->FramePaintEnabled) {
    if (IsMaximizedMDIChild() || BorderKind == bkNoCaption) return PassOn(WM_NCPAINT, wParam, lParam);
    PaintFrame();
  }
  return 0;
}

LRESULT TWinSkinForm::OnNcActivate(WPARAM wParam, LPARAM lParam) {
  NCActive = wParam != 0;
  if (FrameTimer) FrameTimer->SetEnabled(NCActive);
  if (!NCActive) HideHint();
  if (FormKind == fkMDIFrame) {
    if (TSkinManage* manager = TSkinManage::Instance(); manager && manager->MDIClientWnd)
      SendMessageW(manager->MDIClientWnd, WM_NCACTIVATE, wParam, lParam);
  } else if (FormKind == fkMDIChild) {
    PassOn(WM_NCACTIVATE, wParam, lParam);
  }
  if (!IsMaximizedMDIChild()) PaintFrame();
  return TRUE;
}

LRESULT TWinSkinForm::OnMenuChanged(WPARAM wParam, LPARAM lParam) {
  // The toolkit may put its menu back on the window while it handles the change; that must not
  // paint a native frame.
  if (SkinData) SkinData->FramePaintEnabled = false;
  LRESULT result = 0;
  try {
    result = PassOn(tk::CM_MENUCHANGED, wParam, lParam);
  } catch (...) {
  }
  if (SkinData) SkinData->FramePaintEnabled = true;
  const HMENU menu = GetMenu(Wnd);
  if (menu) NativeMenu = menu;
  bool frameChanged = false;
  if (!MenuBar && menu && FormKind != fkMDIChild && FrameState != fsAttaching) {
    // A window that gains a menu gets a band, as it would get a native menu bar.
    MenuBar = std::make_unique<TWinSkinMenu>(this, SkinData);
    MenuHeight = GetSystemMetrics(SM_CYMENU);
    MenuBar->BuildBar();
    frameChanged = true;
  } else if (MenuBar && (!menu || (SkinData && SkinData->MenuUpdate()))) {
    // Items changed under the same menu, or a new menu came: the band is remade from it.
    MenuBar->BuildBar();
    if (!MenuBar->NativeMenu && FormKind != fkMDIFrame) {
      // The menu went away: so does the band.
      MenuBar.reset();
      MenuHeight = 0;
      frameChanged = true;
    }
  }
  if (GetMenu(Wnd)) SetMenu(Wnd, nullptr);
  if (frameChanged)
    SetWindowPos(Wnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  PaintFrame();
  return result;
}

void TWinSkinForm::FormHook(tk::TMessage& msg) {
  // With a native frame the hook is only there to follow the form to a new window.
  if (!SkinFrame && msg.Msg != tk::CM_RECREATEWND && msg.Msg != SKM_ISSKINNED) {
    FSavedFormHook(msg);
    return;
  }
  switch (msg.Msg) {
    case WM_SETTEXT:
      if (IsWindowVisible(Wnd)) {
        FSavedFormHook(msg);
        if (IsMaximizedMDIChild()) {
          if (TSkinManage* manager = TSkinManage::Instance(); manager && manager->MDIClientWnd)
            PostMessageW(manager->MDIClientWnd, SKM_REDRAWMDI, 0, 0);
        } else if (ShowState == ssMinimized) {
          PaintFrame();
        } else {
          SetWindowPos(Wnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
        return;
      }
      break;
    case SKM_REFRESHSKIN:
      RefreshSkin();
      return;
    case tk::CM_DIALOGCHAR:
      FSavedFormHook(msg);
      if (msg.Result == 0) msg.Result = DialogCharToMenu(*this, msg.WParam, msg.LParam);
      return;
    case SkinHandshakePaint:
      if (msg.LParam == SkinHandshakeTag) {
        if (msg.WParam) PaintFrame(reinterpret_cast<HDC>(msg.WParam));
        msg.Result = SkinHandshakeTag;
        return;
      }
      break;
    case SkinHandshakeQuery:
      msg.Result = msg.LParam == SkinHandshakeTag ? SkinHandshakeTag : 1;
      return;
    case SKM_ISSKINNED:
      // The window the toolkit is making in place of ours is ours already.
      if (FRecreating) {
        msg.Result = 1;
        return;
      }
      break;
    case tk::CM_RECREATEWND:
      FollowRecreatedWindow(msg);
      return;
    default:
      break;
  }
  FSavedFormHook(msg);
}
