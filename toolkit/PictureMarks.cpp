#include "PictureMarks.h"

#include <algorithm>

#include "Encoding.h"

namespace tk {

namespace {

constexpr int MarkSize = 13;
constexpr int MarkGap = 4;

// Frame `place` of a strip of `frames` side-by-side frames, keyColour left out, into box.
bool DrawStripFrame(HDC dc, const RECT& box, const TBitmap& strip, int frames, int place, TColor keyColour) {
  if (strip.Empty() || frames <= 0) return false;
  const int w = strip.Width() / frames;
  if (w <= 0) return false;
  TBitmap frame(w, strip.Height());
  BitBlt(frame.Canvas().Handle(), 0, 0, w, strip.Height(), const_cast<TBitmap&>(strip).Canvas().Handle(), place * w, 0,
         SRCCOPY);
  TransparentBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, frame.Canvas().Handle(), 0, 0, w,
                 strip.Height(), ColorToRGB(keyColour));
  return true;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TPictureMarkBox

const TClassInfo& TPictureMarkBox::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TPictureMarkBox", &TCustomControl::StaticClass());
    c.Property("Checked", &TPictureMarkBox::Checked, &TPictureMarkBox::SetChecked);
    return c;
  }();
  return info;
}

TPictureMarkBox::TPictureMarkBox(TComponent* owner, bool radio) : TCustomControl(owner), radio_(radio) {
  width_ = 113;
  height_ = 17;
  tabStop_ = true;
  color_ = clBtnFace;
}

void TPictureMarkBox::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  // Radio buttons of one parent exclude each other.
  if (v && radio_ && parent_) {
    for (int i = 0; i < parent_->ControlCount(); ++i) {
      auto* other = dynamic_cast<TPictureMarkBox*>(parent_->Controls(i));
      if (other && other != this && other->radio_) other->SetChecked(false);
    }
  }
  Invalidate();
}

int TPictureMarkBox::MarkPlace(int groups) const {
  const int group = checked_ ? groups - 1 : 0;
  const int look = !Enabled() ? 2 : pressed_ ? 1 : 0;
  return group * 3 + look;
}

void TPictureMarkBox::Paint() {
  canvas_.Brush().SetColor(color_);
  canvas_.FillRect(RECT{0, 0, width_, height_});
  HDC dc = canvas_.Handle();
  const int top = std::max(0, (height_ - MarkSize) / 2);
  const RECT box{0, top, MarkSize, top + MarkSize};
  if (!DrawPictureMark(dc, box)) DrawPlainMark(dc, box);
  if (text_.empty()) return;
  canvas_.Brush().SetStyle(TBrushStyle::bsClear);
  canvas_.Font().Assign(font_);
  if (!Enabled()) canvas_.Font().SetColor(clGrayText);
  RECT r{MarkSize + MarkGap, 0, width_, height_};
  canvas_.DrawTextIn(text_, r, DT_SINGLELINE | DT_VCENTER);
}

void TPictureMarkBox::DrawPlainMark(HDC dc, const RECT& box) {
  RECT r = box;
  if (radio_) {
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
    if (checked_) {
      SelectObject(dc, GetStockObject(BLACK_BRUSH));
      Ellipse(dc, r.left + 4, r.top + 4, r.right - 4, r.bottom - 4);
    }
    return;
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONCHECK | (checked_ ? DFCS_CHECKED : 0) | (Enabled() ? 0 : DFCS_INACTIVE));
}

void TPictureMarkBox::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      if (CanFocus()) SetFocus();
      Invalidate();
      break;
    case WM_LBUTTONUP:
      if (pressed_) {
        pressed_ = false;
        SetChecked(radio_ ? true : !checked_);
        Click();
      }
      break;
    default:
      break;
  }
  TCustomControl::WndProc(msg);
}

// ---------------------------------------------------------------------------------------------
// TRzCheckBox, TRzRadioButton

const TClassInfo& TRzCheckBox::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TRzCheckBox", &TPictureMarkBox::StaticClass());
    c.Property("CustomGlyphs", &TRzCheckBox::CustomGlyphs);
    c.Property("transparentcolor", &TRzCheckBox::TransparentColor, &TRzCheckBox::SetTransparentColor);
    c.Property("UseCustomGlyphs", &TRzCheckBox::UseCustomGlyphs, &TRzCheckBox::SetUseCustomGlyphs);
    c.SetFactory([](TComponent* owner) { return new TRzCheckBox(owner); });
    return c;
  }();
  return info;
}

const TClassInfo& TRzRadioButton::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TRzRadioButton", &TRzCheckBox::StaticClass());
    c.SetFactory([](TComponent* owner) { return new TRzRadioButton(owner); });
    return c;
  }();
  return info;
}

TRzCheckBox::TRzCheckBox(TComponent* owner, bool radio) : TPictureMarkBox(owner, radio) {}

void TRzCheckBox::SetTransparentColor(TColor v) {
  transparentColor_ = v;
  Invalidate();
}

void TRzCheckBox::SetUseCustomGlyphs(bool v) {
  useCustomGlyphs_ = v;
  Invalidate();
}

bool TRzCheckBox::DrawPictureMark(HDC dc, const RECT& box) {
  if (!useCustomGlyphs_) return false;
  // Three looks (normal, pressed, disabled) per state: unchecked, grayed, checked for check boxes;
  // unchecked and checked for radio buttons.
  const int groups = Radio() ? 2 : 3;
  return DrawStripFrame(dc, box, *glyphs_, groups * 3, MarkPlace(groups), transparentColor_);
}

// ---------------------------------------------------------------------------------------------
// TcxCheckBox

const TClassInfo& TcxCheckBoxProperties::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TcxCheckBoxProperties", &TObject::StaticClass());
    c.Property("Glyph", &TcxCheckBoxProperties::Glyph);
    return c;
  }();
  return info;
}

const TClassInfo& TcxCheckBox::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TcxCheckBox", &TPictureMarkBox::StaticClass());
    c.Property("Properties", &TcxCheckBox::Properties);
    c.SetFactory([](TComponent* owner) { return new TcxCheckBox(owner); });
    return c;
  }();
  return info;
}

TcxCheckBox::TcxCheckBox(TComponent* owner) : TPictureMarkBox(owner, false) {}

bool TcxCheckBox::DrawPictureMark(HDC dc, const RECT& box) {
  const TBitmap& glyph = *properties_->Glyph();
  if (glyph.Empty() || glyph.Height() <= 0) return false;
  // Square frames: unchecked first, checked third when there are that many.
  const int frames = std::max(1, glyph.Width() / glyph.Height());
  const int place = Checked() && frames >= 3 ? 2 : 0;
  return DrawStripFrame(dc, box, glyph, frames, place, glyph.Transparent() ? glyph.TransparentColor() : clFuchsia);
}

}  // namespace tk
