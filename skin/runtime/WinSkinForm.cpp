#include "WinSkinForm.h"

#include <algorithm>

#include "Encoding.h"
#include "SkinManage.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinMenu.h"
#include "WinSubClass.h"

namespace {

// The platform's version word (low byte major, second byte minor, high bit: old consumer line).
DWORD PlatformVersion() {
  static const DWORD version = GetVersion();
  return version;
}
int MajorVersion() { return LOBYTE(LOWORD(PlatformVersion())); }
int MinorVersion() { return HIBYTE(LOWORD(PlatformVersion())); }

bool HasChildOfClass(HWND parent, const wchar_t* cls, HWND& found) {
  found = FindWindowExW(parent, nullptr, cls, nullptr);
  return found != nullptr;
}

}  // namespace

tk::TBitmap& FrameScratchBitmap() {
  static tk::TBitmap scratch;
  return scratch;
}

const tk::TClassInfo& TWinSkinForm::StaticClass() {
  static const tk::TClassInfo info("TWinSkinForm", &tk::TComponent::StaticClass());
  return info;
}

TWinSkinForm::TWinSkinForm(tk::TComponent* owner) : tk::TComponent(owner) {
  DoubleClickTime = GetDoubleClickTime();
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) CaptionFont.AssignLogFont(metrics.lfCaptionFont);
}

TWinSkinForm::~TWinSkinForm() {
  if (TSkinManage* manager = TSkinManage::Instance()) manager->RemoveForm(this);
  // Freed on its own while its window still lives (a form being freed has let go already, told by
  // its free notification): the window gets its native looks back.
  if (FSubclass.Installed()) RestoreWindow();
  if (FFormHookInstalled && Form) {
    Form->WindowProc = FSavedFormHook;  // a copy: the saved hook may be running now
    FFormHookInstalled = false;
  }
  DetachPainters(false);
  HotObject = nullptr;
}

void TWinSkinForm::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TComponent::Notification(component, operation);
  if (operation != tk::TOperation::opRemove) return;
  if (auto* painter = dynamic_cast<TSkinControl*>(component)) std::erase(Painters, painter);
  if (component == Form) {
    // The form is going but is still whole: its procedure, its window and its controls are given
    // back now; nothing of it is touched afterwards.
    ReleaseWindow();
    FrameState = fsDetached;
    Form = nullptr;
  }
}

// ---------------------------------------------------------------------------------------------
// Attaching

void TWinSkinForm::AttachToForm(TSkinData* skin, tk::TCustomForm* form) {
  Form = form;
  FreeNotification(form);
  SkinData = skin;
  if (skin->OnBeforeSkinForm) skin->OnBeforeSkinForm(form, Wnd, ClassName);
  const bool menuItems = skin->SkinControls().Contains(TSkinControlType::xcMenuItem);
  if (menuItems) ::SetPropText(form, "AutoScroll", "False");
  Install();
  InstallFormHook();
  FSavedFormColor = form->Color();
  form->SetColor(skin->Colors[scButtonFace]);
  if (menuItems && form->Menu()) skin_menu::SwitchMenuToSkin(*form->Menu(), *skin, true);
}

void TWinSkinForm::AttachToWindow(TSkinData* skin) {
  SkinData = skin;
  Install();
}

void TWinSkinForm::Install() {
  if (FSubclass.Installed() || !Wnd) return;
  TSkinManage* manager = TSkinManage::Instance();
  if (manager) manager->State = msRunning;
  if (!FrameTimer) {
    FrameTimer = std::make_unique<tk::TTimer>(nullptr);
    FrameTimer->SetEnabled(false);
    FrameTimer->SetInterval(250);
    FrameTimer->OnTimer = [this](tk::TObject*) { OnFrameTimer(); };
  }

  SkinFrame = SkinData->SkinControls().Contains(TSkinControlType::xcMainMenu);
  const LONG_PTR style = GetWindowLongPtrW(Wnd, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(Wnd, GWL_EXSTYLE);
  RightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
  IsChild = (style & WS_CHILD) != 0;
  IsDialogClass = ClassName == "#32770" || ClassName == "TMessageForm";
  HWND owner = GetWindow(Wnd, GW_OWNER);
  IsUnicode = IsWindowUnicode(Wnd) != FALSE;

  ReadShowState();
  HWND mdiClient = nullptr;
  if (HasChildOfClass(Wnd, L"MDIClient", mdiClient)) {
    FormKind = fkMDIFrame;
    if (manager) {
      manager->MDIClientWnd = mdiClient;
      manager->MDIMainForm = Form;
    }
  } else if (exStyle & WS_EX_MDICHILD) {
    FormKind = fkMDIChild;
    if (SkinData->Options().Contains(TSkinOption::xoMDIChildBorder)) SkinFrame = false;
  }

  CaptionFlags = 0;
  // Once skinned the style bit is gone; a system menu seen before still counts.
  if ((style & WS_SYSMENU) || SysMenuHandle) CaptionFlags |= cfSystemMenu;
  if (style & WS_MINIMIZEBOX) CaptionFlags |= cfMinimizeBox;
  if (style & WS_MAXIMIZEBOX) CaptionFlags |= cfMaximizeBox;
  if (exStyle & WS_EX_CONTEXTHELP) CaptionFlags |= cfContextHelp;
  // Where the system keeps an application window's taskbar menu on its style bit, leave it.
  if (MajorVersion() > 4 && MinorVersion() == 0 && ((exStyle & WS_EX_APPWINDOW) || (!owner && FormKind != fkMDIChild)))
    CaptionFlags |= cfKeepSysMenuStyle;

  if ((style & WS_CAPTION) != WS_CAPTION) BorderKind = bkNoCaption;
  else if (style & WS_THICKFRAME) BorderKind = bkSizeable;
  else if (style & DS_MODALFRAME) BorderKind = bkDialog;
  else BorderKind = bkSingle;
  if (BorderKind != bkNoCaption && ((exStyle & WS_EX_DLGMODALFRAME) || IsDialogClass)) BorderKind = bkDialog;

  if (FormKind == fkMDIFrame) FMenuUpdateRemembered = SkinData->MenuUpdate();

  if (!FSubclass.Install(Wnd)) return;
  if (FormKind == fkMDIFrame && mdiClient) {
    MdiClient = std::make_unique<TMdiClientHook>(*this);
    MdiClient->Install(mdiClient);
  }
  // The client size to keep: measured before the native menu bar leaves the window.
  RECT client{};
  GetClientRect(Wnd, &client);
  ClientSize = SIZE{client.right, client.bottom};

  if (SkinFrame) {
    NativeMenu = GetMenu(Wnd);
    if (NativeMenu && FormKind != fkMDIChild) {
      MenuBar = std::make_unique<TWinSkinMenu>(this, SkinData);
      MenuHeight = GetSystemMetrics(SM_CYMENU);
      if (Form) MenuBar->SetFrameworkMenu(Form->Menu());
      MenuBar->BuildBar();
    }
    LoadFrameMetrics();
  } else {
    FrameState = fsRunning;
  }
  if (FormKind == fkMDIChild) {
    const int least = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (TitleHeight() < least) MenuHeight = least - TitleHeight();
    if (ShowState == ssMaximized && manager) manager->SetMDIMaximized(true);
  }
}

void TWinSkinForm::LoadFrameMetrics() {
  if (!SkinData || SkinData->Loading) return;
  if (BorderKind == bkNoCaption) {
    std::fill(std::begin(Borders), std::end(Borders), 0);
    MenuHeight = 0;
  } else {
    auto frameOf = [](const TDataSkinBorder* element) { return element && element->FrameCount > 0 ? element->FrameCount : 1; };
    const auto& b = SkinData->Borders;
    Borders[0] = b[sdLeft] ? b[sdLeft]->Bitmap.Width() / frameOf(b[sdLeft].get()) : 0;
    Borders[1] = b[sdTop] ? b[sdTop]->Bitmap.Height() / frameOf(b[sdTop].get()) : 0;
    Borders[2] = b[sdRight] ? b[sdRight]->Bitmap.Width() / frameOf(b[sdRight].get()) : 0;
    Borders[3] = b[sdBottom] ? b[sdBottom]->Bitmap.Height() / frameOf(b[sdBottom].get()) : 0;
  }
  BuildCaptionButtons();
}

void TWinSkinForm::ReadShowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(Wnd, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: ShowState = ssMinimized; break;
    case SW_SHOWMAXIMIZED: ShowState = ssMaximized; break;
    default: ShowState = ssNormal; break;
  }
}

void TWinSkinForm::BuildIconBitmap() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  IconBitmap.SetPixelFormat(tk::TPixelFormat::pf16bit);
  IconBitmap.SetSize(cx, cy);
  HDC dc = IconBitmap.Canvas().Handle();
  RECT all{0, 0, cx, cy};
  tk::UniqueBrush magenta(CreateSolidBrush(RGB(255, 0, 255)));
  FillRect(dc, &all, magenta.Get());
  HICON icon = reinterpret_cast<HICON>(SendMessageW(Wnd, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(Wnd, WM_GETICON, ICON_BIG, 0));
  if (!icon) return;
  tk::UniqueIcon small(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
  if (small) DrawIconEx(dc, 0, 0, small.Get(), cx, cy, 0, nullptr, DI_NORMAL);
}

void TWinSkinForm::FinishAttach() {
  if (!Wnd || !IsWindow(Wnd) || !FSubclass.Installed()) return;
  SysMenuHandle = GetSystemMenu(Wnd, FALSE);
  BuildIconBitmap();
  RECT window{}, client{};
  GetWindowRect(Wnd, &window);
  GetClientRect(Wnd, &client);
  NativeFrame = SIZE{(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
  WindowRect = window;

  if (Form) SkinChildren();
  else SkinChildWindows(Wnd);

  if (FrameState == fsAttaching) {
    const LONG_PTR style = GetWindowLongPtrW(Wnd, GWL_STYLE);
    if (FormKind == fkMDIChild) {
      if (ShowState == ssMaximized) {
        if (TSkinManage* manager = TSkinManage::Instance(); manager && manager->MDIClientWnd)
          PostMessageW(manager->MDIClientWnd, SKM_REDRAWMDI, 0, 0);
      } else if (ShowState == ssNormal) {
        FrameState = fsResizing;
        FitWindow();
        FrameState = fsRunning;
        UpdateRegion();
      }
    } else if (!(style & WS_CHILD) && (style & WS_CAPTION) == WS_CAPTION && ShowState != ssMinimized) {
      FrameState = fsResizing;
      FitWindow();
      FrameState = fsRunning;
      if (ShowState == ssNormal) UpdateRegion();
      else
        SetWindowPos(Wnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  SendEndOfAttach();
  FrameState = fsRunning;
  // An MDI child is active when its client says so; the active window is its frame.
  NCActive = FormKind == fkMDIChild
                 ? reinterpret_cast<HWND>(SendMessageW(GetParent(Wnd), WM_MDIGETACTIVE, 0, 0)) == Wnd
                 : GetActiveWindow() == Wnd;
  if (FrameTimer && NCActive) FrameTimer->SetEnabled(true);
  RedrawWindow(Wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void TWinSkinForm::SendEndOfAttach() {
  SendMessageW(Wnd, SkinHandshakeNotify, 0, SkinHandshakeTag);
  if (SkinData && SkinData->OnAfterSkinForm) SkinData->OnAfterSkinForm(Form, Wnd, ClassName);
}

void TWinSkinForm::FitWindow() {
  if (ShowState == ssMaximized) {
    SetWindowPos(Wnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  SIZE client = ClientSize;
  // An MDI child was taken over while it was being made, before it had its size: read it now.
  if (IsDialogClass || FrameState == fsRefreshing || !Form || FormKind == fkMDIChild) {
    RECT r{};
    GetClientRect(Wnd, &r);
    client = SIZE{r.right, r.bottom};
  }
  int width = client.cx + LeftWidth() + RightWidth();
  const int height = client.cy + TitleHeight() + BottomHeight() + MenuHeight;
  if (IsDialogClass && SkinData && SkinData->Title) {
    // A dialog whose caption is wider than its body grows, and its body moves to the middle.
    std::wstring caption(static_cast<size_t>(GetWindowTextLengthW(Wnd)) + 1, L'\0');
    caption.resize(static_cast<size_t>(std::max(GetWindowTextW(Wnd, caption.data(), static_cast<int>(caption.size())), 0)));
    caption = CaptionPrefix + caption + CaptionSuffix;
    HDC screen = GetDC(nullptr);
    tk::SelectGuard font(screen, CaptionFont.Handle());
    RECT measure{0, 0, 0, 0};
    DrawTextW(screen, caption.c_str(), static_cast<int>(caption.size()), &measure, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    ReleaseDC(nullptr, screen);
    const int least = measure.right + SkinData->Title->LeftWidth + SkinData->Title->RightWidth;
    if (width < least) {
      const int shift = (least - width) / 2;
      for (HWND child = GetWindow(Wnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, Wnd, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left + shift, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
      }
      width = least;
    }
  }
  SetWindowPos(Wnd, nullptr, 0, 0, width, height, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
}

void TWinSkinForm::RefreshSkin() {
  if (!Wnd || !FSubclass.Installed()) return;
  if (Form) {
    Form->SetColor(SkinData->Colors[scButtonFace]);
    for (tk::TComponent* c : Form->ComponentList())
      if (auto* inner = dynamic_cast<tk::TCustomForm*>(c)) inner->SetColor(SkinData->Colors[scButtonFace]);
  }
  for (TSkinControl* painter : std::vector<TSkinControl*>(Painters)) painter->SkinChanged();
  FrameState = fsRefreshing;
  if (SkinFrame && Form) {
    SwitchFormPopupMenus(true);
    FitWindow();
    // A height change and back makes the form lay its controls out again.
    RECT r{};
    GetWindowRect(Wnd, &r);
    SetWindowPos(Wnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(Wnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // While refreshing the region is remade even at the same size: the new skin may shape it.
  UpdateRegion();
  SendEndOfAttach();
  FrameState = fsRunning;
  RedrawWindow(Wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TWinSkinForm::FreeCaptionButtons() {
  if (HotObject && dynamic_cast<TWinSysButton*>(HotObject)) HotObject = nullptr;
  CaptionButtons.clear();
}

// ---------------------------------------------------------------------------------------------
// Letting go

void TWinSkinForm::DetachPainters(bool unskin) {
  // Painters leave the list when they are freed (free notification); work on a copy.
  const std::vector<TSkinControl*> painters = std::move(Painters);
  Painters.clear();
  for (TSkinControl* painter : painters) {
    RemoveFreeNotification(painter);
    painter->RemoveFreeNotification(this);
    if (unskin && painter->State != psWindowDestroyed && painter->Active) painter->Unskin();
    painter->Form = nullptr;
    tk::TComponent::Free(painter);
  }
}

void TWinSkinForm::SwitchFormPopupMenus(bool skinned) {
  if (!Form || !SkinData) return;
  if (!SkinData->SkinControls().Contains(TSkinControlType::xcPopupMenu)) return;
  for (tk::TComponent* c : Form->ComponentList())
    if (auto* popup = dynamic_cast<tk::TPopupMenu*>(c); popup && popup->Tag() != SkinData->DisableTag())
      skin_menu::SwitchMenuToSkin(*popup, *SkinData, skinned);
}

void TWinSkinForm::RestoreWindow() {
  SysMenu.reset();
  if (FrameTimer) FrameTimer->SetEnabled(false);
  HideHint();
  if (!FSubclass.Installed()) return;
  const bool destroying = FrameState == fsDestroying || (Form && Form->Destroying());
  if (FFormHookInstalled && Form) {
    Form->WindowProc = FSavedFormHook;  // a copy: the saved hook may be running now
    FFormHookInstalled = false;
  }
  FSubclass.Remove();
  MdiClient.reset();
  DetachPainters(!destroying);
  if (Form) {
    SwitchFormPopupMenus(false);
    if (SkinData && SkinData->SkinControls().Contains(TSkinControlType::xcMenuItem) && Form->Menu())
      skin_menu::SwitchMenuToSkin(*Form->Menu(), *SkinData, false);
    if (!destroying) Form->SetColor(FSavedFormColor);
  }
  if (!SkinFrame) {
    if (Form && !destroying && IsWindow(Wnd)) RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return;
  }
  RestoreSysMenuStyle();
  if (NativeMenu && IsWindow(Wnd)) SetMenu(Wnd, NativeMenu);
  MenuBar.reset();
  MenuHeight = 0;
  if (!destroying && IsWindow(Wnd) && (FormKind == fkMDIChild || !IsChild)) {
    RECT r{};
    GetWindowRect(Wnd, &r);
    const int width = (r.right - r.left) + NativeFrame.cx - LeftWidth() - RightWidth();
    const int height = (r.bottom - r.top) + NativeFrame.cy - TitleHeight() - BottomHeight();
    UINT flags = SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER;
    if (FormKind == fkMDIChild) {
      MapWindowPoints(nullptr, GetParent(Wnd), reinterpret_cast<POINT*>(&r), 2);
      SetWindowPos(Wnd, nullptr, r.left, r.top, width, height, flags);
    } else {
      SetWindowPos(Wnd, nullptr, 0, 0, width, height, flags | SWP_NOMOVE);
    }
  }
  if (IsWindow(Wnd) && Region) SetWindowRgn(Wnd, nullptr, TRUE);
  Region = nullptr;
  RegionSize = SIZE{};
  std::fill(std::begin(Borders), std::end(Borders), 0);
}

void TWinSkinForm::ReleaseWindow() {
  SysMenu.reset();
  if (FrameTimer) FrameTimer->SetEnabled(false);
  HideHint();
  if (FFormHookInstalled && Form) Form->WindowProc = FSavedFormHook;  // a copy: the saved hook may be running now
  FFormHookInstalled = false;
  FSubclass.Remove();
  DetachPainters(false);
  MenuBar.reset();
  MdiClient.reset();
  Region = nullptr;  // the window owns its region and takes it along
}

// The form's own message hook is replaced while the frame is skinned. With the frame left native
// the hook still follows the form to a new window (a recreate) and passes everything else on.
void TWinSkinForm::InstallFormHook() {
  if (!Form || FFormHookInstalled) return;
  FSavedFormHook = Form->WindowProc;
  Form->WindowProc = [this](tk::TMessage& m) { FormHook(m); };
  FFormHookInstalled = true;
}

// A toolkit form makes a new window (a border style, border icons): the old window is let go
// quietly, the toolkit makes the new one, and the skin takes it over with the client area of the
// old one. Control painters stay: each follows its control to the control's new window.
void TWinSkinForm::FollowRecreatedWindow(tk::TMessage& msg) {
  RECT client{};
  const bool hadWindow = Wnd && GetClientRect(Wnd, &client);
  SysMenu.reset();
  if (FrameTimer) FrameTimer->SetEnabled(false);
  HideHint();
  FSubclass.Remove();
  MenuBar.reset();
  Region = nullptr;
  FrameState = fsAttaching;
  struct RecreatingFlag {
    bool& flag;
    explicit RecreatingFlag(bool& f) : flag(f) { flag = true; }
    ~RecreatingFlag() { flag = false; }
  };
  try {
    RecreatingFlag recreating(FRecreating);
    tk::TWndMethod previous = FSavedFormHook;
    previous(msg);
  } catch (...) {
    // No new window: the form is let go, the manager frees the painter at its next purge.
    ReleaseWindow();
    FrameState = fsDetached;
    throw;
  }
  ReattachAfterRecreate();
  if (hadWindow && FSubclass.Installed()) ClientSize = SIZE{client.right, client.bottom};
}

// The skin takes over the form's new window as it did the first one.
void TWinSkinForm::ReattachAfterRecreate() {
  if (!Form || !Form->HandleAllocated()) {
    // No new window after all: let go, the manager frees the painter at its next purge.
    ReleaseWindow();
    FrameState = fsDetached;
    return;
  }
  Wnd = Form->Handle();
  FrameState = fsAttaching;
  CaptionButtons.clear();
  HotObject = nullptr;
  MenuHeight = 0;
  NativeMenu = nullptr;
  SysMenuHandle = nullptr;  // the old window's: the new one's is read when finishing
  FormKind = fkPlain;
  std::fill(std::begin(Borders), std::end(Borders), 0);
  Install();
  InstallFormHook();
  PostMessageW(Wnd, SKM_FINISHATTACH, 0, 1000);
}

// ---------------------------------------------------------------------------------------------
// Painters

void TWinSkinForm::AddPainter(TSkinControl* painter) {
  if (!painter || std::find(Painters.begin(), Painters.end(), painter) != Painters.end()) return;
  Painters.push_back(painter);
  FreeNotification(painter);
}

void TWinSkinForm::RemovePainter(TSkinControl* painter) {
  for (auto it = Painters.rbegin(); it != Painters.rend(); ++it)
    if (*it == painter) {
      Painters.erase(std::next(it).base());
      break;
    }
  RemoveFreeNotification(painter);
  painter->RemoveFreeNotification(this);
}

TSkinControl* TWinSkinForm::PainterOf(HWND wnd) const {
  for (TSkinControl* painter : Painters)
    if (painter->Handle == wnd) return painter;
  return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Geometry

POINT TWinSkinForm::ScreenToFrame(POINT p) const {
  ::ScreenToClient(Wnd, &p);
  if (FormKind == fkMDIChild && ShowState == ssMinimized) return p;
  p.x += LeftWidth();
  p.y += TitleHeight() + MenuHeight;
  return p;
}

RECT TWinSkinForm::TitleRect() const {
  RECT r{};
  GetWindowRect(Wnd, &r);
  return RECT{0, 0, r.right - r.left, TitleHeight()};
}

RECT TWinSkinForm::MenuBandRect() const {
  if (MenuHeight <= 0) return RECT{};
  RECT r{};
  GetWindowRect(Wnd, &r);
  return RECT{LeftWidth(), TitleHeight(), (r.right - r.left) - RightWidth(), TitleHeight() + MenuHeight};
}
