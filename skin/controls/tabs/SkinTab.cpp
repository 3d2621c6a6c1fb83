#include "SkinTab.h"

#include <commctrl.h>

#include "DrawIconCaption.h"
#include "GdiHandle.h"
#include "ImgUtil.h"
#include "PainterFactory.h"
#include "SkinMessages.h"
#include "TabGeometry.h"
#include "Tabs.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

namespace {

constexpr TElementMargins DefaultPaneMargins{4, 5, 4, 4};

bool Usable(const TDataSkinObject* element) { return element && !element->Bitmap.Empty(); }

void Outline(HDC dc, const RECT& r, COLORREF colour) {
  tk::UniquePen pen(CreatePen(PS_SOLID, 1, colour));
  tk::SelectGuard selected(dc, pen.Get());
  MoveToEx(dc, r.left, r.top, nullptr);
  LineTo(dc, r.right, r.top);
  LineTo(dc, r.right, r.bottom);
  LineTo(dc, r.left, r.bottom);
  LineTo(dc, r.left, r.top);
  MoveToEx(dc, r.left, r.top, nullptr);
  LineTo(dc, r.right, r.bottom);
  MoveToEx(dc, r.right, r.top, nullptr);
  LineTo(dc, r.left, r.bottom);
}

}  // namespace

const tk::TClassInfo& TSkinTab::StaticClass() {
  static const tk::TClassInfo info("TSkinTab", &TSkinControl::StaticClass());
  return info;
}

TSkinTab::TSkinTab(tk::TComponent* owner) : TSkinControl(owner) {}

TSkinTab::~TSkinTab() {
  if (UpDown) UpDown->RemoveFreeNotification(this);
}

TSkinTab::TTabSide TSkinTab::SideOfStyle(LONG_PTR style) {
  const bool bottom = (style & TCS_BOTTOM) != 0, vertical = (style & TCS_VERTICAL) != 0;
  if (bottom && vertical) return tsRight;
  if (vertical) return tsLeft;
  return bottom ? tsBottom : tsTop;
}

void TSkinTab::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::Attach(form, skin, recolour, canvas);
  if (!Handle) return;
  IsEnabled = (WindowLong(Handle, GWL_STYLE) & WS_DISABLED) == 0;
  CloseButtons = ShouldShowCloseMarks() ? 1 : 0;
  PrepareImages();
  AttachUpDown();
  Active = true;
  UnicodeWindow = IsWindowUnicode(Handle) != FALSE;
}

void TSkinTab::AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::AttachWindow(handle, skin, form, canvas);
  IsEnabled = (WindowLong(Handle, GWL_STYLE) & WS_DISABLED) == 0;
  IsFocused = GetFocus() == Handle;
  PrepareImages();
  AttachUpDown();
  Active = true;
}

void TSkinTab::SkinChanged() {
  TSkinControl::SkinChanged();
  PrepareImages();
  Repaint();
}

void TSkinTab::Notification(tk::TComponent* component, tk::TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == tk::TOperation::opRemove && component == UpDown) UpDown = nullptr;
}

// Only a page control shows close marks, and only while its tabs are shown.
bool TSkinTab::ShouldShowCloseMarks() const {
  if (Mode != PageControlMode || !Control || Control->Tag() != CloseMarksTag) return false;
  return ::GetEnumText(Control, "ShowTabs") != "False";
}

void TSkinTab::PrepareImages() {
  TabImage.Clear();
  PaneImage.Clear();
  if (!Handle || !SkinData || !Usable(SkinData->Tabs.get())) return;
  TabSide = SideOfStyle(WindowLong(Handle, GWL_STYLE));
  const TDataSkinBorder& tabs = *SkinData->Tabs;
  TabImage.Assign(tabs.Bitmap);
  if (tabs.Style == 0) PaneImage.Assign(tabs.Bitmap2);
  else if (tabs.Style == 1 && SkinData->TabPane) PaneImage.Assign(SkinData->TabPane->Bitmap);
  for (tk::TBitmap* image : {&TabImage, &PaneImage})
    if (!image->Empty()) image->SetPixelFormat(tk::TPixelFormat::pf24bit);
  if (TabSide == tsBottom) {
    if (!TabImage.Empty()) FlipBitmap(TabImage);
    if (!PaneImage.Empty()) FlipBitmap(PaneImage);
  } else if (TabSide == tsLeft && !PaneImage.Empty()) {
    RotateBitmapLeft(PaneImage);
  } else if (TabSide == tsRight && !PaneImage.Empty()) {
    RotateBitmapRight(PaneImage);
  }
}

HWND TSkinTab::UpDownWindow() const { return Handle ? FindWindowExW(Handle, nullptr, UPDOWN_CLASSW, nullptr) : nullptr; }

bool TSkinTab::AttachUpDown() {
  HWND arrows = UpDownWindow();
  if (!arrows) return false;
  if (!UpDown && SendMessageW(arrows, SKM_ISSKINNED, 0, 0) != 1) {
    // Null until the up-down painters exist: the arrows then draw themselves.
    UpDown = SkinWindowAs(TPainterKind::pkUpDown, arrows, Form, SkinData, Canvas);
    if (UpDown) UpDown->FreeNotification(this);
  }
  return IsWindowVisible(arrows) != FALSE;
}

bool TSkinTab::BeforeMessage(tk::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  switch (msg.Msg) {
    case WM_PAINT:
      PaintWithBeginPaint(msg);
      return false;
    case WM_ERASEBKGND:
      msg.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
      if (CloseButtons && CloseTabAt(POINT{static_cast<short>(LOWORD(msg.LParam)), static_cast<short>(HIWORD(msg.LParam))})) {
        msg.Result = 0;
        return false;
      }
      return true;
    default:
      return true;
  }
}

bool TSkinTab::CloseTabAt(POINT p) {
  for (size_t i = 0; i < CloseRects.size(); ++i) {
    const RECT& r = CloseRects[i];
    if (r.right <= r.left || !PtInRect(&r, p)) continue;
    HWND formWnd = Form ? Form->Wnd : nullptr;
    const LRESULT answer =
        formWnd ? SendMessageW(formWnd, SKM_CLOSETAB, reinterpret_cast<WPARAM>(Handle), static_cast<LPARAM>(i)) : 0;
    if (answer == 0) {
      if (auto* pages = dynamic_cast<tk::TPageControl*>(Control))
        delete pages->PageOfTab(static_cast<int>(i));
    }
    return true;
  }
  return false;
}

RECT TSkinTab::DisplayArea(const RECT& rect) const {
  RECT r = tab_geometry::PaneArea(Handle, rect);
  switch (TabSide) {
    case tsTop: ++r.top; break;
    case tsBottom: --r.bottom; break;
    case tsLeft: ++r.left; break;
    case tsRight: --r.right; break;
  }
  return r;
}

RECT TSkinTab::ToBuffer(const RECT& item, const RECT& rect, const RECT& display) const {
  switch (TabSide) {
    case tsBottom: return RECT{item.left, item.top - display.bottom - 1, item.right, item.bottom - display.bottom - 1};
    case tsLeft: {
      const int len = TabBuffer.Width();
      return RECT{len - item.bottom, item.left, len - item.top, item.right};
    }
    case tsRight: return RECT{item.top - 1, rect.right - item.right, item.bottom - 1, rect.right - item.left};
    default: return RECT{item.left, item.top + 1, item.right, item.bottom + 1};
  }
}

// The buffer is copied to the strip's corner as it is (top, bottom) or after its quarter turn.
RECT TSkinTab::ToClient(const RECT& b, const RECT& rect, const RECT& display) const {
  switch (TabSide) {
    case tsBottom: return RECT{b.left, b.top + display.bottom, b.right, b.bottom + display.bottom};
    case tsLeft: {
      const int len = TabBuffer.Width();
      return RECT{b.top, len - b.right, b.bottom, len - b.left};
    }
    case tsRight: return RECT{rect.right - b.bottom, b.left, rect.right - b.top, b.right};
    default: return b;
  }
}

void TSkinTab::Draw(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!Handle || width <= 0 || height <= 0 || !SkinData) return;
  TabSide = SideOfStyle(WindowLong(Handle, GWL_STYLE));
  const bool arrowsShown = AttachUpDown();
  const RECT display = DisplayArea(rect);

  if (Work.Width() != width || Work.Height() != height) Work.SetSize(width, height);
  HDC work = Work.Canvas().Handle();
  FillColor(work, rect, ParentColor(SkinData->Colors[scButtonFace]));
  const int count = static_cast<int>(SendMessageW(Handle, TCM_GETITEMCOUNT, 0, 0));
  CloseRects.assign(count > 0 ? static_cast<size_t>(count) : 0, RECT{});
  if (!TabImage.Empty()) DrawStrip(work, rect, display);
  DrawPane(work, display);
  if (Mode == PageControlMode)
    if (auto* container = dynamic_cast<tk::TWinControl*>(Control)) container->PaintControls(work);

  tk::SavedDC saved(dc);
  if (arrowsShown) {
    RECT arrows{};
    GetWindowRect(UpDownWindow(), &arrows);
    MapWindowPoints(nullptr, Handle, reinterpret_cast<POINT*>(&arrows), 2);
    ExcludeClipRect(dc, arrows.left, arrows.top, arrows.right, arrows.bottom);
  }
  BitBlt(dc, rect.left, rect.top, width, height, work, 0, 0, SRCCOPY);
}

void TSkinTab::DrawStrip(HDC work, const RECT& rect, const RECT& display) {
  RECT strip = rect;
  switch (TabSide) {
    case tsTop: strip.bottom = display.top; break;
    case tsBottom: strip.top = display.bottom; break;
    case tsLeft: strip.right = display.left; break;
    case tsRight: strip.left = display.right; break;
  }
  const int stripW = strip.right - strip.left, stripH = strip.bottom - strip.top;
  if (stripW <= 0 || stripH <= 0) return;
  const bool turned = TabSide == tsLeft || TabSide == tsRight;
  TabBuffer.SetPixelFormat(tk::TPixelFormat::pf24bit);
  TabBuffer.SetSize(turned ? stripH : stripW, turned ? stripW : stripH);
  HDC buffer = TabBuffer.Canvas().Handle();
  {
    tk::SavedDC saved(buffer);
    FillColor(buffer, RECT{0, 0, TabBuffer.Width(), TabBuffer.Height()}, ParentColor(SkinData->Colors[scButtonFace]));
    SelectObject(buffer, tab_geometry::WindowFont(Handle));
    SetBkMode(buffer, TRANSPARENT);
    const TDataSkinBorder& tabs = *SkinData->Tabs;
    const TElementMargins margins = TabSide == tsBottom ? tab_geometry::TurnedMargins(tabs.Margins(), 1) : tabs.Margins();
    const int focused = static_cast<int>(SendMessageW(Handle, TCM_GETCURFOCUS, 0, 0));
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, TCM_GETIMAGELIST, 0, 0));
    for (int i = 0; i < static_cast<int>(CloseRects.size()); ++i) {
      RECT item{};
      if (!SendMessageW(Handle, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
      std::wstring caption;
      int imageIndex = -1;
      tab_geometry::TabItem(Handle, UnicodeWindow, i, MaxTabCaption, caption, imageIndex);
      const RECT r = ToBuffer(item, rect, display);
      const int frame = i == focused ? 2 : 1;
      DrawBitmapFrame(buffer, r, TabImage, false, tabs.Tile == 1, tabs.Trans, tabs.FrameCount > 0 ? tabs.FrameCount : 5,
                      frame, margins);
      const COLORREF text = tk::ColorToRGB(frame == 1 ? tabs.NormalColour2 : tabs.MouseOverColour2);
      SetTextColor(buffer, text);
      if (CloseButtons) {
        const RECT mark{r.right - 8, r.top + 2, r.right - 2, r.top + 8};
        Outline(buffer, mark, text);
        CloseRects[static_cast<size_t>(i)] = ToClient(RECT{mark.left, mark.top, mark.right + 1, mark.bottom + 1}, rect, display);
      }
      DrawIconCaption(*this, buffer, r, caCentre, caption, imageIndex, images);
    }
  }
  if (TabSide == tsLeft) RotateBitmapLeft(TabBuffer);
  else if (TabSide == tsRight) RotateBitmapRight(TabBuffer);
  BitBlt(work, strip.left, strip.top, stripW, stripH, TabBuffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TSkinTab::DrawPane(HDC work, const RECT& display) {
  if (PaneImage.Empty()) return;
  const TDataSkinBorder& tabs = *SkinData->Tabs;
  TElementMargins margins = DefaultPaneMargins;
  if (tabs.Style != 0 && SkinData->TabPane) margins = SkinData->TabPane->Margins();
  DrawBitmapFrame(work, display, PaneImage, false, false, 0, 1, 1, tab_geometry::TurnedMargins(margins, TabSide));
}
