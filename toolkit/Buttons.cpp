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
  if (msg.Msg == WM_ERASEBKGND) {
    // DrawItem covers every pixel: an erase first would show for a moment.
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
  if (caption.size() > 1024) caption.resize(1024);  // more than a button can show
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

// ---------------------------------------------------------------------------------------------
// TSpeedButton

const TClassInfo& TSpeedButton::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TSpeedButton", &TGraphicControl::StaticClass());
    c.Property("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp);
    c.Property("Down", &TSpeedButton::Down, &TSpeedButton::SetDown);
    c.Property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat);
    c.Property("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
    c.Property("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex);
    c.Property("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout);
    c.Property("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin);
    c.Property("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs);
    c.Property("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing);
    c.Event("OnClick", &TSpeedButton::OnClick);
    c.SetFactory([](TComponent* owner) { return new TSpeedButton(owner); });
    return c;
  }();
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
  width_ = 23;
  height_ = 22;
  color_ = clBtnFace;
  glyph_->OnChange = [this] { Invalidate(); };
}

void TSpeedButton::SetGlyph(TBitmap* glyph) {
  if (glyph) glyph_->Assign(*glyph);
  else glyph_->Clear();
  Invalidate();
}

void TSpeedButton::SetDown(bool v) {
  // Only a button of a group can stay down.
  if (groupIndex_ == 0) v = false;
  if (v == down_) return;
  down_ = v;
  if (down_) ReleaseOthersOfGroup();
  Invalidate();
}

void TSpeedButton::ReleaseOthersOfGroup() {
  if (!parent_ || groupIndex_ == 0) return;
  for (TControl* c : parent_->ControlList())
    if (auto* other = dynamic_cast<TSpeedButton*>(c); other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
      other->down_ = false;
      other->Invalidate();
    }
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && enabled_) {
    pressed_ = true;
    Invalidate();
  }
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && pressed_) {
    pressed_ = false;
    const bool inside = x >= 0 && y >= 0 && x < width_ && y < height_;
    if (inside && groupIndex_ != 0) {
      if (!down_) SetDown(true);
      else if (allowAllUp_) SetDown(false);
    }
    Invalidate();
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      // A flat button shows its edge only while the mouse is over it.
      if (flat_) Invalidate();
      break;
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(msg);
}

void TSpeedButton::Paint() {
  HDC dc = canvas_.Handle();
  if (!dc || width_ <= 0 || height_ <= 0) return;
  TBitmap buffer(width_, height_, TPixelFormat::pf24bit);
  HDC b = buffer.Canvas().Handle();
  RECT r{0, 0, width_, height_};
  {
    UniqueBrush face(CreateSolidBrush(ColorToRGB(color_)));
    ::FillRect(b, &r, face.Get());
  }
  const bool sunk = pressed_ || down_;
  if (!flat_) DrawFrameControl(b, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (sunk ? DFCS_PUSHED : 0));
  else if (sunk || mouseInControl_) DrawEdge(b, &r, sunk ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  const std::wstring caption = GbkToWide(text_);
  const int gw = glyph_->Empty() ? 0 : glyph_->Width() / numGlyphs_, gh = glyph_->Empty() ? 0 : glyph_->Height();
  const int shift = sunk ? 1 : 0;
  SelectGuard font(b, font_.Handle());
  SetBkMode(b, TRANSPARENT);
  SetTextColor(b, enabled_ ? ColorToRGB(font_.Color()) : GetSysColor(COLOR_GRAYTEXT));
  RECT tr = r;
  if (gw > 0) {
    const int frame = !enabled_ && numGlyphs_ > 1 ? 1 : 0;
    UniqueDC src(CreateCompatibleDC(b));
    SelectGuard keep(src.Get(), glyph_->Handle());
    const int x = caption.empty() ? (width_ - gw) / 2 : std::max(margin_, 2), y = (height_ - gh) / 2;
    TransparentBlt(b, x + shift, y + shift, gw, gh, src.Get(), frame * gw, 0, gw, gh, ColorToRGB(glyph_->TransparentColor()));
    tr.left = x + gw + std::max(spacing_, 0);
  }
  OffsetRect(&tr, shift, shift);
  if (!caption.empty())
    DrawTextW(b, caption.c_str(), static_cast<int>(std::min<size_t>(caption.size(), 1024)), &tr,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | (gw > 0 ? DT_LEFT : DT_CENTER));
  BitBlt(dc, 0, 0, width_, height_, b, 0, 0, SRCCOPY);
}

}  // namespace tk
