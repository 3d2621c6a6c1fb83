#pragma once
// Controls: visual components with a parent, bounds, alignment, visibility, text, font and colour.
// Windowed controls own a window made on demand; their messages pass through the replaceable
// WindowProc, which painters use to take a control over and later give it back.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Component.h"
#include "Graphics.h"
#include "Messages.h"

namespace tk {

class TWinControl;
class TCustomForm;
class TPopupMenu;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
TK_ENUM(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom");

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
TK_ENUM(TMouseButton, "mbLeft", "mbRight", "mbMiddle");

enum class TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
TK_ENUM(TShiftStateFlag, "ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble");
using TShiftState = TSet<TShiftStateFlag>;
TShiftState KeysToShiftState(WPARAM keys);     // from the MK_ flags of a mouse message
TShiftState KeyDataToShiftState(LPARAM keyData);  // from the keyboard state (Alt from the key data)

enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
TK_ENUM(TBiDiMode, "bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly");

// Cursor identifiers (crDefault, crVSplit ...) as the integer values layouts use.
using TCursor = int;
constexpr TCursor crDefault = 0, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNS = -7, crSizeWE = -9,
                  crHSplit = -14, crVSplit = -15, crHandPoint = -21;
const TIdentMap& CursorIdents();
HCURSOR CursorHandle(TCursor cursor);

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

class TControl : public TComponent {
  TK_CLASS(TControl)
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
  int ClientWidth() const { RECT r = ClientRect(); return r.right - r.left; }
  int ClientHeight() const { RECT r = ClientRect(); return r.bottom - r.top; }
  virtual void SetClientSize(int width, int height) { SetBounds(left_, top_, width, height); }
  void SetClientWidth(int w) { SetClientSize(w, ClientHeight()); }
  void SetClientHeight(int h) { SetClientSize(ClientWidth(), h); }
  POINT ClientToScreen(POINT p) const;
  POINT ScreenToClient(POINT p) const;
  // Client origin of this control in its nearest windowed ancestor (graphic controls paint there).
  virtual POINT ClientOrigin() const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign a);

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible and every parent visible, up to a shown top-level window.
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  // Caption and Text are the same GBK text under two names, as controls publish one or the other.
  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& s) { SetText(s); }
  virtual std::string GetText() const { return text_; }
  virtual void SetText(const std::string& s);

  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  TFont* FontObject() const { return const_cast<TFont*>(&font_); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool v);
  TColor Color() const { return color_; }
  void SetColor(TColor c);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor c) { cursor_ = c; }
  std::string Hint() const { return hint_; }
  void SetHint(const std::string& h);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool v);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode m) { biDiMode_ = m; }
  // The menu a right click (or Shift+F10, the menu key) opens over this control; not owned.
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);

  // Message entry: every message of the control goes through WindowProc, which starts out as WndProc.
  TWndMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void Invalidate();
  virtual void Repaint();
  virtual void Update() {}
  void BringToFront();

  // Mouse and click handlers (also what painters call to forward a mouse press).
  virtual void Click();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  bool MouseInControl() const { return mouseInControl_; }

 protected:
  friend class TWinControl;
  virtual void WndProc(TMessage& msg);
  virtual void DefaultHandler(TMessage& msg);
  void Loaded() override;
  virtual void VisibleChanging() {}
  virtual void RequestAlign();
  virtual void FontChanged();
  virtual void ColorChanged() { Invalidate(); }
  virtual void TextChanged() { Invalidate(); }
  virtual void HintChanged() {}
  void MouseEntered();
  void MouseLeft();
  TCustomForm* ParentForm() const;

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;
  TFont font_;
  bool parentFont_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  TCursor cursor_ = crDefault;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
  bool mouseInControl_ = false;
  bool updatingFont_ = false;
  TPopupMenu* popupMenu_ = nullptr;

  void Notification(TComponent* component, TOperation operation) override;
  // Opens PopupMenu at a screen point ({-1, -1}: at the control, from the keyboard); false when
  // there is none.
  bool ShowPopupMenu(POINT screen);
};

// Parameters of the window a windowed control is about to make.
struct TCreateParams {
  std::wstring caption;
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;
  HWND wndParent = nullptr;
  void* param = nullptr;
  std::wstring winClassName;     // the toolkit class's window class (its class name)
  std::wstring systemClassName;  // the platform class it is built on; empty for the toolkit's own
  UINT classStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
  TK_CLASS(TWinControl)
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, made on demand (its parent's first).
  HWND Handle();
  HWND HandleIfAllocated() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Makes the window anew (a style that only a new window can take). Sends CM_RECREATEWND
  // through WindowProc; the handler does the work.
  void RecreateWnd();
  virtual void DestroyHandle();

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  const std::vector<TControl*>& ControlList() const { return controls_; }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(const TControl* control) const;

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v);
  // The input method this control wants while it has the focus (GBK description; empty: none).
  std::string ImeName() const { return imeName_; }
  void SetImeName(const std::string& v) { imeName_ = v; }

  // Windowed descendants in tab order (depth first), for dialog-key navigation and painters.
  void GetTabOrderList(std::vector<TWinControl*>& list);
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop, bool checkParent);
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  void SetClientSize(int width, int height) override;
  bool Showing() const override;
  void Invalidate() override;
  void Repaint() override;
  void Update() override;
  std::string GetText() const override;
  void SetText(const std::string& s) override;
  POINT ClientOrigin() const override;

  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();
  void Realign();

  // The window procedure the control was built on; messages nobody handled end here.
  WNDPROC DefWndProc() const { return defWndProc_; }

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // The control registered on a window (a window property under the toolkit's atom).
  static TWinControl* FromHandle(HWND wnd);
  static ATOM ControlAtom();
  // Ties the window whose creation is under way to its control before the window's first
  // message, for whoever watches window creation and asks which control a window is.
  static void BindCreatingWindow(HWND wnd);


  // Paints the windowless children into dc (client coordinates of this control): painters that
  // draw a container draw its windowless children this way.
  void PaintControls(HDC dc);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Makes the window CreateWnd describes (MDI children are made by their client instead).
  virtual HWND CreateWindowHandle(const TCreateParams& params, HMENU id);
  virtual void DestroyWindowHandle(HWND wnd) { DestroyWindow(wnd); }
  // After the window exists: text, font, state; derived classes push their own state here.
  virtual void InitializeWnd();
  // Before the window goes: derived classes save what only the window held.
  virtual void SaveWndState() {}
  void DoRecreateWnd();
  void WndProc(TMessage& msg) override;
  void DefaultHandler(TMessage& msg) override;
  virtual void AlignControls(RECT& rect);
  virtual bool DoKeyDown(TMessage& msg);
  virtual bool DoKeyPress(TMessage& msg);
  virtual bool DoKeyUp(TMessage& msg);
  virtual void PaintWindow(HDC dc);  // toolkit-painted controls draw here
  void FontChanged() override;
  void ColorChanged() override;
  void HintChanged() override;
  void Loaded() override;
  void RequestAlign() override;
  TControl* ControlAtPos(POINT p) const;  // visible, enabled graphic child at a client point
  bool IsControlMouseMsg(TMessage& msg);
  // Tells windowless children when the mouse comes over them and goes away (CM_MOUSEENTER/LEAVE).
  void TrackHoverControl(const TMessage& msg);
  // WM_CONTEXTMENU: opens the PopupMenu of the child under the point or of this control.
  bool ContextPopup(const TMessage& msg);
  // Whether the control paints itself (forms, group boxes) rather than through a platform class.
  bool OwnPainting() const { return defWndProc_ == DefWindowProcW; }
  // Colour of WM_CTLCOLOR answers: a brush of Color, text in Font's colour.
  HBRUSH ControlBrush();

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = DefWindowProcW;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  int alignDisabled_ = 0;
  bool alignPending_ = false;
  bool realigning_ = false;
  TControl* captureControl_ = nullptr;
  TControl* hoverControl_ = nullptr;  // the windowless child under the mouse (enter/leave notices)
  TBrush brush_;
  bool destroyingHandle_ = false;
  std::string imeName_;

 private:
  friend LRESULT CALLBACK ToolkitWndProc(HWND, UINT, WPARAM, LPARAM);
  void CreateHandle();
  void SyncToolTip();
  void UpdateShowing();
};

// A windowless control drawn by its parent (labels, splitters).
class TGraphicControl : public TControl {
  TK_CLASS(TGraphicControl)
 public:
  explicit TGraphicControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }
  void Invalidate() override;
  void Repaint() override;

 protected:
  friend class TWinControl;
  // WM_PAINT with the DC in wParam (set up by the parent at this control's place) paints it.
  void WndProc(TMessage& msg) override;
  virtual void Paint() {}
  TCanvas canvas_;
};

// A windowed control that paints itself on a canvas (forms, group boxes).
class TCustomControl : public TWinControl {
  TK_CLASS(TCustomControl)
 public:
  explicit TCustomControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }

 protected:
  void PaintWindow(HDC dc) override;
  virtual void Paint() {}
  TCanvas canvas_;
};

// The window a message is about: the control itself, or a toolkit control an owner-drawn item names.
TWinControl* FindControl(HWND wnd);
// Top-level form of a control.
TCustomForm* GetParentForm(const TControl* control);

}  // namespace tk
