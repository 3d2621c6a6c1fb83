// The skinned system menu: a pop-up menu of our own, built from the window's native system menu
// each time it opens and drawn by the skin, and the system commands that reach the frame.
#include <windowsx.h>

#include "Encoding.h"
#include "SkinManage.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

namespace {

constexpr int SystemMenuTag = 33333;
enum TGlyph { glRestore = 0, glMaximize = 1, glMinimize = 2, glClose = 3 };

bool IsFrameCommand(UINT command) {
  switch (command) {
    case SC_SIZE: case SC_MOVE: case SC_MINIMIZE: case SC_MAXIMIZE: case SC_NEXTWINDOW: case SC_PREVWINDOW:
    case SC_CLOSE: case SC_RESTORE: return true;
    default: return false;
  }
}

}  // namespace

void TWinSkinForm::BuildSystemMenu() {
  SysMenu = std::make_unique<tk::TPopupMenu>(nullptr);
  SysMenu->SetTag(SystemMenuTag);
  if (SkinData) SysMenu->SetImages(SkinData->MenuGlyphs());
  HMENU native = SysMenuHandle ? SysMenuHandle : GetSystemMenu(Wnd, FALSE);
  if (!native) return;
  const int count = GetMenuItemCount(native);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = 255;
    if (!GetMenuItemInfoW(native, static_cast<UINT>(i), TRUE, &info)) continue;
    auto* item = new tk::TMenuItem(SysMenu.get());
    const std::wstring caption = (info.fType & MFT_SEPARATOR) || text[0] == 0 ? L"-" : std::wstring(text);
    item->SetCaption(tk::WideToGbk(caption));
    item->SetTag(static_cast<intptr_t>(info.wID));
    const UINT command = info.wID & 0xFFF0;
    switch (command) {
      case SC_SIZE:
      case SC_MOVE: item->SetEnabled(ShowState != ssMaximized); break;
      case SC_MINIMIZE:
        item->SetImageIndex(glMinimize);
        item->SetEnabled(ShowState != ssMinimized && (CaptionFlags & cfMinimizeBox));
        break;
      case SC_MAXIMIZE:
        item->SetImageIndex(glMaximize);
        item->SetEnabled(ShowState != ssMaximized && (CaptionFlags & cfMaximizeBox));
        break;
      case SC_CLOSE: item->SetImageIndex(glClose); break;
      case SC_RESTORE:
        item->SetImageIndex(glRestore);
        item->SetEnabled(ShowState != ssNormal);
        break;
      default: break;
    }
    if ((info.fState & (MFS_DISABLED | MFS_GRAYED)) == (MFS_DISABLED | MFS_GRAYED)) item->SetEnabled(false);
    if (info.fState & MFS_CHECKED) item->SetChecked(true);
    item->OnClick = [this, id = info.wID](tk::TObject*) { PostMessageW(Wnd, WM_SYSCOMMAND, id, 0); };
    SysMenu->Items()->Add(item);
  }
  if (SkinData) skin_menu::SwitchMenuToSkin(*SysMenu, *SkinData, true);
}

void TWinSkinForm::OpenSystemMenu(POINT screenPoint) {
  const DWORD now = GetTickCount();
  if (LastSysMenuOpen != 0 && now - LastSysMenuOpen <= DoubleClickTime) {
    // A second opening within the double-click time is a double click: on the icon it closes.
    if (HotObject) {
      if (FrameTimer) FrameTimer->SetEnabled(false);
      PostMessageW(Wnd, WM_CLOSE, 0, 0);
    }
    LastSysMenuOpen = 0;
    return;
  }
  if (TSkinManage* manager = TSkinManage::Instance()) manager->MenuSource = mnsSystem;
  LastSysMenuOpen = now;
  BuildSystemMenu();
  if (SysMenu) SysMenu->PopupFor(Wnd, screenPoint.x, screenPoint.y);
}

LRESULT TWinSkinForm::OnSysMenuCommand(WPARAM wParam, LPARAM lParam, bool& handled) {
  const UINT command = LOWORD(wParam);
  if (lParam != 0 || !IsFrameCommand(command)) return 0;
  handled = true;
  PostMessageW(Wnd, WM_SYSCOMMAND, command, 0);
  return 0;
}

LRESULT TWinSkinForm::OnSysCommand(WPARAM wParam, LPARAM lParam, bool& handled) {
  if (MenuTracking) return 0;
  const UINT command = static_cast<UINT>(wParam & 0xFFF0);
  if (command == SC_KEYMENU) {
    const wchar_t character = static_cast<wchar_t>(lParam);
    if (character != L' ' && character != L'-' && !GetCapture()) {
      if (MenuBar && MenuBar->KeyMenu(character)) {
        handled = true;
        return 1;
      }
    }
    if (character == L' ') {
      POINT origin{0, 0};
      ClientToScreen(Wnd, &origin);
      OpenSystemMenu(origin);
      handled = true;
      return 0;
    }
  }
  switch (command) {
    case SC_MINIMIZE: ShowState = ssMinimized; break;
    case SC_MAXIMIZE: ShowState = ssMaximized; break;
    case SC_RESTORE:
      ShowState = ssNormal;
      if (FormKind == fkMDIChild)
        if (TSkinManage* manager = TSkinManage::Instance()) manager->SetMDIMaximized(false);
      break;
    default: break;
  }
  return 0;
}
