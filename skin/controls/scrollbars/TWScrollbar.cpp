#include "TWScrollbar.h"

#include <algorithm>

#include "ScrollBarPaint.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinHelpers.h"
#include "WinSubClass.h"

int64_t TWScrollbar::PaintCount = 0;

namespace {

constexpr wchar_t CoverClassName[] = L"TolvaneScrollCover";

ATOM RegisterCoverClass(WNDPROC proc) {
  static const ATOM atom = [proc] {
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = CoverClassName;
    return RegisterClassW(&wc);
  }();
  return atom;
}

// Marks, for as long as it lives, whether the cover outlives what runs meanwhile.
class AliveFlag {
 public:
  explicit AliveFlag(bool*& slot) : slot_(slot) { slot_ = &alive_; }
  ~AliveFlag() {
    if (alive_) slot_ = nullptr;
  }
  bool Alive() const { return alive_; }

 private:
  bool alive_ = true;
  bool*& slot_;
};

POINT PointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

}  // namespace

TWScrollbar::TWScrollbar(TSkinControl* painter) : ArrowSize(GetSystemMetrics(SM_CXHSCROLL)), Painter(painter) {}

TWScrollbar::~TWScrollbar() {
  if (FAlive) *FAlive = false;
  if (HWND wnd = FWindow.Release()) {
    SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
    DestroyWindow(wnd);
  }
}

void TWScrollbar::AttachTo(TSkinControl* painter, tk::TWinControl* control, TScrollBarKind kind) {
  Painter = painter;
  TargetControl = control;
  Kind = kind;
  Vertical = kind == sbkVertical ? 1 : 0;
  if (kind == sbkControl) Vertical = ::GetEnumText(control, "Kind") == "sbHorizontal" ? 0 : 1;
  if (painter) Color = painter->ParentColor(painter->SkinData ? painter->SkinData->Colors[scButtonFace] : tk::clBtnFace);
  Reposition(control ? control->Handle() : nullptr);
}

void TWScrollbar::AttachToWindow(TSkinControl* painter, HWND handle, TScrollBarKind kind) {
  Painter = painter;
  TargetControl = nullptr;
  Kind = kind;
  Vertical = kind == sbkVertical ? 1 : 0;
  if (kind == sbkControl) Vertical = (GetWindowLongPtrW(handle, GWL_STYLE) & SBS_VERT) ? 1 : 0;
  Reposition(handle);
}

void TWScrollbar::HideBar() {
  if (FWindow) ShowWindow(FWindow.Get(), SW_HIDE);
  Shown = false;
}

void TWScrollbar::Invalidate() {
  if (FWindow && Shown) InvalidateRect(FWindow.Get(), nullptr, FALSE);
}

void TWScrollbar::SetEnabled(bool enabled) {
  FEnabled = enabled;
  if (FWindow) EnableWindow(FWindow.Get(), enabled);
}

bool TWScrollbar::ReadBar(TBarReading& reading) const {
  return ReadScrollBar(Target, Kind, Vertical != 0, ArrowSize, reading);
}

void TWScrollbar::EnsureWindow(HWND parent) {
  if (FWindow && GetParent(FWindow.Get()) != parent) SetParent(FWindow.Get(), parent);
  if (FWindow) return;
  RegisterCoverClass(&TWScrollbar::WindowProc);
  HWND wnd = CreateWindowExW(WS_EX_TOOLWINDOW, CoverClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr,
                             GetModuleHandleW(nullptr), this);
  FWindow.Reset(wnd);
  if (wnd && !FEnabled) EnableWindow(wnd, FALSE);
}

void TWScrollbar::Reposition(HWND handle) {
  Target = handle;
  TBarReading reading;
  HWND parent = Target ? GetParent(Target) : nullptr;
  if (!parent || !ReadBar(reading)) {
    HideBar();
    return;
  }
  if (!(GetWindowLongPtrW(Target, GWL_STYLE) & WS_VISIBLE) || reading.Invisible) {
    HideBar();
    return;
  }
  RECT place = reading.Rect;  // in the parent's client coordinates
  if (Kind == sbkControl) {
    BarRect = RECT{0, 0, place.right - place.left, place.bottom - place.top};
    POINT origin{0, 0};
    ClientToScreen(Target, &origin);
    BarOrigin = origin;
  } else {
    BarRect = reading.Rect;
    MapWindowPoints(nullptr, Target, reinterpret_cast<POINT*>(&BarRect), 2);
    BarOrigin = POINT{reading.Rect.left, reading.Rect.top};
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
  }
  Length = Vertical ? BarRect.bottom - BarRect.top : BarRect.right - BarRect.left;
  ThumbStart = reading.ThumbStart;
  ThumbEnd = reading.ThumbEnd;
  EnsureWindow(parent);
  if (!FWindow) return;
  HWND cover = FWindow.Get();
  Shown = true;
  if (!InPlace(place)) {
    // Just above its window: the window before the target in z-order, or the top.
    HWND before = GetWindow(Target, GW_HWNDPREV);
    UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
    if (before == cover) flags |= SWP_NOZORDER;
    SetWindowPos(cover, before ? before : HWND_TOP, place.left, place.top, place.right - place.left, place.bottom - place.top, flags);
  }
  InvalidateRect(cover, nullptr, FALSE);
}

// Moving a cover uncovers its window's frame, whose repaint asks for a new place again: a cover
// already in place is left where it is.
bool TWScrollbar::InPlace(const RECT& place) const {
  HWND cover = FWindow.Get();
  if (!IsWindowVisible(cover)) return false;
  RECT now{};
  GetWindowRect(cover, &now);
  MapWindowPoints(nullptr, GetParent(cover), reinterpret_cast<POINT*>(&now), 2);
  if (!EqualRect(&now, &place)) return false;
  // Above the target with nothing but covers between them.
  for (HWND w = GetWindow(Target, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
    if (w == cover) return true;
    wchar_t name[32] = {};
    GetClassNameW(w, name, 32);
    if (lstrcmpW(name, CoverClassName) != 0) return false;
  }
  return false;
}

TScrollPart TWScrollbar::HitTest(POINT point) const {
  return HitTestBar(Vertical ? point.y : point.x, ArrowSize, ThumbStart, ThumbEnd, Length);
}

// ---------------------------------------------------------------------------------------------
// The cover's window

LRESULT CALLBACK TWScrollbar::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(wnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    // Destroyed with its parent: the cover lives on without a window.
    SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
    if (self->FWindow.Get() == wnd) self->FWindow.Release();
    self->Shown = false;
    return DefWindowProcW(wnd, msg, wParam, lParam);
  }
  try {
    return self->Dispatch(wnd, msg, wParam, lParam);
  } catch (...) {
    // Nothing may unwind into the platform's frames.
    return 0;
  }
}

LRESULT TWScrollbar::Dispatch(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      OnMouseMove(lParam);
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ForwardPress(lParam);
      return 0;
    case WM_LBUTTONUP:
      ForwardRelease(lParam);
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case SKM_ISSKINNED:
      return 1;  // drawn by the skin already: no painter for it
    default:
      return DefWindowProcW(wnd, msg, wParam, lParam);
  }
}

void TWScrollbar::OnMouseMove(LPARAM lParam) {
  const POINT p{LOWORD(lParam), HIWORD(lParam)};
  const int part = HitTest(p);
  if (part != HotPart) {
    HotPart = part;
    Invalidate();
  }
  TrackMouseLeave(FWindow.Get());
}

void TWScrollbar::OnMouseLeave() {
  if (Pressed) return;
  HotPart = spNone;
  Invalidate();
}

int TWScrollbar::PressThumbStartFromControl() const {
  const auto prop = [this](const char* name) { return static_cast<int>(::GetIntProp(TargetControl, name)); };
  if (!TargetControl) return ThumbStart;
  return ControlThumb(Length, ArrowSize, prop("Min"), prop("Max"), prop("PageSize"), prop("Position"), false).Start;
}

void TWScrollbar::ForwardPress(LPARAM lParam) {
  AliveFlag alive(FAlive);
  GetCursorPos(&PressCursor);
  TBarReading reading;
  const bool read = ReadBar(reading);
  if (Kind == sbkControl) PressThumbStart = PressThumbStartFromControl();
  else if (read) PressThumbStart = reading.ThumbStart;
  POINT point = PointOf(lParam);
  HotPart = HitTest(point);
  if (Kind != sbkControl && read) {
    BarOrigin = POINT{reading.Rect.left, reading.Rect.top};
    point.x += BarOrigin.x;
    point.y += BarOrigin.y;
  }
  Pressed = true;
  Invalidate();
  ReleaseCapture();
  // The system's scroll loop runs inside this call until the button goes up.
  switch (Kind) {
    case sbkVertical: SendMessageW(Target, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(point.x, point.y)); break;
    case sbkHorizontal: SendMessageW(Target, WM_NCLBUTTONDOWN, HTHSCROLL, MAKELPARAM(point.x, point.y)); break;
    case sbkControl: SendMessageW(Target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y)); break;
  }
  if (!alive.Alive()) return;  // the painter and its covers went while the loop ran
  Pressed = false;
  ReleaseCapture();
  Invalidate();
}

void TWScrollbar::ForwardRelease(LPARAM lParam) {
  POINT point = PointOf(lParam);
  if (Kind != sbkControl) {
    point.x += BarOrigin.x;
    point.y += BarOrigin.y;
  }
  Pressed = false;
  ReleaseCapture();
  switch (Kind) {
    case sbkVertical: PostMessageW(Target, WM_NCLBUTTONUP, HTVSCROLL, MAKELPARAM(point.x, point.y)); break;
    case sbkHorizontal: PostMessageW(Target, WM_NCLBUTTONUP, HTHSCROLL, MAKELPARAM(point.x, point.y)); break;
    case sbkControl:
      PostMessageW(Target, WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(point.x, point.y));
      Invalidate();
      break;
  }
}

int TWScrollbar::CursorMovedAlong() const {
  POINT now{};
  GetCursorPos(&now);
  return Vertical ? now.y - PressCursor.y : now.x - PressCursor.x;
}

// ---------------------------------------------------------------------------------------------
// Painting

void TWScrollbar::OnPaint() {
  HWND wnd = FWindow.Get();
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(wnd, &ps);
  try {
    PaintBar(dc);
  } catch (...) {
    // A failing paint leaves the cover as it is until its next paint.
  }
  EndPaint(wnd, &ps);
}

void TWScrollbar::PaintBar(HDC dc) {
  ++PaintCount;
  TSkinData* skin = Painter ? Painter->SkinData : nullptr;
  if (!skin || !SkinHasScrollBars(*skin)) return;
  TBarReading reading;
  if (!ReadBar(reading) || reading.Invisible) return;
  const int width = reading.Rect.right - reading.Rect.left;
  const int height = reading.Rect.bottom - reading.Rect.top;
  RECT client{};
  GetClientRect(FWindow.Get(), &client);
  if (width < 0 || height < 0 || width > client.right || height > client.bottom) return;
  Length = Vertical ? height : width;
  const int thickness = BarThickness(*skin, ArrowSize);

  TBarLooks looks;
  looks.Vertical = Vertical != 0;
  looks.Length = Length;
  looks.ArrowSize = ArrowSize;
  looks.Available = !reading.Unavailable;
  looks.HotPart = HotPart;
  looks.Pressed = Pressed;
  TThumbSpan thumb{reading.ThumbStart, reading.ThumbEnd};
  if (Pressed && HotPart == spThumb && Kind != sbkControl)
    thumb = FollowThumb(TThumbSpan{ThumbStart, ThumbEnd}, PressThumbStart, CursorMovedAlong(), ArrowSize, Length);
  ThumbStart = thumb.Start;
  ThumbEnd = thumb.End;
  looks.ThumbStart = thumb.Start;
  looks.ThumbEnd = thumb.End;

  tk::TBitmap bitmap;
  if (Kind == sbkControl) {
    // Drawn at the skin's thickness, then stretched over the whole control.
    PrepareBarBitmap(bitmap, *skin, Vertical ? thickness : width, Vertical ? height : thickness);
    if (bitmap.Empty()) return;
    DrawBarParts(bitmap.Canvas().Handle(), *skin, looks, thickness, Length);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, width, height, bitmap.Canvas().Handle(), 0, 0, bitmap.Width(), bitmap.Height(), SRCCOPY);
    return;
  }
  PrepareBarBitmap(bitmap, *skin, width, height);
  if (bitmap.Empty()) return;
  DrawBarParts(bitmap.Canvas().Handle(), *skin, looks, thickness, Length);
  BitBlt(dc, 0, 0, width, height, bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}
