// Caption buttons: built from the skin's caption-button entries, shown or hidden by their
// visibility rules, laid out against the window's edges or the caption text, drawn into the title
// band, hit, hovered, pressed and clicked; the non-client mouse messages; hover tracking and the
// caption-button hints on the frame timer.
#include <windowsx.h>

#include <algorithm>

#include "Application.h"
#include "ElementDrawing.h"
#include "SkinManage.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

namespace {

enum TButtonAction {
  baClose = 0, baMaximize = 1, baMinimize = 2, baIcon = 3, baHelp = 4, baMdiMinimize = 7, baMdiRestore = 8,
  baMdiClose = 9, baIcon2 = 11, baIcon3 = 12, baMaximize2 = 22, baMinimize2 = 23, baMdiMinimize2 = 60,
  baMdiRestore2 = 61, baMdiClose2 = 62
};

bool IsIconAction(int action) { return action == baIcon || action == baIcon2; }

HWND ActiveMDIChild() {
  TSkinManage* manager = TSkinManage::Instance();
  if (!manager || !manager->MDIClientWnd) return nullptr;
  return reinterpret_cast<HWND>(SendMessageW(manager->MDIClientWnd, WM_MDIGETACTIVE, 0, 0));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TNCObject and TWinSysButton

void TNCObject::Press() {
  if (Owner->HotObject && Owner->HotObject != this) Owner->HotObject->Leave();
  Owner->SetHotObject(this);
  State = ncsPressed;
  if (Visible) Paint();
}

void TNCObject::Release() {
  State = ncsHot;
  if (Visible) Paint();
}

void TNCObject::Hover() {
  if (Owner->HotObject == this) return;
  if (Owner->HotObject) Owner->HotObject->Leave();
  Owner->SetHotObject(this);
  State = ncsHot;
  if (Visible) Paint();
}

void TNCObject::Leave() {
  Owner->SetHotObject(nullptr);
  State = ncsNormal;
  if (Owner->SkinData) {
    Owner->SkinData->HideCaptionHint();
    Owner->SkinData->HintCounter = 0;
  }
  if (Visible) Paint();
}

bool TWinSysButton::IsIcon() const { return IsIconAction(Element->Action); }

int TWinSysButton::StateFrame() const {
  const int frames = std::max(Element->FrameCount, 1);
  if (!Enabled) return frames > 3 ? 4 : 1;
  if (State == ncsHot && Element->Visibility == 100) return std::min(4, frames);
  return std::min(State, frames);
}

std::string TWinSysButton::HintText() const {
  switch (Element->Action) {
    case baClose: case baMdiClose: case baMdiClose2: return "Close";
    case baMaximize: case baMaximize2: return "Maximize";
    case baMinimize: case baMdiMinimize: case baMinimize2: case baMdiMinimize2: return "Minimize";
    case baMdiRestore: case baMdiRestore2: return "Restore";
    default: return {};
  }
}

void TWinSysButton::PaintInto(HDC dc, POINT origin, int frame) {
  if (IsIcon()) {
    Owner->DrawIconButton(dc, *this, origin);
    return;
  }
  if (Element->Bitmap.Empty()) return;
  RECT at = Bounds;
  OffsetRect(&at, -origin.x, -origin.y);
  DrawFrameStretched(dc, at, Element->Bitmap, true, std::max(Element->FrameCount, 1), frame);
}

void TWinSysButton::Paint() {
  if (!Owner->Wnd) return;
  const RECT area = IsIcon() ? Owner->IconButtonArea(*this) : Bounds;
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0 || (!IsIcon() && Element->Bitmap.Empty())) return;
  tk::WindowDC window(Owner->Wnd, true);
  if (!window.Get()) return;
  // Composed off screen on what lies under the button (the title band as it was before its
  // buttons, so a transparent picture never piles up on the previous state), then copied once.
  tk::TBitmap piece(width, height);
  HDC pieceDC = piece.Canvas().Handle();
  const tk::TBitmap& background = Owner->TitleBackground;
  if (Element->Align != 100 && area.right <= background.Width() && area.bottom <= background.Height())
    BitBlt(pieceDC, 0, 0, width, height, const_cast<tk::TBitmap&>(background).Canvas().Handle(), area.left, area.top,
           SRCCOPY);
  else
    BitBlt(pieceDC, 0, 0, width, height, window.Get(), area.left, area.top, SRCCOPY);
  PaintInto(pieceDC, POINT{area.left, area.top}, StateFrame());
  BitBlt(window.Get(), area.left, area.top, width, height, pieceDC, 0, 0, SRCCOPY);
}

namespace {

// The program's main window stands for the application window of the icon button.
HWND ApplicationWindow() {
  if (!tk::Application || !tk::Application->MainForm()) return nullptr;
  return tk::Application->MainForm()->HandleIfAllocated();
}

// The application's small icon at the small-icon size (a copy the caller owns), or none.
tk::UniqueIcon ApplicationSmallIcon() {
  HWND app = ApplicationWindow();
  if (!app) return tk::UniqueIcon();
  HICON icon = reinterpret_cast<HICON>(SendMessageW(app, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(app, WM_GETICON, ICON_BIG, 0));
  if (!icon) return tk::UniqueIcon();
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  return tk::UniqueIcon(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
}

// Where the application icon goes: x = 8, centred on the caption text.
RECT ApplicationIconRect(const RECT& textRect) {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  const int top = (textRect.top + textRect.bottom - cy) / 2;
  return RECT{8, top, 8 + cx, top + cy};
}

}  // namespace

RECT TWinSkinForm::IconButtonArea(const TWinSysButton& button) {
  if (ApplicationSmallIcon()) return ApplicationIconRect(TextRect);
  return button.Bounds;
}

void TWinSkinForm::DrawIconButton(HDC dc, const TWinSysButton& button, POINT origin) {
  if (tk::UniqueIcon icon = ApplicationSmallIcon()) {
    const RECT at = ApplicationIconRect(TextRect);
    DrawIconEx(dc, at.left - origin.x, at.top - origin.y, icon.Get(), at.right - at.left, at.bottom - at.top, 0, nullptr,
               DI_NORMAL);
    return;
  }
  if (IconBitmap.Empty()) return;
  RECT at = button.Bounds;
  OffsetRect(&at, -origin.x, -origin.y);
  DrawTransparent(dc, at, IconBitmap, SkinKeyColour);
}

// ---------------------------------------------------------------------------------------------
// Building, showing and laying out

void TWinSkinForm::BuildCaptionButtons() {
  HotObject = nullptr;
  CaptionButtons.clear();
  if (!SkinData) return;
  for (auto& element : SkinData->SysButtons) {
    if (IsIconAction(element->Action)) {
      BuildIconBitmap();
      if (element->Bitmap.Empty() && !IconBitmap.Empty()) element->Bitmap.Assign(IconBitmap);
      if (SkinData->AppIconBitmap().Empty() && !IconBitmap.Empty()) SkinData->AppIconBitmap().Assign(IconBitmap);
      element->FrameCount = 1;
    }
    auto button = std::make_unique<TWinSysButton>(this, element.get());
    button->Enabled = true;
    CaptionButtons.push_back(std::move(button));
  }
}

namespace {

// One of the two visibility conditions of a caption button.
bool VisibilityHolds(const TWinSkinForm& f, int value, bool first, int action) {
  const bool maximized = f.ShowState == ssMaximized;
  const bool minBox = (f.CaptionFlags & cfMinimizeBox) != 0, maxBox = (f.CaptionFlags & cfMaximizeBox) != 0;
  const bool sysMenu = (f.CaptionFlags & cfSystemMenu) != 0, help = (f.CaptionFlags & cfContextHelp) != 0;
  switch (value) {
    case 0: return true;
    case 1: return maximized;
    case 2: return !maximized;
    case 3: return f.NCActive;
    case 4: return !f.NCActive;
    case 5: return false;
    case 6:
    case 8: return first ? ((minBox || maxBox) && sysMenu) : (minBox || maxBox);
    case 7: return !maxBox;
    case 9: return !minBox;
    case 10: return first ? (help && !minBox && !maxBox) : help;
    case 100: {
      TSkinManage* manager = TSkinManage::Instance();
      return f.FormKind == fkMDIFrame && f.HasMenuBand() && manager && manager->MDIMaximized;
    }
    case 200: return f.BorderKind == bkDialog && f.ClassName != "#32770" && f.ClassName != "TMessageForm";
    default:
      if (value >= 201 && value <= 999) return true;
      if (value >= 1000 && value <= 2000)
        return first ? SendMessageW(f.Wnd, SKM_QUERYBUTTON, static_cast<WPARAM>(value), action) > 0 : true;
      return false;
  }
}

}  // namespace

bool TWinSkinForm::ButtonShown(const TWinSysButton& button) const {
  const TDataSkinSysButton& e = *button.Element;
  bool shown = VisibilityHolds(*this, e.Visibility, true, e.Action) && VisibilityHolds(*this, e.Visibility1, false, e.Action);
  if (e.Action == baClose && !(CaptionFlags & cfSystemMenu)) shown = false;
  if ((IsIconAction(e.Action) || e.Action == baIcon3) && BorderKind == bkDialog) shown = false;
  return shown;
}

// Before the caption text is placed: the right-aligned buttons shown decide its room.
void TWinSkinForm::UpdateButtonVisibility() {
  const bool sysMenu = (CaptionFlags & cfSystemMenu) != 0;
  for (auto& button : CaptionButtons) {
    const int action = button->Element->Action;
    button->Visible = ButtonShown(*button);
    if (action == baMaximize) button->Enabled = (CaptionFlags & cfMaximizeBox) && sysMenu;
    if (action == baMinimize) button->Enabled = (CaptionFlags & cfMinimizeBox) && sysMenu;
  }
}

// After the caption text is placed: some buttons sit beside it.
void TWinSkinForm::LayoutCaptionButtons(int windowWidth) {
  for (auto& button : CaptionButtons) {
    const TDataSkinSysButton& e = *button->Element;
    if (!button->Visible || e.Bitmap.Empty()) continue;
    const int w = e.Bitmap.Width() / std::max(e.FrameCount, 1);
    const int h = e.Bitmap.Height();
    int left = 0, top = e.YCoord;
    switch (e.Align) {
      case 0: left = e.XCoord; break;
      case 1: left = windowWidth - e.XCoord; break;
      case 2: case 8: left = TextRect.left - w - e.XCoord; break;
      case 3: case 9: left = TextRect.right + e.XCoord; break;
      case 100: {
        const int menuBarLeft = SkinData->MenuBar ? SkinData->MenuBar->LeftWidth : 0;
        left = windowWidth - e.XCoord - RightWidth() - menuBarLeft;
        top = TitleHeight() + (MenuHeight - h) / 2;
        break;
      }
      default: continue;  // keeps its bounds
    }
    button->Bounds = RECT{left, top, left + w, top + h};
  }
}

void TWinSkinForm::PaintCaptionButtons(HDC titleDC) {
  for (auto& button : CaptionButtons) {
    const TDataSkinSysButton& e = *button->Element;
    if (!button->Visible || e.Align == 100) continue;
    if (e.Bitmap.Empty()) continue;
    // A full paint shows no mouse state: the normal picture, or the disabled one.
    const int frames = std::max(e.FrameCount, 1);
    const int frame = (frames < 4 || (NCActive && button->Enabled)) ? 1 : 4;
    button->PaintInto(titleDC, POINT{0, 0}, frame);
  }
}

// ---------------------------------------------------------------------------------------------
// Hit-testing and the mouse

TNCObject* TWinSkinForm::ObjectAt(POINT screenPoint) {
  const POINT p = ScreenToFrame(screenPoint);
  for (auto& button : CaptionButtons)
    if (button->Visible && button->Element->Action >= 0 && button->Contains(p)) return button.get();
  if (MenuBar) return MenuBar->ButtonAt(p);
  return nullptr;
}

LRESULT TWinSkinForm::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
  const LRESULT native = PassOn(WM_NCHITTEST, wParam, lParam);
  if (native != HTNOWHERE && native != HTCAPTION) return native;
  RECT window{};
  GetWindowRect(Wnd, &window);
  const int y = GET_Y_LPARAM(lParam) - window.top;
  LRESULT answer = native;
  if (y > 3) answer = HTCAPTION;
  if (HasMenuBand() && y >= TitleHeight() && y < TitleHeight() + MenuHeight) answer = HTMENU;
  return answer;
}

LRESULT TWinSkinForm::OnNcMouseMove(WPARAM wParam, LPARAM lParam) {
  if (!NCActive) return 0;
  if (TNCObject* object = ObjectAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
    object->Hover();
    return 0;
  }
  if (HotObject) HotObject->Leave();
  HotObject = nullptr;
  return PassOn(WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonDown(WPARAM wParam, LPARAM lParam) {
  HideHint();
  TNCObject* object = ObjectAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  if (object) {
    if (!NCActive) SetForegroundWindow(Wnd);
    object->Press();
    if (auto* menuButton = dynamic_cast<TMenuBtn*>(object)) {
      HotObject = menuButton;
      if (MenuBar) MenuBar->OpenDropDown(*menuButton);
    }
    return 0;
  }
  if (wParam == HTCAPTION && ShowState == ssMaximized && NCActive) wParam = HTMENU;
  return PassOn(WM_NCLBUTTONDOWN, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonUp(WPARAM wParam, LPARAM lParam) {
  HideHint();
  TNCObject* object = ObjectAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  if (!object) return PassOn(WM_NCLBUTTONUP, wParam, lParam);
  // The hot button acts (the one pressed, unless the mouse moved on); a release elsewhere does nothing.
  if (auto* button = dynamic_cast<TWinSysButton*>(object); button && HotObject == button) {
    button->Release();
    ClickButton(*button, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  }
  return 0;
}

LRESULT TWinSkinForm::OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam) {
  TNCObject* object = ObjectAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  if (auto* button = dynamic_cast<TWinSysButton*>(object)) {
    if (button->IsIcon()) {
      if (FrameTimer) FrameTimer->SetEnabled(false);
      PostMessageW(Wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return 0;
  }
  if (object) return 0;
  if (wParam == HTCAPTION || wParam == HTMENU) {
    if (ShowState != ssNormal) {
      RestoreFromMaxOrMin();
      return 0;
    }
    if (CaptionFlags & cfMaximizeBox) {
      MaximizeToggle();
      return 0;
    }
  }
  return PassOn(WM_NCLBUTTONDBLCLK, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcRButtonDown(WPARAM wParam, LPARAM lParam) {
  HideHint();
  if (wParam == HTCAPTION && FormKind != fkMDIChild) {
    OpenSystemMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return 0;
  }
  return PassOn(WM_NCRBUTTONDOWN, wParam, lParam);
}

// ---------------------------------------------------------------------------------------------
// Actions

bool TWinSkinForm::HasCloseCommand() const {
  HMENU menu = SysMenuHandle ? SysMenuHandle : GetSystemMenu(Wnd, FALSE);
  return menu && GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

void TWinSkinForm::ClickButton(TWinSysButton& button, POINT screenPoint) {
  const int action = button.Element->Action;
  switch (action) {
    case baClose:
      if (HasCloseCommand()) {
        if (FrameTimer) FrameTimer->SetEnabled(false);
        PostMessageW(Wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case baMaximize:
    case baMaximize2:
      if (button.Enabled) MaximizeToggle();
      break;
    case baMinimize:
    case baMinimize2:
      if (button.Enabled) MinimizeToggle();
      break;
    case baIcon:
    case baIcon2:
    case baIcon3:
      OpenSystemMenu(POINT{screenPoint.x + 1, screenPoint.y + 1});
      break;
    case baHelp:
      PostMessageW(Wnd, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    case baMdiMinimize:
    case baMdiMinimize2:
    case baMdiRestore:
    case baMdiRestore2:
    case baMdiClose:
    case baMdiClose2: {
      if (FormKind != fkMDIFrame) break;
      HWND child = ActiveMDIChild();
      if (!child) break;
      const WPARAM command = (action == baMdiMinimize || action == baMdiMinimize2) ? SC_MINIMIZE
                             : (action == baMdiRestore || action == baMdiRestore2) ? SC_RESTORE
                                                                                  : SC_CLOSE;
      SendMessageW(child, WM_SYSCOMMAND, command, 0);
      break;
    }
    default:
      PostMessageW(Wnd, SKM_CUSTOMACTION, static_cast<WPARAM>(action), 0);
      break;
  }
}

void TWinSkinForm::MaximizeToggle() {
  if (ShowState == ssMaximized) {
    RestoreFromMaxOrMin();
    return;
  }
  if (FormKind == fkMDIChild)
    if (TSkinManage* manager = TSkinManage::Instance()) manager->SetMDIMaximized(true);
  ShowState = ssMaximized;
  PostMessageW(Wnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  HotObject = nullptr;
}

void TWinSkinForm::MinimizeToggle() {
  if (ShowState == ssMinimized) {
    RestoreFromMaxOrMin();
    return;
  }
  ShowState = ssMinimized;
  RestoreSysMenuStyle();
  PostMessageW(Wnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::RestoreFromMaxOrMin() {
  ShowState = ssNormal;
  PostMessageW(Wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
}

// ---------------------------------------------------------------------------------------------
// Hover tracking and hints

void TWinSkinForm::HideHint() {
  if (SkinData) SkinData->HideCaptionHint();
}

void TWinSkinForm::OnFrameTimer() {
  if (!NCActive || MenuTracking || !Wnd) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (HotObject) {
    const POINT p = ScreenToFrame(cursor);
    if (!PtInRect(&HotObject->Bounds, p)) {
      HotObject->Leave();
      HideHint();
      return;
    }
  }
  auto* button = dynamic_cast<TWinSysButton*>(HotObject);
  if (!button || !SkinData || !tk::Application) return;
  SkinData->HintCounter += FrameTimer ? FrameTimer->Interval() : 250;
  const int showAt = 2 * tk::Application->HintPause();
  const int hideAt = showAt + tk::Application->HintHidePause();
  if (SkinData->HintCounter >= showAt && SkinData->HintCounter < hideAt) {
    const std::string text = button->HintText();
    if (!text.empty()) {
      RECT window{};
      GetWindowRect(Wnd, &window);
      const RECT at{window.left + button->Bounds.left, cursor.y + 24, window.left + button->Bounds.left, cursor.y + 24};
      SkinData->ShowCaptionHint(at, text);
    }
  } else if (SkinData->HintCounter >= hideAt) {
    HideHint();
  }
}
