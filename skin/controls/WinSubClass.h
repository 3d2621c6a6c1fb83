// The base of every control painter. A painter takes over one control's messages, lets the
// control's own procedure do the work that is not about looks, and paints the control from the
// skin's elements. A toolkit control is taken over through its WindowProc property; a window
// without a toolkit control through the window subclass mechanism. The painter is owned by the
// control it paints and listed by the frame painter of the control's window; free notifications
// keep both sides from touching the other once it is gone.
//
// A descendant adds its looks by overriding Draw, and its message handling by overriding
// BeforeMessage / AfterMessage (calling the base for the messages it leaves alone). When the
// control makes a new window (a property that needs one, a new parent), the painter carries on
// with the new window: State goes back to attached and painting back on. A descendant that keeps
// something tied to the old window makes it again on the new window's WM_CREATE.
#pragma once

#include <windows.h>

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "Component.h"
#include "Controls.h"
#include "Graphics.h"
#include "Messages.h"
#include "WindowSubclass.h"

class TSkinData;
class TWinSkinForm;
class TDataSkinObject;

// Bits of TSkinControl::States.
enum TSkinControlStateBit : uint8_t { scsHot = 1, scsPressed = 2 };
// TSkinControl::State through a painter's life (2 and 4 belong to the panel painter).
enum TPainterState { psCreated = 0, psAttached = 1, psWindowDestroyed = 6 };

class TSkinControl : public tk::TComponent, private TWindowSubclass::Target {
  TK_CLASS(TSkinControl)
 public:
  explicit TSkinControl(tk::TComponent* owner);
  ~TSkinControl() override;

  // --- the painter's operations, in slot order ---
  // Takes over the owner control (a second call does nothing).
  virtual void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas);
  // Takes over a window that has no toolkit control.
  virtual void AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas);
  // Gives the control its own looks back and stops painting.
  virtual void Unskin();
  // Sees each message first; true lets the control's own procedure have it (then AfterMessage).
  // False: the painter dealt with the message and set its result.
  virtual bool BeforeMessage(tk::TMessage& msg);
  virtual void AfterMessage(tk::TMessage& msg);
  // Paints the whole window now, into dc or (when null) the window's own DC. Never throws.
  virtual void PaintNow(HDC dc);
  // The control's looks: every descendant draws here, into rect (window coordinates, origin 0).
  virtual void Draw(HDC dc, const RECT& rect) {}
  // Re-applies the skin colour and repaints.
  virtual void SkinChanged();
  virtual bool CanSkin() { return true; }

  // --- what descendants build on ---
  // The replacement window procedure of the control.
  void NewWndProc(tk::TMessage& msg);
  // Passes the message to the control's previous procedure; the result is in msg and returned.
  LRESULT CallDefault(tk::TMessage& msg);
  void Repaint();
  void FillBackground(HDC dc, const RECT& rect);
  void FillParentColor(HDC dc, const RECT& rect);
  // The parent's published Color when it has one, else fallback.
  tk::TColor ParentColor(tk::TColor fallback) const;
  LONG_PTR WindowLong(HWND wnd, int index) const;
  void DrawFocusAroundText(HDC dc, UINT format, const RECT& rect);
  // The control's own mouse-down handler, left button, from a mouse message.
  void ForwardMouseDown(const tk::TMessage& msg);
  void SetParentBackground(bool on);
  // WM_PAINT handled by drawing (BeginPaint/EndPaint unless wParam brings a DC); consumes it.
  void PaintWithBeginPaint(tk::TMessage& msg);
  // WM_ERASEBKGND answered with the parent's picture (or colour) under the control.
  void EraseWithParent(tk::TMessage& msg);
  UINT RtlFormat(UINT format) const;
  // Lists the painter with its frame painter; a descendant's own attach operation calls it.
  void RegisterWithForm(TWinSkinForm* form);
  // A windowless control this painter draws for; forgotten when it is freed.
  void SetCompanion(tk::TControl* companion);

  // Frame k of n of an element, cut to rect: element margins, tiling and transparency.
  static void DrawElement(HDC dc, const RECT& rect, int frameCount, int frameIndex, TDataSkinObject& element);
  // Frame k of n of a strip stretched to rect, magenta transparent: through a canvas on the DC,
  // on a canvas, or stretched first and then masked.
  void DrawStripFrameDC(HDC dc, const RECT& rect, int frameCount, int frameIndex, tk::TBitmap& bitmap);
  void DrawStripFrameCanvas(tk::TCanvas& canvas, const RECT& rect, int frameCount, int frameIndex, tk::TBitmap& bitmap);
  void DrawStripFrameMasked(HDC dc, const RECT& rect, int frameCount, int frameIndex, tk::TBitmap& bitmap);

  // --- state ---
  uint8_t States = 0;
  tk::TCanvas* Canvas = nullptr;
  bool IsEnabled = false;  // refreshed from the window before each paint
  bool IsFocused = false;  // likewise
  std::wstring Caption;
  bool Active = true;
  bool UnicodeWindow = false;
  TSkinData* SkinData = nullptr;
  HWND Handle = nullptr;
  tk::TWndMethod OldWindowProc;
  tk::TControl* Control = nullptr;
  RECT WindowRect{};
  tk::TControl* Companion = nullptr;
  bool Recolour = false;
  tk::TColor SavedColor = 0;
  bool Attached = false;
  int State = psCreated;
  TWinSkinForm* Form = nullptr;
  int Mode = 0;
  bool ParentBgChanged = false;

  // Whether the painter has taken over a bare window (no toolkit control).
  bool BareWindow() const { return FSubclass.Installed(); }

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;
  // Runs the control's own code on the painter's behalf (its click, its mouse-down handler): a
  // failure there reaches the toolkit as if the control's own procedure had raised it, instead of
  // being swallowed with the painter's own failures.
  template <class Code>
  void RunControlCode(Code&& code) {
    if (!FControlFailure) {
      code();
      return;
    }
    try {
      code();
    } catch (...) {
      *FControlFailure = std::current_exception();
    }
  }

 private:
  LRESULT SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  void SetActiveFromMessage(const tk::TMessage& msg);
  void FollowControlWindow();
  void GiveControlBack();
  void ReadWindowState();

  TWindowSubclass FSubclass{*this};
  tk::TWinControl* FWindowedControl = nullptr;  // Control, when it has a window of its own
  bool FControlTaken = false;                   // Control->WindowProc is ours
  // Set while a message is being handled: tells the handler whether the painter outlived it.
  bool* FAlive = nullptr;
  // Set while a message is being handled: a failure of the control's own procedure, passed on to
  // the toolkit after the painter's part (which swallows its own failures).
  std::exception_ptr* FControlFailure = nullptr;
};

// --- property access by name: painters never depend on a control's concrete class ---
// The toolkit has functions of some of these names: call ours as ::Name.
// The ordinal value of an integer-kind property, else -1 (also for no object).
int64_t GetIntProp(const tk::TObject* obj, std::string_view name);
// The identifier of an enumeration (or Boolean) property's value; empty when missing.
std::string GetEnumText(const tk::TObject* obj, std::string_view name);
// A string property as wide text (converted from the ANSI code page); empty when missing.
std::wstring GetTextProp(const tk::TObject* obj, std::string_view name);
// The object a property holds when it is of the class (any class when null), else nullptr.
tk::TObject* GetObjectProp(const tk::TObject* obj, std::string_view name, const tk::TClassInfo* ofClass);
// Sets a property from text: integer kind from a decimal number, enumeration (and Boolean) by
// identifier, string kind as is. A missing property, another kind or unreadable text: nothing.
void SetPropText(tk::TObject* obj, std::string_view name, std::string_view value);

void FillColor(HDC dc, const RECT& rect, tk::TColor color);
// Paints the control's parent (background and picture) under the control into dc, so that the
// control can look transparent over it.
void PaintParentBackground(tk::TControl* control, HDC dc);
