#include "Buttons.h"

#include <algorithm>

#include "Encoding.h"

namespace tk {

const TClassInfo& TBitBtn::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TBitBtn", &TButton::StaticClass());
    c.Property("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph);
    c.Property("Kind", &TBitBtn::Kind, &TBitBtn::SetKind);
    c.Property("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout);
    c.Property("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin);
    c.Property("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs);
    c.Property("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing);
    c.SetFactory([](TComponent* owner) { return new TBitBtn(owner); });
    return c;
  }();
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TBitmap>()) {
  glyph_->OnChange = [this] { Invalidate(); };
}

void TBitBtn::SetGlyph(TBitmap* glyph) {
  if (glyph) glyph_->Assign(*glyph);
  else glyph_->Clear();
  Invalidate();
}

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.style = (params.style & ~static_cast<DWORD>(BS_DEFPUSHBUTTON | BS_PUSHBUTTON)) | BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& msg) {
  if (msg.Msg == CN_DRAWITEM) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(msg.LParam));
    msg.Result = 1;
    return;
  }
  if (msg.Msg == WM_LBUTTONDBLCLK) msg.Msg = WM_LBUTTONDOWN;  // a fast second click is a click too
  TButton::WndProc(msg);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  const RECT full = item.rcItem;
  const int w = full.right - full.left, h = full.bottom - full.top;
  TBitmap buffer(w, h, TPixelFormat::pf24bit);
  TCanvas& canvas = buffer.Canvas();
  HDC dc = canvas.Handle();
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;

  RECT r{0, 0, w, h};
  canvas.Brush().SetColor(color_);
  canvas.FillRect(r);
  UINT state = DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0);
  if (focused || default_) {
    canvas.Brush().SetColor(clWindowFrame);
    canvas.FrameRect(r);
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, state);

  // Glyph and caption side by side (or stacked), centred as a block unless a margin is given.
  canvas.Font().Assign(font_);
  std::wstring caption = GbkToWide(text_);
  RECT textRect{0, 0, w, 0};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect, DT_CALCRECT | DT_SINGLELINE);
  const int tw = caption.empty() ? 0 : textRect.right, th = caption.empty() ? 0 : textRect.bottom;
  const int gw = glyph_->Empty() ? 0 : glyph_->Width() / numGlyphs_, gh = glyph_->Empty() ? 0 : glyph_->Height();
  const bool horizontal = layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
  const int gap = (gw > 0 && tw > 0) ? spacing_ : 0;
  const int blockW = horizontal ? gw + gap + tw : std::max(gw, tw);
  const int blockH = horizontal ? std::max(gh, th) : gh + gap + th;
  int x = margin_ >= 0 && horizontal ? margin_ : (w - blockW) / 2;
  int y = margin_ >= 0 && !horizontal ? margin_ : (h - blockH) / 2;
  const int shift = pressed ? 1 : 0;
  POINT glyphAt{x, y}, textAt{x, y};
  switch (layout_) {
    case TButtonLayout::blGlyphLeft: glyphAt = {x, y + (blockH - gh) / 2}; textAt = {x + gw + gap, y + (blockH - th) / 2}; break;
    case TButtonLayout::blGlyphRight: textAt = {x, y + (blockH - th) / 2}; glyphAt = {x + tw + gap, y + (blockH - gh) / 2}; break;
    case TButtonLayout::blGlyphTop: glyphAt = {x + (blockW - gw) / 2, y}; textAt = {x + (blockW - tw) / 2, y + gh + gap}; break;
    case TButtonLayout::blGlyphBottom: textAt = {x + (blockW - tw) / 2, y}; glyphAt = {x + (blockW - gw) / 2, y + th + gap}; break;
  }
  if (gw > 0) {
    // Frame 2 of a multi-glyph strip is the disabled look.
    const int frame = disabled && numGlyphs_ > 1 ? 1 : 0;
    UniqueDC src(CreateCompatibleDC(dc));
    SelectGuard keep(src.Get(), glyph_->Handle());
    TransparentBlt(dc, glyphAt.x + shift, glyphAt.y + shift, gw, gh, src.Get(), frame * gw, 0, gw, gh,
                   ColorToRGB(glyph_->TransparentColor()));
  }
  if (tw > 0) {
    RECT tr{textAt.x + shift, textAt.y + shift, textAt.x + shift + tw, textAt.y + shift + th};
    SetBkMode(dc, TRANSPARENT);
    if (disabled) {
      OffsetRect(&tr, 1, 1);
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &tr, DT_SINGLELINE);
      OffsetRect(&tr, -1, -1);
      SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
      SetTextColor(dc, ColorToRGB(font_.Color()));
    }
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &tr, DT_SINGLELINE);
  }
  if (focused) {
    RECT fr{0, 0, w, h};
    InflateRect(&fr, -4, -4);
    DrawFocusRect(dc, &fr);
  }
  BitBlt(item.hDC, full.left, full.top, w, h, dc, 0, 0, SRCCOPY);
}

}  // namespace tk
