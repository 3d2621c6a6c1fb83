// The frame painter: takes over one top-level window (a toolkit form, a "#32770" dialog or another
// window of this program), replaces its native border, title bar and menu bar with pictures from
// the skin while keeping the client area's size, shapes the window with a region where the skin's
// borders are transparent, and owns the painters of the window's controls.
//
// Its work is spread over several files, one concern each:
//   WinSkinForm.cpp     attaching, finishing, fitting, refreshing and letting the window go
//   FrameDispatch.cpp   the window procedure (three stages) and the toolkit form's message hook
//   FramePaint.cpp      borders, title band, caption text
//   WindowRegion.cpp    the window region of shaped skins
//   CaptionButtons.cpp  caption buttons, non-client mouse, hover and hints
//   SystemMenu.cpp      the skinned system menu
//   MdiClientHook.cpp   the MDI client window of an MDI frame
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "Component.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "GdiHandle.h"
#include "Graphics.h"
#include "MdiClientHook.h"
#include "Menus.h"
#include "NCObjects.h"
#include "WindowSubclass.h"

class TSkinData;
class TSkinControl;
class TWinSkinMenu;
struct TControlDecision;
enum class TChildPainters;
namespace tk {
class TToolBar;
struct TToolBarButtonDraw;
}  // namespace tk

enum TFrameState { fsAttaching = 0, fsRunning = 1, fsRefreshing = 3, fsDestroying = 4, fsResizing = 5, fsDetached = 6 };
enum TFormKind { fkPlain = 0, fkMDIFrame = 1, fkMDIChild = 2 };
enum TBorderKind { bkSizeable = 0, bkSingle = 1, bkNoCaption = 2, bkDialog = 3 };
enum TShowState { ssNormal = 0, ssMaximized = 1, ssMinimized = 2 };
enum TCaptionFlag { cfMaximizeBox = 1, cfMinimizeBox = 2, cfContextHelp = 4, cfSystemMenu = 8, cfKeepSysMenuStyle = 0x10 };

class TWinSkinForm : public tk::TComponent, private TWindowSubclass::Target {
  TK_CLASS(TWinSkinForm)
 public:
  // Owned by the toolkit form it skins, or by nobody (the manager frees it then).
  explicit TWinSkinForm(tk::TComponent* owner);
  ~TWinSkinForm() override;

  // --- attaching and letting go (WinSkinForm.cpp) ---
  void AttachToForm(TSkinData* skin, tk::TCustomForm* form);
  void AttachToWindow(TSkinData* skin);
  void FinishAttach();
  void LoadFrameMetrics();
  void RefreshSkin();
  // Full detach: the window looks native again, its client area the same size.
  void RestoreWindow();
  // Quick detach while the window is being destroyed.
  void ReleaseWindow();
  // Frees the caption-button objects (before the skin reloads).
  void FreeCaptionButtons();

  // --- painters of the window's controls ---
  void AddPainter(TSkinControl* painter);
  void RemovePainter(TSkinControl* painter);
  TSkinControl* PainterOf(HWND wnd) const;
  const std::vector<TSkinControl*>& PainterList() const { return Painters; }
  // Gives the window's controls their painters (the control-to-painter mapping).
  void SkinChildren();
  // One control (parent: the form it is visited for, passed on to its children and the program).
  void SkinControl(tk::TControl* control, tk::TControl* parent);
  // The Skin3rd line of the class, applied; false when no line names it.
  bool SkinByClassList(const std::string& upperClass, tk::TControl* control, tk::TControl* parent);
  void SkinChildWindows(HWND parent);
  void SkinChildWindow(HWND wnd);
  // Tool bar drawing given to tool bars that have none of their own (ToolbarDrawing.cpp).
  void DrawToolbarBackground(tk::TToolBar* bar, const RECT& rect, bool& defaultDraw);
  void DrawToolbarButton(tk::TToolBar* bar, tk::TToolBarButtonDraw& button, bool& defaultDraw);
  // A control's scroll-bar painter is remade (its window changed under it).
  void ReskinScrollPainter(HWND control);

  // --- painting (FramePaint.cpp, WindowRegion.cpp) ---
  void PaintFrame(HDC dc = nullptr);
  void PaintTitle(HDC dc);
  void UpdateRegion();
  // The region UpdateRegion gives a window of this size (rectangle, or shaped by the borders).
  tk::UniqueRegion BuildRegion(int width, int height) const;

  // --- caption buttons and non-client mouse (CaptionButtons.cpp) ---
  void BuildCaptionButtons();
  TNCObject* ObjectAt(POINT screenPoint);
  void SetHotObject(TNCObject* object) { HotObject = object; }
  // The icon of an icon button: the application's small icon at x = 8, else the window's icon
  // picture in the button's bounds; drawn into a DC whose (0, 0) lies at `origin`.
  void DrawIconButton(HDC dc, const TWinSysButton& button, POINT origin);
  RECT IconButtonArea(const TWinSysButton& button);
  void MaximizeToggle();
  void MinimizeToggle();
  void RestoreFromMaxOrMin();
  // The button's action; screenPoint is where it was clicked.
  void ClickButton(TWinSysButton& button, POINT screenPoint);

  // --- system menu (SystemMenu.cpp) ---
  void OpenSystemMenu(POINT screenPoint);

  // --- geometry ---
  // Screen point to frame coordinates (origin: the window's top-left corner).
  POINT ScreenToFrame(POINT screenPoint) const;
  RECT TitleRect() const;    // the title band in frame coordinates
  RECT MenuBandRect() const; // the menu band in frame coordinates (empty without one)
  int LeftWidth() const { return Borders[0]; }
  int TitleHeight() const { return Borders[1]; }
  int RightWidth() const { return Borders[2]; }
  int BottomHeight() const { return Borders[3]; }
  bool IsMaximizedMDIChild() const { return FormKind == fkMDIChild && ShowState == ssMaximized; }
  bool IsMDIChild() const { return FormKind == fkMDIChild; }
  bool HasMenuBand() const { return MenuBar != nullptr && MenuHeight > 0; }
  bool WindowActive() const { return NCActive; }

  // --- state, in the order the frame uses it ---
  HWND Wnd = nullptr;
  tk::TCustomForm* Form = nullptr;
  TSkinData* SkinData = nullptr;
  std::string ClassName;
  bool SkinFrame = false;
  int Borders[4] = {0, 0, 0, 0};  // left width, title height, right width, bottom height
  int MenuHeight = 0;
  SIZE NativeFrame{};  // window size minus client size, measured when attaching
  SIZE ClientSize{};
  RECT WindowRect{};
  RECT TextRect{};
  tk::TFont CaptionFont;
  std::wstring CaptionPrefix = L" ";
  std::wstring CaptionSuffix = L"  ";
  tk::TBitmap IconBitmap;
  tk::TBitmap TitleBuffer;
  tk::TBitmap TitleBackground;  // the title band as composed before its caption buttons
  std::vector<std::unique_ptr<TWinSysButton>> CaptionButtons;
  TNCObject* HotObject = nullptr;
  std::vector<TSkinControl*> Painters;
  std::unique_ptr<TWinSkinMenu> MenuBar;
  // The MDI client's hook, while this painter skins an MDI frame.
  std::unique_ptr<TMdiClientHook> MdiClient;
  HMENU NativeMenu = nullptr;
  HMENU SysMenuHandle = nullptr;
  std::unique_ptr<tk::TPopupMenu> SysMenu;
  // The window region in force. The window owns it once set (the system deletes it when it is
  // replaced), so this is a record, never deleted here.
  HRGN Region = nullptr;
  SIZE RegionSize{};
  bool NCActive = false;
  TFormKind FormKind = fkPlain;
  TBorderKind BorderKind = bkSizeable;
  int CaptionFlags = 0;
  TShowState ShowState = ssNormal;
  TFrameState FrameState = fsAttaching;
  bool RightToLeft = false;
  bool IsDialogClass = false;
  bool IsChild = false;
  bool IsUnicode = true;
  std::unique_ptr<tk::TTimer> FrameTimer;
  bool MenuTracking = false;
  tk::TCanvas PainterCanvas;  // handed to every control painter

  // Time of the last opening of the system menu, for the double click on the icon.
  DWORD LastSysMenuOpen = 0;
  UINT DoubleClickTime = 0;
  // Hover time on a caption button, for its hint.
  int HintCounter = 0;

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  friend class TWinSkinMenu;
  friend class TMdiClientHook;
  // --- WinSkinForm.cpp ---
  void Install();
  void FitWindow();
  void BuildIconBitmap();
  void ReadShowState();
  void SendEndOfAttach();
  void DetachPainters(bool unskin);
  void SwitchFormPopupMenus(bool skinned);
  void ReattachAfterRecreate();
  void InstallFormHook();
  void FollowRecreatedWindow(tk::TMessage& msg);

  // --- ControlMapping.cpp, ToolbarDrawing.cpp ---
  void ApplyDecision(const TControlDecision& decision, tk::TControl* control, tk::TControl* parent);
  bool OfferToProgram(tk::TControl* control, tk::TControl* parent, const std::string& upperClass);
  bool HasPainterFor(const tk::TControl* control) const;
  void VisitChildControls(tk::TControl* control, tk::TControl* parent);
  void GiveChildPainters(TChildPainters rule, tk::TControl* group);
  void SkinControlMenu(tk::TControl* control);
  void GiveToolbarEvents(tk::TControl* control);

  // --- FrameDispatch.cpp ---
  LRESULT SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT Stage1(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Stage2(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Stage3(UINT msg, WPARAM wParam, LPARAM lParam, bool handledBefore);
  LRESULT PassOn(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  void MDIChildSized(WPARAM kind, TShowState before);
  LRESULT OnNcActivate(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnMenuChanged(WPARAM wParam, LPARAM lParam);
  void FormHook(tk::TMessage& msg);
  void RemoveSysMenuStyle();
  void RestoreSysMenuStyle();

  // --- CaptionButtons.cpp ---
  void UpdateButtonVisibility();
  void LayoutCaptionButtons(int windowWidth);
  bool HasCloseCommand() const;
  bool ButtonShown(const TWinSysButton& button) const;
  void PaintCaptionButtons(HDC titleDC);
  LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcLButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcRButtonDown(WPARAM wParam, LPARAM lParam);
  void OnFrameTimer();
  void HideHint();

  // --- SystemMenu.cpp ---
  LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnSysMenuCommand(WPARAM wParam, LPARAM lParam, bool& handled);
  void BuildSystemMenu();

  // --- FramePaint.cpp ---
  void PaintBorders(HDC dc, int width, int height);
  void DrawCaptionText(HDC titleDC, const RECT& titleRect);

  TWindowSubclass FSubclass{*this};
  tk::TWndMethod FSavedFormHook;  // the toolkit form's own WindowProc while ours is in place
  bool FFormHookInstalled = false;
  bool FRecreating = false;  // the toolkit is making the form's new window
  tk::TColor FSavedFormColor = 0;
  bool FMenuUpdateRemembered = true;
  bool FInSizeHandler = false;
};

// Frame painting composes through one scratch bitmap of the module.
tk::TBitmap& FrameScratchBitmap();
// A band cut from frame `frame` of a strip of stacked frames: both ends at their own width stretched
// to the band's height, the middle repeated in steps of its width (magenta see-through if asked).
void DrawThreePartBand(HDC dc, const RECT& band, tk::TBitmap& strip, int frameCount, int frame, int leftWidth,
                       int rightWidth, bool transparent);
