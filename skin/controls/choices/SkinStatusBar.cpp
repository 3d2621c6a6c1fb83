#include "SkinStatusBar.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "ChoiceText.h"
#include "ComCtrls.h"
#include "Collections.h"
#include "GdiHandle.h"
#include "WinSkinData.h"

namespace {

constexpr UINT SB_GETRECT_MSG = 0x40A;
constexpr LONG_PTR SizeGripStyle = 0x100;  // SBARS_SIZEGRIP
constexpr int TextInset = 2;

// One composing bitmap for every status bar: painting is never re-entered across them.
tk::TBitmap& SharedBitmap() {
  static tk::TBitmap bitmap;
  return bitmap;
}

bool RightToLeft(const tk::TObject* obj) { return ::GetEnumText(obj, "BiDiMode") == "bdRightToLeft"; }

void FillRectWith(HDC dc, const RECT& r, tk::TColor colour) { FillColor(dc, r, colour); }

}  // namespace

const tk::TClassInfo& TSkinStatusBar::StaticClass() {
  static const tk::TClassInfo info("TSkinStatusBar", &TSkinControl::StaticClass());
  return info;
}

SIZE TSkinStatusBar::SharedBitmapSize() { return SIZE{SharedBitmap().Width(), SharedBitmap().Height()}; }

int TSkinStatusBar::FrameOfBevel(const std::string& bevel) {
  if (bevel == "pbRaised") return pfRaised;
  if (bevel == "pbNone") return pfFlat;
  return pfLowered;
}

bool TSkinStatusBar::BeforeMessage(tk::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  switch (msg.Msg) {
    case WM_PAINT:
      PaintWithBeginPaint(msg);
      return false;
    case WM_ERASEBKGND:
      msg.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinStatusBar::Draw(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  tk::TBitmap& bitmap = SharedBitmap();
  if (bitmap.Width() != width || bitmap.Height() != height) bitmap.SetSize(width, height);
  HDC work = bitmap.Canvas().Handle();
  const RECT local{0, 0, width, height};
  FillBackground(work, local);

  // The control's font without its style; the element's text colour when the skin has one.
  tk::TFont font;
  if (tk::TFont* controlFont = ControlFont(Control)) font.Assign(*controlFont);
  font.SetStyle({});
  if (SkinData && SkinData->StatusBarEdges) font.SetColor(SkinData->StatusBarEdges->NormalColour2);
  {
    tk::SavedDC saved(work);
    SelectObject(work, font.Handle());
    SetTextColor(work, tk::ColorToRGB(font.Color()));
    SetBkMode(work, TRANSPARENT);
    SelectObject(work, GetStockObject(NULL_BRUSH));
    DrawPanels(work, local);
    DrawSizeGrip(work, local);
  }
  BitBlt(dc, rect.left, rect.top, width, height, work, 0, 0, SRCCOPY);
  if (auto* container = dynamic_cast<tk::TWinControl*>(Control)) container->PaintControls(dc);
  CallDrawPanelHandler();
}

void TSkinStatusBar::DrawPanelBack(HDC dc, const RECT& r, int frame) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  TDataSkinObject* edges = SkinData ? SkinData->StatusBarEdges.get() : nullptr;
  if (edges && !edges->Bitmap.Empty()) {
    DrawBitmapFrame(dc, r, edges->Bitmap, false, edges->Tile == 1, 0, 3, frame, edges->Margins());
    return;
  }
  if (frame == pfFlat) return;
  const tk::TColor shadow = SkinData ? SkinData->Colors[scButtonShadow] : tk::clBtnShadow;
  const tk::TColor light = SkinData ? SkinData->Colors[scButtonHilight] : tk::clBtnHighlight;
  const tk::TColor topLeft = frame == pfLowered ? shadow : light;
  const tk::TColor bottomRight = frame == pfLowered ? light : shadow;
  FillRectWith(dc, RECT{r.left, r.top, r.right, r.top + 1}, topLeft);
  FillRectWith(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, topLeft);
  FillRectWith(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  FillRectWith(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void TSkinStatusBar::DrawPanels(HDC dc, const RECT& rect) {
  auto* panels = dynamic_cast<tk::TCollection*>(::GetObjectProp(Control, "Panels", nullptr));
  const int count = panels ? panels->Count() : 0;
  const bool barRightToLeft = RightToLeft(Control);
  if (::GetEnumText(Control, "SimplePanel") == "True" || count == 0) {
    DrawPanelBack(dc, rect, pfLowered);
    std::wstring text = BoundedTextProp(Control, "SimpleText");
    if (text.empty()) text = L" ";
    RECT textRect = rect;
    InflateRect(&textRect, -TextInset, 0);
    DrawPanelText(dc, text, textRect, barRightToLeft ? taRight : taLeft, barRightToLeft);
    return;
  }
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!Handle || !SendMessageW(Handle, SB_GETRECT_MSG, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
    r.right += 2;
    if (i == count - 1) r.right = rect.right;
    const tk::TObject* panel = panels->Items(i);
    DrawPanelBack(dc, r, FrameOfBevel(::GetEnumText(panel, "Bevel")));
    if (::GetEnumText(panel, "Style") != "psText") continue;
    std::wstring text = ::GetTextProp(panel, "Text");
    if (text.size() > static_cast<size_t>(MaxCaptionLength)) text.resize(MaxCaptionLength);
    if (text.empty()) text = L" ";
    InflateRect(&r, -TextInset, 0);
    const bool rightToLeft = RightToLeft(panel) || (!tk::FindPropInfo(panel, "BiDiMode") && barRightToLeft);
    const std::string alignment = ::GetEnumText(panel, "Alignment");
    TTextAlign align = alignment == "taRightJustify" ? taRight : alignment == "taCenter" ? taCentre : taLeft;
    if (rightToLeft && align != taCentre) align = align == taLeft ? taRight : taLeft;
    DrawPanelText(dc, text, r, align, rightToLeft);
  }
}

void TSkinStatusBar::DrawPanelText(HDC dc, const std::wstring& text, const RECT& rect, TTextAlign align, bool rightToLeft) {
  UINT format = (align == taRight ? DT_RIGHT : align == taCentre ? DT_CENTER : 0) | DT_EXPANDTABS;
  if (rightToLeft) format |= DT_RTLREADING;
  RECT measured = rect;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT | DT_NOCLIP);
  const int textWidth = measured.right - measured.left, textHeight = measured.bottom - measured.top;
  RECT r = rect;
  r.top = rect.top + ((rect.bottom - rect.top) - textHeight) / 2 - 1;
  r.bottom = r.top + textHeight;
  if (align == taCentre) {
    r.left = rect.left + ((rect.right - rect.left) - textWidth) / 2;
    r.right = r.left + textWidth;
  }
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

void TSkinStatusBar::DrawSizeGrip(HDC dc, const RECT& rect) {
  if (!Handle || !(WindowLong(Handle, GWL_STYLE) & SizeGripStyle)) return;
  TDataSkinObject* extra = SkinData ? SkinData->ExtraImages.get() : nullptr;
  if (!extra || extra->Bitmap.Empty() || extra->FrameCount < 5) return;
  const int w = extra->Bitmap.Width() / extra->FrameCount, h = extra->Bitmap.Height();
  const RECT grip{rect.right - 1 - w, rect.bottom - 1 - h, rect.right - 1, rect.bottom - 1};
  DrawFrameStretched(dc, grip, extra->Bitmap, true, extra->FrameCount, 5);
}

void TSkinStatusBar::CallDrawPanelHandler() {
  auto* bar = dynamic_cast<tk::TStatusBar*>(Control);
  if (!bar || !bar->OnDrawPanel || !Handle) return;
  // The handler may change the panels: count afresh each time.
  for (int i = 0; i < bar->Panels().Count(); ++i) {
    RECT r{};
    if (!SendMessageW(Handle, SB_GETRECT_MSG, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
    InflateRect(&r, -2, -2);
    auto handler = bar->OnDrawPanel;  // a copy: the handler may replace itself
    handler(bar, bar->Panel(i), r);
  }
}
